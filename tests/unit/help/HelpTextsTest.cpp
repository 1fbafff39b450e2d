#include "help/HelpTexts.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

using namespace kovex::help;

namespace {

const FileNames kNoCallsign{"_kovex.mdb", "_report.txt"};

struct LanguageCase {
    const char* name;
    QString (*text)(Topic, const FileNames&);
};

const LanguageCase kLanguages[]{
    {"fr", frenchText},
    {"nl", dutchText},
    {"de", germanText},
    {"en", englishText},
};

// A fragment that must stand in the text of a topic, given per language
// where the words around a figure differ.
struct Figure {
    Topic topic;
    const char* fr;
    const char* nl;
    const char* de;
    const char* en;
};

const Figure kFigures[]{
    {Topic::General, "10 MHz", "10 MHz", "10 MHz", "10 MHz"},
    {Topic::General, "12 combinaisons antenne/émetteur", "12 verschillende combinaties antenne/zender",
     "12 verschiedenen Kombinationen Antenne/Sender",
     "With this program we can now enter the data for 12 different antenna/transmitter combinations."},
    {Topic::General, "quatre antennes", "vier antennes", "vier Antennen", "four antennas"},
    {Topic::General, "6 combinaisons", "6 combinaties", "6 Kombinationen",
     "6 antenna/transmitter combinations"},
    {Topic::SixMinutes, "jamais sous 0.5", "nooit kleiner dan 0.5", "nie unter 0.5", "never taken below 0.5"},
    {Topic::SixMinutes, "moins de 3 minutes sur 6", "minder dan 3 minuten op 6", "weniger als 3 Minuten",
     "less than 3 minutes in any 6"},
    {Topic::AddLoss, "0.03 dB en HF", "0.03 dB op HF", "0.03 dB auf HF", "0.03 dB on HF"},
    {Topic::AddLoss, "0.05 dB en VHF", "0.05 dB op VHF", "0.05 dB auf VHF", "0.05 dB on VHF"},
    {Topic::AddLoss, "0.1 dB en UHF", "0.1 dB op UHF", "0.1 dB auf UHF", "0.1 dB on UHF"},
    {Topic::AddLoss, "0.1 à 0.3 dB", "0.1 tot 0.3 dB", "0.1 bis 0.3 dB", "0.1 to 0.3 dB"},
    {Topic::AddLoss, "0.005 à 0.05 dB en HF", "0.005 tot 0.05 dB op HF", "0.005 bis 0.05 dB auf HF",
     "0.005 to 0.05 dB on HF"},
    {Topic::AddLoss, "0.01 à 0.05 dB en VHF", "0.01 tot 0.05 dB op VHF", "0.01 bis 0.05 dB auf VHF",
     "0.01 to 0.05 dB on VHF"},
    {Topic::AddLoss, "0.02 à 0.1 dB en UHF", "0.02 tot 0.1 dB op UHF", "0.02 bis 0.1 dB auf UHF",
     "0.02 to 0.1 dB on UHF"},
    {Topic::Frequency, "14 MHz", "14 MHz", "14 MHz", "14 MHz"},
    {Topic::Frequency, "14.000 à 14.350 MHz", "14.000 tot 14.350 MHz", "14.000 bis 14.350 MHz",
     "14.000 to 14.350 MHz"},
    {Topic::Tilt, "0°", "0°", "0°", "0°"},
    {Topic::TestPoints, "entre 4 et 12", "tussen 4 en 12", "zwischen 4 und 12", "between 4 and 12"},
    {Topic::GeoCoordinates, "20000 et 300000", "20000 en 300000", "20000 und 300000", "20000 and 300000"},
    {Topic::GeoCoordinates, "WGS84", "WGS84", "WGS84", "WGS84"},
    {Topic::GeoCoordinates, "ED50", "ED50", "ED50", "ED50"},
    {Topic::GeoCoordinates, "130 m", "130 m", "130 m", "130 m"},
    {Topic::RegulatorFiles, "5 %", "5 %", "5 %", "5 %"},
    {Topic::RegulatorFiles, "3.07 V/m", "3.07 V/m", "3.07 V/m", "3.07 V/m"},
    {Topic::RegulatorFiles, "PH02", "PH02", "PH02", "PH02"},
    // The safety check states the figures its marks and distances use.
    {Topic::SafetyCheck, "4.77 m à 10 MHz", "4.77 m bij 10 MHz", "4.77 m bei 10 MHz", "4.77 m at 10 MHz"},
    {Topic::SafetyCheck, "1.5 m et à 4 m", "1.5 m en 4 m", "1.5 m und 4 m", "1.5 m and 4 m"},
    {Topic::SafetyCheck, "100 %, 80 % et 5 %", "100 %, 80 % en 5 %", "100 %, 80 % und 5 %",
     "100 %, 80 % and 5 %"},
    {Topic::SafetyCheck, "\"near field\"", "\"near field\"", "\"near field\"", "\"near field\""},
    {Topic::SafetyCheck, "Au-delà de 1", "Boven 1", "Über 1", "Above 1"},
};

TEST(HelpTexts, EveryTopicStatesItsFiguresInEveryLanguage) {
    for (const Figure& figure : kFigures) {
        const TopicTexts texts = topicTexts(figure.topic, kNoCallsign);
        const std::pair<const QString&, const char*> checks[]{
            {texts.fr, figure.fr}, {texts.nl, figure.nl}, {texts.de, figure.de}, {texts.en, figure.en}};
        for (const auto& [text, fragment] : checks) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(fragment)))
                << "topic " << static_cast<int>(figure.topic) << " lacks \"" << fragment << "\"";
        }
    }
}

// Faults a text table invites: a topic left empty or copied into the wrong
// language, a missing "\r" that runs two lines together, a newline that the
// box would not expect, a person's callsign or an address slipping in.
TEST(HelpTexts, EveryTextIsWellFormed) {
    const QRegularExpression callsign(QStringLiteral("\\b[A-Z]{1,2}[0-9][A-Z]{1,3}\\b"));
    const QRegularExpression address(QStringLiteral("https?:|www\\.|@|\\.(be|com|org|net)\\b"));

    std::vector<std::pair<QString, QString>> all; // label, text
    for (Topic topic : kAllTopics) {
        for (const LanguageCase& language : kLanguages) {
            all.emplace_back(QStringLiteral("topic %1 %2").arg(static_cast<int>(topic)).arg(language.name),
                             language.text(topic, kNoCallsign));
        }
    }
    all.emplace_back(QStringLiteral("conditions"), conditionsText());

    for (const auto& [label, text] : all) {
        SCOPED_TRACE(label.toStdString());
        EXPECT_FALSE(text.trimmed().isEmpty());
        EXPECT_FALSE(text.contains(u'\n'));
        for (const QString& line : text.split(u'\r')) {
            EXPECT_LE(line.size(), 100) << line.toStdString();
        }
        auto match = callsign.globalMatch(text);
        while (match.hasNext()) {
            const QString found = match.next().captured();
            EXPECT_EQ(found, QStringLiteral("ZZ0ZZ")) << "callsign-like word " << found.toStdString();
        }
        EXPECT_FALSE(text.contains(address)) << text.toStdString();
    }
}

TEST(HelpTexts, EachLanguageHasItsOwnTextExceptTheUntranslatedGermanTpaiTopic) {
    for (Topic topic : kAllTopics) {
        const TopicTexts t = topicTexts(topic, kNoCallsign);
        const QStringList texts{t.fr, t.nl, t.de, t.en};
        for (int a = 0; a < texts.size(); ++a) {
            for (int b = a + 1; b < texts.size(); ++b) {
                EXPECT_NE(texts[a], texts[b])
                    << "topic " << static_cast<int>(topic) << " languages " << a << " and " << b;
            }
        }
    }
    const TopicTexts tpai = topicTexts(Topic::TpaiFile, kNoCallsign);
    EXPECT_EQ(tpai.de, QStringLiteral(" NOCH ZU ÜBERZETSEN : ") + tpai.fr);
    EXPECT_TRUE(tpai.fr.contains(QStringLiteral("TPAI")));
}

// The regulator-files topic is put together from fixed pieces around the file
// names; each language names the files it speaks of, in its fixed wording.
TEST(HelpTexts, RegulatorFilesTopicNamesTheGivenFiles) {
    struct Case {
        FileNames files;
    };
    const Case cases[]{
        {{"_kovex.mdb", "_report.txt"}},
        {{"ZZ0ZZ_kovex.mdb", "ZZ0ZZ_report.txt"}},
        {{"ZZ0ZZ_01_kovex.mdb", "ZZ0ZZ_01_report.txt"}},
    };
    for (const Case& c : cases) {
        const QString& access = c.files.access;
        const QString& report = c.files.report;
        SCOPED_TRACE(access.toStdString());
        const TopicTexts t = topicTexts(Topic::RegulatorFiles, c.files);

        EXPECT_TRUE(t.en.endsWith(
            QStringLiteral("You may also add the file ") + report +
            QStringLiteral(" allowing a quick overview of all data and results\r concerning your case. \r\r"
                           "You can make several case studies, it is recommended you then add a suffix "
                           "to you callssign, \re.g. ZZ0ZZ_01 , ZZ0ZZ_02, etc ... ")))
            << t.en.toStdString();

        EXPECT_TRUE(
            t.fr.contains(access + QStringLiteral("  qu'il faudra envoyer à l'IBPT, accompagné de :\r")));
        EXPECT_TRUE(
            t.fr.contains(QStringLiteral(" Vous pouvez aussi ajouter le fichier ") + report +
                          QStringLiteral(" qui permet d'avoir un apperçu rapide\r de votre dossier. ")));
        EXPECT_TRUE(t.fr.endsWith(QStringLiteral("par exemple ZZ0ZZ_01 , ZZ0ZZ_02, etc ... ")));

        EXPECT_TRUE(t.nl.contains(
            report + QStringLiteral(" bijvoegen wat een snel en eenvoudig overzicht van de gegegvens en "
                                    "resultaten geeft.")));
        EXPECT_TRUE(t.nl.endsWith(QStringLiteral("zoals ZZ0ZZ_01 , ZZ0ZZ_02, enz... ")));

        EXPECT_TRUE(t.de.contains(
            access + QStringLiteral(" wird dem BIPT mit den hiernach aufgführten Anlagen zugeschickt.")));
        EXPECT_TRUE(t.de.endsWith(
            QStringLiteral(" Nummer (Endung) versehen werden, z.B. ZZ0ZZ_01, ZZ0ZZ_02,....usw.")));
    }
}

TEST(HelpTexts, OtherTopicsIgnoreTheFileNames) {
    const FileNames named{"ZZ0ZZ_kovex.mdb", "ZZ0ZZ_report.txt"};
    for (Topic topic : kAllTopics) {
        if (topic == Topic::RegulatorFiles)
            continue;
        const TopicTexts bare = topicTexts(topic, kNoCallsign);
        const TopicTexts withCall = topicTexts(topic, named);
        EXPECT_EQ(bare.fr, withCall.fr);
        EXPECT_EQ(bare.nl, withCall.nl);
        EXPECT_EQ(bare.de, withCall.de);
        EXPECT_EQ(bare.en, withCall.en);
    }
}

TEST(HelpTexts, ConditionsAreDutchThenARuleThenFrench) {
    const QString text = conditionsText();
    const QStringList lines = text.split(u'\r');
    const qsizetype rule = lines.indexOf(QRegularExpression(QStringLiteral("^={20,}$")));
    ASSERT_GT(rule, 0);
    const QString dutch = lines.mid(0, rule).join(u'\r');
    const QString french = lines.mid(rule + 1).join(u'\r');
    for (const char* word : {"verantwoordelijk", "waarborg", "Controleer", "radioamateurs"}) {
        EXPECT_TRUE(dutch.contains(QString::fromUtf8(word), Qt::CaseInsensitive)) << word;
    }
    for (const char* word : {"responsable", "garantie", "Vérifiez", "radioamateurs"}) {
        EXPECT_TRUE(french.contains(QString::fromUtf8(word), Qt::CaseInsensitive)) << word;
    }
}

} // namespace
