#pragma once
// Fills an application directory with everything the game reads.
#include <QString>
#include <QStringList>

class DataTool {
public:
    struct Options {
        QString appDir;
        QString embeddedDir;  // empty: no embedded files
    };

    // Parses "<appdir> [--embedded <dir>]"; returns false with `error` set on bad usage.
    static bool parse(const QStringList& args, Options& out, QString& error);
    static QString usage();

    // Writes everything; throws FileSinkError or SongError. Returns a one-line summary.
    static QString run(const Options& options);

private:
    static int writeSounds(const QString& appDir);
    static int writeMusic(const QString& appDir);
};
