#include "ExecLine.h"

namespace {
bool isSeparator(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool isQuotedEscape(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
           c == QLatin1Char('\\');
}
}  // namespace

ExecLine ExecLine::parse(const QString& exec) {
    ExecLine line;
    QStringList tokens;
    if (!tokenize(exec, tokens)) return line;
    QStringList kept;
    for (const QString& token : tokens) {
        QString expanded;
        if (expandFieldCodes(token, expanded)) kept << expanded;
    }
    if (kept.isEmpty() || kept.first().isEmpty()) return line;
    line.program_ = kept.takeFirst();
    line.arguments_ = kept;
    line.valid_ = true;
    return line;
}

bool ExecLine::tokenize(const QString& exec, QStringList& tokens) {
    QString token;
    bool inToken = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size() &&
                       isQuotedEscape(exec.at(i + 1))) {
                token += exec.at(++i);
            } else {
                token += c;
            }
        } else if (isSeparator(c)) {
            if (inToken) tokens << token;
            token.clear();
            inToken = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inToken = true;
        } else {
            token += c;
            inToken = true;
        }
    }
    if (quoted) return false;
    if (inToken) tokens << token;
    return true;
}

bool ExecLine::expandFieldCodes(const QString& token, QString& out) {
    out.clear();
    bool hadCode = false;
    for (qsizetype i = 0; i < token.size(); ++i) {
        const QChar c = token.at(i);
        if (c != QLatin1Char('%') || i + 1 >= token.size()) {
            out += c;
            continue;
        }
        const QChar code = token.at(++i);
        if (code == QLatin1Char('%')) {
            out += code;
        } else {
            // Known codes (%u %U %f %F %i %c %k and the deprecated %d %D %n %N %v %m)
            // and unknown ones alike are left out.
            hadCode = true;
        }
    }
    return !(hadCode && out.isEmpty());
}
