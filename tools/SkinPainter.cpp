#include "SkinPainter.h"

#include <cstdint>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "BoardLayout.h"
#include "SkinSymbols.h"
#include "StrokeFont.h"

namespace {

QImage canvas(QSize size, const QColor& fill) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

// A raised plate with a light upper-left and a dark lower-right edge.
// A flat plate lets the pictures placed on it blend in without seams.
void bevelPlate(QPainter& p, const QRectF& r, const QColor& face, const QColor& edge, double radius,
                bool flat = false) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(3, 4), radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, flat ? face : face.lighter(118));
    g.setColorAt(1, flat ? face : face.darker(112));
    p.setBrush(g);
    p.setPen(QPen(edge, 2));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), radius - 2, radius - 2);
}

}  // namespace

QImage SkinPainter::background() const {
    QImage img = canvas(BoardLayout::kWindow, theme_.windowBottom);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(p);
    paintTitleBar(p);
    paintBoard(p);
    paintInfoPanel(p);
    paintControlPanel(p);
    return img;
}

void SkinPainter::paintBackdrop(QPainter& p) const {
    QLinearGradient g(0, 0, 0, BoardLayout::kWindow.height());
    g.setColorAt(0, theme_.windowTop);
    g.setColorAt(1, theme_.windowBottom);
    p.fillRect(QRect(QPoint(0, 0), BoardLayout::kWindow), g);
    if (theme_.stars) {
        std::uint32_t s = 12345u;  // fixed seed: the same sky on every run
        for (int i = 0; i < 140; ++i) {
            s = s * 1103515245u + 12345u;
            const int x = static_cast<int>((s >> 8) % 456u);
            s = s * 1103515245u + 12345u;
            const int y = static_cast<int>((s >> 8) % 352u);
            const int a = 60 + static_cast<int>((s >> 20) % 180u);
            const double r = (s >> 4) % 7u == 0 ? 1.3 : 0.7;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 230, 255, a));
            p.drawEllipse(QPointF(x, y), r, r);
        }
        return;
    }
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 14 + 3 * i), 10 - i));
        p.drawEllipse(QPointF(460, 360), 90.0 + 48 * i, 90.0 + 48 * i);
    }
}

void SkinPainter::paintTitleBar(QPainter& p) const {
    p.fillRect(QRect(0, 0, 456, 32), theme_.titleBar);
    p.fillRect(QRect(0, 32, 456, 2), theme_.plateEdge);
    QLinearGradient g(0, 6, 0, 26);
    g.setColorAt(0, theme_.titleText.lighter(130));
    g.setColorAt(1, theme_.titleText.darker(115));
    StrokeFont::draw(p, QStringLiteral("Zelto 2000"), QRectF(40, 0, 344, 32), 16, 3.2, g,
                     QColor(0, 0, 0, 160), QColor(0, 0, 0, 120));
}

void SkinPainter::paintBoard(QPainter& p) const {
    bevelPlate(p, QRectF(18, 50, 252, 252), theme_.plate, theme_.plateEdge, 18);
    for (int n = 1; n <= 9; ++n) {
        const QRect r = BoardLayout::button(n);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRoundedRect(QRectF(r).adjusted(-4, -4, 4, 4), 14, 14);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRoundedRect(QRectF(r).adjusted(-3, -2, 5, 5), 14, 14);
        p.fillRect(r, theme_.well);  // the button's own corners use this colour
    }
}

void SkinPainter::paintInfoPanel(QPainter& p) const {
    const QRectF panel(296, 42, 152, 130);
    bevelPlate(p, panel.adjusted(-4, -4, 4, 4), theme_.plate, theme_.plateEdge, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(theme_.infoPanel);
    p.drawRoundedRect(panel, 8, 8);
    p.setPen(QPen(theme_.infoLine, 1));
    for (int n = 1; n < 5; ++n) {
        const int y = BoardLayout::infoLine(n).bottom() + 5;
        p.drawLine(QPointF(306, y + 0.5), QPointF(438, y + 0.5));
    }
}

void SkinPainter::paintControlPanel(QPainter& p) const {
    bevelPlate(p, QRectF(292, 176, 160, 168), theme_.plate, theme_.plateEdge, 14, true);
    for (int n = 1; n <= 8; ++n) p.fillRect(BoardLayout::control(n), theme_.plate);
}

QImage SkinPainter::boardButton(int n, bool down) const {
    QImage img = canvas(BoardLayout::kButton, theme_.well);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = theme_.buttons[static_cast<size_t>(n - 1)];
    if (theme_.roundButtons)
        paintRoundButton(p, c, down);
    else
        paintSquareButton(p, c, down);

    const QRectF face = QRectF(0, 0, 64, 64).translated(down ? 1 : 0, down ? 1 : 0);
    const QColor ink = down ? c.darker(260) : QColor(255, 255, 255);
    const QColor edge = down ? QColor(255, 255, 255, 200) : c.darker(230);
    StrokeFont::draw(p, QString::number(n), face, 26, 5.0, ink, edge,
                     QColor(0, 0, 0, down ? 0 : 90));
    return img;
}

void SkinPainter::paintSquareButton(QPainter& p, const QColor& c, bool down) const {
    if (down) {  // a halo in the socket around the lit key
        QRadialGradient halo(32, 32, 40);
        halo.setColorAt(0.6, c.lighter(170));
        halo.setColorAt(1.0, theme_.well);
        p.fillRect(QRect(0, 0, 64, 64), halo);
    }
    const QRectF body = down ? QRectF(4, 4, 57, 57) : QRectF(3, 3, 57, 57);
    const QColor lit = QColor::fromHsvF(c.hsvHueF(), c.hsvSaturationF() * 0.6, 1.0);
    const QColor base = down ? lit : c.darker(118);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(
        0, down ? QColor::fromHsvF(c.hsvHueF(), c.hsvSaturationF() * 0.3, 1.0) : base.lighter(140));
    g.setColorAt(1, base.darker(down ? 105 : 135));
    p.setPen(QPen(down ? QColor(255, 255, 240) : c.darker(220), down ? 2 : 1.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 12, 12);
    QLinearGradient gloss(0, body.top(), 0, body.top() + 26);
    gloss.setColorAt(0, QColor(255, 255, 255, down ? 150 : 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(body.adjusted(4, 3, -4, -28), 9, 9);
}

void SkinPainter::paintRoundButton(QPainter& p, const QColor& c, bool down) const {
    if (down) {
        QRadialGradient halo(32, 32, 32);
        halo.setColorAt(0.55, c);
        halo.setColorAt(1.0, QColor(theme_.well));
        p.setPen(Qt::NoPen);
        p.fillRect(QRect(0, 0, 64, 64), halo);
    }
    const QRectF body(6, 6, 52, 52);
    QRadialGradient g(body.center() + QPointF(-8, -10), 40);
    g.setColorAt(0, down ? QColor(255, 255, 255) : c.darker(150));
    g.setColorAt(down ? 0.45 : 0.5, down ? c.lighter(140) : c.darker(260));
    g.setColorAt(1, down ? c : c.darker(420));
    p.setPen(QPen(down ? c.lighter(160) : c.darker(140), 2.5));
    p.setBrush(g);
    p.drawEllipse(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, down ? 120 : 60));
    p.drawEllipse(QRectF(17, 10, 30, 14));
}

QImage SkinPainter::control(int n, bool down) const {
    QImage img = canvas(BoardLayout::kControl, theme_.plate);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(2, 2, 60, 28).translated(down ? 1 : 0, down ? 1 : 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 100));
    if (!down) p.drawRoundedRect(body.translated(1, 1.5), 10, 10);
    const QColor face = down ? theme_.controlFace.darker(125) : theme_.controlFace;
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, down ? face.darker(115) : face.lighter(125));
    g.setColorAt(1, down ? face.lighter(110) : face.darker(118));
    p.setPen(QPen(down ? theme_.controlLit : theme_.plateEdge, down ? 2 : 1.2));
    p.setBrush(g);
    p.drawRoundedRect(body, 10, 10);
    const QColor ink = down ? theme_.controlLit : theme_.controlSymbol;
    SkinSymbols::control(p, n, QRectF(body.center() - QPointF(12, 9), QSizeF(24, 18)), ink, down);
    return img;
}

QImage SkinPainter::icon(int n, bool down) const {
    QImage img = canvas(BoardLayout::kIcon, theme_.titleBar);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(3, 3, 26, 26).translated(down ? 1 : 0, down ? 1 : 0);
    const QColor face = n == 3 ? QColor(200, 56, 50) : theme_.controlFace;
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, down ? face.darker(130) : face.lighter(125));
    g.setColorAt(1, down ? face.darker(105) : face.darker(125));
    p.setPen(QPen(down ? theme_.controlLit : theme_.plateEdge, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 7, 7);
    const QColor ink =
        n == 3 ? QColor(255, 255, 255) : (down ? theme_.controlLit : theme_.controlSymbol);
    SkinSymbols::icon(p, n, body.adjusted(6, 6, -6, -6), ink);
    return img;
}
