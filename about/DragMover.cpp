#include "DragMover.h"

void DragMover::press(int x, int y, int left, int top) {
    dragX_ = x;
    dragY_ = y;
    dragLeft_ = left;
    dragTop_ = top;
    dragging_ = true;
}

std::optional<QPoint> DragMover::move(int x, int y) {
    if (!dragging_) return std::nullopt;
    const int dx = dragX_ - x;
    const int dy = dragY_ - y;
    if (dx == 0 && dy == 0) return std::nullopt;
    if (dx != 0) dragLeft_ -= dx;
    if (dy != 0) dragTop_ -= dy;
    return QPoint(dragLeft_, dragTop_);
}

void DragMover::settle(int left, int top) {
    dragLeft_ = left;
    dragTop_ = top;
}
