#pragma once
// Moves a borderless window by its background: the grabbed point stays under the
// pointer. Positions are the window's left/top; press and move points are in window
// coordinates, so each move is measured against the point first pressed.
#include <optional>

#include <QPoint>

class WindowDrag {
public:
    void press(QPoint pointInWindow, QPoint windowTopLeft);
    // The window's new top-left, or nothing when no drag runs or nothing moved.
    std::optional<QPoint> move(QPoint pointInWindow);
    void release() { dragging_ = false; }
    bool dragging() const { return dragging_; }

private:
    bool dragging_ = false;
    int dragX_ = 0, dragY_ = 0;
    int dragLeft_ = 0, dragTop_ = 0;
};
