#pragma once
// A throw-away folder tree: XDG folders with mimeapps.list and .desktop files, or an
// application directory with a Config.dat.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

struct ConfigRecord;

class TestTree {
public:
    TestTree();

    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.path() + "/" + relative; }
    // Writes `content` to `relative`, creating the folders on the way.
    void write(const QString& relative, const QByteArray& content) const;
    void writeConfig(const ConfigRecord& rec) const;

    // XDG_CONFIG_HOME = <tree>/config, XDG_CONFIG_DIRS = <tree>/etc,
    // XDG_DATA_HOME = <tree>/data, XDG_DATA_DIRS = <tree>/share1:<tree>/share2.
    QProcessEnvironment xdgEnvironment(const QString& currentDesktop = QString()) const;
    // A minimal application entry with the given Exec value and extra lines.
    static QByteArray desktopEntry(const QByteArray& exec, const QByteArray& extra = {});

private:
    QTemporaryDir dir_;
};
