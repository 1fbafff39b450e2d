#include "FileCommands.h"

#include "ScenarioFailure.h"
#include "ScenarioWords.h"
#include "TextChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace kovex::scenario {

namespace {

// The largest file system that fill-disk fills.
constexpr unsigned long long kMaxFilledDiskBytes = 64ull * 1024 * 1024;

void writeBytes(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("a written file " + name);
}

void refuseLargeDisk() {
    struct statvfs disk {};
    if (::statvfs(".", &disk) != 0 ||
        static_cast<unsigned long long>(disk.f_blocks) * disk.f_frsize > kMaxFilledDiskBytes)
        fail("a small file system of its own to fill (run through tests/full_disk.sh)");
}

} // namespace

QByteArray fileBytes(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        fail("a file named " + name);
    return file.readAll();
}

void writeFile(const QString& name, const QStringList& block) {
    const QByteArray bytes = fileBytesOfBlock(block);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("a written file " + name);
}

void copyFile(const QString& from, const QString& to) {
    writeBytes(to, fileBytes(from));
}

void makeFolder(const QString& name) {
    if (!QDir::current().mkpath(name))
        fail("a folder made as " + name);
}

// Edits a file as a user's text editor would: the UTF-8 text `from`,
// found exactly once, becomes `to`.
void replaceInFile(const QString& name, const QString& from, const QString& to) {
    QByteArray bytes = fileBytes(name);
    if (bytes.count(from.toUtf8()) != 1)
        fail(quoted(from) + " once in " + name);
    writeBytes(name, bytes.replace(from.toUtf8(), to.toUtf8()));
}

// Keeps the first `size` bytes, as a save cut short would.
void cutFile(const QString& name, int size) {
    const QByteArray bytes = fileBytes(name);
    if (size < 0 || size > bytes.size())
        fail(QString("at most %1 bytes to keep of %2").arg(bytes.size()).arg(name));
    writeBytes(name, bytes.left(size));
}

// Fills the file system of the working folder to the last byte with the
// file "filler", as a full disk would be; refused anywhere but on a small
// file system made for the purpose (tests/full_disk.sh).
void fillDisk() {
    refuseLargeDisk();
    QFile filler("filler");
    if (!filler.open(QIODevice::Append | QIODevice::Unbuffered))
        fail("a filler file");
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write(block.left(1)) == 1) {
    }
}

void setUmask(uint mask) {
    ::umask(static_cast<mode_t>(mask));
}

void changeMode(const QString& name, uint mode) {
    if (::chmod(QFile::encodeName(name).constData(), static_cast<mode_t>(mode)) != 0)
        fail("a file named " + name + " whose mode can change");
}

void makeFifo(const QString& name) {
    if (::mkfifo(QFile::encodeName(name).constData(), 0600) != 0)
        fail("a named pipe made as " + name);
}

void makeLink(const QString& target, const QString& name) {
    if (!QFile::link(target, name))
        fail("a link " + name + " to " + target);
}

// "BYTES" or "none": a file written beyond that size fails as on a full
// disk, whoever runs the scenario.
void limitFileSize(const QString& bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes == "none" ? limit.rlim_max : rlim_t(parseInt(bytes));
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        fail("a file size limit of " + bytes);
}

void expectFile(const QString& name, const QStringList& block) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        fail("a file named " + name);
    compareLines(name, block, crLfLines(name, file.readAll()));
}

void expectNoFile(const QString& name) {
    if (QFileInfo::exists(name))
        fail("no file named " + name + ", found one");
}

void expectSameFile(const QString& name, const QString& other) {
    const QByteArray bytes = fileBytes(name);
    const QByteArray otherBytes = fileBytes(other);
    if (bytes != otherBytes)
        fail(QString("%1 the same as %2, found a difference at byte %3")
                 .arg(name, other)
                 .arg(firstDifference(bytes, otherBytes)));
}

void expectLink(const QString& name, bool link) {
    if (QFileInfo(name).isSymLink() != link)
        fail(name + (link ? " a link" : " no link") + ", found " + (link ? "none" : "one"));
}

// The permission bits in octal, as ls shows them in digits ("644").
void expectMode(const QString& name, const QString& mode) {
    struct stat status {};
    if (::lstat(QFile::encodeName(name).constData(), &status) != 0)
        fail("a file named " + name);
    compare(QString::number(status.st_mode & 07777, 8), mode);
}

// Every entry of the folder, hidden ones included, sorted and joined by
// blanks: no temporary left behind.
void expectEntries(const QString& expected) {
    QStringList entries =
        QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    compare(entries.join(' '), expected);
}

} // namespace kovex::scenario
