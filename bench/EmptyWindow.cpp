// The yardstick of the start-up measurement: an empty Qt Widgets window of
// the size given on the command line, shown the way the program shows its
// main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    if (argc == 3)
        window.setFixedSize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    window.show();
    return QApplication::exec();
}
