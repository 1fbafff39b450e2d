#include "help/HelpHandlers.h"
#include "help/HelpTexts.h"

#include "Program.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kovex;
using help::Topic;

namespace {

class RecordingDialogs : public Dialogs {
  public:
    void warning(const QString& text) override { otherBoxes.push_back(text); }
    bool question(const QString& text) override {
        otherBoxes.push_back(text);
        return false;
    }
    void information(const QString& text) override { infoBoxes.push_back(text); }
    void message(const QString& text) override { otherBoxes.push_back(text); }
    void error(const QString& text) override { otherBoxes.push_back(text); }
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override { return {}; }

    std::vector<QString> infoBoxes;
    std::vector<QString> otherBoxes;
};

class FixedClock : public Clock {
  public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(12, 0)); }
};

class EnglishLocale : public UserLocale {
  public:
    QString nativeLanguageName() const override { return QStringLiteral("English"); }
    QString shortDateFormat() const override { return QStringLiteral("dd/MM/yyyy"); }
    QString shortTimeFormat() const override { return QStringLiteral("HH:mm"); }
};

// The handlers are reached as a user's click reaches them, so a button bound
// to the wrong handler, bound twice or not bound at all shows up here.
class HelpHandlers : public ::testing::Test {
  protected:
    HelpHandlers() : program(Platform{dialogs, clock, locale}) {}

    void click(const QString& button) {
        ASSERT_EQ(program.events.handlers(button, Event::Click).size(), 1u) << button.toStdString();
        program.click(button);
    }

    void setLanguage(int index) { program.form1.setItemIndex(QStringLiteral("rdgLanguage"), index); }

    RecordingDialogs dialogs;
    FixedClock clock;
    EnglishLocale locale;
    Program program;
};

struct ButtonTopic {
    const char* button;
    Topic topic;
};

const ButtonTopic kTopicButtons[]{
    {"btnGeneralHelp", Topic::General},
    {"btnInfoInputPower", Topic::InputPower},
    {"btnInfoMode", Topic::Mode},
    {"btnInfo6min", Topic::SixMinutes},
    {"btnInfoFeederLoss", Topic::FeederLoss},
    {"btnInfoAddLoss", Topic::AddLoss},
    {"btnInfoFrequency", Topic::Frequency},
    {"btnInfoAntennaType", Topic::AntennaType},
    {"btnInfoAntennaHeight", Topic::AntennaHeight},
    {"btnInfoTilt", Topic::Tilt},
    {"btnInfoTestPoints", Topic::TestPoints},
    {"btnInfoGeoCoordinates", Topic::GeoCoordinates},
    {"btnInfoBIPTFile", Topic::RegulatorFiles},
    {"btnInfoFile", Topic::TpaiFile},
};

TEST_F(HelpHandlers, EveryButtonShowsOneBoxInTheChosenLanguage) {
    const MainForm& form = program.form1;
    for (int language = 0; language < 4; ++language) {
        setLanguage(language);
        for (const ButtonTopic& entry : kTopicButtons) {
            SCOPED_TRACE(std::string(entry.button) + " language " + std::to_string(language));
            dialogs.infoBoxes.clear();
            click(QString::fromLatin1(entry.button));

            const help::TopicTexts expected =
                help::topicTexts(entry.topic, {form.AccessFileName, form.ReportFileName});
            EXPECT_EQ(form.HelpTextFr, expected.fr);
            EXPECT_EQ(form.HelpTextNl, expected.nl);
            EXPECT_EQ(form.HelpTextDe, expected.de);
            EXPECT_EQ(form.HelpTextEn, expected.en);

            const QString* inLanguage[]{&expected.fr, &expected.nl, &expected.de, &expected.en};
            ASSERT_EQ(dialogs.infoBoxes.size(), 1u);
            EXPECT_EQ(dialogs.infoBoxes.front(), *inLanguage[language]);
        }
    }
    EXPECT_TRUE(dialogs.otherBoxes.empty());
}

TEST_F(HelpHandlers, ConditionsAreTheSameInEveryLanguageAndLeaveTheHelpTexts) {
    program.form1.HelpTextFr = QStringLiteral("earlier");
    program.form1.HelpTextEn = QStringLiteral("earlier");
    for (int language = 0; language < 4; ++language) {
        setLanguage(language);
        dialogs.infoBoxes.clear();
        click(QStringLiteral("btnConditions"));
        ASSERT_EQ(dialogs.infoBoxes.size(), 1u);
        EXPECT_EQ(dialogs.infoBoxes.front(), help::conditionsText());
    }
    EXPECT_EQ(program.form1.HelpTextFr, QStringLiteral("earlier"));
    EXPECT_EQ(program.form1.HelpTextEn, QStringLiteral("earlier"));
    EXPECT_TRUE(program.form1.HelpTextNl.isEmpty());
    EXPECT_TRUE(dialogs.otherBoxes.empty());
}

// The names are read at each click, not once: a callsign entered between two
// clicks changes what the second box names.
TEST_F(HelpHandlers, RegulatorFilesTopicNamesTheFilesOfTheMoment) {
    struct Step {
        int language;
        const char* access;
        const char* report;
        const char* expected;
    };
    const Step steps[]{
        {3, "_kovex.mdb", "_report.txt", "You may also add the file _report.txt allowing"},
        {3, "ZZ0ZZ_kovex.mdb", "ZZ0ZZ_report.txt", "You may also add the file ZZ0ZZ_report.txt allowing"},
        {1, "ZZ0ZZ_01_kovex.mdb", "ZZ0ZZ_01_report.txt", "ZZ0ZZ_01_report.txt bijvoegen"},
        {0, "ZZ0ZZ_kovex.mdb", "ZZ0ZZ_report.txt", "ZZ0ZZ_kovex.mdb  qu'il faudra envoyer"},
        {0, "ZZ0ZZ_kovex.mdb", "ZZ0ZZ_report.txt", "ajouter le fichier ZZ0ZZ_report.txt qui permet"},
        {2, "ZZ0ZZ_02_kovex.mdb", "ZZ0ZZ_02_report.txt", "Die Datei ZZ0ZZ_02_kovex.mdb wird dem BIPT"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.expected);
        setLanguage(step.language);
        program.form1.AccessFileName = QString::fromLatin1(step.access);
        program.form1.ReportFileName = QString::fromLatin1(step.report);
        dialogs.infoBoxes.clear();
        click(QStringLiteral("btnInfoBIPTFile"));
        ASSERT_EQ(dialogs.infoBoxes.size(), 1u);
        EXPECT_TRUE(dialogs.infoBoxes.front().contains(QString::fromLatin1(step.expected)))
            << dialogs.infoBoxes.front().toStdString();
    }
}

// The radio group always holds a language after start-up; should it ever
// hold none, the click still answers, in English.
TEST_F(HelpHandlers, NoChosenLanguageFallsBackToEnglish) {
    setLanguage(-1);
    click(QStringLiteral("btnInfoTilt"));
    ASSERT_EQ(dialogs.infoBoxes.size(), 1u);
    EXPECT_EQ(dialogs.infoBoxes.front(), program.form1.HelpTextEn);
}

} // namespace
