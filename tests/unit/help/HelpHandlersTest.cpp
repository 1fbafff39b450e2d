#include "help/HelpHandlers.h"
#include "help/HelpTexts.h"

#include "FakePlatform.h"
#include "app/Program.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kovex;
using help::Topic;

namespace {

// The handlers are reached as a user's click reaches them, so a button bound
// to the wrong handler, bound twice or not bound at all shows up here.
class HelpHandlers : public ::testing::Test {
  protected:
    HelpHandlers() : program(fake.platform()) {}

    void click(const QString& button) {
        ASSERT_EQ(program.events.handlers(button, Event::Click).size(), 1u) << button.toStdString();
        program.click(button);
    }

    void setLanguage(int index) { program.mainForm.setItemIndex(QStringLiteral("rdgLanguage"), index); }

    QStringList infoBoxes() const { return fake.dialogs.texts(QStringLiteral("information")); }
    bool onlyInfoBoxes() const { return fake.dialogs.shown.size() == std::size_t(infoBoxes().size()); }

    test::FakePlatform fake;
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
    {"btnInfoSafetyCheck", Topic::SafetyCheck},
};

TEST_F(HelpHandlers, EveryButtonShowsOneBoxInTheChosenLanguage) {
    const MainForm& form = program.mainForm;
    for (int language = 0; language < 4; ++language) {
        setLanguage(language);
        for (const ButtonTopic& entry : kTopicButtons) {
            SCOPED_TRACE(std::string(entry.button) + " language " + std::to_string(language));
            fake.dialogs.shown.clear();
            click(QString::fromLatin1(entry.button));

            const help::TopicTexts expected =
                help::topicTexts(entry.topic, {form.values.AccessFileName, form.values.ReportFileName});
            EXPECT_EQ(form.values.HelpTextFr, expected.fr);
            EXPECT_EQ(form.values.HelpTextNl, expected.nl);
            EXPECT_EQ(form.values.HelpTextDe, expected.de);
            EXPECT_EQ(form.values.HelpTextEn, expected.en);

            const QString* inLanguage[]{&expected.fr, &expected.nl, &expected.de, &expected.en};
            ASSERT_EQ(infoBoxes().size(), 1);
            EXPECT_EQ(infoBoxes().front(), *inLanguage[language]);
        }
    }
    EXPECT_TRUE(onlyInfoBoxes());
}

TEST_F(HelpHandlers, ConditionsAreTheSameInEveryLanguageAndLeaveTheHelpTexts) {
    program.mainForm.values.HelpTextFr = QStringLiteral("earlier");
    program.mainForm.values.HelpTextEn = QStringLiteral("earlier");
    for (int language = 0; language < 4; ++language) {
        setLanguage(language);
        fake.dialogs.shown.clear();
        click(QStringLiteral("btnConditions"));
        ASSERT_EQ(infoBoxes().size(), 1);
        EXPECT_EQ(infoBoxes().front(), help::conditionsText());
    }
    EXPECT_EQ(program.mainForm.values.HelpTextFr, QStringLiteral("earlier"));
    EXPECT_EQ(program.mainForm.values.HelpTextEn, QStringLiteral("earlier"));
    EXPECT_TRUE(program.mainForm.values.HelpTextNl.isEmpty());
    EXPECT_TRUE(onlyInfoBoxes());
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
        program.mainForm.values.AccessFileName = QString::fromLatin1(step.access);
        program.mainForm.values.ReportFileName = QString::fromLatin1(step.report);
        fake.dialogs.shown.clear();
        click(QStringLiteral("btnInfoBIPTFile"));
        ASSERT_EQ(infoBoxes().size(), 1);
        EXPECT_TRUE(infoBoxes().front().contains(QString::fromLatin1(step.expected)))
            << infoBoxes().front().toStdString();
    }
}

// The radio group always holds a language after start-up; should it ever
// hold none, the click still answers, in English.
TEST_F(HelpHandlers, NoChosenLanguageFallsBackToEnglish) {
    setLanguage(-1);
    click(QStringLiteral("btnInfoTilt"));
    ASSERT_EQ(infoBoxes().size(), 1);
    EXPECT_EQ(infoBoxes().front(), program.mainForm.values.HelpTextEn);
}

} // namespace
