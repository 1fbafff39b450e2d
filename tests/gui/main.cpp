#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The widgets need an application; the offscreen platform needs no display.
// Its screen is one of 1600 x 1000 pixels, so that windows are bounded as on
// a real screen. The program opens its reference databases in the working
// directory, so the tests run where the build puts them.
int main(int argc, char* argv[]) {
    // A test of another screen names its configuration file.
    const QByteArray screen = qEnvironmentVariableIsSet("KOVEX_TEST_SCREEN_FILE")
                                  ? qgetenv("KOVEX_TEST_SCREEN_FILE")
                                  : QByteArray(KOVEX_TEST_SCREEN);
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen);
    QLocale::setDefault(QLocale::c());
    // The program's settings (its recent cases) never reach the user's own.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(KOVEX_DATA_DIR));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
