#pragma once

// A station case typed in through the program's own user actions, as a
// scenario drives it: the benchmarks time the actions a user takes on such a
// case, never the handlers called behind the program's back.
#include "FakePlatform.h"
#include "app/Program.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <memory>

namespace kovex::bench {

// A running program model on the fake platform, started in the current
// folder with its databases open and the first show done.
struct RunningProgram {
    RunningProgram();
    test::FakePlatform fake;
    std::unique_ptr<Program> program;
};

// Transmitter and band of a 100 W FM station on 2 m, no losses.
void typeStation(Program& p);
// Twelve test points around the antennas, behind a wall or under a roof.
void typeTwelveTestPoints(Program& p);
// The personal and site record the files need; the callsign names them.
void typeAdministrativeRecord(Program& p);
// Antenna `number` (1..12) of the case: its own pattern and height, then
// "Compute fields".
void computeAntenna(Program& p, int number);
// The whole case of `antennas` antennas, from the first, each computed and
// followed by "Next antenna", then the Summary page entered.
void computeCase(Program& p, int antennas);

// A benchmark is only valid while every action succeeds: an error box or an
// unexpected warning means it timed a failure. Information boxes (a file
// saved, a file loaded) and the boxes of `expected` texts are part of the
// action and are discarded.
bool onlyInformationShown(benchmark::State& state, test::FakeDialogs& dialogs,
                          const QStringList& expected = {});

// Makes the databases built with the program the working folder's, as the
// run command seeds them, in a fresh folder that becomes the current one.
void enterSeededWorkingFolder(const QString& dataFolder, const QString& folder);

} // namespace kovex::bench
