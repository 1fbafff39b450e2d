#include "app/Program.h"
#include "app/WorkingFolder.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovex"));
    kovex::QtDialogs dialogs;
    kovex::QtClock clock;
    kovex::QtUserLocale locale;
    kovex::QtPrinter printer;
    kovex::QtBusyCursor cursor;
    kovex::QtSettings settings;
    const kovex::WorkingFolder folder = kovex::enterWorkingFolder(
        dialogs,
        {QDir::currentPath(),
         kovex::userWorkingFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
         kovex::installedDataFolder(QApplication::applicationDirPath())});
    kovex::Program program({dialogs, clock, locale, printer, cursor, &settings});
    program.start(folder.referenceFolder);
    kovex::MainWindow window(program);
    window.setWindowTitle(kovex::captionWithFolder(window.windowTitle(), folder));
    window.show();
    return QApplication::exec();
}
