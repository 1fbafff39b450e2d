#include "records/RecordHandlers.h"

#include "Program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>
#include <vector>

using namespace kovex;

namespace {

class SavingDialogs : public Dialogs {
  public:
    void warning(const QString& text) override { boxes.push_back(text); }
    bool question(const QString& text) override {
        boxes.push_back(text);
        return false;
    }
    void information(const QString& text) override { boxes.push_back(text); }
    void message(const QString& text) override { boxes.push_back(text); }
    void error(const QString& text) override { errors.push_back(text); }
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override { return {}; }

    std::vector<QString> boxes;
    std::vector<QString> errors;
};

class NoonClock : public Clock {
  public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(12, 0)); }
};

class BritishLocale : public UserLocale {
  public:
    QString nativeLanguageName() const override { return QStringLiteral("English"); }
    QString shortDateFormat() const override { return QStringLiteral("dd/MM/yyyy"); }
    QString shortTimeFormat() const override { return QStringLiteral("HH:mm"); }
};

class TpaiSave : public ::testing::Test {
  protected:
    TpaiSave() : program(Platform{dialogs, clock, locale}) {}

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        program.form1.setText(QStringLiteral("edtCallsign"), QStringLiteral("ON4XX"));
        QFile old(QStringLiteral("ON4XX_tpai.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous save\r\n");
    }

    void TearDown() override {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!previous.isEmpty())
            QDir::setCurrent(previous);
    }

    static QByteArray savedBytes() {
        QFile file(QStringLiteral("ON4XX_tpai.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    SavingDialogs dialogs;
    NoonClock clock;
    BritishLocale locale;
    Program program;
    QTemporaryDir folder;
    QString previous;
};

// File permissions bind everyone but the superuser.
#define SKIP_FOR_SUPERUSER()                                                                                 \
    if (geteuid() == 0)                                                                                      \
    GTEST_SKIP() << "permissions do not bind the superuser"

TEST_F(TpaiSave, AReadOnlyFileIsRefusedNotReplaced) {
    SKIP_FOR_SUPERUSER();
    QFile::setPermissions(QStringLiteral("ON4XX_tpai.txt"), QFile::ReadOwner);
    program.click(QStringLiteral("btnSaveTPAI"));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0].toStdString(), "File access denied");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(savedBytes(), QByteArray("previous save\r\n"));
}

// The new file is complete before it takes the old one's place, so a save
// that cannot finish leaves the previous file whole.
TEST_F(TpaiSave, ASaveThatCannotFinishKeepsThePreviousFile) {
    SKIP_FOR_SUPERUSER();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    program.click(QStringLiteral("Button1"));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0].toStdString(), "File access denied");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(savedBytes(), QByteArray("previous save\r\n"));
}

TEST_F(TpaiSave, AWritableFileIsReplaced) {
    program.click(QStringLiteral("btnSaveTPAI"));
    EXPECT_TRUE(dialogs.errors.empty());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(savedBytes().startsWith("<HEAD>\r\nkovex_date   = 01/01/2026 12:00\r\n</HEAD>\r\n"));
}

} // namespace
