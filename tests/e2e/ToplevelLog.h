#pragma once
// The top-level windows a Wayland client asked for, read from its protocol log
// (WAYLAND_DEBUG=client): each with its title and the window it named as its parent.
// Object ids are reused once a window is gone, so each creation starts a new entry.
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

class ToplevelLog {
public:
    struct Toplevel {
        QString title;
        int parent = -1;  // index of the parent's entry, or -1
    };

    explicit ToplevelLog(const QString& log);

    const std::vector<Toplevel>& toplevels() const { return toplevels_; }
    // The first entry with this title, or nothing.
    std::optional<int> first(const QString& title) const;
    // Lines that are not the protocol log's: what the client printed itself.
    const QStringList& otherLines() const { return otherLines_; }

private:
    void read(const QString& line);

    std::vector<Toplevel> toplevels_;
    std::vector<std::pair<QString, int>> live_;  // object id, entry
    QStringList otherLines_;
};
