#include "ScenarioFailure.h"

namespace kovex::scenario {

void fail(const QString& text) {
    throw Failure{text};
}

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace('\\', "\\\\")
        .replace('\r', "\\r")
        .replace('\n', "\\n")
        .replace('\t', "\\t")
        .replace('"', "\\\"");
    return '"' + shown + '"';
}

void compare(const QString& found, const QString& expected) {
    if (found != expected)
        fail(quoted(expected) + ", found " + quoted(found));
}

QString reportLine(const QString& name, const Outcome& outcome) {
    if (outcome.passed)
        return "PASS " + name;
    return QString("FAIL %1:%2: expected %3").arg(name).arg(outcome.line).arg(outcome.failure);
}

} // namespace kovex::scenario
