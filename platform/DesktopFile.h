#pragma once
// The key files of the freedesktop.org desktop: .desktop entries and mimeapps.list.
// Groups of "key=value" lines; values are unescaped as the Desktop Entry format says.
#include <optional>

#include <QHash>
#include <QString>
#include <QStringList>

class DesktopFile {
public:
    // Anything larger is not a key file; it is refused rather than read whole.
    static constexpr qint64 kMaxFileSize = qint64{4} * 1024 * 1024;

    // Nothing when the file cannot be read or is too large.
    static std::optional<DesktopFile> load(const QString& path);
    static DesktopFile parse(const QString& text);

    bool hasGroup(const QString& group) const { return groups_.contains(group); }
    // The unescaped string value, or an empty string when the key is missing.
    QString value(const QString& group, const QString& key) const;
    // A ";"-separated list with "\;" kept as a literal semicolon; empty items dropped.
    QStringList list(const QString& group, const QString& key) const;
    bool boolean(const QString& group, const QString& key) const;

    // "\s" space, "\n" newline, "\t" tab, "\r" return, "\\" backslash; other
    // backslashes are kept as they are.
    static QString unescape(const QString& raw);

private:
    QString raw(const QString& group, const QString& key) const;

    QHash<QString, QHash<QString, QString>> groups_;
};
