#include "WindowDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void WindowDrag::press(int x, int y) {
    if (!compositorMoves()) mover_.press(x, y, window_->x(), window_->y());
}

void WindowDrag::move(int x, int y) {
    const std::optional<QPoint> place = mover_.move(x, y);
    if (!place) return;
    window_->move(*place);
    // The window system may have put it elsewhere.
    mover_.settle(window_->x(), window_->y());
}

bool WindowDrag::compositorMoves() const {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           window_->windowHandle() && window_->windowHandle()->startSystemMove();
}
