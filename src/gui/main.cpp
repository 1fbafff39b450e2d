#include "app/Program.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovex"));
    kovex::QtDialogs dialogs;
    kovex::QtClock clock;
    kovex::QtUserLocale locale;
    kovex::Program program({dialogs, clock, locale});
    program.start();
    kovex::MainWindow window(program);
    window.show();
    return QApplication::exec();
}
