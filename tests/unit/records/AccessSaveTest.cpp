#include "records/AccessSave.h"

#include "FakePlatform.h"
#include "TestFiles.h"
#include "app/Program.h"
#include "jet/JetDatabase.h"
#include "support/KovexError.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

using namespace kovex;

namespace {

using test::fileBytes;
using test::writeBytes;

int columnIndex(const jet::TableDef& table, const char* name) {
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].name == QLatin1String(name))
            return static_cast<int>(i);
    ADD_FAILURE() << "no column " << name;
    return 0;
}

std::string copyFailure(const QString& source, const QString& destination) {
    try {
        CopyFileInBlocks(source, destination);
    } catch (const KovexError& error) {
        return error.text().toStdString();
    }
    return "copied";
}

class InFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!previous.isEmpty())
            QDir::setCurrent(previous);
    }

    QTemporaryDir folder;
    QString previous;
};

using CopyInBlocks = InFolder;

// Sizes around the block of 2048 bytes: the last block is short or empty.
TEST_F(CopyInBlocks, CopiesEveryByteAndNothingMore) {
    for (const qsizetype size : {0, 1, 2047, 2048, 2049, 5000}) {
        QByteArray bytes(size, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
        writeBytes(QStringLiteral("source"), bytes);
        writeBytes(QStringLiteral("copy"), QByteArray(6000, 'x'));
        EXPECT_EQ(CopyFileInBlocks(QStringLiteral("source"), QStringLiteral("copy")), bytes) << size;
        EXPECT_EQ(fileBytes(QStringLiteral("copy")), bytes) << size;
    }
}

TEST_F(CopyInBlocks, AFileThatCannotBeOpenedIsAnError) {
    writeBytes(QStringLiteral("source"), "abc");
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder")));
    EXPECT_EQ(copyFailure(QStringLiteral("missing"), QStringLiteral("copy")), "File not found");
    EXPECT_EQ(copyFailure(QStringLiteral("folder"), QStringLiteral("copy")), "File access denied");
    EXPECT_EQ(copyFailure(QStringLiteral("source"), QStringLiteral("no/such/folder/copy")),
              "File access denied");
    EXPECT_FALSE(QFile::exists(QStringLiteral("copy")));
}

// A save of the case in a folder holding the template and the files of an
// earlier save.
class AccessSave : public InFolder {
  protected:
    AccessSave() : program(fake.platform()) {}

    void SetUp() override {
        InFolder::SetUp();
        ASSERT_TRUE(
            QFile::copy(QDir(QString::fromUtf8(KOVEX_DATA_DIR)).filePath(QStringLiteral("NOCALL_kovex.mdb")),
                        QStringLiteral("NOCALL_kovex.mdb")));
        QFile::setPermissions(QStringLiteral("NOCALL_kovex.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        program.start(QString::fromUtf8(KOVEX_DATA_DIR));
        program.firstShow();
        program.mainForm.setText(QStringLiteral("edtCallsign"), QStringLiteral("ON4XX"));
        program.mainForm.setText(QStringLiteral("edtNote"), QStringLiteral("earlier save"));
        save();
        EXPECT_EQ(shownBoxes(), std::vector<std::string>{
                                    "warning: ON4XX_kovex.mdb and ON4XX_report.txt has been created ."});
        earlierAccessFile = fileBytes(QStringLiteral("ON4XX_kovex.mdb"));
        earlierReport = fileBytes(QStringLiteral("ON4XX_report.txt"));
        program.mainForm.setText(QStringLiteral("edtNote"), QStringLiteral("failed save"));
    }

    void save() {
        fake.dialogs.shown.clear();
        program.click(QStringLiteral("btnSaveMDB"));
    }

    std::vector<std::string> shownBoxes() const {
        std::vector<std::string> boxes;
        for (const test::ShownMessage& box : fake.dialogs.shown)
            boxes.push_back((box.kind + ": " + box.text).toStdString());
        return boxes;
    }

    // The earlier files as they were, and no other file beside them.
    void expectEarlierFilesOnly() {
        EXPECT_EQ(
            QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
            (QStringList{"NOCALL_kovex.mdb", "ON4XX_kovex.mdb", "ON4XX_report.txt"}));
        EXPECT_TRUE(fileBytes(QStringLiteral("ON4XX_kovex.mdb")) == earlierAccessFile);
        EXPECT_TRUE(fileBytes(QStringLiteral("ON4XX_report.txt")) == earlierReport);
    }

    // The template as a table of it would be without one of its columns.
    static void withoutColumn(const QString& tableName, const char* column) {
        std::vector<jet::TableDef> tables =
            jet::Database::read(fileBytes(QStringLiteral("NOCALL_kovex.mdb"))).tables();
        for (jet::TableDef& table : tables)
            if (table.name == tableName)
                table.columns.erase(table.columns.begin() + columnIndex(table, column));
        jet::saveFile(jet::Database::create(tables), QStringLiteral("NOCALL_kovex.mdb"));
    }

    test::FakePlatform fake;
    Program program;
    QByteArray earlierAccessFile;
    QByteArray earlierReport;
};

// The connection stays on the file saved, which holds the case.
TEST_F(AccessSave, TheConnectionStaysOnTheFileSaved) {
    EXPECT_TRUE(program.data.savedAccessFile.isOpen());
    EXPECT_EQ(program.data.savedAccessFile.fileName(), QDir::current().absoluteFilePath("ON4XX_kovex.mdb"));
    const jet::Database& db = program.data.savedAccessFile.database();
    const std::optional<jet::TableDef> table = db.table(QStringLiteral("File1Table"));
    ASSERT_TRUE(table);
    const std::vector<jet::Row> rows = db.rows(table->name);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][static_cast<std::size_t>(columnIndex(*table, "AA09InfoApplicant"))],
              jet::Value(QStringLiteral("earlier save")));
}

// Every save starts again from the template as it stands on the disk,
// never from the tables of the one before (a template changed between two
// saves is seen: see the failures below).
TEST_F(AccessSave, ASecondSaveOfTheSameCaseWritesTheSameFile) {
    program.mainForm.setText(QStringLiteral("edtNote"), QStringLiteral("earlier save"));
    save();
    EXPECT_TRUE(fileBytes(QStringLiteral("ON4XX_kovex.mdb")) == earlierAccessFile);
}

// Each failure comes once, at a different step: in the summary read for
// the tables, in the report, in the database.
TEST_F(AccessSave, AFailedSaveLeavesTheEarlierFilesAndNothingElse) {
    program.mainForm.sgdTP.setCell(1, 2, QStringLiteral("Flat"));
    program.mainForm.sgdTP.setCell(1, 3, QStringLiteral("ten"));
    save();
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: 'ten' is not a valid floating point value"});
    expectEarlierFilesOnly();
    program.mainForm.sgdTP.setCell(1, 2, QString());

    program.mainForm.setText(QStringLiteral("edtNote"), QString::fromUtf8("\xd7\x90"));
    save();
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: Nothing was saved: the field \"Note\" holds the "
                                                     "character \"\xd7\x90\" (U+05D0), which the report's "
                                                     "code page Windows-1252 lacks."});
    expectEarlierFilesOnly();
    program.mainForm.setText(QStringLiteral("edtNote"), QStringLiteral("failed save"));

    withoutColumn(QStringLiteral("FileTable"), "FileLanguage");
    program.select(QStringLiteral("rdgLanguage"), 0);
    const QByteArray changedTemplate = fileBytes(QStringLiteral("NOCALL_kovex.mdb"));
    save();
    EXPECT_EQ(shownBoxes(),
              std::vector<std::string>{"error: table FileTable has no column named FileLanguage"});
    EXPECT_TRUE(fileBytes(QStringLiteral("NOCALL_kovex.mdb")) == changedTemplate);
    expectEarlierFilesOnly();
    EXPECT_FALSE(program.data.savedAccessFile.isOpen());
}

// A text longer than its column is a value the column refuses, named as
// such; a template that is no Jet file is refused the same way.
TEST_F(AccessSave, AValueOrATemplateTheDatabaseRefusesLeavesTheEarlierFiles) {
    program.mainForm.setText(QStringLiteral("edtNote"), QString(256, 'n'));
    save();
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_NE(shownBoxes()[0].find("AA09InfoApplicant"), std::string::npos) << shownBoxes()[0];
    expectEarlierFilesOnly();

    program.mainForm.setText(QStringLiteral("edtNote"), QString(255, 'n'));
    const QByteArray jetTemplate = fileBytes(QStringLiteral("NOCALL_kovex.mdb"));
    writeBytes(QStringLiteral("NOCALL_kovex.mdb"), QByteArray("SQLite format 3").append(8192, '\0'));
    save();
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_EQ(shownBoxes()[0].rfind("error: ", 0), 0u) << shownBoxes()[0];
    expectEarlierFilesOnly();

    writeBytes(QStringLiteral("NOCALL_kovex.mdb"), jetTemplate);
    save();
    EXPECT_EQ(shownBoxes(),
              std::vector<std::string>{"warning: ON4XX_kovex.mdb and ON4XX_report.txt has been created ."});
}

// The tables are filled from the template read before while the copy is
// made; a copy that fails is still the failure the save reports, before
// the report's own.
TEST_F(AccessSave, AFailedCopyComesBeforeTheStepsAfterIt) {
    const QByteArray jetTemplate = fileBytes(QStringLiteral("NOCALL_kovex.mdb"));
    ASSERT_TRUE(QFile::remove(QStringLiteral("NOCALL_kovex.mdb")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("NOCALL_kovex.mdb")));
    save();
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    program.mainForm.setText(QStringLiteral("edtNote"), QString::fromUtf8("\xd7\x90"));
    save();
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("NOCALL_kovex.mdb")));
    writeBytes(QStringLiteral("NOCALL_kovex.mdb"), jetTemplate);
    expectEarlierFilesOnly();
}

// The report is written beside the tables, but its failure still comes
// before theirs, as its step comes first; the tables' before the syncs.
TEST_F(AccessSave, TheReportsFailureComesBeforeTheTables) {
    withoutColumn(QStringLiteral("FileTable"), "FileLanguage");
    program.select(QStringLiteral("rdgLanguage"), 0);
    program.mainForm.setText(QStringLiteral("edtNote"), QString::fromUtf8("\xd7\x90"));
    save();
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_NE(shownBoxes()[0].find("\"Note\""), std::string::npos) << shownBoxes()[0];
    program.mainForm.setText(QStringLiteral("edtNote"), QStringLiteral("failed save"));
    save();
    EXPECT_EQ(shownBoxes(),
              std::vector<std::string>{"error: table FileTable has no column named FileLanguage"});
    expectEarlierFilesOnly();
}

// File permissions bind everyone but the superuser, so these tests run as an
// unprivileged user: tests/run_unprivileged.sh starts them as one.
using AccessSaveUnprivileged = AccessSave;
#define REQUIRE_UNPRIVILEGED()                                                                               \
    if (geteuid() == 0)                                                                                      \
    FAIL() << "permissions do not bind the superuser: run through tests/run_unprivileged.sh"

// A read-only earlier file is refused rather than replaced behind the
// user's back, and its partner is not replaced alone.
TEST_F(AccessSaveUnprivileged, AReadOnlyEarlierFileIsRefusedNotReplaced) {
    REQUIRE_UNPRIVILEGED();
    QFile::setPermissions(QStringLiteral("ON4XX_report.txt"), QFile::ReadOwner);
    save();
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    expectEarlierFilesOnly();
}

TEST_F(AccessSaveUnprivileged, AFolderThatCannotBeWrittenLeavesTheEarlierFiles) {
    REQUIRE_UNPRIVILEGED();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    save();
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    expectEarlierFilesOnly();
}

} // namespace
