#pragma once

#include "ScenarioFailure.h"

#include <QString>
#include <functional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kovex::scenario::test {

// What the scenario would report as expected when `step` fails; empty when
// it passes.
inline QString failureOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const Failure& failure) {
        return failure.text.isEmpty() ? QString("(a failure without text)") : failure.text;
    }
    return {};
}

} // namespace kovex::scenario::test
