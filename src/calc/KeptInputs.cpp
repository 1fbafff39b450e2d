#include "calc/KeptInputs.h"

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

std::vector<QString> namesOfAntennaInputs() {
    std::vector<QString> names{"edtOutputPower",
                               "cmbFrequency",
                               "cmbMode",
                               "cmb6min",
                               "chkFeederCalculator",
                               "edtFeederLoss",
                               "chkAddLossCalculator",
                               "edtPWRmeter",
                               "edtLPF",
                               "edtATU",
                               "edtNConnectors",
                               "edtdBPerConnector",
                               "edtAddLoss",
                               "dblAntennaType",
                               "edtAntennaHeight",
                               "cmbPolarization",
                               "chkTilt",
                               "edtTilt"};
    for (int k = 1; k <= 3; ++k) {
        names.push_back(slotName("dblFeeder", k));
        names.push_back(slotName("edtLengthF", k));
    }
    for (int k = 1; k <= kTestPointSlots; ++k)
        for (const char* base : {"edtD", "edtH", "edtLocation", "cmbSA"})
            names.push_back(slotName(base, k));
    return names;
}

KeptControl keptControl(const Session& p, const Control& control) {
    KeptControl kept;
    switch (control.kind) {
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        kept.checked = control.checked;
        break;
    case ControlKind::Lookup:
        kept.key = lookupKey(p, control.name);
        kept.text = control.text;
        break;
    case ControlKind::Combo:
        kept.itemIndex = control.itemIndex;
        kept.text = control.text;
        break;
    default:
        kept.text = control.text;
        break;
    }
    return kept;
}

QString listName(const QString& lookup) {
    if (lookup == QLatin1String("dblAntennaType"))
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
    const QString shown = p.form1.text(name);
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

const std::vector<QString>& antennaInputNames() {
    static const std::vector<QString> names = namesOfAntennaInputs();
    return names;
}

KeptControls keptControls(const Session& p, const std::vector<QString>& names) {
    KeptControls kept;
    kept.reserve(names.size());
    for (const QString& name : names)
        kept.emplace_back(name, keptControl(p, p.form1.ctl(name)));
    return kept;
}

QStringList putBackControls(Session& p, const KeptControls& kept) {
    MainForm& f = p.form1;
    QStringList missing;
    for (const auto& [name, state] : kept) {
        switch (f.ctl(name).kind) {
        case ControlKind::CheckBox:
        case ControlKind::Radio:
            f.setChecked(name, state.checked);
            break;
        case ControlKind::Lookup:
            if (const auto line = putBackLookup(p, name, state))
                missing << *line;
            break;
        case ControlKind::Combo:
            putBackList(f, name, state);
            break;
        default:
            f.setText(name, state.text);
            break;
        }
    }
    return missing;
}

void putBackAntenna(Session& p, const KeptControls& inputs) {
    MainForm& f = p.form1;
    const QStringList missing = putBackControls(p, inputs);
    f.setVisible("gpbFeederLossCalculator", f.checked("chkFeederCalculator"));
    f.setVisible("gpbAddLossCalculator", f.checked("chkAddLossCalculator"));
    if (!missing.isEmpty())
        p.platform.dialogs.warning(kRecordsMissing.arg(missing.join(QLatin1Char('\r'))));
}

void keepAntennaInputs(Session& p, int antenna) {
    p.form1.keptAntennas.keep(antenna, keptControls(p, antennaInputNames()));
}

void btnRecallAntennaClick(Session& p) {
    const std::int32_t antenna = p.form1.integer("edtAntNr");
    const KeptControls* inputs = p.form1.keptAntennas.find(antenna);
    if (!inputs) {
        p.platform.dialogs.information(kNothingKept.arg(antenna));
        return;
    }
    putBackAntenna(p, *inputs);
}

} // namespace kovex
