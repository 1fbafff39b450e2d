#pragma once

#include <QString>

// How a scenario fails: the first expectation not met ends it, and the
// report names the file, the line and what was expected.
namespace kovex::scenario {

struct Outcome {
    bool passed = true;
    int line = 0;
    QString failure;
};

// What was expected and not found, as "a file named x.txt" or
// "\"12,3\", found \"12\"": the report reads "expected " + text.
struct Failure {
    QString text;
};

[[noreturn]] void fail(const QString& text);

// The text in double quotes, with the escapes a scenario line would use for
// it, so that blanks, line ends and tabs show.
QString quoted(const QString& text);

// Fails unless the two texts are equal.
void compare(const QString& found, const QString& expected);

// The line of the run's report for one scenario file: "PASS name", or
// "FAIL name:line: expected ...".
QString reportLine(const QString& name, const Outcome& outcome);

} // namespace kovex::scenario
