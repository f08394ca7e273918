#include "GoToWeb.h"

#include <QRegularExpression>

#include "ExecLine.h"
#include "MimeAppsLookup.h"
#include "ProgramStarter.h"

namespace {
// Rewritten by every split of a browser command, shared by all instances.
QStringList BrowserArgs;

const QStringList kDosSuffixes = {QStringLiteral(".EXE"), QStringLiteral(".BAT"),
                                  QStringLiteral(".COM")};

bool isDosSuffixAt(const QString& command, qsizetype end) {
    return end >= 4 && kDosSuffixes.contains(command.mid(end - 4, 4).toUpper());
}

QString trimControl(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32) ++first;
    while (last > first && text.at(last - 1).unicode() <= 32) --last;
    return text.mid(first, last - first);
}

// Each run from "%" up to the next space (or the end) goes.
QString dropPlaceholders(QString text) {
    qsizetype pos = text.indexOf(QLatin1Char('%'));
    while (pos >= 0) {
        qsizetype end = text.indexOf(QLatin1Char(' '), pos);
        if (end < 0) end = text.size();
        text.remove(pos, end - pos);
        pos = text.indexOf(QLatin1Char('%'), pos);
    }
    return text;
}
}  // namespace

TGoToWeb::TGoToWeb()
    : url_(QStringLiteral("https://zelto2000.example.org/")),
      email_(QStringLiteral("team@zelto2000.example.org")) {}

const QStringList& TGoToWeb::BrowserArguments() {
    return BrowserArgs;
}

QString TGoToWeb::FindBrowserCommand() {
    return MimeAppsLookup().execFor(QStringLiteral("text/html"));
}

QString TGoToWeb::SplitBrowserCommand(const QString& command) {
    if (command.isEmpty()) return QString();
    if (namesDosProgram(command)) return splitDosCommand(command);
    const ExecLine line = ExecLine::parse(command);
    if (!line.isValid()) return QString();
    BrowserArgs = line.arguments();
    return line.program();
}

// A Windows-style command: its program ends in .EXE/.BAT/.COM, or such a name ends a
// word after a drive letter or backslash path ("http://example.com" is no program).
bool TGoToWeb::namesDosProgram(const QString& command) {
    const ExecLine line = ExecLine::parse(command);
    if (line.isValid() && isDosSuffixAt(line.program(), line.program().size())) return true;
    static const QRegularExpression drive(QStringLiteral("^\\s*\"?[A-Za-z]:"));
    for (qsizetype end = 4; end <= command.size(); ++end) {
        if (!isDosSuffixAt(command, end)) continue;
        const bool endsWord = end == command.size() || command.at(end).unicode() <= 32 ||
                              command.at(end) == QLatin1Char('"');
        const QString head = command.left(end);
        if (endsWord && (head.contains(QLatin1Char('\\')) || drive.match(head).hasMatch()))
            return true;
    }
    return false;
}

QString TGoToWeb::splitDosCommand(const QString& command) {
    qsizetype p = command.size();
    while (p >= 4 && !isDosSuffixAt(command, p)) --p;
    if (p < 4) return QString();
    QString program = command.left(p);
    if (p < command.size()) {
        QString args = trimControl(command.mid(p));
        args.remove(QLatin1Char('"'));
        args = trimControl(dropPlaceholders(args));
        // The browser would see the parameter text as words split at spaces.
        BrowserArgs = args.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    } else {
        BrowserArgs.clear();
    }
    if (program.startsWith(QLatin1Char('"'))) program.remove(0, 1);
    return program;
}

bool TGoToWeb::openWithDesktop(const QString& url) {
    const QString opener = ProgramStarter::findInPath(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return false;
    return ProgramStarter::start(opener, {url});
}

bool TGoToWeb::Go() {
    const QString program = SplitBrowserCommand(FindBrowserCommand());
    if (program.isEmpty()) return openWithDesktop(url_);
    QStringList arguments = BrowserArgs;
    arguments << url_;
    return ProgramStarter::start(program, arguments);
}
