// The yardstick for the splash: a Qt window of the splash's size and kind with nothing
// in it, so the time to its map is what Qt itself needs to put a window up.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    window.setFixedSize(184, 86);
    window.show();
    return QApplication::exec();
}
