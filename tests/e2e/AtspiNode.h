#pragma once
// One object of an accessibility tree as a screen reader reads it through libatspi:
// its name, role, states and actions, and the objects below it.
#include <memory>
#include <vector>

#include <atspi/atspi.h>

#include <QString>
#include <QStringList>

class AtspiNode {
public:
    AtspiNode() = default;
    // Takes over the reference `object` comes with.
    explicit AtspiNode(AtspiAccessible* object);

    // The application of process `pid` on the bus, or an empty node.
    static AtspiNode application(qint64 pid);

    bool isNull() const { return !object_; }
    QString name() const;
    QString description() const;
    AtspiRole role() const;
    bool has(AtspiStateType state) const;
    // The object's address within its application; events name their source by it.
    QString path() const;
    std::vector<AtspiNode> children() const;
    // Everything below, depth first.
    std::vector<AtspiNode> descendants() const;
    QStringList actions() const;
    // Runs the action of that name; false when there is none or the call failed.
    bool act(const QString& action) const;

private:
    std::shared_ptr<AtspiAccessible> object_;
};
