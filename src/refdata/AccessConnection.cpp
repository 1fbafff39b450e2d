#include "refdata/AccessConnection.h"

#include "support/KovexError.h"
#include "support/WholeFile.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace kovex {

namespace {

// Far above any access file of one case (about 60 KiB), far below what
// memory holds.
constexpr qint64 kMaxAccessFileBytes = 256LL * 1024 * 1024;
// The unit a Jet file is changed in.
constexpr qsizetype kPageBytes = 4096;

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

// Writes the runs of pages of `bytes` that differ from `onDisk`, what the
// file already holds (everything past its end differs).
void writeChanged(QFile& file, const QByteArray& bytes, const QByteArray& onDisk) {
    const auto pageDiffers = [&](qsizetype at) {
        const qsizetype length = std::min<qsizetype>(kPageBytes, bytes.size() - at);
        return at + length > onDisk.size() ||
               std::memcmp(bytes.constData() + at, onDisk.constData() + at, static_cast<size_t>(length)) != 0;
    };
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (!pageDiffers(at)) {
            at += kPageBytes;
            continue;
        }
        qsizetype end = at + kPageBytes;
        while (end < bytes.size() && pageDiffers(end))
            end += kPageBytes;
        end = std::min(end, bytes.size());
        if (!file.seek(at) || file.write(bytes.constData() + at, end - at) != end - at)
            wholefile::failPlainly(wholefile::Fault::WriteFailed);
        at = end;
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
    m_holdsCopy = true;
}

bool AccessConnection::openLastTemplate(const QString& path) {
    close();
    if (!m_lastCopied)
        return false;
    m_database = m_lastCopied->database.scratchCopy();
    m_fileName = path;
    return true;
}

bool AccessConnection::copyMatches(const QByteArray& bytes) {
    m_holdsCopy = m_database && m_lastCopied && m_lastCopied->bytes == bytes;
    return m_holdsCopy;
}

void AccessConnection::followRename(const QString& path) {
    m_fileName = path;
}

void AccessConnection::close() {
    m_database.reset();
    m_holdsCopy = false;
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
// once complete, so it is changed in place: it holds the bytes it was
// copied with, and only the pages that differ from them are written (a save
// of 12 antennas changes 34 of the template's 56 pages and adds 13). It is never truncated to
// nothing, which would make ext4 write it out as soon as it is closed.
void AccessConnection::writeBack() const {
    const QByteArray bytes = database().bytes();
    const QByteArray copied = m_holdsCopy ? m_lastCopied->bytes : QByteArray();
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        wholefile::failPlainly(wholefile::Fault::CannotCreate);
    if (file.size() != copied.size())
        writeChanged(file, bytes, {});
    else
        writeChanged(file, bytes, copied);
    if (file.size() > bytes.size() && !file.resize(bytes.size()))
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
    file.close();
    if (file.error() != QFileDevice::NoError)
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
}

} // namespace kovex
