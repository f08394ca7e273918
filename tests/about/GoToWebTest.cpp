// Handing pages to the desktop's opener.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>

#include "GoToWeb.h"
#include "OpenedPages.h"

TEST(GoToWebProperties, DefaultsAndStoredValues) {
    TGoToWeb web;
    EXPECT_TRUE(web.Url().startsWith("https://"));
    EXPECT_FALSE(web.EMail().isEmpty());
    EXPECT_TRUE(web.EMailSubject().isEmpty());
    EXPECT_EQ(web.BrowserState(), gwMaximized);
    web.setBrowserState(gwNormal);
    web.setEMailSubject("Hello");
    EXPECT_EQ(web.BrowserState(), gwNormal);
    EXPECT_EQ(web.EMailSubject(), "Hello");
    EXPECT_EQ(static_cast<int>(gwMaximized), 0);
    EXPECT_EQ(static_cast<int>(gwNormal), 1);
}

// Spaces, quotes, '#', '%' and '$' are part of the file's name, not URL syntax.
TEST(GoToWebGo, LocalPageGoesAsAFileUrlOfExactlyThatFile) {
    OpenedPages pages;
    TGoToWeb web;
    const QString path = R"(/app dir/Help docs/it's "my" #1 100% $HOME.html)";
    web.setUrl(path);
    ASSERT_TRUE(web.Go());
    ASSERT_EQ(pages.urls().size(), 1);
    EXPECT_TRUE(pages.urls()[0].isLocalFile());
    EXPECT_EQ(pages.urls()[0].toLocalFile(), path);

    web.setUrl("Help docs/Contact.html");
    ASSERT_TRUE(web.Go());
    EXPECT_EQ(pages.urls().last().toLocalFile(),
              QDir::current().filePath("Help docs/Contact.html"));
}

TEST(GoToWebGo, WebAddressGoesAsItIs) {
    OpenedPages pages;
    TGoToWeb web;
    ASSERT_TRUE(web.Go());
    web.setUrl("http://zelto2000.example.org/skins?page=2#top");
    ASSERT_TRUE(web.Go());
    ASSERT_EQ(pages.urls().size(), 2);
    EXPECT_EQ(pages.urls()[0], QUrl("https://zelto2000.example.org/"));
    EXPECT_EQ(pages.urls()[1].toString(), "http://zelto2000.example.org/skins?page=2#top");
}

// The offscreen platform has no opener at all: nothing is started, nothing is shown.
TEST(GoToWebGo, WithoutAnOpenerOrAnAddressGoReturnsFalse) {
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "a real desktop";
    TGoToWeb web;
    EXPECT_FALSE(web.Go());
    OpenedPages pages;
    web.setUrl(QString());
    EXPECT_FALSE(web.Go());
    EXPECT_TRUE(pages.urls().isEmpty());
}
