// Every window's title as the window manager shows it, and the quit question answered
// through its frame's close button.
#include <QFile>
#include <QRegularExpression>

#include "GameFixture.h"

namespace {

class WindowsE2eTest : public GameFixture {
protected:
    // Opens a window with `key`, checks the title X holds for it and closes it by its frame.
    void expectCaption(const QString& key, const QString& caption) {
        SCOPED_TRACE(caption.toStdString());
        x.focus(window);
        x.key(key);
        const auto id = waitForBox(QStringLiteral("^") + QRegularExpression::escape(caption));
        ASSERT_TRUE(id) << "not shown";
        EXPECT_EQ(x.caption(*id), caption);
        ASSERT_TRUE(x.closeByFrame(*id));
        EXPECT_TRUE(waitForBoxGone(*id));
    }

    bool boardIsIdle() { return boardShot() == idle; }
};

TEST_F(WindowsE2eTest, EveryWindowShowsExactlyItsOwnTitle) {
    ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
    const auto splash = x.waitForWindow(QStringLiteral("^Logo"), XSession::kPatienceMs);
    ASSERT_TRUE(splash) << "no splash";
    EXPECT_EQ(x.caption(*splash), QStringLiteral("Logo"));
    x.stopGame();

    startGame();
    EXPECT_EQ(x.caption(window), QStringLiteral("Zelto 2000"));
    expectCaption(QStringLiteral("F4"), QStringLiteral("Game Configuration"));
    expectCaption(QStringLiteral("F5"), QStringLiteral("Skin Selection"));
    expectCaption(QStringLiteral("F6"), QStringLiteral("Sounds Selection"));
    expectCaption(QStringLiteral("F7"), QStringLiteral("Music Selection"));
    expectCaption(QStringLiteral("F8"), QStringLiteral("Zelto 2000 Records"));
    expectCaption(QStringLiteral("ctrl+a"), QStringLiteral("About ..."));

    // A skin that fails the dialog's check brings up the "Error" box.
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Midnight/Icon2Up.jpg")));
    x.focus(window);
    x.key(QStringLiteral("F5"));
    const auto dialog = waitForBox(QStringLiteral("^Skin Selection"));
    ASSERT_TRUE(dialog);
    x.click(at(*dialog, {6 + 30, 8 + 6}));
    x.key(QStringLiteral("End"));
    const auto error = x.waitForWindow(QStringLiteral("^Error"), XSession::kPatienceMs);
    ASSERT_TRUE(error) << "no error box";
    EXPECT_EQ(x.caption(*error), QStringLiteral("Error"));
}

// Only No keeps the game: Esc answers No, the frame's close button does not.
TEST_F(WindowsE2eTest, TheQuitQuestionClosedByItsFrameEndsTheGame) {
    startGame();
    x.key(QStringLiteral("F2"));
    ASSERT_TRUE(x.waitUntil([&] { return !boardIsIdle(); }, 10000, 50)) << "no game began";

    x.key(QStringLiteral("F3"));
    auto ask = waitForBox(QStringLiteral("^Zelto 2000$"));
    ASSERT_TRUE(ask) << "no question";
    EXPECT_EQ(x.caption(*ask), QStringLiteral("Zelto 2000"));
    x.key(QStringLiteral("Escape"));
    ASSERT_TRUE(waitForBoxGone(*ask));
    x.focus(window);
    EXPECT_FALSE(x.waitUntil([&] { return boardIsIdle(); }, 1500, 100)) << "Esc ended the game";

    x.key(QStringLiteral("F3"));
    ask = waitForBox(QStringLiteral("^Zelto 2000$"));
    ASSERT_TRUE(ask) << "no question";
    ASSERT_TRUE(x.closeByFrame(*ask));
    ASSERT_TRUE(waitForBoxGone(*ask));
    EXPECT_TRUE(x.waitUntil([&] { return boardIsIdle(); }, 5000, 50)) << "the game went on";
}

}  // namespace
