#include "FakeGameView.h"

#include <algorithm>

#include "AppDirLayout.h"

namespace {
QString pictureName(Picture picture) {
    return picture == Picture::Down ? QStringLiteral("Down") : QStringLiteral("Up");
}

QString markName(MarkKind kind) {
    switch (kind) {
        case MarkKind::No:
            return QStringLiteral("No");
        case MarkKind::Yes:
            return QStringLiteral("Yes");
        case MarkKind::Time:
            return QStringLiteral("Time");
    }
    return QString();
}
}  // namespace

void FakeGameView::ShowButtonPicture(int n, Picture picture) {
    buttons.at(n) = picture;
    log.push_back(QStringLiteral("button %1 %2").arg(n).arg(pictureName(picture)));
}

void FakeGameView::ShowControlPicture(int n, Picture picture) {
    log.push_back(QStringLiteral("control %1 %2").arg(n).arg(pictureName(picture)));
}

void FakeGameView::ShowMark(int n, MarkKind kind) {
    marks.at(n) = kind;
    log.push_back(QStringLiteral("mark %1 %2").arg(n).arg(markName(kind)));
}

void FakeGameView::HideMarks() {
    marks.fill(std::nullopt);
    log.push_back(QStringLiteral("HideMarks"));
}

void FakeGameView::setInfoLine(int line, const QString& text) {
    lines.at(line) = text;
    log.push_back(QStringLiteral("line %1 %2").arg(line).arg(text));
}

void FakeGameView::setGameMode(bool playing) {
    gameMode = playing;
    log.push_back(QStringLiteral("gameMode %1").arg(playing ? 1 : 0));
}

void FakeGameView::startShowTimer(int intervalMs) {
    showTimerOn = true;
    showInterval = intervalMs;
    log.push_back(QStringLiteral("startShow %1").arg(intervalMs));
}

void FakeGameView::stopShowTimer() {
    showTimerOn = false;
    log.push_back(QStringLiteral("stopShow"));
}

void FakeGameView::setTimeTimerInterval(int intervalMs) {
    timeInterval = intervalMs;
    log.push_back(QStringLiteral("timeInterval %1").arg(intervalMs));
}

void FakeGameView::startTimeTimer() {
    timeTimerOn = true;
    log.push_back(QStringLiteral("startTime"));
}

void FakeGameView::stopTimeTimer() {
    timeTimerOn = false;
    log.push_back(QStringLiteral("stopTime"));
}

void FakeGameView::play(GameSound sound) {
    sounds.push_back(AppDirLayout::soundFileName(sound));
    log.push_back(QStringLiteral("sound ") + AppDirLayout::soundFileName(sound));
}

void FakeGameView::showGameOver() {
    marksAtGameOver = visibleMarks();
    linesAtGameOver = lines;
    log.push_back(QStringLiteral("gameOver"));
}

QString FakeGameView::askRecordName(const QString& offered) {
    namesOffered.push_back(offered);
    log.push_back(QStringLiteral("askName ") + offered);
    return nameAnswer.value_or(offered);
}

bool FakeGameView::saveRecord(const ConfigRecord& record) {
    log.push_back(QStringLiteral("saveRecord"));
    if (saveSucceeds) saved.push_back(record);
    return saveSucceeds;
}

void FakeGameView::showRecords(int highlightRow) {
    recordsShown.push_back(highlightRow);
    log.push_back(QStringLiteral("showRecords %1").arg(highlightRow));
}

bool FakeGameView::confirmQuit() {
    log.push_back(QStringLiteral("confirmQuit"));
    return quitAnswer;
}

void FakeGameView::showError(const QString& text) {
    errors.push_back(text);
    log.push_back(QStringLiteral("error ") + text);
}

int FakeGameView::count(const QString& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

int FakeGameView::countStartingWith(const QString& prefix) const {
    return static_cast<int>(std::count_if(log.begin(), log.end(),
                                          [&](const QString& e) { return e.startsWith(prefix); }));
}

int FakeGameView::indexOf(const QString& entry) const {
    const auto it = std::find(log.begin(), log.end(), entry);
    return it == log.end() ? -1 : static_cast<int>(it - log.begin());
}

int FakeGameView::visibleMarks() const {
    return static_cast<int>(
        std::count_if(marks.begin(), marks.end(), [](const auto& m) { return m.has_value(); }));
}
