#include "refdata/AccessConnection.h"

#include "support/KovexError.h"
#include "support/WholeFile.h"

#include <QFile>

namespace kovex {

namespace {

// Far above any access file of one case (about 60 KiB), far below what
// memory holds.
constexpr qint64 kMaxAccessFileBytes = 256LL * 1024 * 1024;

KovexError notOpen() {
    return KovexError(QStringLiteral("The access file is not open"));
}

QByteArray accessFileBytes(const QString& path) {
    try {
        return wholefile::read(path, kMaxAccessFileBytes);
    } catch (const wholefile::FileFault& fault) {
        wholefile::failPlainly(fault.fault);
    }
}

} // namespace

void AccessConnection::open(const QString& path) {
    close();
    m_database = jet::Database::read(accessFileBytes(path));
    m_fileName = path;
}

void AccessConnection::openCopy(const QString& path, const QByteArray& bytes) {
    close();
    if (!m_lastCopied || m_lastCopied->bytes != bytes)
        m_lastCopied.emplace(ReadCopy{bytes, jet::Database::read(bytes)});
    // A failed save closes the connection and removes the file, so the
    // save's changes need no copy of the file to fall back to.
    m_database = m_lastCopied->database.scratchCopy();
    m_fileName = path;
}

void AccessConnection::followRename(const QString& path) {
    m_fileName = path;
}

void AccessConnection::close() {
    m_database.reset();
    m_fileName.clear();
}

jet::Database& AccessConnection::database() {
    if (!m_database)
        throw notOpen();
    return *m_database;
}

const jet::Database& AccessConnection::database() const {
    if (!m_database)
        throw notOpen();
    return *m_database;
}

// The file is the save's own temporary copy, synced and renamed by the save
// once complete, so it is written in place.
void AccessConnection::writeBack() const {
    const QByteArray bytes = database().bytes();
    QFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        wholefile::failPlainly(wholefile::Fault::CannotCreate);
    if (file.write(bytes) != bytes.size())
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
    file.close();
    if (file.error() != QFileDevice::NoError)
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
}

} // namespace kovex
