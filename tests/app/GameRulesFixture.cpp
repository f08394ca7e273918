#include "GameRulesFixture.h"

#include "GameRulesTestAccess.h"

GameRulesFixture::GameRulesFixture() {
    ConfigRecord& rec = config();
    rec = ConfigRecord::defaults();
    rec.MistakesAllowed = 2;
    rec.PlayMusic = 0;
    // Each draw gets its own seed so that alternate mode really draws anew.
    rules.setSeeder([this] {
        ++seedCalls;
        view.log.push_back(QStringLiteral("seed"));
        return seed + static_cast<std::uint32_t>(seedCalls);
    });
}

ConfigRecord& GameRulesFixture::config() {
    return GameRulesTestAccess::settings(rules);
}

void GameRulesFixture::enableOnly(std::initializer_list<int> buttons) {
    config().ButtonEnabled.fill(0);
    for (int n : buttons) config().ButtonEnabled[n - 1] = 1;
}

int GameRulesFixture::tickUntilPlayerTurn(int limit) {
    int ticks = 0;
    while (!rules.PlayerTurn() && rules.Playing() && ticks < limit) {
        rules.ShowTimerTimer();
        ++ticks;
        expectTurnInvariant();
    }
    EXPECT_TRUE(rules.PlayerTurn()) << "no hand-over within " << limit << " ticks";
    return ticks;
}

int GameRulesFixture::tickUntilStepLit(int limit) {
    for (int tick = 1; tick <= limit; ++tick) {
        rules.ShowTimerTimer();
        if (rules.ShowLit()) return tick;
    }
    ADD_FAILURE() << "no step lit within " << limit << " ticks";
    return -1;
}

void GameRulesFixture::press(int n) {
    rules.ButtonDown(n);
    rules.ButtonUp(n);
    expectTurnInvariant();
}

void GameRulesFixture::playRound() {
    const int length = rules.SeqLength();
    for (int i = 1; i <= length; ++i) press(rules.sequenceAt(i));
}

void GameRulesFixture::startAndComplete(int rounds) {
    rules.PlayClick();
    tickUntilPlayerTurn();
    for (int r = 0; r < rounds; ++r) {
        playRound();
        tickUntilPlayerTurn();
    }
}

int GameRulesFixture::wrongButtonFor(int i) const {
    for (int n = 1; n <= 9; ++n)
        if (n != rules.sequenceAt(i) && rules.settings().buttonEnabled(n)) return n;
    ADD_FAILURE() << "no wrong button available";
    return 0;
}

std::vector<int> GameRulesFixture::steps(int count) const {
    std::vector<int> out;
    for (int i = 1; i <= count; ++i) out.push_back(rules.sequenceAt(i));
    return out;
}

void GameRulesFixture::clockTicks(int count) {
    for (int i = 0; i < count; ++i) rules.TimeTimerTimer();
}

void GameRulesFixture::expectTurnInvariant() const {
    EXPECT_FALSE(rules.PlayerTurn() && rules.showTimerRunning());
    EXPECT_EQ(rules.showTimerRunning(), view.showTimerOn);
    EXPECT_EQ(rules.timeTimerRunning(), view.timeTimerOn);
}
