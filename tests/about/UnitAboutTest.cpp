// The about box: its look, the close button, dragging and the two links.
#include <gtest/gtest.h>

#include <QAccessible>

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "AppDirLayout.h"
#include "ConfigRecord.h"
#include "ModalBoxCloser.h"
#include "MouseSender.h"
#include "OpenedPages.h"
#include "RecordingWave.h"
#include "TestTree.h"
#include "UnitAbout.h"

namespace {
ConfigRecord record(int playSounds) {
    ConfigRecord rec = ConfigRecord::defaults();
    rec.PlaySounds = static_cast<std::uint8_t>(playSounds);
    return rec;
}

QImage imageOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        savedDir_ = QDir::currentPath();
        tree.writeConfig(record(1));
        about.setAppDir(tree.path());
    }
    void TearDown() override {
        about.hide();
        QDir::setCurrent(savedDir_);
    }
    void closeModalSoon(std::function<void()> steps) {
        QTimer::singleShot(0, &about, std::move(steps));
        QTimer::singleShot(20000, &about, [this] {
            if (about.isVisible()) about.done(99);
        });
    }

    TestTree tree;
    RecordingWave wave;
    TFormAbout about{wave};

private:
    QString savedDir_;
};
}  // namespace

TEST_F(AboutBox, TitleSizeAndPlaces) {
    EXPECT_EQ(about.windowTitle(), "About ...");
    EXPECT_EQ(about.size(), QSize(362, 202));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.Background()->geometry(), QRect(0, 0, 362, 202));
    EXPECT_EQ(about.Label1()->geometry(), QRect(16, 96, 329, 65));
    EXPECT_EQ(about.Buttton()->geometry(), QRect(136, 160, 89, 25));
    EXPECT_EQ(about.Buttton()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBox, CreditTextIsBoldCentredAndWrapped) {
    QLabel* label = about.Label1();
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_TRUE(label->text().contains("Zelto 2000 team"));
    EXPECT_TRUE(label->text().contains("skins, sounds and updates"));
}

TEST_F(AboutBox, LinksLookLikeLinksAndSitOnTheCredits) {
    for (QLabel* link : {about.Label2(), about.Label3()}) {
        EXPECT_TRUE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(link->autoFillBackground());
        EXPECT_FALSE(link->geometry().isEmpty());
        EXPECT_TRUE(about.Label1()->geometry().contains(link->geometry()))
            << link->objectName().toStdString();
        EXPECT_TRUE(about.Label1()->text().contains(link->text()));
    }
    EXPECT_EQ(about.Label2()->toolTip(), "Contact the author");
    EXPECT_EQ(about.Label3()->toolTip(), "Visit Zelto's web page");
    EXPECT_LT(about.Label2()->y(), about.Label3()->y());
    // A screen reader announces each link by its hint and the picture button as Close.
    auto spoken = [](QWidget* w) {
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
        return ai ? ai->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(spoken(about.Label2()), "Contact the author");
    EXPECT_EQ(spoken(about.Label3()), "Visit Zelto's web page");
    QWidget* close = about.findChild<QWidget*>(QStringLiteral("Buttton"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(spoken(close), "Close");
}

TEST_F(AboutBox, EmbeddedPicturesAreLoaded) {
    EXPECT_EQ(about.Background()->pixmap().size(), QSize(362, 202));
    EXPECT_EQ(about.ButtonUp().size(), QSize(89, 25));
    EXPECT_EQ(about.ButtonDown().size(), QSize(89, 25));
    EXPECT_NE(imageOf(about.ButtonUp()), imageOf(about.ButtonDown()));
}

TEST_F(AboutBox, ShowReadsConfigCentresAndSetsTheContactPage) {
    about.show();
    EXPECT_EQ(about.config().PlaySounds, 1);
    EXPECT_EQ(about.config().SoundScheme.text(), "Default Sounds");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(about.pos(), QPoint((screen.width() - 362) / 2, (screen.height() - 202) / 2));
    EXPECT_EQ(about.GoToWeb2().Url(), tree.path() + "/Help docs/Contact.html");
    EXPECT_EQ(about.GoToWeb2().BrowserState(), gwMaximized);
    EXPECT_EQ(about.GoToWeb().BrowserState(), gwMaximized);
    EXPECT_EQ(imageOf(about.Buttton()->pixmap()), imageOf(about.ButtonUp()));
    EXPECT_FALSE(about.dragging());
}

TEST_F(AboutBox, EveryShowingRereadsTheConfig) {
    about.show();
    about.hide();
    tree.writeConfig(record(0));
    about.show();
    EXPECT_EQ(about.config().PlaySounds, 0);
}

TEST_F(AboutBox, MissingConfigShowsTheFileErrorAndKeepsRunning) {
    QFile::remove(tree.file("Config.dat"));
    ModalBoxCloser closer;
    about.show();
    ASSERT_EQ(closer.texts(), QStringList({"File not found"}));
    EXPECT_EQ(closer.titles(), QStringList({"Zelto 2000"}));
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.GoToWeb2().Url(), tree.path() + "/Help docs/Contact.html");
}

TEST_F(AboutBox, PressOnTheButtonShowsItPressedAndClicks) {
    about.show();
    MouseSender::press(about.Buttton(), QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(imageOf(about.Buttton()->pixmap()), imageOf(about.ButtonDown()));
    EXPECT_EQ(
        wave.files,
        QStringList({AppDirLayout(tree.path()).soundFile("Default Sounds", GameSound::Click)}));
}

TEST_F(AboutBox, ReleaseClosesWhereverThePointerIs) {
    bool pressedShown = false;
    closeModalSoon([&] {
        MouseSender::press(about.Buttton(), QPoint(40, 12));
        pressedShown = imageOf(about.Buttton()->pixmap()) == imageOf(about.ButtonDown());
        MouseSender::move(about.Buttton(), QPoint(-120, -100));
        MouseSender::release(about.Buttton(), QPoint(-120, -100));
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_TRUE(pressedShown);
    EXPECT_EQ(imageOf(about.Buttton()->pixmap()), imageOf(about.ButtonUp()));
}

TEST_F(AboutBox, DraggingTheBackgroundMovesTheWindowWithThePointer) {
    about.show();
    const QPoint start = about.pos();
    MouseSender::press(about.Background(), QPoint(50, 50));
    EXPECT_TRUE(about.dragging());
    MouseSender::move(about.Background(), QPoint(60, 45));
    EXPECT_EQ(about.pos(), start + QPoint(10, -5));
    MouseSender::move(about.Background(), QPoint(50, 50));  // pointer still on the grabbed point
    EXPECT_EQ(about.pos(), start + QPoint(10, -5));
    MouseSender::move(about.Background(), QPoint(47, 52));
    EXPECT_EQ(about.pos(), start + QPoint(7, -3));
    MouseSender::release(about.Background(), QPoint(47, 52));
    EXPECT_FALSE(about.dragging());
    MouseSender::move(about.Background(), QPoint(90, 90));
    EXPECT_EQ(about.pos(), start + QPoint(7, -3));
}

TEST_F(AboutBox, PressingLinksOrTheButtonStartsNoDrag) {
    about.show();
    const QPoint start = about.pos();
    MouseSender::press(about.Label2(), QPoint(2, 2), Qt::RightButton);
    MouseSender::press(about.Buttton(), QPoint(2, 2));
    EXPECT_FALSE(about.dragging());
    about.BackgroundMouseMove(80, 80);
    EXPECT_EQ(about.pos(), start);
}

TEST_F(AboutBox, ShowingAgainEndsAnUnfinishedDrag) {
    about.show();
    about.BackgroundMouseDown(5, 5);
    about.hide();
    about.show();
    EXPECT_FALSE(about.dragging());
}

class AboutBoxLinks : public AboutBox {
protected:
    OpenedPages pages;
};

TEST_F(AboutBoxLinks, AuthorLinkOpensTheContactPage) {
    about.show();
    MouseSender::click(about.Label2(), QPoint(3, 3));
    ASSERT_EQ(pages.urls().size(), 1);
    EXPECT_EQ(pages.urls()[0].toLocalFile(), tree.path() + "/Help docs/Contact.html");
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBoxLinks, AddressLinkOpensTheProductPage) {
    about.show();
    MouseSender::click(about.Label3(), QPoint(3, 3));
    EXPECT_EQ(pages.urls(), QList<QUrl>({QUrl(about.GoToWeb().Url())}));
    EXPECT_TRUE(about.GoToWeb().Url().contains("example.org"));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBoxLinks, PressWithoutReleaseOnTheLinkOpensNothing) {
    about.show();
    MouseSender::press(about.Label3(), QPoint(3, 3));
    MouseSender::release(about.Label3(), QPoint(-50, -50));
    EXPECT_TRUE(pages.urls().isEmpty());
    MouseSender::click(about.Label3(), QPoint(3, 3));  // a real click afterwards still works
    EXPECT_EQ(pages.urls(), QList<QUrl>({QUrl(about.GoToWeb().Url())}));
}
