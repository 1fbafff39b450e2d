#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken property is a crash to libFuzzer, which then keeps the input that
// showed it.
inline void require(bool holds, const char* property, const QString& detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %s\n  %s\n", property, detail.toUtf8().constData());
    std::abort();
}
