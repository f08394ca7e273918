#pragma once
// Writes a whole skin folder: 41 pictures, three icons and Labels.txt.
#include <QImage>
#include <QString>

#include "SkinFiles.h"
#include "SkinPainter.h"

class SkinWriter {
public:
    static constexpr int kJpegQuality = 92;

    // Writes into <skinsDir>/<theme folder>; returns the number of files written.
    static int write(const QString& skinsDir, const SkinTheme& theme);
    static QImage picture(const SkinPainter& painter, const SkinFile& file);
};
