// Finding, splitting and starting the desktop's web browser.
#include <gtest/gtest.h>

#include "FakeBrowser.h"
#include "GoToWeb.h"
#include "ScopedEnv.h"
#include "TestTree.h"

namespace {
// Points every XDG variable and PATH into the tree, so nothing of the real desktop counts.
void isolate(ScopedEnv& env, const TestTree& tree) {
    const QProcessEnvironment xdg = tree.xdgEnvironment();
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        env.set(name, xdg.value(name));
    env.set("XDG_CURRENT_DESKTOP", "");
    env.set("PATH", tree.file("bin"));
}

void registerBrowser(const TestTree& tree, const QByteArray& exec) {
    tree.write("config/mimeapps.list", "[Default Applications]\ntext/html=fake.desktop\n");
    tree.write("data/applications/fake.desktop", TestTree::desktopEntry(exec));
}

QByteArray quotedExec(const QString& path) {
    QString escaped = path;
    escaped.replace("\\", "\\\\\\\\").replace("\"", "\\\\\"");
    return "\"" + escaped.toUtf8() + "\"";
}
}  // namespace

TEST(SplitBrowserCommandDos, QuotedProgramWithOptionAndQuotedPlaceholder) {
    const QString program =
        TGoToWeb::SplitBrowserCommand(R"("C:\Program Files\Browser\browser.exe" -nohome "%1")");
    EXPECT_EQ(program, R"(C:\Program Files\Browser\browser.exe)");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"-nohome"}));
}

TEST(SplitBrowserCommandDos, UnquotedProgramWithPlaceholderOnly) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand(R"(C:\Program Files\Web\BROWSER.EXE %1)"),
              R"(C:\Program Files\Web\BROWSER.EXE)");
    EXPECT_TRUE(TGoToWeb::BrowserArguments().isEmpty());
}

TEST(SplitBrowserCommandDos, QuotedTwoWordValueBecomesTwoBareWords) {
    TGoToWeb::SplitBrowserCommand(R"("C:\Web\browser.exe" -profile "Work Place" "%1")");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"-profile", "Work", "Place"}));
}

TEST(SplitBrowserCommandDos, NoArgumentsGiveEmptyArguments) {
    TGoToWeb::SplitBrowserCommand(R"("C:\Web\browser.exe" -old)");
    ASSERT_FALSE(TGoToWeb::BrowserArguments().isEmpty());
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand(R"(C:\Web\browser.exe)"), R"(C:\Web\browser.exe)");
    EXPECT_TRUE(TGoToWeb::BrowserArguments().isEmpty());
}

TEST(SplitBrowserCommandDos, OnlyTheClosingQuoteFollows) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand(R"("C:\Web\Start.Bat")"), R"(C:\Web\Start.Bat)");
    EXPECT_TRUE(TGoToWeb::BrowserArguments().isEmpty());
}

TEST(SplitBrowserCommandDos, RightmostNameIsTheCut) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand(R"(C:\a.exe\b.com -x %1)"), R"(C:\a.exe\b.com)");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"-x"}));
}

TEST(SplitBrowserCommandDos, PlaceholderRunsEndAtTheNextSpace) {
    TGoToWeb::SplitBrowserCommand(R"(C:\w.exe -a %1suffix -b %L)");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"-a", "-b"}));
}

TEST(SplitBrowserCommandDesktop, FieldCodesDropped) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand("firefox %u"), "firefox");
    EXPECT_TRUE(TGoToWeb::BrowserArguments().isEmpty());
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand("\"/opt/My Browser/browser\" --new-window %U"),
              "/opt/My Browser/browser");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"--new-window"}));
}

TEST(SplitBrowserCommandDesktop, EscapesAndPercent) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand(R"(web "--title=\"A \$B\"" 50%% %f)"), "web");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({R"(--title="A $B")", "50%"}));
}

TEST(SplitBrowserCommandDesktop, AddressEndingInComIsNoProgram) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand("browser --home=http://example.com %u"), "browser");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"--home=http://example.com"}));
}

TEST(SplitBrowserCommandEdge, EmptyCommandKeepsTheArguments) {
    TGoToWeb::SplitBrowserCommand("web --kept");
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand(""), "");
    EXPECT_EQ(TGoToWeb::BrowserArguments(), QStringList({"--kept"}));
}

TEST(SplitBrowserCommandEdge, NeitherDosNorDesktopGivesNoProgram) {
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand("\"/opt/unterminated --x"), "");
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand("   "), "");
    EXPECT_EQ(TGoToWeb::SplitBrowserCommand("%u"), "");
}

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

TEST(FindBrowserCommand, ReadsTheFakeDesktop) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    registerBrowser(tree, "fake-browser --new-tab %u");
    EXPECT_EQ(TGoToWeb::FindBrowserCommand(), "fake-browser --new-tab %u");
}

TEST(FindBrowserCommand, NothingRegisteredGivesEmpty) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    EXPECT_EQ(TGoToWeb::FindBrowserCommand(), "");
}

TEST(GoToWebGo, AddressArrivesAsOneUntouchedArgument) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    FakeBrowser browser(tree.file("My Apps/web browser"));
    registerBrowser(tree, quotedExec(browser.script()) + " --new-window %u");
    TGoToWeb web;
    web.setUrl(R"(/app dir/Help docs/it's "quoted" $HOME *.html)");
    ASSERT_TRUE(web.Go());
    EXPECT_EQ(browser.arguments(), QStringList({"--new-window", web.Url()}));
}

TEST(GoToWebGo, NoArgumentsMeansJustTheAddress) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    FakeBrowser browser(tree.file("bin/plainweb"));
    registerBrowser(tree, "plainweb %U");  // found through PATH
    TGoToWeb web;
    web.setUrl("/app/Zelto 2000 Help.html");
    ASSERT_TRUE(web.Go());
    EXPECT_EQ(browser.arguments(), QStringList({"/app/Zelto 2000 Help.html"}));
}

TEST(GoToWebGo, FallsBackToTheDesktopOpener) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    FakeBrowser opener(tree.file("bin/xdg-open"));
    TGoToWeb web;
    web.setUrl("https://zelto2000.example.org/a b");
    ASSERT_TRUE(web.Go());
    EXPECT_EQ(opener.arguments(), QStringList({"https://zelto2000.example.org/a b"}));
}

TEST(GoToWebGo, NoHandlerAndNoOpenerReturnsFalse) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    TGoToWeb web;
    EXPECT_FALSE(web.Go());
}

TEST(GoToWebGo, ProgramThatCannotStartReturnsFalse) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    registerBrowser(tree, "/nonexistent/zelto/browser %u");
    tree.write("notexec", "#!/bin/sh\n");
    TGoToWeb web;
    EXPECT_FALSE(web.Go());
    registerBrowser(tree, quotedExec(tree.file("notexec")) + " %u");
    EXPECT_FALSE(web.Go());
}

TEST(GoToWebGo, DosCommandOnThisDesktopDoesNotStart) {
    TestTree tree;
    ScopedEnv env;
    isolate(env, tree);
    registerBrowser(tree, R"("C:\\\\Program Files\\\\Web\\\\web.exe" -nohome "%1")");
    TGoToWeb web;
    EXPECT_FALSE(web.Go());
}
