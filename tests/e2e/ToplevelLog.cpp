#include "ToplevelLog.h"

#include <QRegularExpression>

namespace {
const QRegularExpression kLogLine(QStringLiteral(R"(^\[\s*\d+\.\d+\] )"));
const QRegularExpression kCreate(
    QStringLiteral(R"(-> xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\))"));
const QRegularExpression kTitle(
    QStringLiteral(R"re(-> xdg_toplevel@(\d+)\.set_title\("(.*)"\)$)re"));
const QRegularExpression kParent(
    QStringLiteral(R"(-> xdg_toplevel@(\d+)\.set_parent\((?:xdg_toplevel@(\d+)|nil)\))"));
}  // namespace

ToplevelLog::ToplevelLog(const QString& log) {
    for (const QString& line : log.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) read(line);
}

void ToplevelLog::read(const QString& line) {
    if (!kLogLine.match(line).hasMatch()) {
        otherLines_.append(line);
        return;
    }
    const auto entryOf = [this](const QString& id) -> int {
        for (auto it = live_.rbegin(); it != live_.rend(); ++it)
            if (it->first == id) return it->second;
        return -1;
    };
    if (const auto m = kCreate.match(line); m.hasMatch()) {
        toplevels_.push_back({});
        live_.emplace_back(m.captured(1), int(toplevels_.size()) - 1);
    } else if (const auto t = kTitle.match(line); t.hasMatch()) {
        if (const int entry = entryOf(t.captured(1)); entry >= 0)
            toplevels_[entry].title = t.captured(2);
    } else if (const auto p = kParent.match(line); p.hasMatch()) {
        if (const int entry = entryOf(p.captured(1)); entry >= 0)
            toplevels_[entry].parent = p.captured(2).isEmpty() ? -1 : entryOf(p.captured(2));
    }
}

std::optional<int> ToplevelLog::first(const QString& title) const {
    for (size_t i = 0; i < toplevels_.size(); ++i)
        if (toplevels_[i].title == title) return int(i);
    return std::nullopt;
}
