// The field computation runs at every click of "Compute fields" and of
// "Show Diagram"; twelve points must take no noticeable time.
#include "calc/FieldStrength.h"

#include <benchmark/benchmark.h>

namespace {

void TwelvePoints(benchmark::State& state) {
    kovex::AntennaInput antenna;
    antenna.inputPowerdBW = 20;
    antenna.heightM = 12;
    antenna.tiltDeg = 5;
    antenna.pattern.gaindBi = {6, 5, 3, 0, -3, -6, -9, -12, -15, -20};
    antenna.pattern.backdBi = -25;
    for (auto _ : state) {
        double total = 0;
        for (int k = 1; k <= 12; ++k)
            total += kovex::fieldAtPoint(antenna, {5.0 * k, 1.5 * k - 3, -3}).fieldVm;
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(TwelvePoints);

} // namespace
