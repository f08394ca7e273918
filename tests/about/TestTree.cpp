#include "TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ConfigRecord.h"

TestTree::TestTree() = default;

void TestTree::write(const QString& relative, const QByteArray& content) const {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile out(target);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(content);
}

void TestTree::writeConfig(const ConfigRecord& rec) const {
    write("Config.dat", rec.encode());
}

QProcessEnvironment TestTree::xdgEnvironment(const QString& currentDesktop) const {
    QProcessEnvironment env;
    env.insert("HOME", file("home"));
    env.insert("XDG_CONFIG_HOME", file("config"));
    env.insert("XDG_CONFIG_DIRS", file("etc"));
    env.insert("XDG_DATA_HOME", file("data"));
    env.insert("XDG_DATA_DIRS", file("share1") + ":" + file("share2"));
    if (!currentDesktop.isEmpty()) env.insert("XDG_CURRENT_DESKTOP", currentDesktop);
    return env;
}

QByteArray TestTree::desktopEntry(const QByteArray& exec, const QByteArray& extra) {
    return "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=" + exec + "\n" + extra;
}
