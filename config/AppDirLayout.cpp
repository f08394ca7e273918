#include "AppDirLayout.h"

#include "FilePath.h"

namespace {
const QString kSkins = QStringLiteral("Skins");
const QString kSounds = QStringLiteral("Sounds");
const QString kMusic = QStringLiteral("Music");
const QString kHelpDocs = QStringLiteral("Help docs");
}  // namespace

QString AppDirLayout::under(const QString& relative) const {
    return FilePath::join(root_, relative);
}

QString AppDirLayout::configFile() const {
    return under(QStringLiteral("Config.dat"));
}

QString AppDirLayout::skinsDir() const {
    return under(kSkins);
}

QString AppDirLayout::skinDir(const QString& skin) const {
    return under(kSkins + QLatin1Char('/') + skin);
}

QString AppDirLayout::soundsDir() const {
    return under(kSounds);
}

QString AppDirLayout::schemeDir(const QString& scheme) const {
    return under(kSounds + QLatin1Char('/') + scheme);
}

QString AppDirLayout::soundFile(const QString& scheme, GameSound sound) const {
    return schemeDir(scheme) + QLatin1Char('/') + soundFileName(sound);
}

QString AppDirLayout::musicDir() const {
    return under(kMusic);
}

QString AppDirLayout::musicFile(const QString& fileName) const {
    return under(kMusic + QLatin1Char('/') + fileName);
}

QString AppDirLayout::helpPage() const {
    return under(QStringLiteral("Zelto 2000 Help.html"));
}

QString AppDirLayout::helpDocsDir() const {
    return under(kHelpDocs);
}

QString AppDirLayout::contactPage() const {
    return under(kHelpDocs + QStringLiteral("/Contact.html"));
}

QString AppDirLayout::soundFileName(GameSound sound) {
    switch (sound) {
        case GameSound::Mistake:
            return QStringLiteral("Mistake.wav");
        case GameSound::TimeOver:
            return QStringLiteral("TimeOver.wav");
        case GameSound::Click:
            return QStringLiteral("Click.wav");
        default:
            return QStringLiteral("Sound%1.wav").arg(static_cast<int>(sound));
    }
}
