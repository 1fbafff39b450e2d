#include "records/AccessSave.h"

#include "calc/Summary.h"
#include "model/ControlNames.h"
#include "records/AccessDatabase.h"
#include "records/AdministrativeRecord.h"
#include "records/ReportFile.h"
#include "records/TpaiFile.h"
#include "refdata/Session.h"
#include "support/Background.h"
#include "support/KovexError.h"
#include "support/PendingFile.h"
#include "support/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <exception>
#include <future>

namespace kovex {

namespace {

const QString kTemplateFileName = QStringLiteral("NOCALL_kovex.mdb");
constexpr qint64 kCopyBlockBytes = 2048;

// Both files are synced before either takes its name: the two renames then
// follow one another at once, so the pair is mixed only if the program dies
// between them.
void takeNamesTogether(wholefile::PendingFile& access, wholefile::PendingFile& report) {
    access.takeFinalName();
    report.takeFinalName();
}

// Only the two new files fault here: "I/O error 101" when writing them
// fails, "File access denied" when they cannot be made or take their names.
[[noreturn]] void fileError(const wholefile::FileFault& fault) {
    wholefile::failPlainly(fault.fault);
}

// The template is copied on a thread of its own while the report is written
// and the tables are filled. The copy is the save's first step, so its
// failure is the one the save reports, whatever fails after it.
class TemplateCopy {
  public:
    explicit TemplateCopy(const QString& destination)
        : m_copied(
              background::run([destination] { return CopyFileInBlocks(kTemplateFileName, destination); })) {}
    ~TemplateCopy() { m_copied.wait(); }
    TemplateCopy(const TemplateCopy&) = delete;
    TemplateCopy& operator=(const TemplateCopy&) = delete;

    // The bytes copied, once the copy is made; throws its failure.
    const QByteArray& bytes() const { return m_copied.get(); }
    // Runs a later step of the save: when it fails, a failed copy comes first.
    template <typename Step> void before(Step step) const {
        try {
            step();
        } catch (...) {
            bytes();
            throw;
        }
    }

  private:
    std::shared_future<QByteArray> m_copied;
};

void writeAllTables(Session& p) {
    WriteFileTables(p);
    WriteDefaultAntennaTables(p);
}

// The copied template is filled in memory and written back over the copy,
// so that a failure leaves no table half written on the disk. Once a save
// has read the template, the next fills a copy of it while its own copy is
// being made, and fills the copy made only when the template changed.
void fillTables(Session& p, const QString& path, const TemplateCopy& copy) {
    AccessConnection& connection = p.data.savedAccessFile;
    bool filled = false;
    if (connection.openLastTemplate(path)) {
        try {
            writeAllTables(p);
            filled = true;
        } catch (...) {
            if (connection.copyMatches(copy.bytes()))
                throw;
        }
    }
    if (!filled || !connection.copyMatches(copy.bytes())) {
        connection.openCopy(path, copy.bytes());
        writeAllTables(p);
    }
    connection.writeBack();
}

} // namespace

// A read that fails or a write that writes less than it was given is an
// error, never the end of the copy: a short copy would be a corrupted file.
// The blocks pass through the files' buffers, so the system sees a few
// large reads and writes rather than a hundred of 2048 bytes each.
QByteArray CopyFileInBlocks(const QString& source, const QString& destination) {
    using wholefile::Fault;
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists())
        wholefile::failPlainly(Fault::NotFound);
    QFile from(source);
    if (!sourceInfo.isFile() || !from.open(QIODevice::ReadOnly))
        wholefile::failPlainly(Fault::NotReadable);
    QFile to(destination);
    wholefile::openEmptied(to);
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
        const TemplateCopy copy(access.path());
        // The report only reads the form, as filling the tables does: it is
        // written and synced beside them. The steps' failures come in their
        // order all the same: the copy's, the report's, the tables', the
        // access file's sync, the report's sync.
        std::exception_ptr reportSyncFailure;
        background::Task reportWritten([&, stamp = reportDateStamp(p)] {
            writeReport(p.mainForm, stamp, report.path());
            try {
                report.complete();
            } catch (...) {
                reportSyncFailure = std::current_exception();
            }
        });
        copy.before([&] {
            reportWritten.before([&] {
                fillTables(p, access.path(), copy);
                access.complete();
            });
        });
        if (reportSyncFailure)
            std::rethrow_exception(reportSyncFailure);
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
