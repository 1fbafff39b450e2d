#include "records/RecordHandlers.h"

#include "Program.h"
#include "StartUp.h"
#include "records/AdministrativeRecord.h"
#include "records/TpaiFile.h"
#include "records/Validation.h"

namespace kovex {

namespace {

void saveTpaiFile(Program& p) {
    WriteTpaiFile(p);
    p.platform.dialogs.information("Your test points and administrative information have been saved on \r\r" +
                                   p.form1.TpaiFileName);
}

// A loaded callsign is treated as one just typed, and the correspondence
// language found in the file becomes the help language too.
void loadTpaiFile(Program& p) {
    if (!ReadTpaiFile(p))
        return;
    edtCallsignExit(p);
    const int language = p.form1.itemIndex(QStringLiteral("cmbLanguage"));
    if (language >= 0 && language <= 2)
        setHelpLanguage(p, language);
    p.platform.dialogs.information("Test points and administrative information have been loaded from \r\r" +
                                   p.form1.TpaiFileName);
}

} // namespace

void Button1Click(Program& p) {
    saveTpaiFile(p);
}
void btnSaveTPAIClick(Program& p) {
    saveTpaiFile(p);
}
void btnLoadTPClick(Program& p) {
    loadTpaiFile(p);
}
void btnLoadTPAIClick(Program& p) {
    loadTpaiFile(p);
}

void bindRecordHandlers(EventTable& events) {
    struct Binding {
        const char* control;
        Event event;
        void (*handler)(Program&);
    };
    static constexpr Binding kBindings[]{
        {"edtName", Event::Exit, edtNameExit},
        {"edtFirstName", Event::Exit, edtFirstNameExit},
        {"edtAddress", Event::Exit, edtAddressExit},
        {"edtZipCode", Event::Exit, edtZipCodeExit},
        {"edtCity", Event::Exit, edtCityExit},
        {"edtCallsign", Event::Exit, edtCallsignExit},
        {"edtAntAddress", Event::Exit, edtAntAddressExit},
        {"edtAntCity", Event::Exit, edtAntCityExit},
        {"rdbLambert", Event::Click, rdbLambertClick},
        {"rdbWGS84", Event::Click, rdbWGS84Click},
        {"chkOtherOperator", Event::Click, chkOtherOperatorClick},
        {"rdbExistingSite", Event::Click, rdbExistingSiteClick},
        {"rdbNewSite", Event::Click, rdbNewSiteClick},
        {"btnValidate", Event::Click, btnValidateClick},
        {"Button1", Event::Click, Button1Click},
        {"btnSaveTPAI", Event::Click, btnSaveTPAIClick},
        {"btnLoadTP", Event::Click, btnLoadTPClick},
        {"btnLoadTPAI", Event::Click, btnLoadTPAIClick},
    };
    for (const Binding& binding : kBindings)
        events.bind(QString::fromLatin1(binding.control), binding.event, binding.handler);
}

} // namespace kovex
