#pragma once
// What the application directory holds and where: Config.dat, the skin, sound-scheme
// and music folders with their defaults, the files of a sound scheme and the help
// pages. The game, its dialogs and the data tool take every such path from here.
#include <QString>

#include "GameSound.h"

class AppDirLayout {
public:
    static inline const QString kDefaultSkin = QStringLiteral("Default Skin");
    static inline const QString kDefaultSounds = QStringLiteral("Default Sounds");
    static inline const QString kDefaultMusic = QStringLiteral("Default Music.MID");

    explicit AppDirLayout(const QString& root) : root_(root) {}

    QString configFile() const;
    QString skinsDir() const;
    QString skinDir(const QString& skin) const;
    QString soundsDir() const;
    QString schemeDir(const QString& scheme) const;
    // Names are joined as they are: an empty scheme gives ".../Sounds//Sound1.wav".
    QString soundFile(const QString& scheme, GameSound sound) const;
    QString musicDir() const;
    QString musicFile(const QString& fileName) const;
    QString helpPage() const;
    QString helpDocsDir() const;
    QString contactPage() const;

    // "Sound1.wav" ... "Sound9.wav", "Mistake.wav", "TimeOver.wav", "Click.wav".
    static QString soundFileName(GameSound sound);

private:
    QString under(const QString& relative) const;

    QString root_;
};
