#include "UnitPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "BoardLayout.h"
#include "CentreOnScreen.h"
#include "GameTitle.h"
#include "GoToWeb.h"
#include "MusicPlayer.h"
#include "PrincipalComponents.h"
#include "SkinImage.h"
#include "UnitAbout.h"
#include "UnitGeneral.h"
#include "UnitLogo.h"
#include "UnitMusic.h"
#include "UnitSkin.h"
#include "UnitSounds.h"
#include "UnitTop10.h"

TFormPrincipal::TFormPrincipal(WaveOutput& wave, std::unique_ptr<MusicPlayer> music,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      music_(std::move(music)),
      prompts_(this),
      session_(*this, *this, prompts_, prompts_, wave, *music_),
      GoToWeb(std::make_unique<TGoToWeb>()) {
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(kGameTitle);
    setFixedSize(BoardLayout::kWindow);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFocusPolicy(Qt::StrongFocus);
    createComponents();
    SetGraphicsPointers();
    SetLabelPointers();
    styleInfoLines(LabelStyle{});
    bindPresses();
    createMenu();
    ShowTimer.setTimerType(Qt::PreciseTimer);
    TimeTimer.setTimerType(Qt::PreciseTimer);
    TimeTimer.setInterval(100);
    connect(&ShowTimer, &QTimer::timeout, this, &TFormPrincipal::ShowTimerTimer);
    connect(&TimeTimer, &QTimer::timeout, this, &TFormPrincipal::TimeTimerTimer);
    music_->setOnNotify([this] { session_.rules().MediaPlayerNotify(); });
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::setWindows(const PrincipalWindows& windows) {
    windows_ = windows;
    prompts_.setRecordsViewer(windows_.top10);
    session_.setAppDirUsers({windows_.general, windows_.skin, windows_.sounds, windows_.music,
                             windows_.top10, windows_.about, windows_.logo, &prompts_});
}

// ---- Components ----

// The background at the bottom, so a drag on any free spot moves the window.
void TFormPrincipal::createComponents() {
    createBackground();
    PrincipalComponents::create(this);
}

void TFormPrincipal::createBackground() {
    Background = new SkinImage(this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(QRect(QPoint(0, 0), BoardLayout::kWindow));
    Background->onPress = [this](Qt::MouseButton, QPoint p) { drag_.press(p.x(), p.y()); };
    Background->onMove = [this](Qt::MouseButton, QPoint p) { drag_.move(p.x(), p.y()); };
    Background->onRelease = [this](Qt::MouseButton, QPoint) { drag_.release(); };
}

// The tables the game reaches its pictures through, by number.
void TFormPrincipal::SetGraphicsPointers() {
    auto find = [this](const QString& name) { return findChild<SkinImage*>(name); };
    for (int n = 1; n <= 9; ++n) {
        ButtonImages[n - 1] = find(QStringLiteral("Button%1Image").arg(n));
        ErrorImages[n - 1] = find(QStringLiteral("Error%1Image").arg(n));
    }
    for (int n = 1; n <= 8; ++n)
        ControlImages[n - 1] = find(QStringLiteral("Control%1Image").arg(n));
    for (int n = 1; n <= 3; ++n) IconImages[n - 1] = find(QStringLiteral("Icon%1Image").arg(n));
}

// InfoLabels in the order of the lines' roles: turn status, score, sequence, mistakes,
// player clock.
void TFormPrincipal::SetLabelPointers() {
    for (int line = 1; line <= 5; ++line)
        InfoLabels[line - 1] = findChild<QLabel*>(PrincipalComponents::labelName(line));
}

void TFormPrincipal::bindPresses() {
    for (int n = 1; n <= 9; ++n)
        bindPress(ButtonImages[n - 1], ButtonImages, &TFormPrincipal::ButtonDown,
                  &TFormPrincipal::ButtonUp, n);
    for (int n = 1; n <= 8; ++n)
        bindPress(ControlImages[n - 1], ControlImages, &TFormPrincipal::ControlDown,
                  &TFormPrincipal::ControlUp, n);
    for (int n = 1; n <= 3; ++n)
        bindPress(IconImages[n - 1], IconImages, &TFormPrincipal::IconDown, &TFormPrincipal::IconUp,
                  n);
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

// ---- Start-up and commands: the session decides ----

bool TFormPrincipal::FormShow() {
    return session_.FormShow();
}

void TFormPrincipal::PlayClick() {
    session_.PlayClick();
}
void TFormPrincipal::QuitClick() {
    session_.QuitClick();
}
void TFormPrincipal::GeneralClick() {
    session_.GeneralClick();
}
void TFormPrincipal::SkinClick() {
    session_.SkinClick();
}
void TFormPrincipal::SoundsClick() {
    session_.SoundsClick();
}
void TFormPrincipal::MusicClick() {
    session_.MusicClick();
}
void TFormPrincipal::StatisticClick() {
    session_.StatisticClick();
}
void TFormPrincipal::IndexClick() {
    session_.IndexClick();
}
void TFormPrincipal::AboutClick() {
    session_.AboutClick();
}
void TFormPrincipal::ExitsClick() {
    endApplication();
}

void TFormPrincipal::endApplication() {
    QApplication::quit();
}

void TFormPrincipal::closeEvent(QCloseEvent* event) {
    event->accept();
    endApplication();
}

// ---- PrincipalView ----

void TFormPrincipal::runWindow(Window window) {
    QDialog* const inOrderOfWindow[] = {windows_.logo,   windows_.general, windows_.skin,
                                        windows_.sounds, windows_.music,   windows_.about};
    inOrderOfWindow[static_cast<int>(window)]->exec();
}

void TFormPrincipal::openPage(const QString& url) {
    GoToWeb->setUrl(url);
    GoToWeb->Go();
}

void TFormPrincipal::centre() {
    centreOnScreen(this, size());  // borderless: its client size is its outer size
}

void TFormPrincipal::setButtonVisible(int n, bool visible) {
    ButtonImages[n - 1]->setVisible(visible);
}

// ---- Board, controls and icons ----

void TFormPrincipal::ButtonDown(int n) {
    rules().ButtonDown(n);
    showWhatResponds();
}
void TFormPrincipal::ButtonUp(int n) {
    rules().ButtonUp(n);
    showWhatResponds();
}
void TFormPrincipal::ShowTimerTimer() {
    rules().ShowTimerTimer();
    showWhatResponds();
}
void TFormPrincipal::TimeTimerTimer() {
    rules().TimeTimerTimer();
    showWhatResponds();
}

// What answers a press now, for screen readers; the mouse pointer shows it to the eye.
void TFormPrincipal::showWhatResponds() {
    for (int n = 1; n <= 8; ++n) ControlImages[n - 1]->setResponds(session_.controlResponds(n));
    for (int n = 1; n <= 9; ++n) ButtonImages[n - 1]->setResponds(rules().buttonResponds(n));
}

void TFormPrincipal::ControlDown(int n) {
    session_.ControlDown(n);
}
void TFormPrincipal::ControlUp(int n) {
    session_.ControlUp(n);
}
void TFormPrincipal::IconDown(int n) {
    session_.IconDown(n);
}
void TFormPrincipal::IconUp(int n) {
    session_.IconUp(n);
}

// A held key repeats its press; the rules let a repeat through only while the button
// shows its up picture, so a key held from the computer's turn into the player's turn
// presses once.
void TFormPrincipal::keyPressEvent(QKeyEvent* event) {
    if (const int n = keys_.press(*event)) ButtonDown(n);
    QWidget::keyPressEvent(event);
}

void TFormPrincipal::keyReleaseEvent(QKeyEvent* event) {
    if (const int n = keys_.release(*event)) ButtonUp(n);
    QWidget::keyReleaseEvent(event);
}

// ---- BoardView ----

void TFormPrincipal::setInfoLine(int line, const QString& text) {
    InfoLabels[line - 1]->setText(text);
}

void TFormPrincipal::setGameMode(bool playing) {
    session_.keepSoundReady(playing);
    Play->setEnabled(!playing);
    for (QAction* action : {General, Skin, Sounds, Music}) action->setEnabled(!playing);
    Quit->setEnabled(playing);
    for (int n = 1; n <= 8; ++n)
        ControlImages[n - 1]->setCursor(PrincipalComponents::cursor(session_.controlResponds(n)));
    for (SkinImage* button : ButtonImages) button->setCursor(PrincipalComponents::cursor(playing));
    showWhatResponds();
}

void TFormPrincipal::startShowTimer(int intervalMs) {
    ShowTimer.setInterval(intervalMs);
    ShowTimer.start();
}

// ---- Skin ----

void TFormPrincipal::LoadGraphics() {
    session_.LoadGraphics();
}

void TFormPrincipal::SetInitialGraphics() {
    session_.SetInitialGraphics();
}

// Pictures that loaded before a failure take their place; the others keep theirs.
void TFormPrincipal::applySkin(const SkinPictures& pictures) {
    if (!pictures.Background.isNull()) Background->setPicture(pictures.Background);
    Sources.take(pictures);
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

void TFormPrincipal::ShowButtonPicture(int n, Picture picture) {
    ButtonImages[n - 1]->setPicture(Sources.button(n, picture));
    ButtonImages[n - 1]->setLit(picture == Picture::Down);
}

void TFormPrincipal::ShowControlPicture(int n, Picture picture) {
    ControlImages[n - 1]->setPicture(Sources.control(n, picture));
}

void TFormPrincipal::ShowIconPicture(int n, Picture picture) {
    IconImages[n - 1]->setPicture(Sources.icon(n, picture));
}

void TFormPrincipal::ShowMark(int n, MarkKind kind) {
    SkinImage* mark = ErrorImages[n - 1];
    mark->setPicture(Sources.mark(kind));
    mark->show();
    mark->raise();
}

void TFormPrincipal::HideMarks() {
    for (SkinImage* mark : ErrorImages) mark->hide();
}
