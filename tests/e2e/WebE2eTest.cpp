// The help command and the about box's links hand their pages to the desktop's opener:
// here a stand-in xdg-open, first on the game's PATH, that writes down what it got.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "GameFixture.h"

namespace {

class WebE2eTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        ASSERT_TRUE(bin.isValid());
        // Only this folder: no real opener or browser may stand in for the fake one.
        x.setGameEnv(QStringLiteral("PATH"), bin.path());
        x.setGameEnv(QStringLiteral("BROWSER"), QString());
        x.setGameEnv(QStringLiteral("DEFAULT_BROWSER"), QString());
    }

    void installOpener() const {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + log().toLocal8Bit() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }

    QString log() const { return bin.filePath(QStringLiteral("opened.txt")); }

    QStringList opened() const {
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    bool waitForOpened(int count) const {
        return x.waitUntil([&] { return opened().size() >= count; }, XSession::kPatienceMs, 50);
    }

    static QString fileUrl(const QString& path) {
        return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    }

    // The two links are the about box's maroon words: the author's name on the first
    // line of the credits, the web address below it. One pixel of each, on the screen.
    std::optional<std::pair<QPoint, QPoint>> findLinks(const QString& box) const {
        const QRect area = x.windowGeometry(box);
        const QImage shot = x.screenshot().copy(area);
        std::optional<QPoint> author;
        std::optional<QPoint> address;
        for (int y = 96; y < 161 && y < shot.height(); ++y)
            for (int px = 16; px < 345 && px < shot.width(); ++px) {
                const QColor c = shot.pixelColor(px, y);
                if (c.red() < 90 || c.green() > 40 || c.blue() > 40) continue;
                if (!author) author = QPoint(px, y);
                if (y > author->y() + 12 && !address) address = QPoint(px, y);
            }
        if (!author || !address) return std::nullopt;
        return std::make_pair(area.topLeft() + *author, area.topLeft() + *address);
    }

    QTemporaryDir bin;
};

TEST_F(WebE2eTest, HelpAndTheAboutLinksOpenTheirPagesAndNoOpenerShowsNothing) {
    startGame();

    // No opener at all: the help command does nothing visible and the game goes on.
    x.key(QStringLiteral("ctrl+F1"));
    x.key(QStringLiteral("ctrl+a"));
    auto about = waitForBox(QStringLiteral("^About \\.\\.\\.$"));
    ASSERT_TRUE(about) << "no about box after the help command";
    EXPECT_EQ(x.findWindows(QStringLiteral(".+")).size(), 2) << "something else was shown";
    EXPECT_TRUE(x.gameRunning());
    EXPECT_TRUE(opened().isEmpty());

    installOpener();
    std::optional<std::pair<QPoint, QPoint>> links;
    ASSERT_TRUE(x.waitUntil([&] { return (links = findLinks(*about)).has_value(); }, 10000, 100))
        << "the links were never drawn";
    x.click(links->first);
    ASSERT_TRUE(waitForOpened(1)) << "the author's link opened nothing";
    x.click(links->second);
    ASSERT_TRUE(waitForOpened(2)) << "the address link opened nothing";
    x.key(QStringLiteral("Escape"));
    ASSERT_TRUE(waitForBoxGone(*about));

    x.focus(window);
    x.key(QStringLiteral("ctrl+F1"));
    ASSERT_TRUE(waitForOpened(3)) << "the help command opened nothing";
    const QStringList expected = {fileUrl(appDir + QStringLiteral("/Help docs/Contact.html")),
                                  QStringLiteral("https://zelto2000.example.org/"),
                                  fileUrl(appDir + QStringLiteral("/Zelto 2000 Help.html"))};
    EXPECT_EQ(opened().join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_TRUE(x.gameRunning());
}

}  // namespace
