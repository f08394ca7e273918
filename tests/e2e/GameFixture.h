#pragma once
// The real game in a private X server, set up with chosen rules and played through the
// keypad while the lit board is read off screenshots.
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include "ConfigRecord.h"
#include "XSession.h"

class GameFixture : public ::testing::Test {
protected:
    struct Rules {
        int mistakes = 0;
        int delay = 1000;
        bool playerTime = false;
    };

    void SetUp() override;

    // Written into the copied Config.dat before the game starts; music stays off.
    void setRules(const Rules& rules);
    // Starts the game and waits for its main window; records the idle board.
    void startGame();
    QByteArray config() const;

    QImage boardShot() const { return x.screenshot().copy(frame); }
    // The board button shown lit, or 0 when all nine show their idle picture.
    int litButton(const QImage& shot) const;
    // The board buttons whose face differs from the idle board, in order.
    std::vector<int> changedButtons(const QImage& shot) const;
    // Watches one playback of `length` steps and returns the buttons it lit.
    std::vector<int> watchPlayback(int length);
    // True when no button lights for `ms` milliseconds.
    bool boardStaysDark(int ms);
    void press(int n) const { x.key(QStringLiteral("KP_%1").arg(n)); }

    // A window of the game other than the main window, focused once found.
    std::optional<QString> waitForBox(const QString& titlePattern, int timeoutMs = 10000);
    bool waitForBoxGone(const QString& id, int timeoutMs = 10000) const;
    // Answers the game-over box, keeps the offered name and closes the records viewer.
    void finishGameOver();
    // A point of a window given in its client coordinates, on the screen.
    QPoint at(const QString& window, QPoint client) const;

    static const QString kMainTitle;

    XSession x;
    QString appDir;
    QString window;
    QRect frame;
    QImage idle;
};
