#include "DataTool.h"

#include <QDir>

#include "AppDirLayout.h"
#include "ConfigDefaults.h"
#include "EmbeddedArt.h"
#include "FileSink.h"
#include "HelpPages.h"
#include "SkinWriter.h"
#include "Songs.h"
#include "SoundDesign.h"
#include "WavWriter.h"

QString DataTool::usage() {
    return QStringLiteral("usage: zelto-data <appdir> [--embedded <dir>]");
}

bool DataTool::parse(const QStringList& args, Options& out, QString& error) {
    out = {};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--embedded")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                error = QStringLiteral("--embedded needs a folder");
                return false;
            }
            out.embeddedDir = args[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(a);
            return false;
        } else if (out.appDir.isEmpty() && !a.isEmpty()) {
            out.appDir = a;
        } else {
            error = QStringLiteral("unexpected argument %1").arg(a);
            return false;
        }
    }
    if (out.appDir.isEmpty()) {
        error = QStringLiteral("no application directory given");
        return false;
    }
    out.appDir = QDir::cleanPath(QDir(out.appDir).absolutePath());
    if (!out.embeddedDir.isEmpty())
        out.embeddedDir = QDir::cleanPath(QDir(out.embeddedDir).absolutePath());
    return true;
}

int DataTool::writeSounds(const QString& appDir) {
    const AppDirLayout layout(appDir);
    int written = 0;
    for (const SoundScheme& scheme : {SoundDesign::defaultSounds(), SoundDesign::chimes()}) {
        FileSink::makeDir(layout.schemeDir(scheme.name));
        for (const SoundFile& f : scheme.files) {
            FileSink::write(layout.soundFile(scheme.name, f.sound),
                            WavWriter::pcm16Mono(f.samples, SoundDesign::kSampleRate));
            ++written;
        }
    }
    return written;
}

int DataTool::writeMusic(const QString& appDir) {
    const AppDirLayout layout(appDir);
    FileSink::makeDir(layout.musicDir());
    int written = 0;
    for (const SongFile& song : Songs::all()) {
        FileSink::write(layout.musicFile(song.fileName), SongBuilder::build(song.plan));
        ++written;
    }
    return written;
}

QString DataTool::run(const Options& options) {
    const QString& app = options.appDir;
    FileSink::makeDir(app);
    const bool newConfig = ConfigDefaults::writeIfMissing(app);
    int files = 0;
    for (const SkinTheme& theme : {SkinTheme::classic(), SkinTheme::midnight()})
        files += SkinWriter::write(AppDirLayout(app).skinsDir(), theme);
    files += writeSounds(app);
    files += writeMusic(app);
    HelpPages::writeAll(app);
    files += 2;
    if (!options.embeddedDir.isEmpty()) files += EmbeddedArt::writeAll(options.embeddedDir);
    return QStringLiteral("zelto-data: %1 files written to %2; Config.dat %3")
        .arg(files)
        .arg(app, newConfig ? QStringLiteral("created") : QStringLiteral("kept as it was"));
}
