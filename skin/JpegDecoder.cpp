#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace JpegDecoder {
namespace {

// libjpeg reaches this through cinfo->err, so the public part must come first.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void errorExit(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    err->pub.format_message(info, err->message);
    std::longjmp(err->jump, 1);
}

// Harmless corrupt-data warnings are let through, but a picture that ends early is
// broken: libjpeg would quietly fill the rest with gray.
void emitMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    if (info->err->msg_code == JWRN_JPEG_EOF) info->err->error_exit(info);
    info->err->num_warnings++;
}

void outputMessage(j_common_ptr) {}

// Owns the libjpeg state. The functions that may long-jump keep no objects with
// destructors in their own frames, so the jump skips nothing that needs cleaning up.
struct Decompress {
    jpeg_decompress_struct info{};
    ErrorManager err{};

    Decompress() {
        info.err = jpeg_std_error(&err.pub);
        err.pub.error_exit = errorExit;
        err.pub.emit_message = emitMessage;
        err.pub.output_message = outputMessage;
    }
    ~Decompress() { jpeg_destroy_decompress(&info); }
    Decompress(const Decompress&) = delete;
    Decompress& operator=(const Decompress&) = delete;
};

bool isCmyk(const jpeg_decompress_struct& info) {
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

bool readHeader(Decompress& d, const QByteArray& bytes) {
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) ERREXIT(&d.info, JERR_NO_IMAGE);
    if (d.info.jpeg_color_space == JCS_GRAYSCALE)
        d.info.out_color_space = JCS_GRAYSCALE;
    else if (isCmyk(d.info))
        d.info.out_color_space = JCS_CMYK;
    else
        d.info.out_color_space = JCS_RGB;
    return true;
}

// Adobe writes CMYK inverted, as nearly every CMYK JPEG in the wild is.
void cmykToRgb(const JSAMPLE* in, QRgb* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        const int k = in[3];
        out[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
    }
}

bool readPixels(Decompress& d, QImage& image, JSAMPLE* cmykRow) {
    if (setjmp(d.err.jump)) return false;
    jpeg_start_decompress(&d.info);
    if (d.info.output_width != static_cast<JDIMENSION>(image.width()) ||
        d.info.output_height != static_cast<JDIMENSION>(image.height()))
        return false;
    while (d.info.output_scanline < d.info.output_height) {
        const int y = static_cast<int>(d.info.output_scanline);
        JSAMPROW row = cmykRow != nullptr ? cmykRow : image.scanLine(y);
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1) return false;
        if (cmykRow != nullptr)
            cmykToRgb(cmykRow, reinterpret_cast<QRgb*>(image.scanLine(y)), d.info.output_width);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

QImage::Format formatFor(J_COLOR_SPACE space) {
    switch (space) {
        case JCS_GRAYSCALE:
            return QImage::Format_Grayscale8;
        case JCS_CMYK:
            return QImage::Format_RGB32;
        default:
            return QImage::Format_RGB888;
    }
}

QString sizeProblem(JDIMENSION width, JDIMENSION height) {
    if (width == 0 || height == 0) return QStringLiteral("JPEG picture has no pixels");
    const bool tooBig = width > static_cast<JDIMENSION>(kMaxSide) ||
                        height > static_cast<JDIMENSION>(kMaxSide) ||
                        qint64(width) * qint64(height) > kMaxPixels;
    if (!tooBig) return QString();
    return QStringLiteral("JPEG picture too large (%1 x %2)").arg(width).arg(height);
}

QImage fail(QString* error, const QString& why) {
    if (error != nullptr) *error = why;
    return QImage();
}

}  // namespace

QImage decode(const QByteArray& bytes, QString* error) {
    if (bytes.isEmpty()) return fail(error, QStringLiteral("Empty JPEG file"));
    Decompress d;
    if (!readHeader(d, bytes)) return fail(error, QString::fromLocal8Bit(d.err.message));
    const QString tooBig = sizeProblem(d.info.image_width, d.info.image_height);
    if (!tooBig.isEmpty()) return fail(error, tooBig);

    QImage image(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height),
                 formatFor(d.info.out_color_space));
    if (image.isNull()) return fail(error, QStringLiteral("Out of memory for JPEG picture"));
    std::vector<JSAMPLE> cmykRow;
    if (d.info.out_color_space == JCS_CMYK) cmykRow.resize(size_t(d.info.image_width) * 4);

    if (!readPixels(d, image, cmykRow.empty() ? nullptr : cmykRow.data())) {
        const QString why = d.err.message[0] != '\0' ? QString::fromLocal8Bit(d.err.message)
                                                     : QStringLiteral("Broken JPEG data");
        return fail(error, why);
    }
    return image;
}

}  // namespace JpegDecoder
