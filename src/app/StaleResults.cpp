#include "app/StaleResults.h"

#include "model/ControlNames.h"
#include "model/MainForm.h"

#include <vector>

namespace kovex {

namespace {

// The stage of each computation: the power chain, the antenna results (which
// rerun the power chain), the fields (which rerun both).
int stageOf(const QString& computation) {
    static const QStringList computations{ui::btnPowerResults, ui::btnAntennaResults, ui::btnFieldResults};
    if (computation == ui::btnShowDiagram.latin1())
        return 2;
    return static_cast<int>(computations.indexOf(computation));
}

QStringList resultsOf(int stage) {
    switch (stage) {
    case 0:
        return {ui::lblInputPower_calc};
    case 1:
        return {ui::lblAntennaType, ui::lblAntennaheight,    ui::lblHorOpeningAngle,
                ui::lblTilt,        ui::lblVertOpeningAngle, ui::lblFromFreq,
                ui::lblAntGain,     ui::lblInputPower,       ui::lblEIRP,
                ui::lblPolarization};
    default: {
        QStringList fields{ui::lblLevel[1], ui::lblLevel[2], ui::lblLevel[3], ui::lblLevel[4]};
        for (int k = 1; k <= kTestPointSlots; ++k)
            fields << ui::edtE[k];
        return fields;
    }
    }
}

bool isInput(const Control& control) {
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::Combo:
    case ControlKind::Lookup:
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        break;
    default:
        return false;
    }
    // The fields are results, and a point's description changes no figure.
    return !control.name.startsWith(ui::edtE.stem()) && !control.name.startsWith(ui::edtLocation.stem());
}

// The inputs of the Power, Antenna and Test points pages, by page.
const std::array<std::vector<QString>, 3>& inputsByPage() {
    static const std::array<std::vector<QString>, 3> inputs = [] {
        std::array<std::vector<QString>, 3> pages;
        const MainForm form;
        int page = -1;
        for (const QString& name : form.controlNames()) {
            const Control& control = form.ctl(name);
            if (control.kind == ControlKind::Page) {
                static const QStringList antennaPages{ui::TabSheet2, ui::TabSheet3, ui::TabSheet4};
                page = static_cast<int>(antennaPages.indexOf(name));
            } else if (page >= 0 && isInput(control)) {
                pages[static_cast<std::size_t>(page)].push_back(name);
            }
        }
        return pages;
    }();
    return inputs;
}

// The state of every input a stage's results depend on, as one list.
QStringList inputsOf(const MainForm& f, int stage) {
    QStringList state;
    for (int page = 0; page <= stage; ++page)
        for (const QString& name : inputsByPage()[static_cast<std::size_t>(page)]) {
            const Control& control = f.ctl(name);
            state << control.text + QLatin1Char('\x1f') + QString::number(control.itemIndex) +
                         (control.checked ? QLatin1Char('1') : QLatin1Char('0'));
        }
    return state;
}

} // namespace

void StaleResults::keep(const MainForm& f, int lastStage) {
    for (int stage = 0; stage <= lastStage; ++stage)
        m_inputs[static_cast<std::size_t>(stage)] = inputsOf(f, stage);
}

void StaleResults::computed(const MainForm& f, const QString& computation) {
    const int stage = stageOf(computation);
    if (stage >= 0)
        keep(f, stage);
}

void StaleResults::allCurrent(const MainForm& f) {
    keep(f, kStages - 1);
}

// Results never computed have nothing to be stale against.
QStringList StaleResults::staleControls(const MainForm& f) const {
    QStringList stale;
    for (int stage = 0; stage < kStages; ++stage) {
        const QStringList& kept = m_inputs[static_cast<std::size_t>(stage)];
        if (!kept.isEmpty() && kept != inputsOf(f, stage))
            stale << resultsOf(stage);
    }
    return stale;
}

} // namespace kovex
