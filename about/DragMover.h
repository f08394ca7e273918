#pragma once
// Moves a borderless window by dragging its background. The press point is kept in
// window coordinates and never updated, so after each step the pointer is again at
// that point of the window and the window follows the pointer.
#include <optional>

#include <QPoint>

class DragMover {
public:
    // (x, y): the press point in window coordinates; (left, top): the window's place.
    void press(int x, int y, int left, int top);
    // The window's new left and top for the pointer at (x, y) in window coordinates;
    // nothing when no drag runs or the pointer has not left the press point.
    std::optional<QPoint> move(int x, int y);
    // Where the window really went, when the window system placed it elsewhere.
    void settle(int left, int top);
    void release() { dragging_ = false; }

    bool dragging() const { return dragging_; }

private:
    bool dragging_ = false;
    int dragX_ = 0;
    int dragY_ = 0;
    int dragLeft_ = 0;
    int dragTop_ = 0;
};
