#include "SkinWriter.h"

#include "FileSink.h"
#include "IcoWriter.h"
#include "SkinSymbols.h"

QImage SkinWriter::picture(const SkinPainter& painter, const SkinFile& file) {
    using K = SkinFile::Kind;
    switch (file.kind) {
        case K::Background:
            return painter.background();
        case K::Button:
            return painter.boardButton(file.number, file.down);
        case K::Control:
            return painter.control(file.number, file.down);
        case K::Icon:
            return painter.icon(file.number, file.down);
        case K::Mark:
            return SkinSymbols::mark(file.number);
        case K::Labels:
            break;
    }
    return {};
}

int SkinWriter::write(const QString& skinsDir, const SkinTheme& theme) {
    const QString dir = skinsDir + QLatin1Char('/') + theme.folder;
    FileSink::makeDir(dir);
    const SkinPainter painter(theme);
    const bool jpeg = theme.format == "jpg";
    int written = 0;
    for (const SkinFile& f : SkinFiles::list(QString::fromLatin1(theme.format))) {
        const QString path = dir + QLatin1Char('/') + f.name;
        if (f.kind == SkinFile::Kind::Labels) {
            FileSink::write(path, theme.labels);
        } else if (f.kind == SkinFile::Kind::Mark) {
            FileSink::write(path, IcoWriter::encode(picture(painter, f)));
        } else if (jpeg) {
            FileSink::writeImage(path, picture(painter, f), "JPG", kJpegQuality);
        } else {
            FileSink::writeImage(path, picture(painter, f).convertToFormat(QImage::Format_RGB888),
                                 "BMP");
        }
        ++written;
    }
    return written;
}
