#include "CentreOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window, QSize outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // From the screen's own corner, which is not the desktop's on every multi-screen setup.
    const QRect area = screen->geometry();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}
