#pragma once
// A length-prefixed 8-bit string of fixed capacity, kept byte for byte as stored:
// the bytes past the length are nobody's, and survive every read-modify-write.
#include <algorithm>
#include <array>
#include <cstdint>

#include <QString>

#include "Cp1252.h"

template <int N>
struct ShortString {
    static constexpr int kCapacity = N;
    std::array<std::uint8_t, N + 1> raw{};

    // A length byte above the capacity is clamped, never trusted.
    int length() const { return std::min<int>(raw[0], N); }
    bool lengthOverCapacity() const { return raw[0] > N; }

    QString text() const {
        return Cp1252::decode(reinterpret_cast<const char*>(raw.data() + 1), length());
    }

    // Stores up to N bytes of the encoded text; the tail past it is left as it was.
    void setText(const QString& value) {
        const QByteArray bytes = Cp1252::encode(value);
        const int n = std::min<int>(static_cast<int>(bytes.size()), N);
        raw[0] = static_cast<std::uint8_t>(n);
        std::copy_n(bytes.constData(), n, reinterpret_cast<char*>(raw.data() + 1));
    }

    // True when the text can be stored without loss.
    static bool fits(const QString& value) {
        bool ok = false;
        const QByteArray bytes = Cp1252::encode(value, &ok);
        return ok && bytes.size() <= N;
    }

    bool operator==(const ShortString&) const = default;
};
