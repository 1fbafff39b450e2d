#include "app/DossierExport.h"

#include "calc/FieldStrength.h"
#include "calc/KeptInputs.h"
#include "calc/Recomputations.h"
#include "calc/Summary.h"
#include "calc/SummaryGrid.h"
#include "calc/TestPoints.h"
#include "drawing/DrawingHandlers.h"
#include "help/DossierWords.h"
#include "model/ControlNames.h"
#include "records/TpaiFile.h"
#include "records/Validation.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"
#include "support/KovexError.h"
#include "support/NumberText.h"
#include "support/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace kovex {

namespace {

using namespace summary;

const QString kFilterDescription = QStringLiteral("PDF document");
const QString kPattern = QStringLiteral("*.pdf");

// Boxes raised while an antenna is computed again for its drawing are not
// the user's: the user saw them when the antenna was computed.
class QuietDialogs : public Dialogs {
  public:
    void warning(const QString&) override {}
    bool question(const QString&) override { return false; }
    SaveChoice saveDiscardOrCancel(const QString&) override { return SaveChoice::Cancel; }
    void information(const QString&) override {}
    void message(const QString&) override {}
    void error(const QString&) override {}
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&) override { return {}; }
};

// A copy of the case on which a kept antenna is put back and computed again,
// with the reference tables of the program; the pages the user has open
// never see it.
class ScratchCase : public Session {
  public:
    ScratchCase(const Session& p, Dialogs& quiet)
        : Session(Platform{quiet, p.platform.clock, p.platform.locale}) {
        mainForm = p.mainForm;
        for (const char* table : {"feederCable1", "feederCable2", "feederCable3", "antennaPattern"})
            data.cursor(QString::fromLatin1(table)) = p.data.cursor(QString::fromLatin1(table));
    }
    void showPage(const QString&) override {}
};

const KeptControl& keptOf(const KeptControls& kept, const QString& name) {
    for (const auto& [keptName, control] : kept)
        if (keptName == name)
            return control;
    static const KeptControl none;
    return none;
}

QString keptText(const KeptControls& kept, const QString& name) {
    return keptOf(kept, name).text;
}

// "Input power = 20.00 dBW" shows "20.00 dBW" beside a label of its own.
QString afterEquals(const QString& label) {
    const qsizetype at = label.indexOf(QLatin1String("= "));
    return (at < 0 ? label : label.mid(at + 2)).trimmed();
}

QString joined(const QStringList& parts, const QString& separator = QStringLiteral(" ")) {
    QStringList filled;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            filled << part.trimmed();
    return filled.join(separator);
}

QString shownDate(const Session& p) {
    return QLocale::c().toString(p.platform.clock.now().date(), p.platform.locale.shortDateFormat());
}

bool usedSlot(const KeptControls& kept, int k) {
    return !keptText(kept, ui::edtD[k]).isEmpty() && !keptText(kept, ui::edtH[k]).isEmpty();
}

// What the dossier needs of one kept antenna, computed again on a copy.
struct Recomputed {
    bool computed = false;
    QString failure;
    QStringList missingRecords;
    bool fieldsDiffer = false;
    double limitVm = 0;
    double field5Vm = 0;
    double field80Vm = 0;
    int highestSlot = 0;
    double highestVm = 0;
    std::optional<ZonePictureInput> drawing;
    QString remark;
};

VerticalPattern patternOf(const Session& s) {
    VerticalPattern pattern;
    for (int i = 0; i < 10; ++i)
        pattern.gaindBi[static_cast<std::size_t>(i)] =
            antennaColumnValue(s, QStringLiteral("V%1").arg(i * 10, 2, 10, QLatin1Char('0'))).toDouble();
    pattern.backdBi = antennaColumnValue(s, QStringLiteral("VBACK")).toDouble();
    return pattern;
}

// The highest field of the antenna unrounded, for its share of the limit.
void findHighestField(const Session& s, Recomputed& r) {
    const MainForm& f = s.mainForm;
    const AntennaInput antenna{f.values.PowerAndGain.InputPowerdBW, f.values.AntennaHeightM,
                               f.values.BandAndTilt.TiltDeg, patternOf(s)};
    for (int k = 1; k <= kTestPointSlots; ++k) {
        if (f.text(ui::edtE[k]).isEmpty())
            continue;
        const TestPointInput point{
            f.number(ui::edtD[k]), f.number(ui::edtH[k]),
            WallAttenuationdB(f.itemIndex(ui::cmbSA[k]), f.values.BandAndTilt.FreqMinMHz)};
        const double fieldVm = fieldAtPoint(antenna, point).fieldVm;
        if (r.highestSlot == 0 || fieldVm > r.highestVm) {
            r.highestSlot = k;
            r.highestVm = fieldVm;
        }
    }
}

// The fields as the pages showed them, when computing again gives others:
// the dossier's figures stay those of its tables.
void findHighestKeptField(const KeptControls& kept, Recomputed& r) {
    for (int k = 1; k <= kTestPointSlots; ++k) {
        const QString text = keptText(kept, ui::edtE[k]).trimmed();
        if (text.isEmpty())
            continue;
        const double fieldVm = num::toFloat(text);
        if (r.highestSlot == 0 || fieldVm > r.highestVm) {
            r.highestSlot = k;
            r.highestVm = fieldVm;
        }
    }
}

Recomputed recompute(const Session& p, int number, const KeptControls& kept, const QString& nothingToDraw) {
    QuietDialogs quiet;
    ScratchCase s(p, quiet);
    Recomputed r;
    r.missingRecords = putBackControls(s, kept);
    s.mainForm.setText(ui::edtAntNr, QString::number(number));
    try {
        recomputeFields(s);
        const MainForm& f = s.mainForm;
        r.computed = true;
        r.limitVm = f.values.FieldLimitVm;
        r.field5Vm = f.values.Field5PercentVm;
        r.field80Vm = f.values.Field80PercentVm;
        r.remark = f.text(ui::dblAntennaRmk);
        for (int k = 1; k <= kTestPointSlots; ++k)
            r.fieldsDiffer |= f.text(ui::edtE[k]) != keptText(kept, ui::edtE[k]);
        if (r.fieldsDiffer)
            findHighestKeptField(kept, r);
        else
            findHighestField(s, r);
        // Show Diagram draws nothing then.
        if (f.values.InputPowerW == 0 || f.values.FieldLimitVm == 0) {
            r.failure = nothingToDraw;
            return r;
        }
        ZonePictureInput drawing = zonePictureInput(s);
        drawing.drawingAntennaNumber = number;
        checkZonePicture(drawing);
        r.drawing = drawing;
    } catch (const KovexError& failure) {
        r.failure = failure.text();
    }
    return r;
}

std::vector<dossier::Pair> coverPairs(const Session& p, const DossierWords& w) {
    const MainForm& f = p.mainForm;
    std::vector<dossier::Pair> pairs{
        {w.applicant, joined({f.text(ui::edtName), f.text(ui::edtFirstName)})},
        {w.callsign, f.text(ui::edtCallsign)},
        {w.personalAddress,
         joined({f.text(ui::edtAddress), joined({f.text(ui::edtZipCode), f.text(ui::edtCity)})},
                QStringLiteral(", "))},
        {w.phone, f.text(ui::edtPhoneNr)},
        {w.email, f.text(ui::edtEmail)},
        {w.stationAddress,
         joined({f.text(ui::edtAntAddress), joined({f.text(ui::edtAntZipCode), f.text(ui::edtAntCity)})},
                QStringLiteral(", "))},
    };
    if (!f.text(ui::edtLambertX).isEmpty() || !f.text(ui::edtLambertY).isEmpty())
        pairs.push_back({w.lambert, "X " + f.text(ui::edtLambertX) + "   Y " + f.text(ui::edtLambertY)});
    const QString longitude = joined({f.text(ui::edtLONdeg), f.text(ui::edtLONmin), f.text(ui::edtLONsec)});
    const QString latitude = joined({f.text(ui::edtLATdeg), f.text(ui::edtLATmin), f.text(ui::edtLATsec)});
    if (!longitude.isEmpty() || !latitude.isEmpty())
        pairs.push_back({w.wgs84, w.longitude + " " + longitude + "   " + w.latitude + " " + latitude});
    if (f.checked(ui::chkOtherOperator))
        pairs.push_back({w.otherOperators, f.text(ui::edtOtherOperator)});
    pairs.push_back({w.site, f.checked(ui::rdbNewSite) ? w.newSite : w.existingSite});
    pairs.push_back({w.date, shownDate(p)});
    pairs.push_back({w.version, f.text(ui::lblVersion)});
    return pairs;
}

// The antennas with a field above 5 % of their limit, as the pages coloured
// them.
QStringList antennasAboveFivePercent(const MainForm& f) {
    QStringList numbers;
    for (int n = 1; n <= kMaxAntennas; ++n) {
        const KeptControls* kept = f.keptAntennas.find(n);
        if (!kept)
            continue;
        for (int k = 1; k <= kTestPointSlots; ++k) {
            const KeptControl& field = keptOf(*kept, ui::edtE[k]);
            if (!field.text.isEmpty() && field.color == kRed) {
                numbers << QString::number(n);
                break;
            }
        }
    }
    return numbers;
}

void addCover(const Session& p, const DossierWords& w, int antennas, dossier::Content& c) {
    const MainForm& f = p.mainForm;
    c.cover = coverPairs(p, w);
    c.enclosuresHeading = w.enclosures;
    c.heldMark = w.held;
    c.notHeldMark = w.notHeld;
    c.enclosures = {{w.accessFile.arg(f.values.AccessFileName), false},
                    {w.scalePlan, false},
                    {w.pictures, false},
                    {w.drawings.arg(antennas), true},
                    {w.letter, false},
                    {w.fieldStudy, false},
                    {w.overview, true}};
    const QStringList above = antennasAboveFivePercent(f);
    c.coverNotes << (above.isEmpty() ? w.fieldStudyNotNeeded : w.fieldStudyNeeded.arg(above.join(", ")));
}

void addValidation(const Session& p, const DossierWords& w, dossier::Content& c) {
    c.validationHeading = w.validation;
    try {
        const QString errors = administrativeErrors(p.mainForm);
        for (const QString& line : errors.split(QLatin1Char('\r'), Qt::SkipEmptyParts))
            c.validation << line.trimmed();
        if (c.validation.isEmpty())
            c.validation << w.nothingMissing;
    } catch (const KovexError& failure) {
        c.validation << w.validationStopped.arg(failure.text());
    }
}

// The rows of the grid that hold something in these columns: not the
// separator rows, nor the slots of test points never used.
std::vector<int> filledRows(const StringGrid& grid, const std::vector<int>& columns) {
    std::vector<int> rows;
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c : columns)
            if (c != 0 && c != kUnitColumn && !grid.cell(c, r).trimmed().isEmpty()) {
                rows.push_back(r);
                break;
            }
    return rows;
}

dossier::Table gridPart(const StringGrid& grid, const std::vector<int>& columns,
                        const std::vector<int>& rows) {
    dossier::Table table;
    for (int c : columns)
        table.headings << grid.cell(c, 0);
    for (int r : rows) {
        dossier::Row row;
        for (int c : columns)
            row.push_back({grid.cell(c, r).trimmed()});
        row.front().bold = true;
        table.rows.push_back(row);
    }
    return table;
}

// The summary grid as the Summary page shows it once entered: every row
// that holds something, the antenna columns in use, the units and the
// highest field of each point with its antenna. More than six antennas
// make two tables, so that the figures stay readable on the page.
std::vector<dossier::Table> summaryTables(const Session& p) {
    QuietDialogs quiet;
    ScratchCase s(p, quiet);
    try {
        refreshSummary(s);
    } catch (const KovexError&) {
        // The grid as it stands: the page would show the same.
    }
    const StringGrid& grid = s.mainForm.sgdTP;
    std::vector<int> antennas;
    for (int c = kFirstAntennaColumn; c <= kLastAntennaColumn; ++c)
        if (!grid.cell(c, kTypeRow).isEmpty() || p.mainForm.keptAntennas.find(c))
            antennas.push_back(c);
    const std::vector<int> perPoint{kMaxFieldColumn, kDistanceColumn, kHeightColumn, kFromAntennaColumn};
    std::vector<int> all{0};
    all.insert(all.end(), antennas.begin(), antennas.end());
    all.insert(all.end(), perPoint.begin(), perPoint.end());
    const std::vector<int> rows = filledRows(grid, all);

    constexpr std::size_t kAntennasPerTable = 6;
    const std::size_t half =
        antennas.size() > kAntennasPerTable ? (antennas.size() + 1) / 2 : antennas.size();
    std::vector<int> first{0};
    first.insert(first.end(), antennas.begin(), antennas.begin() + static_cast<std::ptrdiff_t>(half));
    first.push_back(kUnitColumn);
    std::vector<int> second{0};
    second.insert(second.end(), antennas.begin() + static_cast<std::ptrdiff_t>(half), antennas.end());
    second.push_back(kUnitColumn);
    if (second.size() == 2) {
        first.insert(first.end(), perPoint.begin(), perPoint.end());
        return {gridPart(grid, first, rows)};
    }
    second.insert(second.end(), perPoint.begin(), perPoint.end());
    return {gridPart(grid, first, rows), gridPart(grid, second, rows)};
}

QString percent(double share) {
    return num::fixed(100 * share, 0, 1) + QStringLiteral(" %");
}

dossier::Row limitsRow(int number, const KeptControls& kept, const Recomputed& r) {
    if (!r.computed)
        return {{QString::number(number)}, {r.failure}};
    const double share = r.limitVm == 0 ? 0 : r.highestVm / r.limitVm;
    const bool any = r.highestSlot > 0 && r.limitVm != 0;
    return {{QString::number(number), 0xff000000, true},
            {keptText(kept, ui::cmbFrequency).trimmed()},
            {num::fixed(r.limitVm, 3, 2)},
            {num::fixed(r.field5Vm, 4, 2).trimmed()},
            {num::fixed(r.field80Vm, 4, 2).trimmed()},
            {any ? keptText(kept, ui::edtE[r.highestSlot]).trimmed() : QString()},
            {any ? QString::number(r.highestSlot) : QString()},
            {any ? percent(share) : QString()},
            {any ? percent(share * share) : QString()}};
}

dossier::Table limitsTable(const DossierWords& w) {
    dossier::Table table;
    table.headings = {w.antenna,      w.band,    w.limit,      w.field5,    w.field80,
                      w.highestField, w.atPoint, w.fieldShare, w.powerShare};
    return table;
}

// The sections of cable and the other losses, when their calculators made
// the totals.
void addLossItems(const KeptControls& kept, const DossierWords& w, std::vector<dossier::Pair>& inputs) {
    if (keptOf(kept, ui::chkFeederCalculator).checked)
        for (int k = 1; k <= 3; ++k)
            inputs.push_back({w.feederSection.arg(k), joined({keptText(kept, ui::dblFeeder[k]),
                                                              "x " + keptText(kept, ui::edtLengthF[k]) + " m",
                                                              keptText(kept, ui::lblLoss[k])})});
    inputs.push_back({w.feederLoss, keptText(kept, ui::edtFeederLoss)});
    if (keptOf(kept, ui::chkAddLossCalculator).checked) {
        inputs.push_back({w.meter, keptText(kept, ui::edtPWRmeter)});
        inputs.push_back({w.lowPass, keptText(kept, ui::edtLPF)});
        inputs.push_back({w.tuner, keptText(kept, ui::edtATU)});
        inputs.push_back({w.connectors, keptText(kept, ui::edtNConnectors) + " x " +
                                            keptText(kept, ui::edtdBPerConnector) + " dB"});
    }
    inputs.push_back({w.otherLosses, keptText(kept, ui::edtAddLoss)});
}

std::vector<dossier::Pair> antennaInputs(const KeptControls& kept, const Recomputed& r,
                                         const DossierWords& w) {
    const KeptControl& type = keptOf(kept, ui::dblAntennaType);
    const bool tilted = keptOf(kept, ui::chkTilt).checked;
    std::vector<dossier::Pair> inputs{
        {w.outputPower, keptText(kept, ui::edtOutputPower)},
        {w.band, keptText(kept, ui::cmbFrequency).trimmed()},
        {w.mode, joined({keptText(kept, ui::cmbMode), "(" + keptText(kept, ui::lblkMode).trimmed() + ")"})},
        {w.time, joined({keptText(kept, ui::cmb6min), "(" + keptText(kept, ui::lblk6min).trimmed() + ")"})},
    };
    addLossItems(kept, w, inputs);
    inputs.insert(inputs.end(),
                  {{w.antennaRecord, type.text + (type.key.isEmpty() ? QString() : " (" + type.key + ")")},
                   {w.remark, r.remark},
                   {w.height, keptText(kept, ui::edtAntennaHeight)},
                   {w.polarization, keptText(kept, ui::cmbPolarization)},
                   {w.tilt, tilted ? keptText(kept, ui::edtTilt) : w.noTilt}});
    return inputs;
}

std::vector<dossier::Pair> antennaResults(const KeptControls& kept, const Recomputed& r,
                                          const DossierWords& w) {
    std::vector<dossier::Pair> results{
        {w.inputPower, afterEquals(keptText(kept, ui::lblInputPower_calc))},
        {w.gain, afterEquals(keptText(kept, ui::lblAntGain))},
        {w.eirp, afterEquals(keptText(kept, ui::lblEIRP))},
        {w.verticalOpening, afterEquals(keptText(kept, ui::lblVertOpeningAngle))},
    };
    if (r.computed) {
        results.push_back({w.limit, num::fixed(r.limitVm, 3, 2)});
        results.push_back({w.field5, num::fixed(r.field5Vm, 4, 2).trimmed()});
        results.push_back({w.field80, num::fixed(r.field80Vm, 4, 2).trimmed()});
    }
    return results;
}

dossier::Table pointsTable(const KeptControls& kept, const DossierWords& w) {
    dossier::Table table;
    table.headings = {w.point, w.distance, w.pointHeight, w.description, w.wall, w.field};
    for (int k = 1; k <= kTestPointSlots; ++k) {
        if (!usedSlot(kept, k))
            continue;
        const KeptControl& field = keptOf(kept, ui::edtE[k]);
        table.rows.push_back({{QString::number(k)},
                              {keptText(kept, ui::edtD[k])},
                              {keptText(kept, ui::edtH[k])},
                              {keptText(kept, ui::edtLocation[k])},
                              {keptText(kept, ui::cmbSA[k])},
                              {field.text.trimmed(), field.color, field.bold}});
    }
    return table;
}

dossier::Antenna antennaPart(int number, const KeptControls& kept, const Recomputed& r,
                             const DossierWords& w) {
    dossier::Antenna a;
    a.heading = w.antennaHeading.arg(number) + QStringLiteral(": ") + keptText(kept, ui::dblAntennaType);
    a.inputsHeading = w.inputs;
    a.inputs = antennaInputs(kept, r, w);
    a.resultsHeading = w.results;
    a.results = antennaResults(kept, r, w);
    if (!r.missingRecords.isEmpty())
        a.notes << w.recordsMissing.arg(r.missingRecords.join(QStringLiteral("; ")));
    if (r.computed && r.fieldsDiffer)
        a.notes << w.fieldsDiffer;
    a.drawingHeading = w.drawing.arg(number);
    a.drawing = r.drawing;
    a.drawingFailure = w.drawingFailed.arg(r.failure);
    a.pointsHeading = w.points;
    a.points = pointsTable(kept, w);
    for (int k = 1; k <= 4; ++k) {
        const KeptControl& level = keptOf(kept, ui::lblLevel[k]);
        a.legend.push_back({level.text, level.color, level.bold});
    }
    return a;
}

const DossierWords& wordsOf(const Session& p) {
    return dossierWords(p.mainForm.itemIndex(ui::rdgLanguage));
}

bool nothingKept(const MainForm& f) {
    for (int n = 1; n <= kMaxAntennas; ++n)
        if (f.keptAntennas.find(n))
            return false;
    return true;
}

QString withPdfExtension(const QString& path) {
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
}

} // namespace

dossier::Content dossierContent(const Session& p) {
    const MainForm& f = p.mainForm;
    const DossierWords& w = wordsOf(p);
    dossier::Content c;
    c.callsign = f.text(ui::edtCallsign);
    c.date = shownDate(p);
    c.pageOfPages = w.pageOfPages;
    c.title = w.title;
    c.summaryHeading = w.summary;
    c.summary = summaryTables(p);
    c.limitsHeading = w.limits;
    c.limits = limitsTable(w);
    for (int n = 1; n <= kMaxAntennas; ++n) {
        const KeptControls* kept = f.keptAntennas.find(n);
        if (!kept)
            continue;
        const Recomputed r = recompute(p, n, *kept, w.nothingToDraw);
        c.limits.rows.push_back(limitsRow(n, *kept, r));
        c.antennas.push_back(antennaPart(n, *kept, r, w));
        if (r.fieldsDiffer)
            c.antennasToComputeAgain << QString::number(n);
    }
    addCover(p, w, static_cast<int>(c.antennas.size()), c);
    addValidation(p, w, c);
    return c;
}

// A callsign that is no plain file name suggests a plain name instead.
QString suggestedDossierPath(const Session& p) {
    const QString name = p.mainForm.text(ui::edtCallsign) + QStringLiteral("_dossier.pdf");
    return QDir::current().filePath(tpai::isAllowedFileName(name) ? name : QStringLiteral("dossier.pdf"));
}

void mnuExportDossierClick(Session& p) {
    const DossierWords& w = wordsOf(p);
    if (nothingKept(p.mainForm)) {
        p.platform.dialogs.information(w.nothingKept);
        return;
    }
    const std::optional<QString> chosen =
        p.platform.dialogs.saveFile(kFilterDescription, kPattern, suggestedDossierPath(p));
    if (!chosen)
        return;
    const QString path = withPdfExtension(*chosen);
    QStringList differing;
    {
        const BusyCursorShown busy(p.platform.cursor);
        const dossier::Content content = dossierContent(p);
        differing = content.antennasToComputeAgain;
        QBuffer document;
        document.open(QIODevice::WriteOnly);
        if (!dossier::write(document, content))
            wholefile::failPlainly(wholefile::Fault::WriteFailed);
        wholefile::saveOrFail(path, document.data());
    }
    p.platform.dialogs.information(w.saved.arg(QFileInfo(path).fileName()));
    if (!differing.isEmpty())
        p.platform.dialogs.warning(w.fieldsDiffer + "\r" + w.antenna + " " + differing.join(", "));
}

} // namespace kovex
