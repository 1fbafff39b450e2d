#include "records/AccessSave.h"

#include "calc/Summary.h"
#include "model/ControlNames.h"
#include "records/AccessDatabase.h"
#include "records/AdministrativeRecord.h"
#include "records/ReportFile.h"
#include "records/TpaiFile.h"
#include "refdata/Session.h"
#include "support/KovexError.h"
#include "support/PendingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace kovex {

namespace {

const QString kTemplateFileName = QStringLiteral("NOCALL_kovex.mdb");
constexpr qint64 kCopyBlockBytes = 2048;

[[noreturn]] void ioError(const char* text) {
    throw KovexError(QString::fromLatin1(text));
}

// The access file and the report are each written under a temporary name
// of their own and synced, both before either takes its name: the two
// renames then follow one another at once, so the pair is mixed only if the
// program dies between them.
void takeNamesTogether(wholefile::PendingFile& access, wholefile::PendingFile& report) {
    access.complete();
    report.complete();
    access.takeFinalName();
    report.takeFinalName();
}

[[noreturn]] void fileError(const wholefile::FileFault& fault) {
    ioError(fault.fault == wholefile::Fault::WriteFailed ? "I/O error 101" : "File access denied");
}

// The copied template is read whole, filled in memory and written back over
// the copy, so that a failure leaves no table half written on the disk; the
// connection lets go of the copy either way, before it is renamed.
void fillTables(Session& p, const QString& path) {
    AccessConnection& connection = p.data.savedAccessFile;
    try {
        connection.open(path);
        WriteFileTables(p);
        WriteDefaultAntennaTables(p);
        connection.writeBack();
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
    access::writeTables(p.data.savedAccessFile.database(), access::fileTables(p.mainForm));
}

void WriteDefaultAntennaTables(Session& p) {
    access::writeTables(p.data.savedAccessFile.database(), access::defaultAntennaTables(p.mainForm));
}

void btnSaveMDBClick(Session& p) {
    if (!maximaReadyForFiles(p))
        return;
    // The callsign is taken as if its field had just been left: upper-cased,
    // with the file names and the button's caption made from it.
    takeCallsign(p);
    if (!QFileInfo::exists(kTemplateFileName)) {
        p.platform.dialogs.warning(QStringLiteral("File NOCALL_kovex is missing! Cannot continue"));
        return;
    }
    const QString accessFileName = p.mainForm.values.AccessFileName;
    const QString reportFileName = p.mainForm.values.ReportFileName;
    tpai::checkFileName(p.mainForm.text(ui::edtCallsign), accessFileName);
    tpai::checkFileName(p.mainForm.text(ui::edtCallsign), reportFileName);
    // The connection of the previous save lets go of its file first.
    p.data.savedAccessFile.close();
    try {
        wholefile::PendingFile access(accessFileName);
        wholefile::PendingFile report(reportFileName);
        CopyFileInBlocks(kTemplateFileName, access.path());
        WriteReportFile(p, report.path());
        fillTables(p, access.path());
        takeNamesTogether(access, report);
    } catch (const wholefile::FileFault& fault) {
        fileError(fault);
    }
    p.mainForm.noteWrittenFiles({accessFileName, reportFileName});
    p.platform.dialogs.warning(accessFileName + " and " + reportFileName + " has been created .");
    // It stays open on the file just saved until the next save.
    p.data.savedAccessFile.open(QDir::current().absoluteFilePath(accessFileName));
}

} // namespace kovex
