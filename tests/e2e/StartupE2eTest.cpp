// The real program in a real X window: start-up, the window, and the missing-file stop.
#include <gtest/gtest.h>

#include <QFile>

#include "XSession.h"

namespace {
const QString kMainTitle = QStringLiteral("^Zelto 2000$");

class StartupE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.startServer()) << "Xvfb did not start";
        appDir = x.makeAppDir(QStringLiteral(ZELTO_APPDIR));
        ASSERT_FALSE(appDir.isEmpty());
    }

    bool isMainWindow(const QString& id) const {
        return x.windowGeometry(id).size() == QSize(456, 352);
    }

    XSession x;
    QString appDir;
};

TEST_F(StartupE2eTest, SplashThenCentredMainWindowThatTheExitIconCloses) {
    ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
    const auto logo = x.waitForWindow(QStringLiteral("^Logo$"), 10000);
    ASSERT_TRUE(logo) << "no splash window";
    EXPECT_EQ(x.windowGeometry(*logo).size(), QSize(184, 86));
    // While the splash is up the main window is not shown yet.
    EXPECT_TRUE(x.findWindows(kMainTitle).isEmpty());

    const auto main =
        x.waitForWindow(kMainTitle, 10000, [this](const QString& id) { return isMainWindow(id); });
    ASSERT_TRUE(main) << "no 456 x 352 window titled Zelto 2000";
    const QRect geometry = x.windowGeometry(*main);
    EXPECT_EQ(geometry.topLeft(), QPoint((1024 - 456) / 2, (768 - 352) / 2));

    // The skin is drawn: the board is not one flat colour.
    const QImage shot = x.screenshot().copy(geometry);
    ASSERT_FALSE(shot.isNull());
    EXPECT_NE(shot.pixel(10, 100), shot.pixel(64, 96 + 160));

    // The exit icon ends the program at once.
    x.click(geometry.topLeft() + QPoint(424 + 16, 16));
    const auto code = x.waitForExit(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0);
}

TEST_F(StartupE2eTest, MissingConfigShowsTheMessageAndEnds) {
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Config.dat")));
    ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
    ASSERT_TRUE(x.waitForWindow(QStringLiteral("^Logo$"), 10000));
    const auto box =
        x.waitForWindow(kMainTitle, 10000, [this](const QString& id) { return !isMainWindow(id); });
    ASSERT_TRUE(box) << "no message box";
    EXPECT_TRUE(x.findWindows(kMainTitle).size() == 1);
    x.focus(*box);
    x.key(QStringLiteral("Return"));
    const auto code = x.waitForExit(10000);
    ASSERT_TRUE(code) << "the program did not end after the message";
    EXPECT_EQ(*code, 0);
}
}  // namespace
