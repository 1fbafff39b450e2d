#pragma once

#include "ScenarioFailure.h"

#include <QString>
#include <QStringList>

namespace kovex::scenario {

// Runs one scenario file in a fresh temporary working directory seeded with
// the shipped databases found in `dataFolder`.
Outcome runScenarioFile(const QString& path, const QString& dataFolder);

// Every command a scenario may use, by name.
QStringList commandNames();

} // namespace kovex::scenario
