// The floors: the least work each user action cannot do without, measured in
// the same run as the actions, so that every figure reads as a ratio.
#include "StationCase.h"
#include "calc/FieldStrength.h"

#include <QFile>

#include <QImage>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

kovex::AntennaInput beamAntenna(int number) {
    kovex::AntennaInput antenna;
    antenna.inputPowerdBW = 20;
    antenna.heightM = 6 + number;
    antenna.tiltDeg = number % 3;
    antenna.pattern.gaindBi = {6, 5, 3, 0, -3, -6, -9, -12, -15, -20};
    antenna.pattern.backdBi = -25;
    return antenna;
}

// The pure field formula for `antennas` antennas over twelve points each:
// the arithmetic of "Compute fields" without reading or writing a control.
void fieldFormula(benchmark::State& state, int antennas) {
    std::vector<kovex::AntennaInput> station;
    for (int a = 1; a <= antennas; ++a)
        station.push_back(beamAntenna(a));
    for (auto _ : state) {
        double total = 0;
        for (const kovex::AntennaInput& antenna : station)
            for (int k = 1; k <= 12; ++k)
                total += kovex::fieldAtPoint(antenna, {2.5 * k, 1.5 * (k % 5) - 1.5, -3}).fieldVm;
        benchmark::DoNotOptimize(total);
    }
}

void floorFieldFormula12Points(benchmark::State& state) {
    fieldFormula(state, 1);
}
BENCHMARK(floorFieldFormula12Points);

void floorFieldFormula144Points(benchmark::State& state) {
    fieldFormula(state, 12);
}
BENCHMARK(floorFieldFormula144Points);

// Reads `source` whole and writes it to `target` with one fsync, as plainly
// as the system allows; false when a step fails.
bool copyWithOneFsync(const char* source, const char* target, std::vector<char>& buffer) {
    const int in = ::open(source, O_RDONLY);
    if (in < 0)
        return false;
    const ssize_t size = ::read(in, buffer.data(), buffer.size());
    ::close(in);
    const int out = ::open(target, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (size < 0 || out < 0)
        return false;
    const bool written = ::write(out, buffer.data(), static_cast<size_t>(size)) == size;
    const bool synced = ::fsync(out) == 0;
    return ::close(out) == 0 && written && synced;
}

// The floor of the save: the template copied as it stands, once synced.
void floorTemplateCopyFsync(benchmark::State& state) {
    std::vector<char> buffer(std::size_t{16} * 1024 * 1024);
    for (auto _ : state) {
        if (!copyWithOneFsync("NOCALL_kovex.mdb", "floor_copy.mdb", buffer)) {
            state.SkipWithError("the template NOCALL_kovex.mdb could not be copied");
            break;
        }
    }
    ::unlink("floor_copy.mdb");
}
BENCHMARK(floorTemplateCopyFsync)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The floor of the TPAI file: the very bytes the program writes for the
// benchmark's case, written with one fsync and read back.
void floorTpaiBytesFsyncWriteRead(benchmark::State& state) {
    QByteArray bytes;
    {
        kovex::bench::RunningProgram running;
        kovex::bench::typeTwelveTestPoints(*running.program);
        kovex::bench::typeAdministrativeRecord(*running.program);
        running.program->click("btnSaveTPAI");
        QFile written(QStringLiteral("ON4XX_tpai.txt"));
        if (written.open(QIODevice::ReadOnly))
            bytes = written.readAll();
    }
    if (bytes.isEmpty()) {
        state.SkipWithError("the program wrote no TPAI file");
        return;
    }
    std::vector<char> back(static_cast<std::size_t>(bytes.size()));
    for (auto _ : state) {
        const int out = ::open("floor_tpai.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const bool written = out >= 0 &&
                             ::write(out, bytes.constData(), back.size()) == ssize_t(back.size()) &&
                             ::fsync(out) == 0 && ::close(out) == 0;
        const int in = ::open("floor_tpai.txt", O_RDONLY);
        const bool read = in >= 0 && ::read(in, back.data(), back.size()) == ssize_t(back.size());
        if (in >= 0)
            ::close(in);
        if (!written || !read) {
            state.SkipWithError("the TPAI bytes could not be written and read");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
    ::unlink("floor_tpai.txt");
}
BENCHMARK(floorTpaiBytesFsyncWriteRead)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The floor of the diagram: its empty picture, made and filled once.
void floorImageFill1009x657(benchmark::State& state) {
    for (auto _ : state) {
        QImage picture(1009, 657, QImage::Format_RGB32);
        picture.fill(Qt::white);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(floorImageFill1009x657)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
