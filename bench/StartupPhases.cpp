// kovex-startup-phases: the program's entry as src/gui/main.cpp runs it, with
// the time at which each step ends, for bench/startup.sh to show where the
// start-up time goes. A diagnostic copy of the entry, not the program: given
// the moment of its launch (seconds since the epoch, as bash's EPOCHREALTIME
// gives it) it counts from there, and it quits once its window is shown.
#include "app/Program.h"
#include "app/WorkingFolder.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double secondsSinceEpoch() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double g_launched = 0;

void step(const char* name) {
    std::printf("%s %.2f\n", name, (secondsSinceEpoch() - g_launched) * 1e3);
}

} // namespace

int main(int argc, char* argv[]) {
    g_launched = argc > 1 ? std::strtod(argv[1], nullptr) : secondsSinceEpoch();
    step("main-entered");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovex"));
    step("QApplication-made");
    kovex::QtDialogs dialogs;
    kovex::QtClock clock;
    kovex::QtUserLocale locale;
    kovex::QtPrinter printer;
    kovex::QtBusyCursor cursor;
    const kovex::WorkingFolder folder = kovex::enterWorkingFolder(
        dialogs,
        {QDir::currentPath(),
         kovex::userWorkingFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
         kovex::installedDataFolder(QApplication::applicationDirPath())});
    kovex::Program program({dialogs, clock, locale, printer, cursor});
    program.start(folder.referenceFolder);
    step("databases-read");
    kovex::MainWindow window(program);
    window.setWindowTitle(kovex::captionWithFolder(window.windowTitle(), folder));
    step("window-built");
    window.show();
    step("window-shown");
    QTimer::singleShot(0, [] { QApplication::quit(); });
    return QApplication::exec();
}
