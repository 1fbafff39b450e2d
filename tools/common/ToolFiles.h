#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The files a data tool reads and writes, failing with a BuildError that
// names the file and gives the system's reason.
namespace kovex::toolfiles {

// The whole of a regular file; a source of the shipped data is far below
// the bound.
QByteArray readBytes(const QString& path);

// The text of a file that must be UTF-8.
QString readUtf8(const QString& path);

// Writes the file whole or not at all: an earlier file of the name stays as
// it was until the new one is complete.
void save(const QString& path, const QByteArray& bytes);

// The same for a writer that opens the file by its name (as SQLite does):
// `write` gets the temporary's name, which takes the final name once
// `write` has returned.
void saveBy(const QString& path, const std::function<void(const QString& temporary)>& write);

} // namespace kovex::toolfiles
