#include "PlainSkin.h"

#include <QPainter>

namespace PlainSkin {
namespace {

QImage filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// A raised or sunk tile with a caption, readable without colour.
QImage tile(int w, int h, QColor colour, Picture picture, const QString& caption) {
    QImage image = filled(w, h, picture == Picture::Down ? colour.lighter(160) : colour);
    QPainter p(&image);
    p.setPen(picture == Picture::Down ? Qt::black : Qt::white);
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(picture == Picture::Down ? Qt::white : Qt::black);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.drawLine(0, h - 1, w - 1, h - 1);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(h / 2);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, caption);
    return image;
}

}  // namespace

QImage background() {
    return filled(456, 352, QColor(192, 192, 192));
}

QImage button(int n, Picture picture) {
    return tile(64, 64, QColor::fromHsv((n - 1) * 40, 120, 200), picture, QString::number(n));
}

QImage control(int n, Picture picture) {
    static const char* const captions[] = {"New",   "Stop",  "Rules", "Skin",
                                           "Sound", "Music", "Top",   "Help"};
    return tile(64, 32, QColor(160, 160, 176), picture, QString::fromLatin1(captions[n - 1]));
}

QImage icon(int n, Picture picture) {
    static const char* const captions[] = {"?", "_", "X"};
    return tile(32, 32, QColor(160, 160, 176), picture, QString::fromLatin1(captions[n - 1]));
}

QImage mark(MarkKind kind) {
    const QColor colour = kind == MarkKind::No    ? QColor(220, 0, 0)
                          : kind == MarkKind::Yes ? QColor(0, 160, 0)
                                                  : QColor(230, 160, 0);
    QImage image = filled(32, 32, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(4, 4, 24, 24);
    return image;
}

SkinPictures pictures() {
    SkinPictures out;
    out.Background = background();
    for (int n = 1; n <= 9; ++n)
        out.Buttons[n - 1] = {button(n, Picture::Up), button(n, Picture::Down)};
    for (int n = 1; n <= 8; ++n)
        out.Controls[n - 1] = {control(n, Picture::Up), control(n, Picture::Down)};
    for (int n = 1; n <= 3; ++n) out.Icons[n - 1] = {icon(n, Picture::Up), icon(n, Picture::Down)};
    out.IconNo = mark(MarkKind::No);
    out.IconYes = mark(MarkKind::Yes);
    out.IconTime = mark(MarkKind::Time);
    out.Labels = LabelStyle{};
    out.loaded = 45;
    return out;
}

}  // namespace PlainSkin
