// The real game natively under Wayland, in a headless sway: a clean start, a round
// played on the keypad, and every dialog and box owned by the main window as the
// compositor is told (xdg_toplevel.set_parent in the game's protocol log).
#include <gtest/gtest.h>

#include <iostream>
#include <set>

#include <QFile>
#include <QRegularExpression>

#include "ConfigRecord.h"
#include "SettledPicture.h"
#include "SwaySession.h"
#include "ToplevelLog.h"

namespace {
const QString kMainTitle = QStringLiteral("Zelto 2000");
// Board buttons 1..9 as on the keypad: 7 8 9 on top.
const QPoint kButtonPos[9] = {{32, 224},  {112, 224}, {192, 224}, {32, 144}, {112, 144},
                              {192, 144}, {32, 64},   {112, 64},  {192, 64}};

class WaylandE2eTest : public ::testing::Test {
protected:
    using Window = SwaySession::Window;

    void SetUp() override {
        if (const auto lack = SwaySession::missing()) {
            std::cout << "SKIP: Wayland end-to-end tests: " << lack->toStdString() << std::endl;
            GTEST_SKIP() << lack->toStdString();
        }
        ASSERT_TRUE(sway.start()) << "sway did not start:\n" << sway.log().toStdString();
        appDir = sway.makeAppDir(QStringLiteral(ZELTO_APPDIR));
        ASSERT_FALSE(appDir.isEmpty());
        writeRules();
    }

    // No mistake, no clock, no music, and flashes of half a second, which screenshots
    // catch on a busy machine too.
    void writeRules() const {
        QFile file(appDir + QStringLiteral("/Config.dat"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), kConfigRecordSize);
        ConfigRecord rec = ConfigRecord::decode(bytes);
        rec.MistakesAllowed = 0;
        rec.PlayerTime = 0;
        rec.PlayMusic = 0;
        rec.Delay = 1000;
        ASSERT_TRUE(file.seek(0));
        ASSERT_EQ(file.write(rec.encode()), kConfigRecordSize);
    }

    ConfigRecord config() const {
        QFile file(appDir + QStringLiteral("/Config.dat"));
        return ConfigRecord::decode(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }

    void startGame() {
        ASSERT_TRUE(sway.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
        const auto found =
            sway.waitForWindow(kMainTitle, SwaySession::kPatienceMs,
                               [](const Window& w) { return w.content.size() == QSize(456, 352); });
        ASSERT_TRUE(found) << "no main window";
        main = *found;
        ASSERT_TRUE(waitForSettledPicture(
            sway, [this] { return shot(); }, idle))
            << "the main window never finished painting";
        waitForMainFocused();
    }

    QImage shot() const { return sway.screenshot(main.content); }

    // F2 until the game has started: a key that comes just as the compositor hands the
    // window its focus may arrive before the toolkit counts the window as active, and F2
    // does nothing once a game runs. A new game fills the info lines at once.
    bool startPlaying() const {
        return sway.waitUntil(
            [this] {
                if (!sway.key(QStringLiteral("F2"))) return false;
                return sway.waitUntil([this] { return shot() != idle; }, 1500, 50);
            },
            SwaySession::kPatienceMs, 0);
    }

    // The board buttons whose rim differs from the idle board: the lit ones.
    std::vector<int> changedButtons(const QImage& picture) const {
        std::vector<int> changed;
        if (picture.size() != idle.size()) return changed;
        for (int n = 1; n <= 9; ++n) {
            const QPoint o = kButtonPos[n - 1];
            int differing = 0;
            for (int dy = 4; dy < 60; dy += 4)
                for (int dx = 4; dx < 60; dx += 4)
                    if ((dx < 16 || dx >= 48 || dy < 16 || dy >= 48) &&
                        picture.pixel(o.x() + dx, o.y() + dy) != idle.pixel(o.x() + dx, o.y() + dy))
                        ++differing;
            if (differing > 30) changed.push_back(n);
        }
        return changed;
    }

    // Watches one playback of `length` steps and returns the buttons it lit.
    std::vector<int> watchPlayback(int length) {
        std::vector<int> seen;
        int current = 0;
        sway.waitUntil(
            [&] {
                const std::vector<int> changed = changedButtons(shot());
                const int lit = changed.empty() ? 0 : changed.front();
                if (lit != 0 && lit != current) seen.push_back(lit);
                current = lit;  // a dark tick separates two flashes of the same button
                return static_cast<int>(seen.size()) >= length && lit == 0;
            },
            30000, 5);
        return seen;
    }

    void press(int n) const { ASSERT_TRUE(sway.key(QStringLiteral("KP_%1").arg(n))); }

    // For a failure report: the keys the game was sent and which window had the focus.
    std::string inputReport() const {
        const qsizetype keys = sway.gameErrors().count(
            QRegularExpression(QStringLiteral(R"(wl_keyboard@\d+\.key\()")));
        QString focused = QStringLiteral("none");
        for (const Window& w : sway.windows())
            if (w.focused) focused = w.title;
        return QStringLiteral("key events the game received: %1, focused: %2")
            .arg(keys)
            .arg(focused)
            .toStdString();
    }

    // A new window of the game with this title, once it has the focus.
    std::optional<Window> waitForBox(const QString& title) {
        return sway.waitForWindow(title, SwaySession::kPatienceMs,
                                  [this](const Window& w) { return w.id != main.id && w.focused; });
    }

    // Keys go to the focused window: after a box, the main window must have it back.
    void waitForMainFocused() const {
        ASSERT_TRUE(sway.waitUntil(
            [this] {
                for (const Window& w : sway.windows())
                    if (w.id == main.id) return w.focused;
                return false;
            },
            SwaySession::kPatienceMs, 50))
            << "the main window did not get the focus back";
    }

    // A box shown above everything, answered with `key` (or closed when none is given).
    void answerBox(const QString& title, const QString& key, const QString& modifier = {}) {
        SCOPED_TRACE(title.toStdString());
        const auto box = waitForBox(title);
        ASSERT_TRUE(box) << "not shown";
        int top = -1;
        for (const Window& w : sway.windows()) top = std::max(top, w.stacking);
        EXPECT_EQ(box->stacking, top) << "not on top";
        if (key.isEmpty())
            ASSERT_TRUE(sway.close(box->id));
        else
            ASSERT_TRUE(sway.key(key, modifier));
        ASSERT_TRUE(sway.waitForGone(box->id, SwaySession::kPatienceMs)) << "not closed";
    }

    void openAndClose(const QString& key, const QString& title, const QString& modifier = {}) {
        waitForMainFocused();
        ASSERT_TRUE(sway.key(key, modifier));
        answerBox(title, QString());
    }

    // What the game wrote besides its protocol log; and each window's parent as it told
    // the compositor. Every window but the splash and the main window has one.
    void expectCleanOutputAndOwnedBoxes(const std::set<QString>& expectedTitles) const {
        const ToplevelLog log(sway.gameErrors());
        EXPECT_TRUE(log.otherLines().isEmpty()) << log.otherLines().join(u'\n').toStdString();
        EXPECT_TRUE(sway.gameOutput().isEmpty()) << sway.gameOutput().toStdString();
        const auto mainEntry = log.first(kMainTitle);
        ASSERT_TRUE(mainEntry);
        const auto& all = log.toplevels();
        std::set<QString> seen;
        for (int i = 0; i < int(all.size()); ++i) {
            const auto& w = all[i];
            if (i == *mainEntry || w.title == QLatin1String("Logo")) {
                EXPECT_EQ(w.parent, -1) << w.title.toStdString();
                continue;
            }
            seen.insert(w.title);
            SCOPED_TRACE(w.title.toStdString());
            ASSERT_GE(w.parent, 0) << "no parent";
            if (w.title == QLatin1String("Error")) {
                // The skin dialog's own box belongs to it, and the dialog to the main window.
                EXPECT_EQ(all[w.parent].title, QStringLiteral("Skin Selection"));
                EXPECT_EQ(all[w.parent].parent, *mainEntry);
            } else {
                EXPECT_EQ(w.parent, *mainEntry);
            }
        }
        const auto joined = [](const std::set<QString>& titles) {
            return QStringList(titles.begin(), titles.end())
                .join(QStringLiteral(", "))
                .toStdString();
        };
        EXPECT_EQ(joined(seen), joined(expectedTitles));
    }

    SwaySession sway;
    QString appDir;
    Window main;
    QImage idle;
};

TEST_F(WaylandE2eTest, AKeypadRoundAndTheRecordBoxesOnACleanStart) {
    startGame();
    // The skin is drawn: not one flat colour.
    std::set<QRgb> colours;
    for (int y = 0; y < idle.height(); y += 8)
        for (int x = 0; x < idle.width(); x += 8) colours.insert(idle.pixel(x, y));
    EXPECT_GT(colours.size(), 50u) << "the board looks blank";

    ASSERT_TRUE(sway.key(QStringLiteral("F2")));
    const std::vector<int> first = watchPlayback(1);
    ASSERT_EQ(first.size(), 1u) << inputReport();
    press(first[0]);
    const std::vector<int> second = watchPlayback(2);
    ASSERT_EQ(second.size(), 2u) << "the keypad press was not taken; " << inputReport();
    EXPECT_EQ(second[0], first[0]);
    press(second[0] == 1 ? 2 : 1);  // wrong: the game is over with a score of 1

    answerBox(kMainTitle, QStringLiteral("Return"));
    answerBox(QStringLiteral("Congratulations!"), QStringLiteral("Escape"));
    answerBox(QStringLiteral("Zelto 2000 Records"), QStringLiteral("Return"));
    const ConfigRecord rec = config();
    EXPECT_EQ(rec.Top10Scores[rec.recordIndex(1)], 1);

    expectCleanOutputAndOwnedBoxes(
        {kMainTitle, QStringLiteral("Congratulations!"), QStringLiteral("Zelto 2000 Records")});
}

TEST_F(WaylandE2eTest, EveryDialogAndBoxHasTheMainWindowAsParent) {
    startGame();
    ASSERT_TRUE(startPlaying()) << "no game started; " << inputReport();
    ASSERT_TRUE(sway.key(QStringLiteral("F3")));
    answerBox(kMainTitle, QStringLiteral("Escape"));  // No: the game goes on
    waitForMainFocused();
    ASSERT_TRUE(sway.key(QStringLiteral("F3")));
    answerBox(kMainTitle, QStringLiteral("Return"));  // Yes

    openAndClose(QStringLiteral("F4"), QStringLiteral("Game Configuration"));
    openAndClose(QStringLiteral("F5"), QStringLiteral("Skin Selection"));
    openAndClose(QStringLiteral("F6"), QStringLiteral("Sounds Selection"));
    openAndClose(QStringLiteral("F7"), QStringLiteral("Music Selection"));
    openAndClose(QStringLiteral("F8"), QStringLiteral("Zelto 2000 Records"));
    openAndClose(QStringLiteral("a"), QStringLiteral("About ..."), QStringLiteral("ctrl"));

    // A skin that fails the dialog's check brings up the dialog's own "Error" box.
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Midnight/Icon2Up.jpg")));
    waitForMainFocused();
    ASSERT_TRUE(sway.key(QStringLiteral("F5")));
    const auto dialog = waitForBox(QStringLiteral("Skin Selection"));
    ASSERT_TRUE(dialog);
    // The headless seat has no pointer: the list is walked with keys, to its last entry.
    ASSERT_TRUE(sway.key(QStringLiteral("Home")));
    ASSERT_TRUE(sway.key(QStringLiteral("End")));
    answerBox(QStringLiteral("Error"), QStringLiteral("Return"));
    ASSERT_TRUE(sway.close(dialog->id));
    ASSERT_TRUE(sway.waitForGone(dialog->id, SwaySession::kPatienceMs));

    expectCleanOutputAndOwnedBoxes(
        {kMainTitle, QStringLiteral("Game Configuration"), QStringLiteral("Skin Selection"),
         QStringLiteral("Sounds Selection"), QStringLiteral("Music Selection"),
         QStringLiteral("Zelto 2000 Records"), QStringLiteral("About ..."),
         QStringLiteral("Error")});
}

}  // namespace
