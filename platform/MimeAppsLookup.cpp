#include "MimeAppsLookup.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "DesktopFile.h"

namespace {
const QString kEntry = QStringLiteral("Desktop Entry");
const QString kDefaults = QStringLiteral("Default Applications");
const QString kAdded = QStringLiteral("Added Associations");
const QString kRemoved = QStringLiteral("Removed Associations");

QString desktopIdOf(const QString& appDir, const QString& filePath) {
    return QDir(appDir).relativeFilePath(filePath).replace(QLatin1Char('/'), QLatin1Char('-'));
}

QStringList desktopFilesUnder(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
}
}  // namespace

MimeAppsLookup::MimeAppsLookup() : MimeAppsLookup(QProcessEnvironment::systemEnvironment()) {}

MimeAppsLookup::MimeAppsLookup(const QProcessEnvironment& env) {
    const QString home = env.value(QStringLiteral("HOME"), QDir::homePath());
    const QStringList configHome =
        absoluteDirs(env.value(QStringLiteral("XDG_CONFIG_HOME")), {home + "/.config"});
    const QStringList dataHome =
        absoluteDirs(env.value(QStringLiteral("XDG_DATA_HOME")), {home + "/.local/share"});
    configHome_ = configHome.value(0);
    dataHome_ = dataHome.value(0);
    configDirs_ =
        absoluteDirs(env.value(QStringLiteral("XDG_CONFIG_DIRS")), {QStringLiteral("/etc/xdg")});
    dataDirs_ = absoluteDirs(env.value(QStringLiteral("XDG_DATA_DIRS")),
                             {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    for (const QString& desktop : env.value(QStringLiteral("XDG_CURRENT_DESKTOP"))
                                      .split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // A name with a path separator would point the lookup at another file.
        if (!desktop.contains(QLatin1Char('/'))) desktops_ << desktop.toLower();
    }
}

// Relative entries are not valid in the XDG variables and are ignored.
QStringList MimeAppsLookup::absoluteDirs(const QString& value, const QStringList& fallback) {
    QStringList dirs;
    for (const QString& dir : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir)) dirs << QDir::cleanPath(dir);
    }
    return dirs.isEmpty() ? fallback : dirs;
}

QStringList MimeAppsLookup::mimeappsLists() const {
    QStringList folders{configHome_};
    folders << configDirs_;
    folders << dataHome_ + "/applications";
    for (const QString& dir : dataDirs_) folders << dir + "/applications";
    QStringList lists;
    for (const QString& folder : folders) {
        for (const QString& desktop : desktops_) lists << folder + "/" + desktop + "-mimeapps.list";
        lists << folder + "/mimeapps.list";
    }
    return lists;
}

QStringList MimeAppsLookup::applicationDirs() const {
    QStringList dirs{dataHome_ + "/applications"};
    for (const QString& dir : dataDirs_) dirs << dir + "/applications";
    return dirs;
}

QString MimeAppsLookup::desktopFilePath(const QString& desktopId) const {
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')) ||
        !desktopId.endsWith(QLatin1String(".desktop")))
        return QString();
    for (const QString& dir : applicationDirs()) {
        QString direct = dir + "/" + desktopId;
        if (QFileInfo(direct).isFile()) return direct;
        if (!desktopId.contains(QLatin1Char('-'))) continue;
        for (const QString& file : desktopFilesUnder(dir)) {
            if (desktopIdOf(dir, file) == desktopId) return file;
        }
    }
    return QString();
}

// The Exec value of an installed, visible application, else empty.
QString MimeAppsLookup::usableExec(const QString& desktopId) const {
    const QString path = desktopFilePath(desktopId);
    if (path.isEmpty()) return QString();
    const std::optional<DesktopFile> file = DesktopFile::load(path);
    if (!file || !file->hasGroup(kEntry)) return QString();
    if (file->boolean(kEntry, QStringLiteral("Hidden"))) return QString();
    const QString type = file->value(kEntry, QStringLiteral("Type"));
    if (!type.isEmpty() && type != QLatin1String("Application")) return QString();
    return file->value(kEntry, QStringLiteral("Exec")).trimmed();
}

QString MimeAppsLookup::execFor(const QString& mimeType) const {
    QString exec = fromDefaults(mimeType);
    if (!exec.isEmpty()) return exec;
    QSet<QString> removed;
    exec = fromAddedAssociations(mimeType, removed);
    if (!exec.isEmpty()) return exec;
    return fromDesktopFiles(mimeType, removed);
}

QString MimeAppsLookup::fromDefaults(const QString& mimeType) const {
    for (const QString& listPath : mimeappsLists()) {
        const std::optional<DesktopFile> list = DesktopFile::load(listPath);
        if (!list) continue;
        for (const QString& id : list->list(kDefaults, mimeType)) {
            QString exec = usableExec(id);
            if (!exec.isEmpty()) return exec;
        }
    }
    return QString();
}

// A removal hides the association in every list of lower precedence.
QString MimeAppsLookup::fromAddedAssociations(const QString& mimeType,
                                              QSet<QString>& removed) const {
    for (const QString& listPath : mimeappsLists()) {
        const std::optional<DesktopFile> list = DesktopFile::load(listPath);
        if (!list) continue;
        for (const QString& id : list->list(kAdded, mimeType)) {
            if (removed.contains(id)) continue;
            QString exec = usableExec(id);
            if (!exec.isEmpty()) return exec;
        }
        for (const QString& id : list->list(kRemoved, mimeType)) removed.insert(id);
    }
    return QString();
}

QString MimeAppsLookup::fromDesktopFiles(const QString& mimeType,
                                         const QSet<QString>& removed) const {
    QSet<QString> seen;
    for (const QString& dir : applicationDirs()) {
        for (const QString& file : desktopFilesUnder(dir)) {
            const QString id = desktopIdOf(dir, file);
            if (seen.contains(id)) continue;  // shadowed by a folder of higher precedence
            seen.insert(id);
            if (removed.contains(id)) continue;
            const std::optional<DesktopFile> entry = DesktopFile::load(file);
            if (!entry || !entry->list(kEntry, QStringLiteral("MimeType")).contains(mimeType))
                continue;
            QString exec = usableExec(id);
            if (!exec.isEmpty()) return exec;
        }
    }
    return QString();
}
