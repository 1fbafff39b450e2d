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
#include "support/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <future>
#include <system_error>

namespace kovex {

namespace {

const QString kTemplateFileName = QStringLiteral("NOCALL_kovex.mdb");
constexpr qint64 kCopyBlockBytes = 2048;

// The report is synced beside the access file rather than after it: the
// file system then commits both at once, at little more than the cost of
// one sync.
void completeTogether(wholefile::PendingFile& access, wholefile::PendingFile& report) {
    std::future<void> reportSynced;
    try {
        reportSynced = std::async(std::launch::async, [&report] { report.complete(); });
    } catch (const std::system_error&) { // no thread to be had: one after the other
        access.complete();
        report.complete();
        return;
    }
    try {
        access.complete();
    } catch (...) {
        reportSynced.wait();
        throw;
    }
    reportSynced.get();
}

// The access file and the report are each written under a temporary name
// of their own and synced, both before either takes its name: the two
// renames then follow one another at once, so the pair is mixed only if the
// program dies between them.
void takeNamesTogether(wholefile::PendingFile& access, wholefile::PendingFile& report) {
    completeTogether(access, report);
    access.takeFinalName();
    report.takeFinalName();
}

// Only the two new files fault here: "I/O error 101" when writing them
// fails, "File access denied" when they cannot be made or take their names.
[[noreturn]] void fileError(const wholefile::FileFault& fault) {
    wholefile::failPlainly(fault.fault);
}

// The copied template, as the bytes just copied, is filled in memory and
// written back over the copy, so that a failure leaves no table half
// written on the disk.
void fillTables(Session& p, const QString& path, const QByteArray& copiedBytes) {
    AccessConnection& connection = p.data.savedAccessFile;
    connection.openCopy(path, copiedBytes);
    WriteFileTables(p);
    WriteDefaultAntennaTables(p);
    connection.writeBack();
}

} // namespace

// A read that fails or a write that writes less than it was given is an
// error, never the end of the copy: a short copy would be a corrupted file.
QByteArray CopyFileInBlocks(const QString& source, const QString& destination) {
    using wholefile::Fault;
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists())
        wholefile::failPlainly(Fault::NotFound);
    QFile from(source);
    if (!sourceInfo.isFile() || !from.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        wholefile::failPlainly(Fault::NotReadable);
    QFile to(destination);
    if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        wholefile::failPlainly(Fault::CannotCreate);
    std::array<char, kCopyBlockBytes> block;
    QByteArray copied;
    copied.reserve(sourceInfo.size());
    for (;;) {
        const qint64 read = from.read(block.data(), kCopyBlockBytes);
        if (read < 0)
            wholefile::failPlainly(Fault::ReadFailed);
        if (read == 0)
            break;
        if (to.write(block.data(), read) != read)
            wholefile::failPlainly(Fault::WriteFailed);
        copied.append(block.data(), read);
    }
    from.close();
    to.close();
    if (to.error() != QFileDevice::NoError)
        wholefile::failPlainly(Fault::WriteFailed);
    return copied;
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
        const QByteArray copiedBytes = CopyFileInBlocks(kTemplateFileName, access.path());
        WriteReportFile(p, report.path());
        fillTables(p, access.path(), copiedBytes);
        takeNamesTogether(access, report);
    } catch (const wholefile::FileFault& fault) {
        p.data.savedAccessFile.close(); // a failed save lets go of its copy, which is removed
        fileError(fault);
    } catch (...) {
        p.data.savedAccessFile.close();
        throw;
    }
    // It stays open on the file just saved, as written, until the next save.
    p.data.savedAccessFile.followRename(QDir::current().absoluteFilePath(accessFileName));
    p.mainForm.noteWrittenFiles({accessFileName, reportFileName});
    p.platform.dialogs.warning(accessFileName + " and " + reportFileName + " has been created .");
}

} // namespace kovex
