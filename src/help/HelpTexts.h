#pragma once

#include <QString>
#include <array>

// The help texts of the program, in French, Dutch, German and English.
//
// Lines inside a text are separated by carriage returns ("\r"), as every
// message text of the program; the views turn them into line breaks.
// Numbers in the texts use the point as decimal separator in all four
// languages, because the program shows and reads every number that way and the
// help should match what the user sees and types.
namespace kovex::help {

// One topic per "i?" button and one for the general help button.
enum class Topic {
    General,
    InputPower,
    Mode,
    SixMinutes,
    FeederLoss,
    AddLoss,
    Frequency,
    AntennaType,
    AntennaHeight,
    Tilt,
    TestPoints,
    GeoCoordinates,
    RegulatorFiles,
    TpaiFile,
    SafetyCheck,
};

inline constexpr std::array<Topic, 15> kAllTopics{
    Topic::General,    Topic::InputPower,     Topic::Mode,           Topic::SixMinutes,    Topic::FeederLoss,
    Topic::AddLoss,    Topic::Frequency,      Topic::AntennaType,    Topic::AntennaHeight, Topic::Tilt,
    Topic::TestPoints, Topic::GeoCoordinates, Topic::RegulatorFiles, Topic::TpaiFile,      Topic::SafetyCheck,
};

// The help language as `rdgLanguage` numbers it.
enum class Language { French = 0, Dutch = 1, German = 2, English = 3 };

// The names of the files written for the regulator, as they stand when help is
// asked; only the regulator-files topic uses them.
struct FileNames {
    QString access;
    QString report;
};

struct TopicTexts {
    QString fr;
    QString nl;
    QString de;
    QString en;
};

TopicTexts topicTexts(Topic topic, const FileNames& files);

// The conditions of use: one text, Dutch and then French, for every help language.
QString conditionsText();

// One function per language, each holding all texts of its language.
QString frenchText(Topic topic, const FileNames& files);
QString dutchText(Topic topic, const FileNames& files);
QString germanText(Topic topic, const FileNames& files);
QString englishText(Topic topic, const FileNames& files);

} // namespace kovex::help
