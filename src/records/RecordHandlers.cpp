#include "records/RecordHandlers.h"

#include "model/ControlNames.h"
#include "records/AdministrativeRecord.h"
#include "records/TpaiFile.h"
#include "records/Validation.h"
#include "refdata/Session.h"

namespace kovex {

namespace {

void saveTpaiFile(Session& p) {
    WriteTpaiFile(p);
    p.platform.dialogs.information("Your test points and administrative information have been saved on \r\r" +
                                   p.mainForm.values.TpaiFileName);
}

// A loaded callsign is treated as one just typed, and the correspondence
// language found in the file becomes the help language too.
void loadTpaiFile(Session& p) {
    if (!ReadTpaiFile(p))
        return;
    takeCallsign(p);
    const int language = p.mainForm.itemIndex(ui::cmbLanguage);
    if (language >= 0 && language <= 2)
        setHelpLanguage(p, language);
    p.platform.dialogs.information("Test points and administrative information have been loaded from \r\r" +
                                   p.mainForm.values.TpaiFileName);
}

} // namespace

void Button1Click(Session& p) {
    saveTpaiFile(p);
}
void btnSaveTPAIClick(Session& p) {
    saveTpaiFile(p);
}
void btnLoadTPClick(Session& p) {
    loadTpaiFile(p);
}
void btnLoadTPAIClick(Session& p) {
    loadTpaiFile(p);
}

} // namespace kovex
