#include "SkinSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>

#include "StrokeFont.h"

namespace {

QPen round(const QColor& c, double w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A bold stroke with a light rim, legible on any board colour.
void outlinedStroke(QPainter& p, const QPainterPath& path, const QColor& ink, double weight) {
    p.strokePath(path, round(QColor(255, 255, 255), weight + 4));
    p.strokePath(path, round(ink.darker(170), weight + 1.6));
    p.strokePath(path, round(ink, weight));
}

}  // namespace

void SkinSymbols::control(QPainter& p, int n, const QRectF& b, const QColor& ink, bool lit) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPointF c = b.center();
    switch (n) {
        case 1: {
            const QPolygonF tri({c + QPointF(-6, -8), c + QPointF(8, 0), c + QPointF(-6, 8)});
            p.setPen(round(ink, 2));
            p.drawPolygon(tri);
            break;
        }
        case 2:
            p.drawRoundedRect(QRectF(c - QPointF(7, 7), QSizeF(14, 14)), 2, 2);
            break;
        case 3:
            options(p, b, ink);
            break;
        case 4:
            palette(p, b, ink);
            break;
        case 5:
            speaker(p, b, ink);
            break;
        case 6:
            notes(p, b, ink);
            break;
        case 7:
            trophy(p, b, ink);
            break;
        default:
            StrokeFont::draw(p, QStringLiteral("?"), b, 15, 2.8, ink);
            break;
    }
    if (lit) {  // a faint glow behind the symbol reads as "lit"
        QRadialGradient glow(c, 14);
        glow.setColorAt(0, QColor(ink.red(), ink.green(), ink.blue(), 60));
        glow.setColorAt(1, QColor(ink.red(), ink.green(), ink.blue(), 0));
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        p.fillRect(b.adjusted(-6, -4, 6, 4), glow);
    }
    p.restore();
}

void SkinSymbols::options(QPainter& p, const QRectF& b, const QColor& ink) {
    const double knobs[] = {0.3, 0.7, 0.45};
    for (int i = 0; i < 3; ++i) {
        const double y = b.top() + 3 + i * 6;
        p.setPen(round(ink, 1.6));
        p.drawLine(QPointF(b.left() + 2, y), QPointF(b.right() - 2, y));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(b.left() + 2 + knobs[i] * (b.width() - 4), y), 2.8, 2.8);
    }
}

void SkinSymbols::palette(QPainter& p, const QRectF& b, const QColor& ink) {
    QPainterPath body;
    body.addEllipse(b.adjusted(1, 0, -1, 0));
    QPainterPath hole;
    hole.addEllipse(QPointF(b.left() + 15, b.bottom() - 5), 3, 3);
    p.setPen(round(ink.darker(150), 1));
    p.setBrush(ink);
    p.drawPath(body.subtracted(hole));
    const QColor dots[] = {QColor(230, 50, 50), QColor(250, 200, 30), QColor(50, 170, 70),
                           QColor(50, 120, 230)};
    const QPointF at[] = {{6, 5}, {12, 3.5}, {18, 5.5}, {7, 11}};
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(b.topLeft() + at[i], 2.4, 2.4);
    }
}

void SkinSymbols::speaker(QPainter& p, const QRectF& b, const QColor& ink) {
    const double cy = b.center().y();
    const double x = b.left() + 2;
    const QPolygonF cone({{x, cy - 3},
                          {x + 4, cy - 3},
                          {x + 10, cy - 8},
                          {x + 10, cy + 8},
                          {x + 4, cy + 3},
                          {x, cy + 3}});
    p.setPen(round(ink, 1));
    p.drawPolygon(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(round(ink, 1.8));
    for (int i = 0; i < 2; ++i) {
        const double r = 4.0 + 4.5 * i;
        p.drawArc(QRectF(x + 10 - r, cy - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

void SkinSymbols::notes(QPainter& p, const QRectF& b, const QColor& ink) {
    const QPointF h1(b.left() + 7, b.bottom() - 3), h2(b.left() + 17, b.bottom() - 5);
    p.setPen(Qt::NoPen);
    p.save();
    for (const QPointF& h : {h1, h2}) {
        p.save();
        p.translate(h);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 3.6, 2.6);
        p.restore();
    }
    p.restore();
    p.setPen(round(ink, 1.6));
    p.drawLine(h1 + QPointF(3.2, -1), QPointF(h1.x() + 3.2, b.top() + 3));
    p.drawLine(h2 + QPointF(3.2, -1), QPointF(h2.x() + 3.2, b.top() + 1));
    p.setPen(round(ink, 3.2));
    p.drawLine(QPointF(h1.x() + 3.2, b.top() + 3), QPointF(h2.x() + 3.2, b.top() + 1));
}

void SkinSymbols::trophy(QPainter& p, const QRectF& b, const QColor& ink) {
    const double cx = b.center().x();
    QPainterPath cup;
    cup.moveTo(cx - 7, b.top());
    cup.lineTo(cx + 7, b.top());
    cup.cubicTo(cx + 7, b.top() + 9, cx + 3, b.top() + 11, cx, b.top() + 11);
    cup.cubicTo(cx - 3, b.top() + 11, cx - 7, b.top() + 9, cx - 7, b.top());
    p.setPen(round(ink, 1));
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(round(ink, 1.6));
    p.drawArc(QRectF(cx - 11, b.top() + 1, 7, 6), 90 * 16, 180 * 16);
    p.drawArc(QRectF(cx + 4, b.top() + 1, 7, 6), -90 * 16, 180 * 16);
    p.drawLine(QPointF(cx, b.top() + 11), QPointF(cx, b.bottom() - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(cx - 6, b.bottom() - 3.5, 12, 3.5), 1, 1);
}

void SkinSymbols::icon(QPainter& p, int n, const QRectF& b, const QColor& ink) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (n == 1) {
        StrokeFont::draw(p, QStringLiteral("i"), b, 13, 2.8, ink);
    } else if (n == 2) {
        p.setPen(round(ink, 3));
        p.drawLine(QPointF(b.left() + 1, b.bottom() - 2), QPointF(b.right() - 1, b.bottom() - 2));
    } else {
        p.setPen(round(ink, 3));
        p.drawLine(b.topLeft() + QPointF(1.5, 1.5), b.bottomRight() - QPointF(1.5, 1.5));
        p.drawLine(b.topRight() + QPointF(-1.5, 1.5), b.bottomLeft() + QPointF(1.5, -1.5));
    }
    p.restore();
}

QImage SkinSymbols::mark(int n) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (n == 1) {
        QPainterPath cross;
        cross.moveTo(8, 8);
        cross.lineTo(24, 24);
        cross.moveTo(24, 8);
        cross.lineTo(8, 24);
        outlinedStroke(p, cross, QColor(225, 30, 30), 5.5);
    } else if (n == 2) {
        QPainterPath tick;
        tick.moveTo(6.5, 17);
        tick.lineTo(13, 24);
        tick.lineTo(26, 8);
        outlinedStroke(p, tick, QColor(40, 185, 60), 5.5);
    } else {
        QRadialGradient face(QPointF(13, 12), 16);
        face.setColorAt(0, QColor(255, 255, 255));
        face.setColorAt(1, QColor(255, 236, 200));
        p.setPen(QPen(QColor(230, 120, 20), 3));
        p.setBrush(face);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(QPen(QColor(120, 60, 10, 200), 1.2));
        for (int h = 0; h < 12; h += 3) {
            p.save();
            p.translate(16, 16);
            p.rotate(30 * h);
            p.drawLine(QPointF(0, -10.5), QPointF(0, -8.5));
            p.restore();
        }
        p.setPen(round(QColor(40, 30, 20), 2.2));
        p.drawLine(QPointF(16, 16), QPointF(16, 7.5));
        p.drawLine(QPointF(16, 16), QPointF(22, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 40, 30));
        p.drawEllipse(QPointF(16, 16), 2, 2);
    }
    return img;
}
