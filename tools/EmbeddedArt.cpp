#include "EmbeddedArt.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "FileSink.h"
#include "SkinTheme.h"
#include "SoundDesign.h"
#include "StrokeFont.h"
#include "UWave.h"
#include "WavWriter.h"

const QColor EmbeddedArt::kAboutPanel(246, 242, 228);

namespace {

constexpr int kJpegQuality = 94;

void nightSky(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(40, 70, 140));
    g.setColorAt(1, QColor(14, 22, 52));
    p.fillRect(r, g);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 16 + 4 * i), 6 - i));
        p.drawEllipse(QPointF(r.right(), r.bottom()), 60.0 + 40 * i, 60.0 + 40 * i);
    }
}

QLinearGradient gold(double top, double height) {
    QLinearGradient g(0, top, 0, top + height);
    g.setColorAt(0, QColor(255, 240, 160));
    g.setColorAt(0.55, QColor(255, 196, 60));
    g.setColorAt(1, QColor(220, 130, 20));
    return g;
}

}  // namespace

void EmbeddedArt::miniBoard(QPainter& p, const QRectF& box, int litCell) {
    const auto colours = SkinTheme::classic().buttons;
    const double gap = box.width() * 0.08;
    const double cell = (box.width() - 2 * gap) / 3.0;
    const double radius = cell * 0.22;
    p.setPen(Qt::NoPen);
    for (int n = 1; n <= 9; ++n) {
        const int col = (n - 1) % 3, row = 2 - (n - 1) / 3;
        const QRectF r(box.left() + col * (cell + gap), box.top() + row * (cell + gap), cell, cell);
        const QColor c = colours[static_cast<size_t>(n - 1)];
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        const bool lit = n == litCell;
        g.setColorAt(0, lit ? QColor(255, 255, 235) : c.lighter(125));
        g.setColorAt(1, lit ? c.lighter(150) : c.darker(130));
        p.setBrush(g);
        p.drawRoundedRect(r, radius, radius);
    }
}

QImage EmbeddedArt::logo() {
    QImage img(184, 86, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    nightSky(p, img.rect());
    p.setPen(QPen(QColor(255, 220, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 182, 84), 8, 8);
    miniBoard(p, QRectF(12, 15, 56, 56), 5);
    StrokeFont::draw(p, QStringLiteral("Zelto"), QRectF(76, 8, 100, 34), 22, 4.2, gold(19, 22),
                     QColor(60, 30, 0), QColor(0, 0, 0, 140));
    StrokeFont::draw(p, QStringLiteral("2000"), QRectF(76, 44, 100, 34), 22, 4.2, gold(55, 22),
                     QColor(60, 30, 0), QColor(0, 0, 0, 140));
    return img;
}

QImage EmbeddedArt::aboutBackground() {
    QImage img(362, 202, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    nightSky(p, img.rect());
    miniBoard(p, QRectF(22, 14, 64, 64), 9);
    StrokeFont::draw(p, QStringLiteral("Zelto 2000"), QRectF(96, 14, 256, 64), 30, 5.2,
                     gold(31, 30), QColor(60, 30, 0), QColor(0, 0, 0, 150));
    // The credit text and the close button sit on this panel.
    p.setPen(QPen(QColor(255, 220, 120), 2));
    p.setBrush(kAboutPanel);
    p.drawRoundedRect(QRectF(8, 90, 346, 104), 10, 10);
    p.setPen(QPen(QColor(255, 220, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 360, 200), 10, 10);
    return img;
}

QImage EmbeddedArt::aboutButton(bool down) {
    QImage img(89, 25, QImage::Format_RGB32);
    img.fill(kAboutPanel);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(1.5, 1.5, 85, 21).translated(down ? 1 : 0, down ? 1 : 0);
    if (!down) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(body.translated(1, 1.5), 10, 10);
    }
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, down ? QColor(30, 60, 130) : QColor(90, 140, 220));
    g.setColorAt(1, down ? QColor(50, 90, 170) : QColor(30, 62, 140));
    p.setPen(QPen(down ? QColor(255, 200, 70) : QColor(20, 36, 80), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 10, 10);
    StrokeFont::draw(p, QStringLiteral("Ok"), body, 11, 2.2,
                     down ? QColor(255, 220, 120) : QColor(255, 255, 255));
    return img;
}

QImage EmbeddedArt::appIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QRectF plate(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0, QColor(52, 76, 130));
    g.setColorAt(1, QColor(18, 28, 60));
    p.setPen(size >= 32 ? QPen(QColor(150, 176, 214), s / 48.0) : Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(plate, s * 0.18, s * 0.18);
    miniBoard(p, plate.adjusted(s * 0.1, s * 0.1, -s * 0.1, -s * 0.1), 5);
    return img;
}

QByteArray EmbeddedArt::logoWave() {
    const QByteArray riff =
        WavWriter::pcm16Mono(SoundDesign::logoJingle(), SoundDesign::kSampleRate);
    TWaveData wave;
    wave.SetData(static_cast<qint32>(riff.size()), riff.constData());
    QBuffer stored;
    stored.open(QIODevice::WriteOnly);
    wave.writeStored(stored);
    return stored.data();
}

int EmbeddedArt::writeAll(const QString& dir) {
    FileSink::makeDir(dir);
    const QString base = dir + QLatin1Char('/');
    FileSink::writeImage(base + QStringLiteral("Logo.jpg"), logo(), "JPG", kJpegQuality);
    FileSink::writeImage(base + QStringLiteral("About.jpg"), aboutBackground(), "JPG",
                         kJpegQuality);
    FileSink::writeImage(base + QStringLiteral("AboutButtonUp.jpg"), aboutButton(false), "JPG",
                         kJpegQuality);
    FileSink::writeImage(base + QStringLiteral("AboutButtonDown.jpg"), aboutButton(true), "JPG",
                         kJpegQuality);
    FileSink::write(base + QStringLiteral("LogoWave.dat"), logoWave());
    int written = 5;
    for (int size : kIconSizes) {
        FileSink::writeImage(base + QStringLiteral("zelto2000-%1.png").arg(size), appIcon(size),
                             "PNG");
        ++written;
    }
    return written;
}
