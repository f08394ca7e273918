#include "Cp1252.h"

#include <array>

namespace {
// 0x80..0x9F differ from Latin-1; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Returns the byte for a character, or -1 when the code page has none.
int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c) return 0x80 + i;
    return -1;
}
}  // namespace

namespace Cp1252 {

QString decode(const char* bytes, int length) {
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        // Unassigned bytes map to the C1 control of the same value, as Windows does.
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0) c = kHigh[b - 0x80];
        out.append(QChar(c));
    }
    return out;
}

QByteArray encode(const QString& text, bool* lossless) {
    QByteArray out;
    out.reserve(text.size());
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A character outside the basic plane is one '?', not two.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        int b = byteFor(ch.unicode());
        // A lone C1 control round-trips the unassigned bytes.
        if (b < 0 && ch.unicode() >= 0x80 && ch.unicode() < 0xA0 && kHigh[ch.unicode() - 0x80] == 0)
            b = ch.unicode();
        if (b < 0) {
            ok = false;
            b = '?';
        }
        out.append(static_cast<char>(b));
    }
    if (lossless) *lossless = ok;
    return out;
}

bool canEncode(const QString& text) {
    bool ok = false;
    encode(text, &ok);
    return ok;
}

}  // namespace Cp1252
