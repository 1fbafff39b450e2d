#include "records/AccessSave.h"

#include "calc/Summary.h"
#include "records/AccessDatabase.h"
#include "records/AdministrativeRecord.h"
#include "records/ReportFile.h"
#include "records/TpaiFile.h"
#include "refdata/Session.h"
#include "support/KovexError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <array>
#include <cstdio>

namespace kovex {

namespace {

const QString kTemplateFileName = QStringLiteral("NOCALL_kovex.mdb");
constexpr qint64 kCopyBlockBytes = 2048;

[[noreturn]] void ioError(const char* text) {
    throw KovexError(QString::fromLatin1(text));
}

// A new file is written under a name of its own beside the one it is for,
// and takes that name only once it is complete; until then, and whatever
// fails, the file of the earlier save stays as it was. An unfinished file
// is removed.
class PendingFile {
  public:
    explicit PendingFile(const QString& finalName) : m_finalName(finalName) {
        const QFileInfo existing(finalName);
        if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
            ioError("File access denied");
        createUniqueFile();
        if (existing.exists())
            QFile::setPermissions(m_path, existing.permissions());
    }
    ~PendingFile() {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const QString& path() const { return m_path; }

    // Replaces the earlier file, if any, in one step.
    void takeFinalName() {
        if (std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(m_finalName).constData()) !=
            0)
            ioError("File access denied");
        m_path.clear();
    }

  private:
    // Created new, so that no other file is ever written over, with the
    // permissions any file of the user gets.
    void createUniqueFile() {
        for (int attempt = 0; attempt < 16; ++attempt) {
            const QString candidate = m_finalName + QStringLiteral(".part") +
                                      QString::number(QRandomGenerator::global()->generate(), 36);
            QFile file(candidate);
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                m_path = candidate;
                return;
            }
        }
        ioError("File access denied");
    }

    QString m_finalName;
    QString m_path;
};

// The copied template is filled in one transaction, so that a failure
// leaves no table half written; the connection is closed after it either
// way, before the file is renamed. The file is a temporary one, removed
// whenever the save fails, so it needs no rollback journal: without one the
// commit writes and syncs the file itself only.
void fillTables(Session& p, const QString& path) {
    AccessConnection& connection = p.data.ADOConnection3;
    connection.open(path);
    try {
        QSqlDatabase db = connection.database();
        QSqlQuery withoutJournal(db);
        if (!withoutJournal.exec(QStringLiteral("PRAGMA journal_mode = OFF")))
            throw KovexError(withoutJournal.lastError().text());
        withoutJournal.finish();
        if (!db.transaction())
            throw KovexError(db.lastError().text());
        try {
            WriteFileTables(p);
            WriteDefaultAntennaTables(p);
        } catch (...) {
            db.rollback();
            throw;
        }
        if (!db.commit())
            throw KovexError(db.lastError().text());
    } catch (...) {
        connection.close();
        throw;
    }
    connection.close();
}

} // namespace

// A read that fails or a write that writes less than it was given is an
// error, never the end of the copy: a short copy would be a corrupted file.
void CopyFileInBlocks(const QString& source, const QString& destination) {
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists())
        ioError("File not found");
    QFile from(source);
    if (!sourceInfo.isFile() || !from.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        ioError("File access denied");
    QFile to(destination);
    if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        ioError("File access denied");
    std::array<char, kCopyBlockBytes> block;
    for (;;) {
        const qint64 read = from.read(block.data(), kCopyBlockBytes);
        if (read < 0)
            ioError("I/O error 100");
        if (read == 0)
            break;
        if (to.write(block.data(), read) != read)
            ioError("I/O error 101");
    }
    from.close();
    to.close();
    if (to.error() != QFileDevice::NoError)
        ioError("I/O error 101");
}

void WriteFileTables(Session& p) {
    access::writeTables(p.data.ADOConnection3.database(), access::fileTables(p.form1));
}

void WriteDefaultAntennaTables(Session& p) {
    access::writeTables(p.data.ADOConnection3.database(), access::defaultAntennaTables(p.form1));
}

void btnSaveMDBClick(Session& p) {
    if (!MaximaReadyForFiles(p))
        return;
    // The callsign is taken as if its field had just been left: upper-cased,
    // with the file names and the button's caption made from it.
    edtCallsignExit(p);
    if (!QFileInfo::exists(kTemplateFileName)) {
        p.platform.dialogs.warning(QStringLiteral("File NOCALL_kovex is missing! Cannot continue"));
        return;
    }
    const QString accessFileName = p.form1.AccessFileName;
    const QString reportFileName = p.form1.ReportFileName;
    if (!tpai::isAllowedFileName(accessFileName) || !tpai::isAllowedFileName(reportFileName))
        ioError("Invalid filename");
    // The connection of the previous save lets go of its file first.
    p.data.ADOConnection3.close();
    PendingFile access(accessFileName);
    PendingFile report(reportFileName);
    CopyFileInBlocks(kTemplateFileName, access.path());
    WriteReportFile(p, report.path());
    fillTables(p, access.path());
    access.takeFinalName();
    report.takeFinalName();
    p.form1.noteWrittenFiles({accessFileName, reportFileName});
    p.platform.dialogs.warning(accessFileName + " and " + reportFileName + " has been created .");
    // It stays open on the file just saved until the next save.
    p.data.ADOConnection3.open(QDir::current().absoluteFilePath(accessFileName));
}

} // namespace kovex
