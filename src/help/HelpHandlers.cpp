#include "help/HelpHandlers.h"

#include "help/HelpTexts.h"
#include "model/ControlNames.h"

#include <utility>

namespace kovex {

using help::Topic;

void showHelpTopic(Session& p, Topic topic) {
    MainForm& form = p.mainForm;
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

void btnConditionsClick(Session& p) {
    p.platform.dialogs.information(help::conditionsText());
}

} // namespace kovex
