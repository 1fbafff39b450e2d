#include "FakePlatform.h"
#include "app/Program.h"
#include "jet/JetDatabase.h"
#include "model/ControlNames.h"
#include "records/CaseFile.h"
#include "support/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kovex;

namespace {

// Each kind of failure reaches the one general handler, which shows its
// text in an error box, the only box, and reports the work as failed.
class GeneralHandlerTest : public ::testing::Test {
  protected:
    QString shownFor(const std::function<void()>& work) {
        fake.dialogs.shown.clear();
        EXPECT_FALSE(program.guarded(work));
        if (fake.dialogs.shown.size() != 1 || fake.dialogs.shown.front().kind != "error")
            return QStringLiteral("(no single error box)");
        return fake.dialogs.shown.front().text;
    }

    test::FakePlatform fake;
    Program program{fake.platform()};
    QTemporaryDir folder;
};

TEST_F(GeneralHandlerTest, AFileFaultNoCallerWordedShowsThePlainFileMessage) {
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("missing.txt"));
    EXPECT_EQ(shownFor([&] { wholefile::read(missing, 10); }), "File not found");
    EXPECT_EQ(shownFor([&] { wholefile::read(folder.path(), 10); }), "File access denied");
    EXPECT_EQ(shownFor([&] { wholefile::save(folder.path(), "bytes"); }), "File access denied");
}

TEST_F(GeneralHandlerTest, ACaseRefusalShowsTheCaseMessage) {
    const QByteArray bytes = casefile::caseBytes(casefile::caseOf(program));
    QJsonObject top = QJsonDocument::fromJson(bytes).object();
    top.insert(QStringLiteral("version"), 9);
    const QByteArray newer = QJsonDocument(top).toJson();
    const auto read = [&](const QByteArray& file) {
        return [&, file] { casefile::readCase(file, program.mainForm, QStringLiteral("c.kovex")); };
    };
    EXPECT_EQ(shownFor(read("[1, 2]")), "The file \"c.kovex\" is not a kovex case; nothing was opened.");
    EXPECT_TRUE(shownFor(read(bytes.left(bytes.size() / 2)))
                    .startsWith("The case \"c.kovex\" is damaged and was not opened: "));
    EXPECT_EQ(shownFor(read(newer)),
              "The case \"c.kovex\" was saved in version 9 of the case format, which this kovex does not "
              "know (it reads version 2); nothing was opened.");
}

TEST_F(GeneralHandlerTest, AJetRefusalShowsTheJetMessage) {
    const jet::ColumnDef text{QStringLiteral("A"), jet::ColumnType::Text, 10};
    EXPECT_EQ(shownFor([&] {
                  jet::Database::create({{QStringLiteral("MSysMine"), {text}, -1}});
              }),
              "Table \"MSysMine\": names beginning with MSys belong to Jet's own tables");
    EXPECT_EQ(shownFor([] { jet::Database::read("no Jet file"); }),
              "The file is no Jet database: its size is no whole number of pages");
}

// A text that is no number names its control, for the window to point at.
TEST_F(GeneralHandlerTest, AConversionErrorShowsTheNumberMessageAndNamesTheControl) {
    program.mainForm.setText(ui::edtAntNr, QStringLiteral("x1"));
    EXPECT_EQ(shownFor([&] { program.mainForm.integer(ui::edtAntNr); }), "'x1' is not a valid integer value");
    EXPECT_EQ(program.mainForm.failedControl, ui::edtAntNr);
    EXPECT_TRUE(program.guarded([] {}));
    EXPECT_TRUE(program.mainForm.failedControl.isEmpty()) << "a later success clears it";
}

TEST_F(GeneralHandlerTest, APrintingFailureAndAFaultOfTheProgramAreShownToo) {
    NoPrinter none;
    EXPECT_EQ(shownFor([&] { none.pageSetupDialog(); }), "There is no printer installed");
    EXPECT_EQ(shownFor([&] { program.mainForm.ctl(QStringLiteral("btnNoSuchButton")); }),
              "no control named btnNoSuchButton");
}

} // namespace
