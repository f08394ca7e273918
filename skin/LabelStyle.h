#pragma once
// The look of the five information lines, from the first three bytes of Labels.txt:
// a colour letter, a bold flag and an italic flag. Nothing past the third byte counts.
#include <optional>

#include <QByteArray>
#include <QColor>
#include <QString>

struct LabelStyle {
    QColor colour{0, 0, 0};
    bool bold = false;
    bool italic = false;

    // Fewer than three bytes is no style at all.
    static std::optional<LabelStyle> parse(const QByteArray& bytes);
    // Reads only the first three bytes of the file.
    static std::optional<LabelStyle> read(const QString& path, QString* error = nullptr);
    // "A".."P" in either case by the 16-colour table; any other byte is black.
    static QColor colourOf(char letter);

    bool operator==(const LabelStyle&) const = default;
};
