// The yardstick of the start-up measurement: an empty Qt Widgets window of
// the size given on the command line, shown the way the program shows its
// main window. Given a third argument, the window shows it as one label: the
// same window once it has text to lay out, which loads the fonts.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    if (argc >= 3)
        window.setFixedSize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    if (argc >= 4)
        (new QVBoxLayout(&window))->addWidget(new QLabel(QString::fromLocal8Bit(argv[3])));
    window.show();
    return QApplication::exec();
}
