// kovex-bench: times every user action and the floor it is held against, in
// one run, and ends with each action's ratio to its floor and its targets.
#include "StationCase.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr double kFrameSeconds = 1.0 / 60;

struct Target {
    const char* action;
    const char* floor;      // empty: no floor of its own
    double limitSeconds;    // the action's own limit
    double limitFloorRatio; // 0: no limit as a ratio to the floor
};

// The field computation must stay far within a frame; the save within three
// times the copy it cannot do without; everything else within one frame.
constexpr Target kTargets[]{
    {"actionStartUp", "", kFrameSeconds, 0},
    {"actionFieldResults12Points", "floorFieldFormula12Points", 50e-6, 0},
    {"actionCase12Antennas", "floorFieldFormula144Points", kFrameSeconds, 0},
    {"actionTabSheet5Enter", "", kFrameSeconds, 0},
    {"actionTpaiWriteRead", "floorTpaiBytesFsyncWriteRead", kFrameSeconds, 0},
    {"actionShowDiagram", "floorImageFill1009x657", kFrameSeconds, 0},
    {"actionSaveAccess1Antenna", "floorTemplateCopyFsync", kFrameSeconds, 3},
    {"actionSaveAccess12Antennas", "floorTemplateCopyFsync", kFrameSeconds, 3},
    {"actionExportDossier12Antennas", "", 1.0, 0},
};

// The console output as usual, and the wall time of every benchmark kept:
// the median when the run repeats, the single run otherwise.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            const std::string name = run.run_name.function_name;
            if (median || m_medians.count(name) == 0)
                m_seconds[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (median)
                m_medians[name] = true;
        }
    }

    // One line per action: its time, its floor, the ratio, its limits, and
    // whether it met them.
    int printRatios() const {
        std::printf("\n%-28s %11s  %-30s %11s %8s %8s  %s\n", "action", "time", "floor", "floor time",
                    "ratio", "frames", "target");
        int missed = 0;
        for (const Target& target : kTargets) {
            const auto action = m_seconds.find(target.action);
            if (action == m_seconds.end()) {
                std::printf("%-28s %11s\n", target.action, "NOT MEASURED");
                ++missed;
                continue;
            }
            const double seconds = action->second;
            const auto floor = m_seconds.find(target.floor);
            const bool hasFloor = floor != m_seconds.end();
            bool met = seconds <= target.limitSeconds;
            std::string limit = "<= " + shown(target.limitSeconds);
            if (target.limitFloorRatio > 0) {
                met = met && hasFloor && seconds <= target.limitFloorRatio * floor->second;
                limit += " and <= " + std::to_string(static_cast<int>(target.limitFloorRatio)) + " x floor";
            }
            missed += met ? 0 : 1;
            std::printf("%-28s %11s  %-30s %11s %8s %8.3f  %s %s\n", target.action, shown(seconds).c_str(),
                        target.floor, hasFloor ? shown(floor->second).c_str() : "-",
                        hasFloor ? ratio(seconds / floor->second).c_str() : "-", seconds / kFrameSeconds,
                        limit.c_str(), met ? "met" : "MISSED");
        }
        std::printf("%d target(s) missed or not measured\n", missed);
        return missed;
    }

  private:
    static std::string shown(double seconds) {
        char text[32];
        if (seconds >= 1e-3)
            std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
        else if (seconds >= 1e-6)
            std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
        else
            std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
        return text;
    }

    static std::string ratio(double value) {
        char text[32];
        std::snprintf(text, sizeof text, value >= 100 ? "%.0fx" : "%.2fx", value);
        return text;
    }

    std::map<std::string, double> m_seconds;
    std::map<std::string, bool> m_medians;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The picture is painted without a display, as the scenarios paint it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // A working folder on the disk the user's files would be on, seeded as
    // the run command seeds one.
    QTemporaryDir work(QDir::temp().filePath("kovex-bench-XXXXXX"));
    kovex::bench::enterSeededWorkingFolder(QString::fromUtf8(KOVEX_DATA_DIR), work.path());
    // Kept on request, so that the files a benchmark saved can be compared
    // byte for byte before and after a change.
    if (qEnvironmentVariableIsSet("KOVEX_BENCH_KEEP_FOLDER")) {
        work.setAutoRemove(false);
        std::fprintf(stderr, "working folder kept: %s\n", qPrintable(work.path()));
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    QDir::setCurrent(QDir::rootPath());
    return reporter.printRatios() == 0 ? 0 : 2;
}
