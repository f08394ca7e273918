// The settings dialogs in the real window: their changes show on the board at once.
#include "GameFixture.h"

namespace {

class SettingsE2eTest : public GameFixture {};

TEST_F(SettingsE2eTest, ADisabledButtonLeavesTheBoard) {
    startGame();
    x.key(QStringLiteral("F4"));
    const auto dialog = waitForBox(QStringLiteral("^Game Configuration$"));
    ASSERT_TRUE(dialog) << "no game configuration dialog";
    EXPECT_EQ(x.windowGeometry(*dialog).size(), QSize(254, 203));
    x.click(at(*dialog, {49 + 8, 63 + 8}));     // the check box of button 5
    x.click(at(*dialog, {95 + 36, 171 + 12}));  // Ok
    ASSERT_TRUE(waitForBoxGone(*dialog));

    // The board is redrawn after the dialog has gone: wait for it.
    const bool hidden =
        x.waitUntil([&] { return changedButtons(boardShot()) == std::vector<int>{5}; }, 10000, 50);
    EXPECT_TRUE(hidden) << "button 5 is still shown";
    const ConfigRecord rec = ConfigRecord::decode(config());
    EXPECT_FALSE(rec.buttonEnabled(5));
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9}) EXPECT_TRUE(rec.buttonEnabled(n)) << n;
}

TEST_F(SettingsE2eTest, AnotherSkinIsDrawnOnceChosen) {
    startGame();
    x.key(QStringLiteral("F5"));
    const auto dialog = waitForBox(QStringLiteral("^Skin Selection$"));
    ASSERT_TRUE(dialog) << "no skin selection dialog";
    x.click(at(*dialog, {6 + 30, 8 + 6}));  // the first entry, then the last
    x.key(QStringLiteral("End"));
    x.click(at(*dialog, {114 + 36, 128 + 12}));  // Ok
    ASSERT_TRUE(waitForBoxGone(*dialog));

    const ConfigRecord rec = ConfigRecord::decode(config());
    EXPECT_EQ(rec.SkinName.text(), QStringLiteral("Midnight"));
    QImage shot;
    const bool redrawn = x.waitUntil(
        [&] {
            shot = boardShot();
            return changedButtons(shot).size() == 9u;
        },
        10000, 50);
    EXPECT_TRUE(redrawn) << "every board button has a new picture";
    EXPECT_NE(shot.pixel(300, 20), idle.pixel(300, 20)) << "the background is the new one";
}

}  // namespace
