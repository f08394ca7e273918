// Dragging a borderless window by its background.
#include <gtest/gtest.h>

#include "DragMover.h"

TEST(DragMover, NoMoveWithoutPress) {
    DragMover drag;
    EXPECT_FALSE(drag.dragging());
    EXPECT_FALSE(drag.move(50, 60).has_value());
}

TEST(DragMover, WindowFollowsThePointer) {
    DragMover drag;
    drag.press(10, 20, 100, 200);
    EXPECT_TRUE(drag.dragging());
    // Pointer 5 right, 3 down of the press point, in window coordinates.
    EXPECT_EQ(drag.move(15, 23), QPoint(105, 203));
    // The window moved under the pointer: the same point is again (10, 20).
    EXPECT_FALSE(drag.move(10, 20).has_value());
    EXPECT_EQ(drag.move(8, 20), QPoint(103, 203));
}

TEST(DragMover, OnlyTheChangedAxisMoves) {
    DragMover drag;
    drag.press(0, 0, 40, 50);
    EXPECT_EQ(drag.move(0, -7), QPoint(40, 43));
    EXPECT_EQ(drag.move(4, 0), QPoint(44, 43));
}

TEST(DragMover, ReleaseEndsTheDrag) {
    DragMover drag;
    drag.press(1, 1, 0, 0);
    drag.release();
    EXPECT_FALSE(drag.dragging());
    EXPECT_FALSE(drag.move(30, 30).has_value());
}

TEST(DragMover, SettleTakesWhereTheWindowReallyWent) {
    DragMover drag;
    drag.press(10, 10, 0, 0);
    EXPECT_EQ(drag.move(20, 10), QPoint(10, 0));
    drag.settle(5, 0);  // the window system kept it 5 pixels further left
    EXPECT_EQ(drag.move(15, 10), QPoint(10, 0));
}

TEST(DragMover, NewPressStartsFromTheNewPlace) {
    DragMover drag;
    drag.press(10, 10, 0, 0);
    drag.move(30, 30);
    drag.release();
    drag.press(5, 5, 20, 20);
    EXPECT_EQ(drag.move(6, 5), QPoint(21, 20));
}
