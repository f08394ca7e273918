#include "UnitPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "ClickSound.h"
#include "ConfigCheck.h"
#include "ConfigFile.h"
#include "FilePath.h"
#include "GoToWeb.h"
#include "IoErrorBox.h"
#include "MusicPlayer.h"
#include "PlainSkin.h"
#include "QuitQuestionBox.h"
#include "RecordTable.h"
#include "SkinImage.h"
#include "SoundPaths.h"
#include "UnitAbout.h"
#include "UnitGeneral.h"
#include "UnitLogo.h"
#include "UnitMusic.h"
#include "UnitSkin.h"
#include "UnitSounds.h"
#include "UnitTop10.h"
#include "WaveOutput.h"

namespace {
const QString kTitle = QStringLiteral("Zelto 2000");
const QString kDefaultSkin = QStringLiteral("Default Skin");
const QString kDefaultSounds = QStringLiteral("Default Sounds");
const QString kDefaultMusic = QStringLiteral("Default Music.MID");

constexpr int kWidth = 456;
constexpr int kHeight = 352;

// Board buttons 1..9 as on the numeric keypad: 7 8 9 on top.
constexpr std::array<QPoint, 9> kButtonPos = {QPoint(32, 224), QPoint(112, 224), QPoint(192, 224),
                                              QPoint(32, 144), QPoint(112, 144), QPoint(192, 144),
                                              QPoint(32, 64),  QPoint(112, 64),  QPoint(192, 64)};
constexpr std::array<QPoint, 8> kControlPos = {QPoint(304, 184), QPoint(376, 184), QPoint(304, 224),
                                               QPoint(376, 224), QPoint(304, 264), QPoint(376, 264),
                                               QPoint(304, 304), QPoint(376, 304)};
constexpr std::array<QPoint, 3> kIconPos = {QPoint(0, 0), QPoint(392, 0), QPoint(424, 0)};
const std::array<QString, 8> kControlHints = {
    QStringLiteral("Begin a new game"),       QStringLiteral("Abort current game"),
    QStringLiteral("Set game options"),       QStringLiteral("Select skin"),
    QStringLiteral("Select sounds"),          QStringLiteral("Select music"),
    QStringLiteral("See Zelto 2000 Records"), QStringLiteral("Read help file")};
const std::array<QString, 3> kIconHints = {QStringLiteral("About ..."), QStringLiteral("Minimize"),
                                           QStringLiteral("Exit Zelto 2000")};
const std::array<QString, 5> kLabelRoles = {
    QStringLiteral("Turn status"), QStringLiteral("Score"), QStringLiteral("Sequence"),
    QStringLiteral("Mistakes left"), QStringLiteral("Player clock")};
const std::array<const char*, 5> kLabelNames = {"MaxSeqLabel", "CurrSeqLabel", "StatusLabel",
                                                "MistakesLabel", "TimeLabel"};

const QCursor& activeCursor() {
    static const QCursor cursor(Qt::PointingHandCursor);
    return cursor;
}

const QCursor& inactiveCursor() {
    static const QCursor cursor(Qt::ForbiddenCursor);
    return cursor;
}
}  // namespace

TFormPrincipal::TFormPrincipal(WaveOutput& wave, std::unique_ptr<MusicPlayer> music,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      wave_(wave),
      music_(std::move(music)),
      rules_(*this, *music_),
      GoToWeb(std::make_unique<TGoToWeb>()) {
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(kTitle);
    setFixedSize(kWidth, kHeight);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFocusPolicy(Qt::StrongFocus);
    createComponents();
    createMenu();
    ShowTimer.setTimerType(Qt::PreciseTimer);
    TimeTimer.setTimerType(Qt::PreciseTimer);
    TimeTimer.setInterval(100);
    connect(&ShowTimer, &QTimer::timeout, this, &TFormPrincipal::ShowTimerTimer);
    connect(&TimeTimer, &QTimer::timeout, this, &TFormPrincipal::TimeTimerTimer);
    music_->setOnNotify([this] { rules_.MediaPlayerNotify(); });
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::createComponents() {
    Background = new SkinImage(this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(0, 0, kWidth, kHeight);
    Background->onPress = [this](Qt::MouseButton, QPoint p) {
        if (!DragMover::compositorMoves(this)) drag_.press(p.x(), p.y(), x(), y());
    };
    Background->onMove = [this](Qt::MouseButton, QPoint p) {
        if (const auto to = drag_.move(p.x(), p.y())) {
            move(*to);
            drag_.settle(x(), y());
        }
    };
    Background->onRelease = [this](Qt::MouseButton, QPoint) { drag_.release(); };

    for (int n = 1; n <= 9; ++n) {
        auto* image = new SkinImage(this);
        image->setObjectName(QStringLiteral("Button%1Image").arg(n));
        image->setGeometry(QRect(kButtonPos[n - 1], QSize(64, 64)));
        image->setCursor(inactiveCursor());
        image->setAccessibleName(QStringLiteral("Button %1").arg(n));
        image->setAccessibleDescription(QStringLiteral("Board button %1, keypad %1").arg(n));
        bindPress(image, ButtonImages, &TFormPrincipal::ButtonDown, &TFormPrincipal::ButtonUp, n);
        ButtonImages[n - 1] = image;
    }
    for (int n = 1; n <= 9; ++n) {
        auto* mark = new SkinImage(this, false);
        mark->setObjectName(QStringLiteral("Error%1Image").arg(n));
        mark->setGeometry(QRect(kButtonPos[n - 1] + QPoint(16, 16), QSize(32, 32)));
        mark->hide();
        ErrorImages[n - 1] = mark;
    }
    for (int n = 1; n <= 8; ++n) {
        auto* image = new SkinImage(this);
        image->setObjectName(QStringLiteral("Control%1Image").arg(n));
        image->setGeometry(QRect(kControlPos[n - 1], QSize(64, 32)));
        image->setToolTip(kControlHints[n - 1]);
        image->setAccessibleName(kControlHints[n - 1]);
        image->setAccessibleDescription(kControlHints[n - 1]);
        image->setCursor(activeCursor());
        bindPress(image, ControlImages, &TFormPrincipal::ControlDown, &TFormPrincipal::ControlUp,
                  n);
        ControlImages[n - 1] = image;
    }
    for (int n = 1; n <= 3; ++n) {
        auto* image = new SkinImage(this);
        image->setObjectName(QStringLiteral("Icon%1Image").arg(n));
        image->setGeometry(QRect(kIconPos[n - 1], QSize(32, 32)));
        image->setToolTip(kIconHints[n - 1]);
        image->setAccessibleName(kIconHints[n - 1]);
        image->setAccessibleDescription(kIconHints[n - 1]);
        image->setCursor(activeCursor());
        bindPress(image, IconImages, &TFormPrincipal::IconDown, &TFormPrincipal::IconUp, n);
        IconImages[n - 1] = image;
    }
    for (int line = 1; line <= 5; ++line) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(kLabelNames[line - 1]));
        label->setGeometry(304, 49 + 25 * (line - 1), 136, 16);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        // No fixed name: a screen reader then reads, and hears of every change to, the text.
        label->setAccessibleDescription(kLabelRoles[line - 1]);
        InfoLabels[line - 1] = label;
    }
    styleInfoLines(LabelStyle{});
    SetGraphicsPointers();
    SetLabelPointers();
}

// Presses go to the pressed image; a release with the left button belongs to it too,
// while one with another button counts for whatever image of the family is under the
// pointer.
void TFormPrincipal::bindPress(SkinImage* image, const std::array<SkinImage*, 9>& family,
                               void (TFormPrincipal::*down)(int), void (TFormPrincipal::*up)(int),
                               int n) {
    image->onPress = [this, down, n](Qt::MouseButton, QPoint) { (this->*down)(n); };
    image->onRelease = [this, image, &family, up, n](Qt::MouseButton button, QPoint p) {
        if (button == Qt::LeftButton) {
            (this->*up)(n);
            return;
        }
        const QWidget* under = childAt(image->mapTo(this, p));
        for (int k = 1; k <= 9; ++k)
            if (under && family[k - 1] == under) (this->*up)(k);
    };
}

// The menu is never shown; its shortcuts act by the enabled state of their entries.
void TFormPrincipal::createMenu() {
    auto add = [this](const char* name, const QKeySequence& key,
                      void (TFormPrincipal::*command)()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, command);
        addAction(action);
        return action;
    };
    Play = add("Play", QKeySequence(Qt::Key_F2), &TFormPrincipal::PlayClick);
    Quit = add("Quit", QKeySequence(Qt::Key_F3), &TFormPrincipal::QuitClick);
    Statistic = add("Statistic", QKeySequence(Qt::Key_F8), &TFormPrincipal::StatisticClick);
    Exits = add("Exits", QKeySequence(), &TFormPrincipal::ExitsClick);
    General = add("General", QKeySequence(Qt::Key_F4), &TFormPrincipal::GeneralClick);
    Skin = add("Skin", QKeySequence(Qt::Key_F5), &TFormPrincipal::SkinClick);
    Sounds = add("Sounds", QKeySequence(Qt::Key_F6), &TFormPrincipal::SoundsClick);
    Music = add("Music", QKeySequence(Qt::Key_F7), &TFormPrincipal::MusicClick);
    Index = add("Index", QKeySequence(Qt::CTRL | Qt::Key_F1), &TFormPrincipal::IndexClick);
    About = add("About", QKeySequence(Qt::CTRL | Qt::Key_A), &TFormPrincipal::AboutClick);
    Quit->setEnabled(false);
}

void TFormPrincipal::SetGraphicsPointers() {
    // The tables are filled by createComponents(); the board order is the numbering.
}

void TFormPrincipal::SetLabelPointers() {
    // InfoLabels holds the five lines top to bottom, which is their role order.
}

bool TFormPrincipal::FormShow() {
    appDir_ = QDir::currentPath();
    rules_.setAppDir(appDir_);
    windows_.general->setAppDir(appDir_);
    windows_.skin->setAppDir(appDir_);
    windows_.sounds->setAppDir(appDir_);
    windows_.music->setAppDir(appDir_);
    windows_.top10->setAppDir(appDir_);
    windows_.about->setAppDir(appDir_);
    windows_.logo->setAppDir(appDir_);

    windows_.logo->exec();

    if (!FilePath::isFile(configPath(appDir_))) {
        QMessageBox::critical(nullptr, kTitle,
                              QStringLiteral("The file ") + configPath(appDir_) +
                                  QStringLiteral(" is missing. Without that file is impossible "
                                                 "to start the application"));
        return false;
    }
    ConfigRecord onDisk;
    try {
        ReadConfig(appDir_, onDisk);
    } catch (const ConfigIoError& e) {
        // A record we cannot read whole is never played on nor written to.
        showIoError(nullptr, e);
        return false;
    }
    const QStringList problems = ConfigCheck::problems(onDisk);
    if (!problems.isEmpty()) QMessageBox::warning(nullptr, kTitle, ConfigCheck::message(problems));
    rules_.config() = ConfigCheck::makeSafe(onDisk);
    checkDataFolders(onDisk);

    centre();
    LoadGraphics();
    SetInitialGraphics();
    rules_.setPlayerName(QStringLiteral("Anonymous"));
    setGameMode(false);
    return true;
}

// Replaces a missing skin, sound scheme or music file by its default and saves that.
// The file gets the record as it was read, with only the name changed: safe values
// chosen for a damaged record stay in memory.
bool TFormPrincipal::checkDataFolders(ConfigRecord& onDisk) {
    ConfigRecord& rec = rules_.config();
    const bool skinMissing =
        !FilePath::isDir(appDir_ + QStringLiteral("/Skins/") + rec.SkinName.text());
    replaceMissing(onDisk, skinMissing,
                   QStringLiteral("The skin ") + rec.SkinName.text() +
                       QStringLiteral(" is missing. It will be replaced for the default skin."),
                   [](ConfigRecord& r) { r.SkinName.setText(kDefaultSkin); });
    const bool soundsMissing =
        !FilePath::isDir(appDir_ + QStringLiteral("/Sounds/") + rec.SoundScheme.text());
    replaceMissing(
        onDisk, soundsMissing,
        QStringLiteral("The sounds ") + rec.SoundScheme.text() +
            QStringLiteral(" are missing. They will be replaced for the default sounds."),
        [](ConfigRecord& r) { r.SoundScheme.setText(kDefaultSounds); });
    const bool musicMissing =
        !FilePath::isFile(appDir_ + QStringLiteral("/Music/") + rec.MusicFile.text());
    return replaceMissing(
        onDisk, musicMissing,
        QStringLiteral("The music ") + rec.MusicFile.text() +
            QStringLiteral(" is missing. It will be replaced for the default music."),
        [](ConfigRecord& r) { r.MusicFile.setText(kDefaultMusic); });
}

bool TFormPrincipal::replaceMissing(ConfigRecord& onDisk, bool missing, const QString& message,
                                    void (*setDefault)(ConfigRecord&)) {
    if (!missing) return true;
    QMessageBox::critical(nullptr, kTitle, message);
    setDefault(rules_.config());
    setDefault(onDisk);
    try {
        WriteConfig(appDir_, onDisk);
    } catch (const ConfigIoError& e) {
        showIoError(nullptr, e);
        return false;
    }
    return true;
}

void TFormPrincipal::centre() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - kWidth) / 2, (screen.height() - kHeight) / 2);
}

// ---- Commands ----

void TFormPrincipal::PlayClick() {
    if (!Play->isEnabled()) return;
    rules_.PlayClick();
}

void TFormPrincipal::QuitClick() {
    if (!Quit->isEnabled()) return;
    rules_.QuitClick();
}

void TFormPrincipal::rereadConfig() {
    ConfigRecord rec = rules_.config();
    try {
        ReadConfig(appDir_, rec);
    } catch (const ConfigIoError& e) {
        showIoError(this, e);
        return;
    }
    const QStringList problems = ConfigCheck::problems(rec);
    if (!problems.isEmpty()) QMessageBox::warning(this, kTitle, ConfigCheck::message(problems));
    rules_.config() = ConfigCheck::makeSafe(rec);
}

void TFormPrincipal::GeneralClick() {
    if (!configurationEnabled_) return;
    windows_.general->exec();
    rereadConfig();
    for (int n = 1; n <= 9; ++n) {
        ButtonImages[n - 1]->setVisible(rules_.config().buttonEnabled(n));
        ShowButtonPicture(n, Picture::Up);
    }
}

void TFormPrincipal::SkinClick() {
    if (!configurationEnabled_) return;
    const QString before = rules_.config().SkinName.text();
    windows_.skin->exec();
    rereadConfig();
    if (rules_.config().SkinName.text() != before) {
        LoadGraphics();
        SetInitialGraphics();
    }
}

void TFormPrincipal::SoundsClick() {
    if (!configurationEnabled_) return;
    windows_.sounds->exec();
    rereadConfig();
}

void TFormPrincipal::MusicClick() {
    if (!configurationEnabled_) return;
    windows_.music->exec();
    rereadConfig();
}

void TFormPrincipal::StatisticClick() {
    rules_.setHighlightRow(GameRules::kNoHighlight);
    showRecords(GameRules::kNoHighlight);
}

void TFormPrincipal::IndexClick() {
    GoToWeb->setUrl(appDir_ + QStringLiteral("/Zelto 2000 Help.html"));
    GoToWeb->Go();
}

void TFormPrincipal::AboutClick() {
    windows_.about->exec();
}

void TFormPrincipal::ExitsClick() {
    QApplication::quit();
}

void TFormPrincipal::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

// ---- Board, controls and icons ----

void TFormPrincipal::ButtonDown(int n) {
    rules_.ButtonDown(n);
}
void TFormPrincipal::ButtonUp(int n) {
    rules_.ButtonUp(n);
}
void TFormPrincipal::ShowTimerTimer() {
    rules_.ShowTimerTimer();
}
void TFormPrincipal::TimeTimerTimer() {
    rules_.TimeTimerTimer();
}

void TFormPrincipal::ControlDown(int n) {
    if (!GameRules::controlResponds(n, rules_.Playing())) return;
    ShowControlPicture(n, Picture::Down);
    playClick(wave_, rules_.config(), appDir_);
}

void TFormPrincipal::ControlUp(int n) {
    if (!GameRules::controlResponds(n, rules_.Playing())) return;
    // The new-game control keeps its pressed picture until the game has started.
    if (n != 1) ShowControlPicture(n, Picture::Up);
    switch (n) {
        case 1:
            rules_.PlayClick();
            break;
        case 2:
            rules_.QuitClick();
            break;
        case 3:
            GeneralClick();
            break;
        case 4:
            SkinClick();
            break;
        case 5:
            SoundsClick();
            break;
        case 6:
            MusicClick();
            break;
        case 7:
            StatisticClick();
            break;
        case 8:
            IndexClick();
            break;
        default:
            break;
    }
}

void TFormPrincipal::IconDown(int n) {
    ShowIconPicture(n, Picture::Down);
    playClick(wave_, rules_.config(), appDir_);
}

void TFormPrincipal::IconUp(int n) {
    ShowIconPicture(n, Picture::Up);
    if (n == 1) AboutClick();
    if (n == 2) showMinimized();
    if (n == 3) ExitsClick();
}

int TFormPrincipal::keypadDigit(const QKeyEvent* event) {
    if (!(event->modifiers() & Qt::KeypadModifier)) return 0;
    if (event->key() < Qt::Key_1 || event->key() > Qt::Key_9) return 0;
    return event->key() - Qt::Key_0;
}

// A held key repeats its press; the rules let a repeat through only while the button
// shows its up picture, so a key held from the computer's turn into the player's turn
// presses once. A release belongs to the button its key pressed, even if Num Lock
// changed what the key means in between (some input tools toggle it around a keypad
// key); the releases within a key's repeat are no real ones.
void TFormPrincipal::keyPressEvent(QKeyEvent* event) {
    const int n = keypadDigit(event);
    if (n != 0) {
        const auto held = keysDown_.try_emplace(keyIdentity(event), n).first;
        ButtonDown(held->second);
    }
    QWidget::keyPressEvent(event);
}

void TFormPrincipal::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        const auto it = keysDown_.find(keyIdentity(event));
        if (it != keysDown_.end()) {
            const int n = it->second;
            keysDown_.erase(it);
            ButtonUp(n);
        }
    }
    QWidget::keyReleaseEvent(event);
}

quint32 TFormPrincipal::keyIdentity(const QKeyEvent* event) {
    return event->nativeScanCode() != 0 ? event->nativeScanCode()
                                        : static_cast<quint32>(event->key());
}

// ---- GameView ----

void TFormPrincipal::setInfoLine(int line, const QString& text) {
    InfoLabels[line - 1]->setText(text);
}

void TFormPrincipal::setGameMode(bool playing) {
    Play->setEnabled(!playing);
    configurationEnabled_ = !playing;
    for (QAction* action : {General, Skin, Sounds, Music}) action->setEnabled(!playing);
    Quit->setEnabled(playing);
    for (int n : {1, 3, 4, 5, 6})
        ControlImages[n - 1]->setCursor(playing ? inactiveCursor() : activeCursor());
    ControlImages[1]->setCursor(playing ? activeCursor() : inactiveCursor());
    for (SkinImage* button : ButtonImages)
        button->setCursor(playing ? activeCursor() : inactiveCursor());
}

void TFormPrincipal::startShowTimer(int intervalMs) {
    ShowTimer.setInterval(intervalMs);
    ShowTimer.start();
}

void TFormPrincipal::playSound(const QString& path) {
    wave_.playFile(path);
}

void TFormPrincipal::showGameOver() {
    QMessageBox::information(this, kTitle, QStringLiteral("The game is over."));
}

QString TFormPrincipal::askRecordName(const QString& offered) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(this, QStringLiteral("Congratulations!"),
                              QStringLiteral("You made a new record !! Insert your name here:"),
                              QLineEdit::Normal, offered, &ok);
    return ok ? answer : offered;
}

// Only the table of the game's category goes into the file, onto the record as it is
// there: settings the range check replaced in memory stay as they were on disk, as the
// warning promised.
bool TFormPrincipal::saveConfig(const ConfigRecord& record) {
    try {
        ConfigRecord onDisk;
        ReadConfig(appDir_, onDisk);
        RecordTable::copyTable(record, onDisk);
        WriteConfig(appDir_, onDisk);
    } catch (const ConfigIoError& e) {
        showIoError(this, e);
        return false;
    }
    return true;
}

void TFormPrincipal::showRecords(int highlightRow) {
    windows_.top10->setHighlightRow(highlightRow);
    windows_.top10->exec();
}

bool TFormPrincipal::confirmQuit() {
    QuitQuestionBox box(kTitle, this);
    return box.finishGame();
}

void TFormPrincipal::showError(const QString& text) {
    QMessageBox::critical(this, kTitle, text);
}

// ---- Skin ----

// Loads the configured skin; a broken one is replaced by the default skin in memory
// only. When the default skin is broken too, a plain look drawn in code takes over.
void TFormPrincipal::LoadGraphics() {
    ConfigRecord& rec = rules_.config();
    while (true) {
        const QString name = rec.SkinName.text();
        const SkinPictures pictures = SkinFolder::named(appDir_, name).load();
        applySkin(pictures);
        if (pictures.complete()) return;
        if (name == kDefaultSkin) {
            QMessageBox::critical(
                nullptr, QStringLiteral("Error"),
                QStringLiteral("Some file(s) of the default skin are missing or corrupted (") +
                    pictures.failedFile +
                    QStringLiteral("). Zelto 2000 will use a plain look until the skin is "
                                   "repaired."));
            applyPlainSkin();
            return;
        }
        QMessageBox::critical(nullptr, QStringLiteral("Error"),
                              QStringLiteral("Some file(s) of the skin are missing or corrupted. "
                                             "It will be replaced for the default skin."));
        rec.SkinName.setText(kDefaultSkin);
    }
}

// Pictures that loaded before a failure keep their place, as the holders do.
void TFormPrincipal::applySkin(const SkinPictures& pictures) {
    auto take = [](QImage& holder, const QImage& loaded) {
        if (!loaded.isNull()) holder = loaded;
    };
    if (!pictures.Background.isNull()) Background->setPicture(pictures.Background);
    for (int n = 0; n < 9; ++n) {
        take(ButtonSources[n].Up, pictures.Buttons[n].Up);
        take(ButtonSources[n].Down, pictures.Buttons[n].Down);
    }
    for (int n = 0; n < 8; ++n) {
        take(ControlSources[n].Up, pictures.Controls[n].Up);
        take(ControlSources[n].Down, pictures.Controls[n].Down);
    }
    for (int n = 0; n < 3; ++n) {
        take(IconSources[n].Up, pictures.Icons[n].Up);
        take(IconSources[n].Down, pictures.Icons[n].Down);
    }
    take(IconNo, pictures.IconNo);
    take(IconYes, pictures.IconYes);
    take(IconTime, pictures.IconTime);
    if (pictures.Labels) styleInfoLines(*pictures.Labels);
}

// Black plain text, whatever the desktop's colours, until a skin says otherwise.
void TFormPrincipal::styleInfoLines(const LabelStyle& style) {
    for (QLabel* label : InfoLabels) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, style.colour);
        label->setPalette(palette);
        QFont font = label->font();
        font.setBold(style.bold);
        font.setItalic(style.italic);
        label->setFont(font);
    }
}

void TFormPrincipal::applyPlainSkin() {
    Background->setPicture(PlainSkin::background());
    for (int n = 1; n <= 9; ++n)
        ButtonSources[n - 1] = {PlainSkin::button(n, Picture::Up),
                                PlainSkin::button(n, Picture::Down)};
    for (int n = 1; n <= 8; ++n)
        ControlSources[n - 1] = {PlainSkin::control(n, Picture::Up),
                                 PlainSkin::control(n, Picture::Down)};
    for (int n = 1; n <= 3; ++n)
        IconSources[n - 1] = {PlainSkin::icon(n, Picture::Up), PlainSkin::icon(n, Picture::Down)};
    IconNo = PlainSkin::mark(MarkKind::No);
    IconYes = PlainSkin::mark(MarkKind::Yes);
    IconTime = PlainSkin::mark(MarkKind::Time);
    styleInfoLines(LabelStyle{});
}

void TFormPrincipal::SetInitialGraphics() {
    for (int n = 1; n <= 9; ++n) {
        ButtonImages[n - 1]->setVisible(rules_.config().buttonEnabled(n));
        ShowButtonPicture(n, Picture::Up);
    }
    for (int n = 1; n <= 8; ++n) ShowControlPicture(n, Picture::Up);
    for (int n = 1; n <= 3; ++n) ShowIconPicture(n, Picture::Up);
    HideMarks();
}

void TFormPrincipal::ShowButtonPicture(int n, Picture picture) {
    const SkinPair& source = ButtonSources[n - 1];
    ButtonImages[n - 1]->setPicture(picture == Picture::Up ? source.Up : source.Down);
}

void TFormPrincipal::ShowControlPicture(int n, Picture picture) {
    const SkinPair& source = ControlSources[n - 1];
    ControlImages[n - 1]->setPicture(picture == Picture::Up ? source.Up : source.Down);
}

void TFormPrincipal::ShowIconPicture(int n, Picture picture) {
    const SkinPair& source = IconSources[n - 1];
    IconImages[n - 1]->setPicture(picture == Picture::Up ? source.Up : source.Down);
}

void TFormPrincipal::ShowMark(int n, MarkKind kind) {
    SkinImage* mark = ErrorImages[n - 1];
    mark->setPicture(kind == MarkKind::No ? IconNo : kind == MarkKind::Yes ? IconYes : IconTime);
    mark->show();
    mark->raise();
}

void TFormPrincipal::HideMarks() {
    for (SkinImage* mark : ErrorImages) mark->hide();
}
