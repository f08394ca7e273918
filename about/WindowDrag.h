#pragma once
// Drags a borderless window by a press on its background. Under Wayland no client may
// place its own windows, so there the compositor is asked to run the drag; elsewhere
// the window follows the pointer step by step.
#include "DragMover.h"

class QWidget;

class WindowDrag {
public:
    explicit WindowDrag(QWidget* window) : window_(window) {}

    // (x, y): the pointer in window coordinates.
    void press(int x, int y);
    void move(int x, int y);
    void release() { mover_.release(); }

    bool dragging() const { return mover_.dragging(); }

private:
    bool compositorMoves() const;

    QWidget* window_;
    DragMover mover_;
};
