#include "DesktopFile.h"

#include "BoundedRead.h"

#include <QFile>

std::optional<DesktopFile> DesktopFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    if (file.size() > kMaxFileSize) return std::nullopt;
    const QByteArray bytes = BoundedRead::upTo(file, kMaxFileSize);
    return parse(QString::fromUtf8(bytes));
}

DesktopFile DesktopFile::parse(const QString& text) {
    DesktopFile result;
    QString group;
    bool inGroup = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            group = trimmed.mid(1, trimmed.size() - 2);
            inGroup = true;
            result.groups_[group];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inGroup || eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        QHash<QString, QString>& keys = result.groups_[group];
        // The first definition of a key counts, as in the reference readers.
        if (!keys.contains(key)) keys.insert(key, line.mid(eq + 1).trimmed());
    }
    return result;
}

QString DesktopFile::raw(const QString& group, const QString& key) const {
    const auto g = groups_.constFind(group);
    if (g == groups_.constEnd()) return QString();
    return g->value(key);
}

QString DesktopFile::value(const QString& group, const QString& key) const {
    return unescape(raw(group, key));
}

QStringList DesktopFile::list(const QString& group, const QString& key) const {
    const QString text = raw(group, key);
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char(';')) {
            item += QLatin1Char(';');
            ++i;
        } else if (c == QLatin1Char(';')) {
            items << unescape(item).trimmed();
            item.clear();
        } else {
            item += c;
        }
    }
    items << unescape(item).trimmed();
    items.removeAll(QString());
    return items;
}

bool DesktopFile::boolean(const QString& group, const QString& key) const {
    return raw(group, key) == QLatin1String("true");
}

QString DesktopFile::unescape(const QString& raw) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const QChar next = raw.at(i + 1);
        switch (next.unicode()) {
            case 's':
                out += QLatin1Char(' ');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case '\\':
                out += QLatin1Char('\\');
                break;
            default:
                out += c;
                out += next;
                break;
        }
        ++i;
    }
    return out;
}
