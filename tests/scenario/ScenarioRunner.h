#pragma once

#include <QString>
#include <QStringList>

namespace kovex::scenario {

struct Outcome {
    bool passed = true;
    int line = 0;
    QString failure;
};

// Runs one scenario file in a fresh temporary working directory seeded with
// the shipped databases found in `dataFolder`.
Outcome runScenarioFile(const QString& path, const QString& dataFolder);

// Splits a scenario line into words; a quoted word may hold blanks and the
// escapes \r \n \t \" \\ and \u{hex} for any code point. Throws
// std::runtime_error on an open quote or a bad code point.
QStringList splitWords(const QString& line);

} // namespace kovex::scenario
