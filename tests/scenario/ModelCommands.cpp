#include "ModelCommands.h"

#include "ScenarioFailure.h"
#include "ScenarioWords.h"
#include "app/Program.h"
#include "records/CaseFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <map>

namespace kovex::scenario {

namespace {

using CaseValues = std::map<QString, std::function<QVariant(const MainForm&)>>;

const CaseValues& caseValues() {
    static const CaseValues values{
        {"ModeFactor", [](const MainForm& f) { return f.values.ModeFactor; }},
        {"ModeCorrectiondB", [](const MainForm& f) { return f.values.ModeCorrectiondB; }},
        {"TimeFactor", [](const MainForm& f) { return f.values.TimeFactor; }},
        {"TimeCorrectiondB", [](const MainForm& f) { return f.values.TimeCorrectiondB; }},
        {"InputPowerdBW", [](const MainForm& f) { return f.values.PowerAndGain.InputPowerdBW; }},
        {"AntennaGaindBi", [](const MainForm& f) { return f.values.PowerAndGain.AntennaGaindBi; }},
        {"InputPowerW", [](const MainForm& f) { return f.values.InputPowerW; }},
        {"TiltDeg", [](const MainForm& f) { return f.values.BandAndTilt.TiltDeg; }},
        {"VertOpeningAngleDeg", [](const MainForm& f) { return f.values.BandAndTilt.VertOpeningAngleDeg; }},
        {"FreqMinMHz", [](const MainForm& f) { return f.values.BandAndTilt.FreqMinMHz; }},
        {"FreqMaxMHz", [](const MainForm& f) { return f.values.BandAndTilt.FreqMaxMHz; }},
        {"AntennaHeightM", [](const MainForm& f) { return f.values.AntennaHeightM; }},
        {"AntennaAzimuthDeg", [](const MainForm& f) { return f.values.AntennaAzimuthDeg; }},
        {"HorOpeningAngleDeg", [](const MainForm& f) { return f.values.HorOpeningAngleDeg; }},
        {"EIRPdBW", [](const MainForm& f) { return f.values.EIRPdBW; }},
        {"PolarizationCode", [](const MainForm& f) { return f.values.PolarizationCode; }},
        {"AntennaTypeName", [](const MainForm& f) { return f.values.AntennaTypeName; }},
        {"FieldLimitVm", [](const MainForm& f) { return f.values.FieldLimitVm; }},
        {"Field5PercentVm", [](const MainForm& f) { return f.values.Field5PercentVm; }},
        {"Field80PercentVm", [](const MainForm& f) { return f.values.Field80PercentVm; }},
        {"AccessFileName", [](const MainForm& f) { return f.values.AccessFileName; }},
        {"ReportFileName", [](const MainForm& f) { return f.values.ReportFileName; }},
        {"DrawingAntennaNumber", [](const MainForm& f) { return f.values.DrawingAntennaNumber; }},
        {"MaxTestPointDistanceM", [](const MainForm& f) { return f.values.MaxTestPointDistanceM; }},
        {"MaxTestPointHeightM", [](const MainForm& f) { return f.values.MaxTestPointHeightM; }},
        {"MinTestPointHeightM", [](const MainForm& f) { return f.values.MinTestPointHeightM; }},
        {"SummaryAntennaColumn", [](const MainForm& f) { return f.values.SummaryAntennaColumn; }},
        {"TpaiFileName", [](const MainForm& f) { return f.values.TpaiFileName; }},
        {"CaseFileName", [](const MainForm& f) { return QFileInfo(f.caseFile.path).fileName(); }},
        {"CaseHasUnsavedChanges", [](const MainForm& f) { return caseHasUnsavedChanges(f); }},
        {"FailedControl", [](const MainForm& f) { return f.failedControl; }},
        // Paths in the working folder read as "./name".
        {"StatusMessage",
         [](const MainForm& f) { return QString(f.statusMessage).replace(QDir::currentPath(), "."); }},
        {"HelpTextFr", [](const MainForm& f) { return f.values.HelpTextFr; }},
        {"HelpTextNl", [](const MainForm& f) { return f.values.HelpTextNl; }},
        {"HelpTextDe", [](const MainForm& f) { return f.values.HelpTextDe; }},
        {"HelpTextEn", [](const MainForm& f) { return f.values.HelpTextEn; }},
    };
    return values;
}

// A value of the case by its name; "PowerAndGain." and "BandAndTilt." in
// front of it may be left out.
QVariant caseValue(const MainForm& f, QString name) {
    name.remove("PowerAndGain.").remove("BandAndTilt.");
    const auto found = caseValues().find(name);
    if (found == caseValues().end())
        fail("a case value named " + name);
    return found->second(f);
}

Control& control(Program& p, const QString& name) {
    if (p.mainForm.hasControl(name))
        return p.mainForm.ctl(name);
    if (p.drawingForm.hasControl(name))
        return p.drawingForm.ctl(name);
    fail("a control named " + name);
}

// "sgdTP[2,15]": a cell of the summary grid, by column and row.
bool expectGridCell(Program& p, const QString& target, const QString& expected) {
    static const QRegularExpression cellPattern(R"(^sgdTP\[(\d+),(\d+)\]$)");
    const auto cell = cellPattern.match(target);
    if (!cell.hasMatch())
        return false;
    const StringGrid& grid = p.mainForm.sgdTP;
    const int column = cell.captured(1).toInt();
    const int row = cell.captured(2).toInt();
    if (!grid.contains(column, row))
        fail("a cell inside the grid");
    compare(grid.cell(column, row), expected);
    return true;
}

QString propertyText(const Control& c, const QString& property) {
    const std::map<QString, std::function<QString()>> properties{
        {"text", [&] { return c.text; }},
        {"label", [&] { return c.label; }},
        {"index", [&] { return QString::number(c.itemIndex); }},
        {"checked", [&] { return boolName(c.checked); }},
        {"visible", [&] { return boolName(c.visible); }},
        {"bold", [&] { return boolName(c.bold); }},
        {"count", [&] { return QString::number(c.items.size()); }},
        {"colour", [&] { return colourName(c.color); }},
        {"color", [&] { return colourName(c.color); }},
    };
    const auto found = properties.find(property);
    if (found == properties.end())
        fail("a known property, found " + property);
    return found->second();
}

// The expected value as the property shows it: colours by name, "yes" as
// "true".
QString normalised(const QString& property, const QString& expected) {
    if (property.startsWith("colo"))
        return colourName(parseColour(expected));
    if (property == "checked" || property == "visible" || property == "bold")
        return boolName(parseBool(expected));
    return expected;
}

void expectNumber(const QVariant& value, const QString& number, const QString& tolerance) {
    bool okNumber = false;
    bool okTolerance = false;
    const double expected = number.toDouble(&okNumber);
    const double within = tolerance.toDouble(&okTolerance);
    if (!okNumber || !okTolerance)
        fail("a number and a tolerance");
    const double found = value.toDouble();
    if (!(std::fabs(found - expected) <= within))
        fail(QString("%1 within %2, found %3").arg(number, tolerance, QString::number(found, 'g', 17)));
}

} // namespace

void requireKnownControl(Program& p, const QString& target) {
    static const QRegularExpression cell(R"(\[\d+,\d+\]$)");
    const QString name = target.section('.', 0, 0).remove(cell);
    if (!p.mainForm.hasControl(name) && !p.drawingForm.hasControl(name))
        fail("a control named " + name + " in either window");
}

void selectItem(Program& p, const QString& name, const QString& item) {
    if (item.startsWith("key=")) {
        p.selectKey(name, item.mid(4));
        return;
    }
    if (item.startsWith('#')) {
        p.select(name, parseInt(item.mid(1)));
        return;
    }
    const int index = static_cast<int>(control(p, name).items.indexOf(item));
    if (index < 0)
        fail("an item " + quoted(item) + " in " + name);
    p.select(name, index);
}

void setProperty(Program& p, const QString& target, const QString& value) {
    const QString name = target.section('.', 0, 0);
    const QString property = target.section('.', 1);
    Control& c = control(p, name);
    if (property == "text") {
        c.text = value;
        if (c.kind == ControlKind::Combo)
            c.itemIndex = static_cast<int>(c.items.indexOf(value));
    } else if (property == "index") {
        p.mainForm.setItemIndex(name, parseInt(value));
    } else if (property == "checked") {
        c.checked = parseBool(value);
    } else if (property == "visible") {
        c.visible = parseBool(value);
    } else {
        fail("a property text, index, checked or visible, found " + property);
    }
}

void expectProperty(Program& p, const QString& target, const QString& expected) {
    if (expectGridCell(p, target, expected))
        return;
    if (target == "TForm2.visible") {
        compare(boolName(p.drawingForm.visible), expected);
        return;
    }
    const QString name = target.section('.', 0, 0);
    const QString property = target.contains('.') ? target.section('.', 1) : QString("text");
    const QString found = propertyText(control(p, name), property);
    compare(found, normalised(property, expected));
}

void expectValue(Program& p, const QStringList& words) {
    const QVariant value = caseValue(p.mainForm, arg(words, 1));
    if (words.size() >= 4)
        expectNumber(value, words[2], words[3]);
    else
        compare(value.toString(), arg(words, 2));
}

QStringList caseValueNames() {
    QStringList names;
    for (const auto& entry : caseValues())
        names << entry.first;
    return names;
}

} // namespace kovex::scenario
