#include "records/RecordHandlers.h"

#include "FakePlatform.h"
#include "app/Program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace kovex;

namespace {

using test::FakeClock;
using test::FakeDialogs;
using test::FakeLocale;

class TpaiSave : public ::testing::Test {
  protected:
    TpaiSave() : program(Platform{dialogs, clock, locale}) {}

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        program.mainForm.setText(QStringLiteral("edtCallsign"), QStringLiteral("ON4XX"));
        QFile old(QStringLiteral("ON4XX_tpai.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous save\r\n");
    }

    void TearDown() override {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!previous.isEmpty())
            QDir::setCurrent(previous);
    }

    std::vector<std::string> shownBoxes() const {
        std::vector<std::string> boxes;
        for (const test::ShownMessage& box : dialogs.shown)
            boxes.push_back((box.kind + ": " + box.text).toStdString());
        return boxes;
    }

    static QByteArray savedBytes() {
        QFile file(QStringLiteral("ON4XX_tpai.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    FakeDialogs dialogs;
    FakeClock clock;
    FakeLocale locale;
    Program program;
    QTemporaryDir folder;
    QString previous;
};

// File permissions bind everyone but the superuser, so these tests run as an
// unprivileged user: tests/run_unprivileged.sh starts them as one.
using TpaiSaveUnprivileged = TpaiSave;
#define REQUIRE_UNPRIVILEGED()                                                                               \
    if (geteuid() == 0)                                                                                      \
    FAIL() << "permissions do not bind the superuser: run through tests/run_unprivileged.sh"

TEST_F(TpaiSaveUnprivileged, AReadOnlyFileIsRefusedNotReplaced) {
    REQUIRE_UNPRIVILEGED();
    QFile::setPermissions(QStringLiteral("ON4XX_tpai.txt"), QFile::ReadOwner);
    program.click(QStringLiteral("btnSaveTPAI"));
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    EXPECT_EQ(savedBytes(), QByteArray("previous save\r\n"));
}

// The new file is complete before it takes the old one's place, so a save
// that cannot finish leaves the previous file whole.
TEST_F(TpaiSaveUnprivileged, ASaveThatCannotFinishKeepsThePreviousFile) {
    REQUIRE_UNPRIVILEGED();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    program.click(QStringLiteral("Button1"));
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"error: File access denied"});
    EXPECT_EQ(savedBytes(), QByteArray("previous save\r\n"));
}

// Reading stops at what no TPAI file can be: a file far too large, a named
// pipe (which would wait for a writer for ever), a folder.
TEST_F(TpaiSave, OnlyASmallRegularFileIsRead) {
    program.mainForm.setText(QStringLiteral("edtName"), QStringLiteral("before"));
    QFile large(QStringLiteral("large_tpai.txt"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write("kovex_name        =after\r\n");
    large.write(QByteArray(qsizetype{1024} * 1024, 'x'));
    large.close();
    ASSERT_EQ(mkfifo("pipe_tpai.txt", 0600), 0);
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder_tpai.txt")));
    const std::vector<std::pair<QString, std::string>> cases{
        {"large_tpai.txt",
         "error: The file is too large for a TPAI file (more than 1 MiB); nothing was loaded."},
        {"pipe_tpai.txt", "error: File access denied"},
        {"folder_tpai.txt", "error: File access denied"},
    };
    for (const auto& [name, box] : cases) {
        dialogs.shown.clear();
        dialogs.openResults.push_back(QDir::current().absoluteFilePath(name));
        program.click(QStringLiteral("btnLoadTP"));
        EXPECT_EQ(shownBoxes(), std::vector<std::string>{box}) << name.toStdString();
    }
    EXPECT_EQ(program.mainForm.text(QStringLiteral("edtName")), QStringLiteral("before"));
}

TEST_F(TpaiSave, AWritableFileIsReplaced) {
    program.click(QStringLiteral("btnSaveTPAI"));
    EXPECT_EQ(shownBoxes(), std::vector<std::string>{"information: Your test points and administrative "
                                                     "information have been saved on \r\rON4XX_tpai.txt"});
    EXPECT_TRUE(savedBytes().startsWith("<HEAD>\r\nkovex_date   = 01/01/2026 12:00\r\n</HEAD>\r\n"));
}

} // namespace
