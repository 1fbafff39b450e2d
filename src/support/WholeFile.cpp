#include "support/WholeFile.h"

#include "support/KovexError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kovex::wholefile {

QByteArray read(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        throw FileFault{Fault::NotFound, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw FileFault{Fault::NotReadable, file.errorString()};
    if (file.size() > maxBytes)
        throw FileFault{Fault::TooLarge, {}};
    // A file that grows while it is read is still read no further.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileFault{Fault::ReadFailed, file.errorString()};
    return bytes;
}

// A read-only file is refused rather than replaced behind the user's back.
void save(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QFileInfo existing(path);
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        throw FileFault{Fault::NotReplaceable, {}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileFault{Fault::CannotCreate, file.errorString()};
    if (!write(file) || !file.commit())
        throw FileFault{Fault::WriteFailed, file.errorString()};
}

void saveOrFail(const QString& path, const std::function<bool(QIODevice&)>& write) {
    try {
        save(path, write);
    } catch (const FileFault& fault) {
        throw KovexError(fault.fault == Fault::WriteFailed ? QStringLiteral("I/O error 101")
                                                           : QStringLiteral("File access denied"));
    }
}

} // namespace kovex::wholefile
