#include "help/HelpHandlers.h"

#include "help/HelpTexts.h"
#include "model/ControlNames.h"

#include <utility>

namespace kovex {

namespace {

using help::Topic;

void showTopic(Session& p, Topic topic) {
    MainForm& form = p.form1;
    // The file names are taken at the click, so the regulator-files topic
    // names the files of the callsign entered at this moment.
    help::TopicTexts texts =
        help::topicTexts(topic, {form.values.AccessFileName, form.values.ReportFileName});
    form.values.HelpTextFr = std::move(texts.fr);
    form.values.HelpTextNl = std::move(texts.nl);
    form.values.HelpTextDe = std::move(texts.de);
    form.values.HelpTextEn = std::move(texts.en);

    // The radio group always holds one of its four items once start-up has
    // run; English, the start-up default, stands in for anything else so
    // that a click never goes without its box.
    const QString* shown = &form.values.HelpTextEn;
    switch (static_cast<help::Language>(form.itemIndex(ui::rdgLanguage))) {
    case help::Language::French:
        shown = &form.values.HelpTextFr;
        break;
    case help::Language::Dutch:
        shown = &form.values.HelpTextNl;
        break;
    case help::Language::German:
        shown = &form.values.HelpTextDe;
        break;
    case help::Language::English:
        break;
    }
    p.platform.dialogs.information(*shown);
}

} // namespace

void btnGeneralHelpClick(Session& p) {
    showTopic(p, Topic::General);
}
void btnInfoInputPowerClick(Session& p) {
    showTopic(p, Topic::InputPower);
}
void btnInfoModeClick(Session& p) {
    showTopic(p, Topic::Mode);
}
void btnInfo6minClick(Session& p) {
    showTopic(p, Topic::SixMinutes);
}
void btnInfoFeederLossClick(Session& p) {
    showTopic(p, Topic::FeederLoss);
}
void btnInfoAddLossClick(Session& p) {
    showTopic(p, Topic::AddLoss);
}
void btnInfoFrequencyClick(Session& p) {
    showTopic(p, Topic::Frequency);
}
void btnInfoAntennaTypeClick(Session& p) {
    showTopic(p, Topic::AntennaType);
}
void btnInfoAntennaHeightClick(Session& p) {
    showTopic(p, Topic::AntennaHeight);
}
void btnInfoTiltClick(Session& p) {
    showTopic(p, Topic::Tilt);
}
void btnInfoTestPointsClick(Session& p) {
    showTopic(p, Topic::TestPoints);
}
void btnInfoGeoCoordinatesClick(Session& p) {
    showTopic(p, Topic::GeoCoordinates);
}
void btnInfoBIPTFileClick(Session& p) {
    showTopic(p, Topic::RegulatorFiles);
}
void btnInfoFileClick(Session& p) {
    showTopic(p, Topic::TpaiFile);
}

void btnConditionsClick(Session& p) {
    p.platform.dialogs.information(help::conditionsText());
}

void btnInfoSafetyCheckClick(Session& p) {
    showTopic(p, Topic::SafetyCheck);
}

} // namespace kovex
