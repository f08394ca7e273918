#include "WindowDrag.h"

void WindowDrag::press(QPoint pointInWindow, QPoint windowTopLeft) {
    dragX_ = pointInWindow.x();
    dragY_ = pointInWindow.y();
    dragLeft_ = windowTopLeft.x();
    dragTop_ = windowTopLeft.y();
    dragging_ = true;
}

std::optional<QPoint> WindowDrag::move(QPoint pointInWindow) {
    if (!dragging_) return std::nullopt;
    const int dx = dragX_ - pointInWindow.x();
    const int dy = dragY_ - pointInWindow.y();
    if (dx == 0 && dy == 0) return std::nullopt;
    if (dx != 0) dragLeft_ -= dx;
    if (dy != 0) dragTop_ -= dy;
    return QPoint(dragLeft_, dragTop_);
}
