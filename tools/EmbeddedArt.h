#pragma once
// The pictures and the jingle built into the program: splash, about box, desktop icons.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

class EmbeddedArt {
public:
    static QImage logo();                  // 184 x 86
    static QImage aboutBackground();       // 362 x 202
    static QImage aboutButton(bool down);  // 89 x 25
    static QImage appIcon(int size);       // square, with alpha
    // The jingle in the stored form the splash reads back (TWaveData).
    static QByteArray logoWave();

    // Writes every file above into `dir`; returns the number of files written.
    static int writeAll(const QString& dir);

    static constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
    static const QColor kAboutPanel;

private:
    static void miniBoard(QPainter& p, const QRectF& box, int litCell);
};
