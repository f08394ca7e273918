#include "StrokeFont.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QStringList>

namespace {

constexpr double kUnits = 10.0;  // cap height in glyph units
constexpr double kSpacing = 1.4;

struct Glyph {
    double advance;
    const char* path;  // M/L/C commands and E (ellipse: cx cy rx ry), in glyph units
};

const QHash<QChar, Glyph>& glyphs() {
    static const QHash<QChar, Glyph> table = {
        {QChar('0'), {6.0, "E 3 5 2.6 5"}},
        {QChar('1'), {6.0, "M 1.4 2.2 L 3.6 0 L 3.6 10 M 1.4 10 L 5.6 10"}},
        {QChar('2'), {6.0, "M 0.8 2.5 C 0.8 -0.6 5.2 -0.6 5.2 2.6 C 5.2 5 0.8 7 0.8 10 L 5.4 10"}},
        {QChar('3'),
         {6.0,
          "M 0.8 1.4 C 2 -0.4 5.2 -0.2 5.2 2.5 C 5.2 4.4 3.6 4.8 2.4 4.8 C 3.8 4.8 5.4 5.4 5.4 7.3 "
          "C 5.4 10.6 1.6 10.7 0.6 8.6"}},
        {QChar('4'), {6.0, "M 4.2 10 L 4.2 0 L 0.4 7 L 5.8 7"}},
        {QChar('5'),
         {6.0, "M 5.2 0 L 1.2 0 L 0.9 4.6 C 2 3.6 5.4 3.4 5.4 6.9 C 5.4 10.6 1.4 10.7 0.6 8.8"}},
        {QChar('6'),
         {6.0,
          "M 4.9 0.7 C 1.4 -0.6 0.6 3.6 0.6 6.6 C 0.6 9.2 1.8 10 3 10 C 4.4 10 5.4 9 5.4 7.2 "
          "C 5.4 5.2 4.2 4.4 3 4.4 C 1.8 4.4 0.8 5.2 0.6 6.6"}},
        {QChar('7'), {6.0, "M 0.6 0 L 5.4 0 L 2.2 10"}},
        {QChar('8'), {6.0, "E 3 2.5 2.2 2.5 E 3 7.35 2.6 2.65"}},
        {QChar('9'),
         {6.0,
          "M 1.1 9.3 C 4.6 10.6 5.4 6.4 5.4 3.4 C 5.4 0.8 4.2 0 3 0 C 1.6 0 0.6 1 0.6 2.8 "
          "C 0.6 4.8 1.8 5.6 3 5.6 C 4.2 5.6 5.2 4.8 5.4 3.4"}},
        {QChar('Z'), {6.0, "M 0.6 0 L 5.4 0 L 0.6 10 L 5.4 10"}},
        {QChar('O'), {7.0, "E 3.5 5 3 5"}},
        {QChar('e'),
         {6.0,
          "M 0.8 7.1 L 5.2 7.1 C 5.2 5 4.2 4 3 4 C 1.6 4 0.7 5.3 0.7 7.1 C 0.7 9 1.8 10 3.1 10 "
          "C 4 10 4.7 9.6 5.1 9"}},
        {QChar('l'), {3.4, "M 1.4 0 L 1.4 8.6 C 1.4 9.6 2 10 2.9 10"}},
        {QChar('t'), {4.2, "M 1.8 1.4 L 1.8 8.6 C 1.8 9.6 2.4 10 3.8 10 M 0.3 4.2 L 3.8 4.2"}},
        {QChar('o'), {6.0, "E 3 7 2.4 3"}},
        {QChar('k'), {5.6, "M 0.8 0 L 0.8 10 M 4.8 4.2 L 0.8 7.6 M 2.3 6.3 L 5 10"}},
        {QChar('i'), {2.4, "M 1.2 4.2 L 1.2 10 M 1.2 1.5 L 1.2 1.55"}},
        {QChar('?'),
         {6.0, "M 0.8 2.4 C 0.8 -0.6 5.2 -0.6 5.2 2.4 C 5.2 4.4 3 4.6 3 6.8 M 3 9.6 L 3 9.65"}},
        {QChar('-'), {4.0, "M 0.6 6 L 3.4 6"}},
        {QChar(' '), {3.0, ""}},
    };
    return table;
}

void appendGlyph(QPainterPath& out, const char* strokes, double dx, double scale) {
    const QStringList t = QString::fromLatin1(strokes).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto pt = [&](qsizetype i) {
        return QPointF(dx + t[i].toDouble() * scale, t[i + 1].toDouble() * scale);
    };
    for (qsizetype i = 0; i < t.size();) {
        const QString& cmd = t[i];
        if (cmd == QLatin1String("M")) {
            out.moveTo(pt(i + 1));
            i += 3;
        } else if (cmd == QLatin1String("L")) {
            out.lineTo(pt(i + 1));
            i += 3;
        } else if (cmd == QLatin1String("C")) {
            out.cubicTo(pt(i + 1), pt(i + 3), pt(i + 5));
            i += 7;
        } else {  // E
            const QPointF c = pt(i + 1);
            const double rx = t[i + 3].toDouble() * scale, ry = t[i + 4].toDouble() * scale;
            out.addEllipse(c, rx, ry);
            i += 5;
        }
    }
}

}  // namespace

bool StrokeFont::hasGlyph(QChar c) {
    return glyphs().contains(c);
}

double StrokeFont::width(const QString& text, double capHeight) {
    const double scale = capHeight / kUnits;
    double w = 0.0;
    for (QChar c : text) w += glyphs().value(c, glyphs().value(QChar(' '))).advance + kSpacing;
    return text.isEmpty() ? 0.0 : (w - kSpacing) * scale;
}

QPainterPath StrokeFont::centreLines(const QString& text, double capHeight) {
    const double scale = capHeight / kUnits;
    QPainterPath out;
    double x = 0.0;
    for (QChar c : text) {
        const Glyph g = glyphs().value(c, glyphs().value(QChar(' ')));
        appendGlyph(out, g.path, x * scale, scale);
        x += g.advance + kSpacing;
    }
    return out;
}

QPainterPath StrokeFont::outline(const QString& text, double capHeight, double weight) {
    QPainterPathStroker stroker;
    stroker.setWidth(weight);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLines(text, capHeight)).simplified();
}

void StrokeFont::draw(QPainter& p, const QString& text, const QRectF& box, double capHeight,
                      double weight, const QBrush& fill, const QColor& edge, const QColor& shadow) {
    const QPointF origin(box.center().x() - width(text, capHeight) / 2.0,
                         box.center().y() - capHeight / 2.0);
    const QPainterPath shape = outline(text, capHeight, weight).translated(origin);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (shadow.alpha() > 0) p.fillPath(shape.translated(weight * 0.35, weight * 0.45), shadow);
    if (edge.alpha() > 0) p.strokePath(shape, QPen(edge, std::max(1.0, weight * 0.35)));
    p.fillPath(shape, fill);
    p.restore();
}
