#pragma once
// A tiny vector font drawn as strokes, so the pictures need no installed font.
#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

class StrokeFont {
public:
    // Centre lines of `text`, cap height `capHeight`, top-left at the origin.
    static QPainterPath centreLines(const QString& text, double capHeight);
    // The filled outline of the text drawn with a pen of `weight` (in pixels).
    static QPainterPath outline(const QString& text, double capHeight, double weight);
    static double width(const QString& text, double capHeight);
    static bool hasGlyph(QChar c);

    // Draws the text centred in `box`, filled with `fill`, with an optional edge and drop shadow.
    static void draw(QPainter& p, const QString& text, const QRectF& box, double capHeight,
                     double weight, const QBrush& fill, const QColor& edge = Qt::transparent,
                     const QColor& shadow = Qt::transparent);
};
