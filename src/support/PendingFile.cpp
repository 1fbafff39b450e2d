#include "support/PendingFile.h"

#include "support/Background.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kovex::wholefile {

namespace {

// ".kovex-" + 8 hex digits of the final name + "-" + 6 random characters +
// ".part": short whatever the final name's length, so that a name near the
// system's limit still has a temporary, and telling whose temporary it is.
const QString kPrefix = QStringLiteral(".kovex-");
const QString kSuffix = QStringLiteral(".part");
constexpr int kCreateAttempts = 16;

QString nameTag(const QString& finalName) {
    return QString::fromLatin1(
        QCryptographicHash::hash(finalName.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
}

QString randomPart() {
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QString part;
    for (int i = 0; i < 6; ++i)
        part += QLatin1Char(digits[QRandomGenerator::global()->bounded(36)]);
    return part;
}

// The system's words for the failure, in English like every other message
// of the program, whatever the user's locale.
QString systemReason() {
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return QString::fromLocal8Bit(english ? ::strerror_l(errno, english) : std::strerror(errno));
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// A save holds a lock on its temporary for as long as it lives, so a
// temporary that can be locked is one whose save ended without removing it.
void removeIfStale(const QString& path) {
    const int descriptor = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        ::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        ::unlink(encoded(path).constData());
    ::close(descriptor);
}

// The temporaries of the final name: those of this naming and those of the
// earlier one (the final name + ".part" + up to 7 base-36 digits).
// One unsorted listing without name filters, matched here (ignoring case,
// as the filters did): a filter costs the folder listing a compiled
// expression each time, more than all the rest of a save's temporaries.
void removeStaleTemporariesOf(const QString& folder, const QString& finalName) {
    const QDir dir(folder);
    const QString ownStart = kPrefix + nameTag(finalName) + '-';
    const QString earlierStart = finalName + kSuffix;
    std::optional<QRegularExpression> earlier;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted)) {
        if (name.startsWith(ownStart, Qt::CaseInsensitive) && name.endsWith(kSuffix, Qt::CaseInsensitive)) {
            removeIfStale(dir.filePath(name));
            continue;
        }
        if (!name.startsWith(earlierStart, Qt::CaseInsensitive))
            continue;
        if (!earlier)
            earlier.emplace(QRegularExpression::anchoredPattern(QRegularExpression::escape(earlierStart) +
                                                                QStringLiteral("[0-9a-z]{1,7}")));
        if (earlier->match(name).hasMatch())
            removeIfStale(dir.filePath(name));
    }
}

// Only a regular file the user may write, or a link, is replaced.
void refuseUnreplaceable(const QString& finalPath) {
    struct stat status {};
    if (::lstat(encoded(finalPath).constData(), &status) != 0 || S_ISLNK(status.st_mode))
        return;
    if (!S_ISREG(status.st_mode) || !QFileInfo(finalPath).isWritable())
        throw FileFault{Fault::NotReplaceable, {}};
}

// The file a rename replaced is let go of off the caller's thread. Letting
// go of it frees its blocks, and a file system that discards freed blocks
// at once (ext4 mounted with discard and without a journal) makes the last
// close wait for the disk: a third of a millisecond for an access file,
// which a save already complete need not wait for.
void letGoLater(int descriptor) {
    background::start([descriptor] { ::close(descriptor); });
}

} // namespace

PendingFile::PendingFile(const QString& finalPath) : m_finalPath(finalPath) {
    refuseUnreplaceable(finalPath);
    const QFileInfo target(finalPath);
    const QString folder = target.absolutePath();
    removeStaleTemporariesOf(folder, target.fileName());
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const QString candidate =
            QDir(folder).filePath(kPrefix + nameTag(target.fileName()) + '-' + randomPart() + kSuffix);
        // Made new, never through a link, with the permissions of a new file.
        m_descriptor = ::open(encoded(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_descriptor >= 0) {
            m_path = candidate;
            ::flock(m_descriptor, LOCK_EX | LOCK_NB);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    throw FileFault{Fault::CannotCreate, systemReason()};
}

PendingFile::~PendingFile() {
    if (!m_path.isEmpty())
        ::unlink(encoded(m_path).constData());
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

void PendingFile::write(const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_descriptor, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw FileFault{Fault::WriteFailed,
                            written < 0 ? systemReason() : QStringLiteral("nothing written")};
        data += written;
        left -= written;
    }
}

void PendingFile::complete() {
    if (::fsync(m_descriptor) != 0)
        throw FileFault{Fault::WriteFailed, systemReason()};
    m_completed = true;
}

// The descriptor, and with it the lock, is kept up to the rename, so that
// no other instance takes the temporary for a stale one.
void PendingFile::takeFinalName() {
    if (!m_completed)
        complete();
    const int replaced = ::open(encoded(m_finalPath).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (::rename(encoded(m_path).constData(), encoded(m_finalPath).constData()) != 0) {
        const QString reason = systemReason();
        if (replaced >= 0)
            ::close(replaced);
        throw FileFault{Fault::NotReplaceable, reason};
    }
    if (replaced >= 0)
        letGoLater(replaced);
    m_path.clear();
    ::close(m_descriptor);
    m_descriptor = -1;
}

void removeStaleTemporaries(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({kPrefix + "*" + kSuffix}, QDir::Files | QDir::Hidden | QDir::System))
        removeIfStale(dir.filePath(name));
    const QRegularExpression earlier(QStringLiteral("^.+_(kovex\\.mdb|report\\.txt)\\.part[0-9a-z]{1,7}$"));
    for (const QString& name : dir.entryList({QStringLiteral("*.part*")}, QDir::Files | QDir::Hidden))
        if (earlier.match(name).hasMatch())
            removeIfStale(dir.filePath(name));
}

} // namespace kovex::wholefile
