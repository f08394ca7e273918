#include "LabelStyle.h"

#include <array>

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kStyleBytes = 3;

constexpr std::array<QRgb, 16> kColours = {
    0x000000,  // A black
    0x000080,  // B navy
    0x008000,  // C green
    0x008080,  // D teal
    0x800000,  // E maroon
    0x800080,  // F purple
    0x808000,  // G olive
    0xC0C0C0,  // H silver
    0x808080,  // I gray
    0x0000FF,  // J blue
    0x00FF00,  // K lime
    0x00FFFF,  // L aqua
    0xFF0000,  // M red
    0xFF00FF,  // N fuchsia
    0xFFFF00,  // O yellow
    0xFFFFFF,  // P white
};

bool is(char byte, char upper) {
    return byte == upper || byte == upper - 'A' + 'a';
}

std::optional<LabelStyle> fail(QString* error, const QString& why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

}  // namespace

QColor LabelStyle::colourOf(char letter) {
    int index = -1;
    if (letter >= 'A' && letter <= 'P') index = letter - 'A';
    if (letter >= 'a' && letter <= 'p') index = letter - 'a';
    return index < 0 ? QColor(0, 0, 0) : QColor(kColours[index]);
}

std::optional<LabelStyle> LabelStyle::parse(const QByteArray& bytes) {
    if (bytes.size() < kStyleBytes) return std::nullopt;
    LabelStyle style;
    style.colour = colourOf(bytes[0]);
    style.bold = is(bytes[1], 'B');
    style.italic = is(bytes[2], 'I');
    return style;
}

std::optional<LabelStyle> LabelStyle::read(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.exists()) return fail(error, QStringLiteral("File not found"));
    // A folder or a pipe under that name would block or fail the read.
    if (!info.isFile()) return fail(error, QStringLiteral("Not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(error, file.errorString());
    const QByteArray bytes = file.read(kStyleBytes);
    if (file.error() != QFileDevice::NoError) return fail(error, file.errorString());
    const std::optional<LabelStyle> style = parse(bytes);
    if (!style) return fail(error, QStringLiteral("Read beyond end of file"));
    return style;
}
