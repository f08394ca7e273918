#pragma once
// Which program the desktop opens a file type with, the freedesktop.org way: the
// mimeapps.list files in their order of precedence, then the .desktop files of the
// application folders. Honours the XDG_* variables, read when the object is made.
#include <QProcessEnvironment>
#include <QSet>
#include <QString>
#include <QStringList>

class DesktopFile;

class MimeAppsLookup {
public:
    MimeAppsLookup();
    explicit MimeAppsLookup(const QProcessEnvironment& env);

    // Highest precedence first; the desktop-specific lists before the plain ones.
    QStringList mimeappsLists() const;
    QStringList applicationDirs() const;

    // The .desktop file of a desktop file id ("org.example-browser.desktop" may live in
    // "org.example/browser.desktop"), or an empty string when it is not installed.
    QString desktopFilePath(const QString& desktopId) const;

    // The Exec value (string-unescaped) of the application that opens `mimeType`:
    // its default application, else an added association, else any application that
    // lists the type. Empty when there is none.
    QString execFor(const QString& mimeType) const;

private:
    static QStringList absoluteDirs(const QString& value, const QStringList& fallback);
    QString usableExec(const QString& desktopId) const;
    QString fromDefaults(const QString& mimeType) const;
    QString fromAddedAssociations(const QString& mimeType, QSet<QString>& removed) const;
    QString fromDesktopFiles(const QString& mimeType, const QSet<QString>& removed) const;

    QString configHome_;
    QStringList configDirs_;
    QString dataHome_;
    QStringList dataDirs_;
    QStringList desktops_;
};
