#pragma once

#include "support/KovexError.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <optional>

// Files read and saved whole: only a regular file of bounded size is read
// (a named pipe or a device would wait for ever), and a save replaces a file
// only once the new one is complete, so a failed save leaves the previous
// file as it was. Each caller words the failures for its own user; one that
// does not shows the program's plain file messages.
namespace kovex::wholefile {

enum class Fault {
    NotFound,
    NotReadable,    // no regular file, or one that cannot be opened
    TooLarge,       // larger than the caller's bound
    ReadFailed,     // opened, but reading failed
    NotReplaceable, // something there that is no regular writable file
    CannotCreate,   // the new file cannot be made
    WriteFailed,    // writing or completing the new file failed
};

// The program's plain file messages: "File not found", "I/O error 100"
// when reading fails, "I/O error 101" when writing does, "File access
// denied" for the rest.
QString plainMessage(Fault fault);

// Throws a plain KovexError carrying the plain message of `fault`, for a
// reader or writer of its own that fails in that way.
[[noreturn]] void failPlainly(Fault fault);

// A file fault; its text is the plain message of its kind.
class FileFault : public KovexError {
  public:
    FileFault(Fault kind, const QString& systemWords)
        : KovexError(plainMessage(kind)), fault(kind), detail(systemWords) {}

    Fault fault;
    QString detail; // the system's own words, when it gives any
};

// The bytes of a regular file of at most `maxBytes`; throws FileFault.
QByteArray read(const QString& path, qint64 maxBytes);

// Saves the bytes through a PendingFile (support/PendingFile.h): every
// write, the sync and the rename checked; throws FileFault.
void save(const QString& path, const QByteArray& bytes);

// As save(), failing with a plain KovexError carrying the plain message:
// "File access denied" when the file cannot be replaced or made, "I/O error
// 101" when writing it fails.
void saveOrFail(const QString& path, const QByteArray& bytes);

// Opens `file` for writing, made when missing and emptied when not; throws
// the plain "File access denied" when it cannot. A file already empty (a
// save's new temporary) is not truncated: ext4 writes a file truncated to
// nothing out to the disk as soon as it is closed, a write of its own
// before the one sync of the save.
void openEmptied(QFile& file);

// The text of bytes that are valid UTF-8; none for any others.
std::optional<QString> utf8Text(const QByteArray& bytes);

} // namespace kovex::wholefile
