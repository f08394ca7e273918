#pragma once
// The symbols on the control panel and title icons, and the three board marks.
#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

class SkinSymbols {
public:
    // Control n (1..8): new game, abort, options, skin, sounds, music, records, help.
    static void control(QPainter& p, int n, const QRectF& box, const QColor& ink, bool lit);
    // Icon n (1..3): about, minimize, exit.
    static void icon(QPainter& p, int n, const QRectF& box, const QColor& ink);
    // Mark n (1..3): wrong (red cross), right (green tick), time over (clock); 32 x 32 with alpha.
    static QImage mark(int n);

private:
    static void options(QPainter& p, const QRectF& b, const QColor& ink);
    static void palette(QPainter& p, const QRectF& b, const QColor& ink);
    static void speaker(QPainter& p, const QRectF& b, const QColor& ink);
    static void notes(QPainter& p, const QRectF& b, const QColor& ink);
    static void trophy(QPainter& p, const QRectF& b, const QColor& ink);
};
