#pragma once
// Where the main window puts each skin picture (456 x 352 client area).
#include <QPoint>
#include <QRect>
#include <QSize>

class SkinLayout {
public:
    static constexpr QSize kWindow{456, 352};
    static constexpr QSize kButton{64, 64};
    static constexpr QSize kControl{64, 32};
    static constexpr QSize kIcon{32, 32};
    static constexpr QSize kMark{32, 32};

    // Board button n (1..9), laid out like a numeric keypad.
    static QRect button(int n) {
        const int col = (n - 1) % 3;
        const int row = 2 - (n - 1) / 3;
        return QRect(QPoint(32 + 80 * col, 64 + 80 * row), kButton);
    }
    // Control n (1..8), two columns of four.
    static QRect control(int n) {
        return QRect(QPoint(304 + 72 * ((n - 1) % 2), 184 + 40 * ((n - 1) / 2)), kControl);
    }
    // Title icon n (1..3): about on the left, minimize and exit on the right.
    static QRect icon(int n) {
        static constexpr int kLeft[] = {0, 392, 424};
        return QRect(QPoint(kLeft[n - 1], 0), kIcon);
    }
    // Information line n (1..5).
    static QRect infoLine(int n) { return QRect(304, 49 + 25 * (n - 1), 136, 16); }
};
