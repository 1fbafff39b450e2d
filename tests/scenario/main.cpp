// kovex-scenario: runs scenario files against the program's model and
// reports each as PASS or FAIL.
#include "ScenarioRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

// The shipped databases: beside the tool when installed, else the build tree.
QString findDataFolder() {
    QString besideTool = QDir(QCoreApplication::applicationDirPath()).filePath("data");
    if (QFileInfo::exists(QDir(besideTool).filePath("ant.mdb")))
        return besideTool;
    return QString::fromUtf8(KOVEX_DATA_DIR);
}

void print(const QString& line) {
    const QByteArray bytes = (line + '\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dataFolder = findDataFolder();
    int passed = 0;
    int failed = 0;
    for (const QString& argument : app.arguments().mid(1)) {
        const QString path = QFileInfo(argument).absoluteFilePath();
        const kovex::scenario::Outcome outcome = kovex::scenario::runScenarioFile(path, dataFolder);
        ++(outcome.passed ? passed : failed);
        print(kovex::scenario::reportLine(argument, outcome));
    }
    print(QString("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? 0 : 1;
}
