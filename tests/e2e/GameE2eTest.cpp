// Whole games in the real window: the test reads the lit board off screenshots and
// answers with keypad keys, as a player would.
#include <gtest/gtest.h>

#include <iostream>

#include <QFile>

#include "ConfigRecord.h"
#include "XSession.h"

namespace {
const QString kMainTitle = QStringLiteral("^Zelto 2000$");
// Board buttons 1..9 as on the keypad: 7 8 9 on top.
const QPoint kButtonPos[9] = {{32, 224}, {112, 224}, {192, 224}, {32, 144}, {112, 144},
                              {192, 144}, {32, 64},   {112, 64},  {192, 64}};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class GameE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.startServer()) << "Xvfb did not start";
        appDir = x.makeAppDir(QStringLiteral(ZELTO_APPDIR));
        ASSERT_FALSE(appDir.isEmpty());
    }

    // Sets the rules in the copied Config.dat before the game starts.
    void setRules(int mistakes, int delay, bool playerTime) {
        const QString path = appDir + QStringLiteral("/Config.dat");
        QByteArray bytes = readFile(path);
        ASSERT_GE(bytes.size(), kConfigRecordSize);
        ConfigRecord rec = ConfigRecord::decode(bytes);
        rec.MistakesAllowed = static_cast<std::uint8_t>(mistakes);
        rec.Delay = delay;
        rec.PlayerTime = playerTime ? 1 : 0;
        rec.PlayMusic = 0;
        bytes.replace(0, kConfigRecordSize, rec.encode());
        ASSERT_TRUE(writeFile(path, bytes));
    }

    void startGame() {
        ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
        const auto main = x.waitForWindow(kMainTitle, 20000, [this](const QString& id) {
            return x.windowGeometry(id).size() == QSize(456, 352);
        });
        ASSERT_TRUE(main) << "no main window";
        window = *main;
        frame = x.windowGeometry(window);
        x.focus(window);
        idle = boardShot();
        ASSERT_FALSE(idle.isNull());
    }

    QImage boardShot() const { return x.screenshot().copy(frame); }

    // The board button shown lit, or 0 when all nine show their idle picture.
    int litButton(const QImage& shot) const {
        for (int n = 1; n <= 9; ++n) {
            const QRect r(kButtonPos[n - 1], QSize(64, 64));
            int differing = 0;
            for (int y = r.top() + 4; y < r.bottom() - 4; y += 4)
                for (int x0 = r.left() + 4; x0 < r.right() - 4; x0 += 4)
                    if (shot.pixel(x0, y) != idle.pixel(x0, y)) ++differing;
            if (differing > 40) return n;
        }
        return 0;
    }

    // Watches one playback of `length` steps and returns the buttons it lit.
    std::vector<int> watchPlayback(int length) {
        std::vector<int> seen;
        int current = 0;
        x.waitUntil(
            [&] {
                const int lit = litButton(boardShot());
                if (lit != 0 && lit != current) seen.push_back(lit);
                // A dark tick separates two flashes of the same button.
                current = lit;
                return static_cast<int>(seen.size()) == length && lit == 0;
            },
            30000, 5);
        return seen;
    }

    void press(int n) { x.key(QStringLiteral("KP_%1").arg(n)); }

    XSession x;
    QString appDir;
    QString window;
    QRect frame;
    QImage idle;
};

TEST_F(GameE2eTest, CorrectRoundsThenAWrongPressMakesARecord) {
    setRules(0, 1000, false);
    const QByteArray before = readFile(appDir + QStringLiteral("/Config.dat"));
    startGame();
    x.key(QStringLiteral("F2"));

    const int rounds = 3;
    std::vector<int> previous;
    for (int round = 1; round <= rounds; ++round) {
        const std::vector<int> steps = watchPlayback(round);
        std::cerr << "round " << round << ":";
        for (int step : steps) std::cerr << ' ' << step;
        std::cerr << '\n';
        ASSERT_EQ(static_cast<int>(steps.size()), round) << "round " << round;
        // One sequence serves the whole game: each round repeats the last one.
        for (size_t i = 0; i < previous.size(); ++i) EXPECT_EQ(steps[i], previous[i]);
        for (int step : steps) press(step);
        previous = steps;
    }

    // Round 4: a wrong first press with no mistake allowed ends the game.
    const std::vector<int> steps = watchPlayback(rounds + 1);
    ASSERT_EQ(static_cast<int>(steps.size()), rounds + 1);
    press(steps[0] == 1 ? 2 : 1);

    const auto over = x.waitForWindow(kMainTitle, 10000, [this](const QString& id) {
        return id != window;
    });
    ASSERT_TRUE(over) << "no game-over box";
    x.focus(*over);
    x.key(QStringLiteral("Return"));
    const auto nameBox = x.waitForWindow(QStringLiteral("^Congratulations!$"), 10000);
    ASSERT_TRUE(nameBox) << "no record name box";
    x.focus(*nameBox);
    x.key(QStringLiteral("ctrl+a"));
    x.type(QStringLiteral("Keypad Ace"));
    x.key(QStringLiteral("Return"));
    const auto viewer = x.waitForWindow(QStringLiteral("^Zelto 2000 Records$"), 10000);
    ASSERT_TRUE(viewer) << "no records viewer";
    x.focus(*viewer);
    x.key(QStringLiteral("Return"));
    ASSERT_TRUE(x.waitUntil([&] { return x.findWindows(QStringLiteral("^Zelto 2000 Records$")).isEmpty(); },
                            10000));

    const QByteArray after = readFile(appDir + QStringLiteral("/Config.dat"));
    ASSERT_EQ(after.size(), before.size());
    const ConfigRecord rec = ConfigRecord::decode(after);
    const int i = recordIndex(9, 0, 0, 0, 1);
    EXPECT_EQ(rec.Top10Scores[i], rounds);
    EXPECT_EQ(rec.Top10Names[i].text(), QStringLiteral("Keypad Ace"));
    // Nothing else in the file changed: only that score and that name.
    QByteArray expected = before;
    ConfigRecord old = ConfigRecord::decode(before);
    old.Top10Scores[i] = rounds;
    old.Top10Names[i] = rec.Top10Names[i];
    expected.replace(0, kConfigRecordSize, old.encode());
    EXPECT_TRUE(after == expected);
}
}  // namespace
