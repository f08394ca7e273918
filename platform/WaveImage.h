#pragma once
// A RIFF wave image made safe to hand to the decoder: the chunk sizes are cut down to the
// bytes really there, so a file that lies about its length (a cut-off download, a sloppy
// editor, a hostile file) plays what it holds and never costs more memory than its size.
#include <QByteArray>
#include <QString>

class WaveImage {
public:
    // Larger wave files are refused unread; the game's sounds are a few seconds long.
    static constexpr qint64 kMaxFileBytes = qint64{64} * 1024 * 1024;

    // The image with every chunk size clamped, or empty when it is no RIFF wave at all.
    static QByteArray clamped(const QByteArray& image);
    // The file's bytes, clamped; empty when unreadable, too large or no RIFF wave.
    static QByteArray fromFile(const QString& path);
};
