// The real program in a real X window: start-up, the window, and the missing-file stop.
#include <gtest/gtest.h>

#include <cstdlib>

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

    bool isMainWindow(const QString& id, int scale = 1) const {
        return x.windowGeometry(id).size() == QSize(456, 352) * scale;
    }

    // The main window as drawn on the screen, with the game then ended.
    QImage mainWindowShot(int scale) {
        if (!x.launchGame(QStringLiteral(ZELTO_BINARY), appDir)) return QImage();
        const auto main =
            x.waitForWindow(kMainTitle, XSession::kPatienceMs,
                            [&](const QString& id) { return isMainWindow(id, scale); });
        if (!main) return QImage();
        x.waitUntil([] { return false; }, 500);  // let it paint
        const QImage shot = x.screenshot().copy(x.windowGeometry(*main));
        x.stopGame();
        return shot;
    }

    XSession x;
    QString appDir;
};

TEST_F(StartupE2eTest, SplashThenCentredMainWindowThatTheExitIconCloses) {
    ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
    const auto logo = x.waitForWindow(QStringLiteral("^Logo$"), XSession::kPatienceMs);
    ASSERT_TRUE(logo) << "no splash window";
    EXPECT_EQ(x.windowGeometry(*logo).size(), QSize(184, 86));
    // While the splash is up the main window is not shown yet.
    EXPECT_TRUE(x.findWindows(kMainTitle).isEmpty());

    const auto main = x.waitForWindow(kMainTitle, XSession::kPatienceMs,
                                      [this](const QString& id) { return isMainWindow(id); });
    ASSERT_TRUE(main) << "no 456 x 352 window titled Zelto 2000";
    const QRect geometry = x.windowGeometry(*main);
    EXPECT_EQ(geometry.topLeft(), QPoint((1024 - 456) / 2, (768 - 352) / 2));

    // The skin is drawn: the board is not one flat colour.
    const QImage shot = x.screenshot().copy(geometry);
    ASSERT_FALSE(shot.isNull());
    EXPECT_NE(shot.pixel(10, 100), shot.pixel(64, 96 + 160));

    // The exit icon ends the program at once.
    x.click(geometry.topLeft() + QPoint(424 + 16, 16));
    const auto code = x.waitForExit(XSession::kPatienceMs);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0);
}

TEST_F(StartupE2eTest, MissingConfigShowsTheMessageAndEnds) {
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Config.dat")));
    ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
    ASSERT_TRUE(x.waitForWindow(QStringLiteral("^Logo$"), XSession::kPatienceMs));
    const auto box = x.waitForWindow(kMainTitle, XSession::kPatienceMs,
                                     [this](const QString& id) { return !isMainWindow(id); });
    ASSERT_TRUE(box) << "no message box";
    EXPECT_TRUE(x.findWindows(kMainTitle).size() == 1);
    x.focus(*box);
    x.key(QStringLiteral("Return"));
    const auto code = x.waitForExit(XSession::kPatienceMs);
    ASSERT_TRUE(code) << "the program did not end after the message";
    EXPECT_EQ(*code, 0);
}
// On a screen scaled by two the window keeps its layout in logical pixels: twice the
// size, and the same picture when brought back to one.
TEST_F(StartupE2eTest, AtScaleTwoTheWindowKeepsItsLayout) {
    const QImage one = mainWindowShot(1);
    ASSERT_EQ(one.size(), QSize(456, 352));
    x.setGameEnv(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    const QImage two = mainWindowShot(2);
    ASSERT_EQ(two.size(), QSize(912, 704)) << "no main window twice the size";
    const QImage back = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(one.format());
    qint64 difference = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x0 = 0; x0 < one.width(); ++x0) {
            const QRgb a = one.pixel(x0, y), b = back.pixel(x0, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
        }
    const double perChannel = double(difference) / (one.width() * one.height() * 3);
    EXPECT_LT(perChannel, 10.0) << "the scaled window shows something else or cuts it off";
}
}  // namespace
