#include "calc/KeptInputs.h"

#include "model/ControlNames.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"

namespace kovex {

namespace {

const QString kNothingKept =
    QStringLiteral("Nothing is kept for antenna n° %1.\rAn antenna's inputs are kept "
                   "when its fields are computed.");
const QString kRecordsMissing =
    QStringLiteral("Not every kept record is in the reference databases:\r%1\rCheck these lists before you "
                   "compute.");

// Every control of the Power, Antenna and Test points pages that shows
// something of the antenna: its inputs, what their change handlers derive
// from them, and the results of its computation. Buttons and page captions
// never change; the fields of a reference table follow its list, and the
// antenna's second list follows the first.
bool describesTheAntenna(const Control& control) {
    switch (control.kind) {
    case ControlKind::Page:
    case ControlKind::Button:
    case ControlKind::DbField:
    case ControlKind::Grid:
    case ControlKind::UpDown:
    case ControlKind::Image:
    case ControlKind::Menu:
    case ControlKind::MenuItem:
        return false;
    default:
        return control.name != ui::dblAntennaRmk.latin1();
    }
}

std::vector<QString> namesOfAntennaPages() {
    const MainForm form;
    std::vector<QString> names;
    bool onAntennaPages = false;
    for (const QString& name : form.controlNames()) {
        if (form.ctl(name).kind == ControlKind::Page)
            onAntennaPages = name == ui::TabSheet2.latin1() || name == ui::TabSheet3.latin1() ||
                             name == ui::TabSheet4.latin1();
        else if (onAntennaPages && describesTheAntenna(form.ctl(name)))
            names.push_back(name);
    }
    return names;
}

// A list of a reference table is kept by the key of the record it shows,
// not by its row, which the case file does not keep either: an antenna
// computed again from inputs read from a file keeps what it kept before.
KeptControl keptControl(const Session& p, const Control& control) {
    KeptControl kept;
    kept.text = control.text;
    kept.checked = control.checked;
    if (control.kind == ControlKind::Lookup)
        kept.key = lookupKey(p, control.name);
    else
        kept.itemIndex = control.itemIndex;
    kept.visible = control.visible;
    kept.color = control.color;
    kept.bold = control.bold;
    return kept;
}

QString listName(const QString& lookup) {
    if (lookup == ui::dblAntennaType.latin1())
        return QStringLiteral("Antenna type");
    return QStringLiteral("Feeder cable ") + lookup.right(1);
}

QString shownOrNothing(const QString& text) {
    return text.isEmpty() ? QStringLiteral("nothing") : "\"" + text + "\"";
}

// A list of a reference table shows the kept record when its key is still
// there; otherwise it keeps what it showed, and the line says so.
std::optional<QString> putBackLookup(Session& p, const QString& name, const KeptControl& kept) {
    if (!kept.key.isEmpty())
        setLookupKey(p, name, kept.key);
    const QString shown = p.mainForm.text(name);
    if (shown == kept.text && lookupKey(p, name) == kept.key)
        return std::nullopt;
    return listName(name) + " \"" + kept.text + "\" (record " + kept.key + "): the list shows " +
           shownOrNothing(shown);
}

// A chosen item decides the list's text; a list with no item chosen shows
// the text it had (typed over, or never chosen).
void putBackList(MainForm& f, const QString& name, const KeptControl& kept) {
    f.setItemIndex(name, kept.itemIndex);
    if (f.itemIndex(name) < 0)
        f.setText(name, kept.text);
}

} // namespace

const std::vector<QString>& antennaPageNames() {
    static const std::vector<QString> names = namesOfAntennaPages();
    return names;
}

KeptControls keptControls(const Session& p, const std::vector<QString>& names) {
    KeptControls kept;
    kept.reserve(names.size());
    for (const QString& name : names)
        kept.emplace_back(name, keptControl(p, p.mainForm.ctl(name)));
    return kept;
}

QStringList putBackControls(Session& p, const KeptControls& kept) {
    MainForm& f = p.mainForm;
    QStringList missing;
    for (const auto& [name, state] : kept) {
        switch (f.ctl(name).kind) {
        case ControlKind::Lookup:
            if (const auto line = putBackLookup(p, name, state))
                missing << *line;
            break;
        case ControlKind::Combo:
            putBackList(f, name, state);
            break;
        case ControlKind::RadioGroup:
            f.setItemIndex(name, state.itemIndex);
            break;
        default:
            f.setText(name, state.text);
            f.setChecked(name, state.checked);
            break;
        }
        f.setVisible(name, state.visible);
        f.setColor(name, state.color);
        f.setBold(name, state.bold);
    }
    return missing;
}

void putBackAntenna(Session& p, const KeptControls& pages) {
    const QStringList missing = putBackControls(p, pages);
    p.mainForm.pagesPutBack = true;
    if (!missing.isEmpty())
        p.platform.dialogs.warning(kRecordsMissing.arg(missing.join(QLatin1Char('\r'))));
}

void keepAntennaInputs(Session& p, int antenna) {
    p.mainForm.keptAntennas.keep(antenna, keptControls(p, antennaPageNames()));
}

void btnRecallAntennaClick(Session& p) {
    const std::int32_t antenna = p.mainForm.integer(ui::edtAntNr);
    const KeptControls* inputs = p.mainForm.keptAntennas.find(antenna);
    if (!inputs) {
        p.platform.dialogs.information(kNothingKept.arg(antenna));
        return;
    }
    putBackAntenna(p, *inputs);
}

} // namespace kovex
