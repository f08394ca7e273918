#include "GameWindows.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "ConfigFile.h"
#include "SilentMusic.h"
#include "UnitAbout.h"
#include "UnitGeneral.h"
#include "UnitLogo.h"
#include "UnitMusic.h"
#include "UnitPrincipal.h"
#include "UnitSkin.h"
#include "UnitSounds.h"
#include "UnitTop10.h"

namespace {

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(path, target);
    }
}

// Every folder below the temporary folder down to `dir` searchable by others, so a test that acts
// as an unprivileged user can still reach Config.dat.
void openPathToOthers(const QString& dir) {
    const QString stop = QDir::tempPath();
    for (QString path = dir; path.size() > stop.size() && path.startsWith(stop);
         path = QFileInfo(path).path())
        QFile::setPermissions(
            path, QFile::permissions(path) | QFileDevice::ExeOther | QFileDevice::ReadOther);
}

}  // namespace

GameWindows::GameWindows(const QString& appDir) : appDir_(appDir) {
    copyTree(QStringLiteral(ZELTO_APPDIR), appDir_);
    openPathToOthers(appDir_);
    QFile::setPermissions(configFile(), QFile::permissions(configFile()) | QFileDevice::ReadOther);
    QDir::setCurrent(appDir_);
}

GameWindows::~GameWindows() = default;

QString GameWindows::configFile() const {
    return appDir_ + QStringLiteral("/Config.dat");
}

void GameWindows::writeQuickRules() const {
    ConfigRecord rec = readConfig();
    rec.ButtonEnabled.fill(1);
    rec.MistakesAllowed = 0;
    rec.PlayerTime = 0;
    rec.AltSeqMode = 0;
    rec.PlayMusic = 0;
    rec.Delay = 100;
    WriteConfig(appDir_, rec);
}

ConfigRecord GameWindows::readConfig() const {
    return ConfigRecord::decode(configBytes());
}

QByteArray GameWindows::configBytes() const {
    QFile file(configFile());
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

// The dialogs are the main window's children: they go first, or it would delete them.
void GameWindows::destroyWindows() {
    logo.reset();
    top10.reset();
    about.reset();
    music.reset();
    sounds.reset();
    skin.reset();
    general.reset();
    principal.reset();
}

bool GameWindows::start() {
    destroyWindows();
    principal = std::make_unique<TFormPrincipal>(wave, std::make_unique<SilentMusic>());
    QWidget* owner = principal.get();
    general = std::make_unique<TFormGeneral>(wave, owner);
    skin = std::make_unique<TFormSkin>(wave, owner);
    sounds = std::make_unique<TFormSounds>(wave, owner);
    music = std::make_unique<TFormMusic>(wave, std::make_unique<SilentMusic>(), owner);
    about = std::make_unique<TFormAbout>(wave, owner);
    top10 = std::make_unique<TFormTop10>(wave, owner);
    logo = std::make_unique<TFormLogo>(wave);
    logo->TimerTimer();  // the splash's time is up: it closes as soon as it shows
    principal->setWindows({general.get(), skin.get(), sounds.get(), music.get(), about.get(),
                           top10.get(), logo.get()});
    return principal->FormShow();
}

void GameWindows::startGame() {
    principal->PlayClick();
    runPlaybackToPlayerTurn();
}

void GameWindows::loseWithScore(int score) {
    startGame();
    GameRules& rules = principal->rules();
    for (int round = 1; round <= score; ++round) {
        for (int step = 1; step <= round; ++step) press(rules.sequenceAt(step));
        runPlaybackToPlayerTurn();
    }
    press(wrongButtonFor(rules.sequenceAt(1)));
}

void GameWindows::runPlaybackToPlayerTurn() {
    GameRules& rules = principal->rules();
    for (int tick = 0; tick < 10000 && rules.Playing() && !rules.PlayerTurn(); ++tick)
        principal->ShowTimerTimer();
}

void GameWindows::press(int n) {
    principal->ButtonDown(n);
    principal->ButtonUp(n);
}

int GameWindows::wrongButtonFor(int due) const {
    for (int n = 1; n <= 9; ++n)
        if (n != due && principal->rules().settings().buttonEnabled(n)) return n;
    return due;
}
