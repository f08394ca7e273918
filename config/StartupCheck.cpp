#include "StartupCheck.h"

#include <functional>

#include "AppDirLayout.h"
#include "ConfigCheck.h"
#include "ConfigFile.h"
#include "FilePath.h"

namespace {
using Step = StartupCheck::Step;

Step error(const QString& text) {
    return Step{Step::Kind::Error, text, std::nullopt};
}
}  // namespace

StartupCheck::Result StartupCheck::run(const QString& appDir) {
    Result result;
    const QString config = AppDirLayout(appDir).configFile();
    if (!FilePath::isFile(config)) {
        result.stop = true;
        result.steps.push_back(
            error(QStringLiteral("The file ") + config +
                  QStringLiteral(
                      " is missing. Without that file is impossible to start the application")));
        return result;
    }
    ConfigRecord onDisk;
    try {
        ReadConfig(appDir, onDisk);
    } catch (const ConfigIoError& e) {
        // A record that cannot be read whole is never played on nor written to.
        result.stop = true;
        result.steps.push_back(error(e.text()));
        return result;
    }
    const QStringList problems = ConfigCheck::problems(onDisk);
    if (!problems.isEmpty())
        result.steps.push_back(
            Step{Step::Kind::Warning, ConfigCheck::message(problems), std::nullopt});
    result.settings = ConfigCheck::makeSafe(onDisk);
    checkNames(appDir, onDisk, result);
    return result;
}

// A missing skin, sound scheme or music file is replaced by its default, and that is
// saved, each in its own write. Safe values chosen for a damaged record stay in memory.
void StartupCheck::checkNames(const QString& appDir, ConfigRecord& onDisk, Result& result) {
    const AppDirLayout layout(appDir);
    ConfigRecord& rec = result.settings;
    auto replace = [&](bool missing, const QString& message,
                       const std::function<void(ConfigRecord&)>& setDefault) {
        if (!missing) return;
        setDefault(rec);
        setDefault(onDisk);
        result.steps.push_back(Step{Step::Kind::Error, message, onDisk});
    };
    const QString skin = rec.SkinName.text();
    replace(!FilePath::isDir(layout.skinDir(skin)),
            QStringLiteral("The skin ") + skin +
                QStringLiteral(" is missing. It will be replaced for the default skin."),
            [](ConfigRecord& r) { r.SkinName.setText(AppDirLayout::kDefaultSkin); });
    const QString sounds = rec.SoundScheme.text();
    replace(!FilePath::isDir(layout.schemeDir(sounds)),
            QStringLiteral("The sounds ") + sounds +
                QStringLiteral(" are missing. They will be replaced for the default sounds."),
            [](ConfigRecord& r) { r.SoundScheme.setText(AppDirLayout::kDefaultSounds); });
    const QString music = rec.MusicFile.text();
    replace(!FilePath::isFile(layout.musicFile(music)),
            QStringLiteral("The music ") + music +
                QStringLiteral(" is missing. It will be replaced for the default music."),
            [](ConfigRecord& r) { r.MusicFile.setText(AppDirLayout::kDefaultMusic); });
}
