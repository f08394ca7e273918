#pragma once
// A game wired to a fake view and a fake music player, with a fixed seed and helpers
// that drive it tick by tick and press by press.
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "AppDirLayout.h"
#include "FakeGameView.h"
#include "FakeMusicPlayer.h"
#include "GameRules.h"

class GameRulesFixture : public ::testing::Test {
protected:
    GameRulesFixture();

    // The settings the rules play with, as the window's one call would set them.
    ConfigRecord& config();
    void enableOnly(std::initializer_list<int> buttons);

    // Ticks ShowTimer until the player's turn begins; returns the number of ticks.
    int tickUntilPlayerTurn(int limit = 1000);
    // Ticks ShowTimer until a step lights; returns the tick on which it lit.
    int tickUntilStepLit(int limit = 1000);
    void press(int n);
    // Repeats the current round correctly, pressing and releasing each step.
    void playRound();
    // Starts a game and completes `rounds` rounds; the player's turn of the next begins.
    void startAndComplete(int rounds);
    // An enabled button other than step i of the sequence.
    int wrongButtonFor(int i) const;
    std::vector<int> steps(int count) const;
    // Ticks the player clock `count` times.
    void clockTicks(int count);
    // Fails the test when the player's turn and a running playback hold together.
    void expectTurnInvariant() const;

    static QString boardSound(int n) { return AppDirLayout::soundFileName(buttonSound(n)); }
    static QString mistakeSound() { return AppDirLayout::soundFileName(GameSound::Mistake); }
    static QString timeOverSound() { return AppDirLayout::soundFileName(GameSound::TimeOver); }

    FakeGameView view;
    FakeMusicPlayer music{&view.log};
    GameRules rules{view, view, view, music};
    std::uint32_t seed = 12345;
    int seedCalls = 0;
};
