// Each user action timed as the user takes it: through the program's own
// actions (click, type, select, show), on a case typed in the same way.
#include "StationCase.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace kovex::bench {

namespace {

// A handler still missing from the program cannot be timed.
bool bound(benchmark::State& state, const Program& p, const QString& control) {
    if (!p.events.handlers(control, Event::Click).empty())
        return true;
    state.SkipWithError(qPrintable(control + " is not bound to a handler"));
    return false;
}

// A case that left a summary column empty timed less than the user's work.
void checkSummaryFilled(benchmark::State& state, const Program& p, int antennas) {
    for (int a = 1; a <= antennas; ++a)
        if (p.mainForm.sgdTP.cell(a, 1) != "ANT" + QString::number(a) ||
            p.mainForm.sgdTP.cell(a, 15).isEmpty())
            state.SkipWithError(qPrintable("the summary has no fields of antenna " + QString::number(a)));
}

// The program model made, its databases opened and its first show done.
void actionStartUp(benchmark::State& state) {
    for (auto _ : state) {
        auto running = std::make_unique<RunningProgram>();
        state.PauseTiming();
        const bool succeeded = onlyInformationShown(state, running->fake.dialogs);
        running.reset();
        state.ResumeTiming();
        if (!succeeded)
            break;
    }
}
BENCHMARK(actionStartUp)->UseRealTime()->Unit(benchmark::kMicrosecond);

// "Compute fields" with all twelve test points in use.
void actionFieldResults12Points(benchmark::State& state) {
    RunningProgram running;
    Program& p = *running.program;
    typeStation(p);
    typeTwelveTestPoints(p);
    computeAntenna(p, 3);
    for (auto _ : state)
        p.click("btnFieldResults");
    onlyInformationShown(state, running.fake.dialogs);
}
BENCHMARK(actionFieldResults12Points)->UseRealTime()->Unit(benchmark::kMicrosecond);

// A whole case: twelve antennas, each chosen, computed and followed by "Next
// antenna", then the Summary page.
void actionCase12Antennas(benchmark::State& state) {
    RunningProgram running;
    Program& p = *running.program;
    typeStation(p);
    typeTwelveTestPoints(p);
    for (auto _ : state)
        computeCase(p, 12);
    onlyInformationShown(state, running.fake.dialogs);
    checkSummaryFilled(state, p, 12);
}
BENCHMARK(actionCase12Antennas)->UseRealTime()->Unit(benchmark::kMicrosecond);

// Entering the Summary page of a full case: the maximum of every point.
void actionTabSheet5Enter(benchmark::State& state) {
    RunningProgram running;
    Program& p = *running.program;
    typeStation(p);
    typeTwelveTestPoints(p);
    computeCase(p, 12);
    checkSummaryFilled(state, p, 12);
    for (auto _ : state)
        p.focus("TabSheet5");
    onlyInformationShown(state, running.fake.dialogs);
}
BENCHMARK(actionTabSheet5Enter)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The TPAI file saved, then loaded back through the open-file dialog.
void actionTpaiWriteRead(benchmark::State& state) {
    RunningProgram running;
    Program& p = *running.program;
    typeTwelveTestPoints(p);
    typeAdministrativeRecord(p);
    const QString file = QDir::current().absoluteFilePath("ON4XX_tpai.txt");
    for (auto _ : state) {
        p.click("btnSaveTPAI");
        running.fake.dialogs.openResults.push_back(file);
        p.click("btnLoadTPAI");
        if (!onlyInformationShown(state, running.fake.dialogs))
            break;
    }
}
BENCHMARK(actionTpaiWriteRead)->UseRealTime()->Unit(benchmark::kMicrosecond);

// "Show Diagram": the field computation, then the drawing window opened and
// its picture painted offscreen. The window is closed again with "Return"
// between two clicks, untimed, as the user closes it: an open window is not
// painted again.
void actionShowDiagram(benchmark::State& state) {
    RunningProgram running;
    Program& p = *running.program;
    typeStation(p);
    typeTwelveTestPoints(p);
    computeCase(p, 1);
    if (!bound(state, p, "btnShowDiagram"))
        return;
    // The picture is marked between two clicks, so that a click that paints
    // nothing shows.
    constexpr QRgb kUnpainted = 0xff123456;
    for (auto _ : state) {
        state.PauseTiming();
        p.click("btnReturn");
        p.drawingForm.imgPH.fill(kUnpainted);
        state.ResumeTiming();
        p.click("btnShowDiagram");
        if (!onlyInformationShown(state, running.fake.dialogs))
            break;
        if (!p.drawingForm.visible || p.drawingForm.imgPH.isNull() ||
            p.drawingForm.imgPH.pixel(0, 0) == kUnpainted) {
            state.SkipWithError("no picture was painted");
            break;
        }
    }
}
BENCHMARK(actionShowDiagram)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The access file and the report saved for a case of `antennas` antennas
// over twelve test points.
void saveAccessFile(benchmark::State& state, int antennas) {
    RunningProgram running;
    Program& p = *running.program;
    typeStation(p);
    typeTwelveTestPoints(p);
    typeAdministrativeRecord(p);
    computeCase(p, antennas);
    if (!bound(state, p, "btnSaveMDB"))
        return;
    // The save confirms itself in a warning box of its own.
    const QStringList confirmation{"ON4XX_kovex.mdb and ON4XX_report.txt has been created ."};
    for (auto _ : state) {
        p.click("btnSaveMDB");
        if (!onlyInformationShown(state, running.fake.dialogs, confirmation))
            break;
    }
}

void actionSaveAccess1Antenna(benchmark::State& state) {
    saveAccessFile(state, 1);
}
BENCHMARK(actionSaveAccess1Antenna)->UseRealTime()->Unit(benchmark::kMicrosecond);

void actionSaveAccess12Antennas(benchmark::State& state) {
    saveAccessFile(state, 12);
}
BENCHMARK(actionSaveAccess12Antennas)->UseRealTime()->Unit(benchmark::kMicrosecond);

// File > Export dossier (PDF) of a 12-antenna case over twelve test points:
// every antenna computed again on a copy of the case for its drawing, the
// whole document laid out, painted and saved.
void actionExportDossier12Antennas(benchmark::State& state) {
    RunningProgram running;
    Program& p = *running.program;
    typeStation(p);
    typeTwelveTestPoints(p);
    typeAdministrativeRecord(p);
    computeCase(p, 12);
    checkSummaryFilled(state, p, 12);
    if (!bound(state, p, "mnuExportDossier"))
        return;
    const QString path = QDir::current().absoluteFilePath("ON4XX_dossier.pdf");
    for (auto _ : state) {
        running.fake.dialogs.saveResults.push_back(path);
        p.click("mnuExportDossier");
        if (!onlyInformationShown(state, running.fake.dialogs))
            break;
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(actionExportDossier12Antennas)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

} // namespace kovex::bench
