#pragma once
// Where the main window puts each skin picture in its 456 x 352 client area: the one
// layout the window, the skin dialog's quarter-size preview and the data tool share.
#include <QPoint>
#include <QRect>
#include <QSize>

class BoardLayout {
public:
    static constexpr QSize kWindow{456, 352};
    static constexpr QSize kButton{64, 64};
    static constexpr QSize kControl{64, 32};
    static constexpr QSize kIcon{32, 32};
    static constexpr QSize kMark{32, 32};

    // Board button n (1..9), laid out like a numeric keypad: 7 8 9 on top.
    static constexpr QRect button(int n) {
        const int col = (n - 1) % 3;
        const int row = 2 - (n - 1) / 3;
        return QRect(QPoint(32 + 80 * col, 64 + 80 * row), kButton);
    }
    // The mark on board button n, centred on it.
    static constexpr QRect mark(int n) {
        return QRect(button(n).topLeft() + QPoint(16, 16), kMark);
    }
    // Control n (1..8), two columns of four.
    static constexpr QRect control(int n) {
        return QRect(QPoint(304 + 72 * ((n - 1) % 2), 184 + 40 * ((n - 1) / 2)), kControl);
    }
    // Title icon n (1..3): about on the left, minimize and exit on the right.
    static constexpr QRect icon(int n) {
        constexpr int kLeft[] = {0, 392, 424};
        return QRect(QPoint(kLeft[n - 1], 0), kIcon);
    }
    // Information line n (1..5).
    static constexpr QRect infoLine(int n) { return QRect(304, 49 + 25 * (n - 1), 136, 16); }

    // `r` at a quarter of its size, placed as in a preview whose top left is `origin`.
    static constexpr QRect quarter(const QRect& r, QPoint origin) {
        return QRect(origin.x() + r.left() / 4, origin.y() + r.top() / 4, r.width() / 4,
                     r.height() / 4);
    }
};
