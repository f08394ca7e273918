#include "JpegEncoder.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace JpegEncoder {
namespace {

int components(Space space) {
    switch (space) {
        case Space::Gray:
            return 1;
        case Space::Rgb:
            return 3;
        case Space::Cmyk:
            return 4;
    }
    return 3;
}

J_COLOR_SPACE colourSpace(Space space) {
    switch (space) {
        case Space::Gray:
            return JCS_GRAYSCALE;
        case Space::Rgb:
            return JCS_RGB;
        case Space::Cmyk:
            return JCS_CMYK;
    }
    return JCS_RGB;
}

std::vector<JSAMPLE> pixel(QRgb colour, Space space) {
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    switch (space) {
        case Space::Gray:
            return {JSAMPLE(qGray(colour))};
        case Space::Rgb:
            return {JSAMPLE(r), JSAMPLE(g), JSAMPLE(b)};
        case Space::Cmyk:
            return {JSAMPLE(r), JSAMPLE(g), JSAMPLE(b), JSAMPLE(255)};
    }
    return {};
}

}  // namespace

QByteArray solid(int width, int height, QRgb colour, Space space, bool progressive) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components(space);
    info.in_color_space = colourSpace(space);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    if (space == Space::Cmyk) info.write_Adobe_marker = TRUE;
    jpeg_start_compress(&info, TRUE);

    const std::vector<JSAMPLE> one = pixel(colour, space);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x) row.insert(row.end(), one.begin(), one.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

}  // namespace JpegEncoder
