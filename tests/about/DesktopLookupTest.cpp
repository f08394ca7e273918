// The desktop's registry of file types: key files, Exec lines and the lookup order.
#include <gtest/gtest.h>

#include "DesktopFile.h"
#include "ExecLine.h"
#include "MimeAppsLookup.h"
#include "TestTree.h"

namespace {
const QString kHtml = QStringLiteral("text/html");

QByteArray defaults(const QByteArray& ids) {
    return "[Default Applications]\ntext/html=" + ids + "\n";
}
}  // namespace

TEST(DesktopFileFormat, ReadsGroupsKeysAndFirstDefinitionWins) {
    const DesktopFile file = DesktopFile::parse(
        "# comment\n[Desktop Entry]\nName = Browser\r\nExec=first\nExec=second\n"
        "Name[de]=Netz\n[Other]\nExec=other\n");
    EXPECT_TRUE(file.hasGroup("Desktop Entry"));
    EXPECT_EQ(file.value("Desktop Entry", "Name"), "Browser");
    EXPECT_EQ(file.value("Desktop Entry", "Exec"), "first");
    EXPECT_EQ(file.value("Other", "Exec"), "other");
    EXPECT_EQ(file.value("Missing", "Exec"), "");
}

TEST(DesktopFileFormat, KeysBeforeAnyGroupAreIgnored) {
    const DesktopFile file = DesktopFile::parse("Exec=stray\n[Desktop Entry]\nType=Application\n");
    EXPECT_EQ(file.value("Desktop Entry", "Exec"), "");
}

TEST(DesktopFileFormat, StringEscapes) {
    EXPECT_EQ(DesktopFile::unescape("a\\sb\\nc\\td\\re\\\\f"), "a b\nc\td\re\\f");
    // Other escapes belong to the Exec quoting and are left for it.
    EXPECT_EQ(DesktopFile::unescape("\\\"x\\$"), "\\\"x\\$");
    EXPECT_EQ(DesktopFile::unescape("end\\"), "end\\");
}

TEST(DesktopFileFormat, ListsSplitAtSemicolonsKeepingEscapedOnes) {
    const DesktopFile file = DesktopFile::parse("[G]\nL=a.desktop;b\\;c.desktop;;d.desktop;\n");
    EXPECT_EQ(file.list("G", "L"), QStringList({"a.desktop", "b;c.desktop", "d.desktop"}));
}

TEST(DesktopFileFormat, MissingFileLoadsNothing) {
    EXPECT_FALSE(DesktopFile::load("/nonexistent/zelto/mimeapps.list").has_value());
}

TEST(ExecLineSplit, ProgramAndPlainArguments) {
    const ExecLine line = ExecLine::parse("firefox --new-window %u");
    ASSERT_TRUE(line.isValid());
    EXPECT_EQ(line.program(), "firefox");
    EXPECT_EQ(line.arguments(), QStringList({"--new-window"}));
}

TEST(ExecLineSplit, QuotedProgramWithSpaces) {
    const ExecLine line = ExecLine::parse("\"/opt/My Browser/browser\" --new-window %U");
    ASSERT_TRUE(line.isValid());
    EXPECT_EQ(line.program(), "/opt/My Browser/browser");
    EXPECT_EQ(line.arguments(), QStringList({"--new-window"}));
}

TEST(ExecLineSplit, EscapesInsideQuotes) {
    const ExecLine line = ExecLine::parse(R"(run "a \"b\" \`c\` \$d \\e" "x\y")");
    ASSERT_TRUE(line.isValid());
    EXPECT_EQ(line.arguments(), QStringList({R"(a "b" `c` $d \e)", R"(x\y)"}));
}

TEST(ExecLineSplit, DoublePercentIsALiteralPercent) {
    const ExecLine line = ExecLine::parse("run --zoom=100%% %%u");
    ASSERT_TRUE(line.isValid());
    EXPECT_EQ(line.arguments(), QStringList({"--zoom=100%", "%u"}));
}

TEST(ExecLineSplit, EveryFieldCodeIsDropped) {
    const ExecLine line = ExecLine::parse("run %f %F %u %U %i %c %k %d %D %n %N %v %m --keep %x");
    ASSERT_TRUE(line.isValid());
    EXPECT_EQ(line.arguments(), QStringList({"--keep"}));
}

TEST(ExecLineSplit, FieldCodeInsideAnArgumentLeavesTheRest) {
    const ExecLine line = ExecLine::parse("run --url=%u");
    EXPECT_EQ(line.arguments(), QStringList({"--url="}));
}

TEST(ExecLineSplit, EmptyQuotedArgumentIsKept) {
    const ExecLine line = ExecLine::parse("run \"\" x");
    EXPECT_EQ(line.arguments(), QStringList({"", "x"}));
}

TEST(ExecLineSplit, InvalidLines) {
    EXPECT_FALSE(ExecLine::parse("").isValid());
    EXPECT_FALSE(ExecLine::parse("   ").isValid());
    EXPECT_FALSE(ExecLine::parse("\"/opt/unterminated --x").isValid());
    EXPECT_FALSE(ExecLine::parse("%u").isValid());
    EXPECT_FALSE(ExecLine::parse("\"\" arg").isValid());
}

TEST(MimeAppsOrder, ListsInPrecedenceOrderWithDesktopVariants) {
    TestTree tree;
    const MimeAppsLookup lookup(tree.xdgEnvironment("GNOME:Zelto-Test"));
    const QString p = tree.path();
    EXPECT_EQ(lookup.mimeappsLists(),
              QStringList({p + "/config/gnome-mimeapps.list",
                           p + "/config/zelto-test-mimeapps.list", p + "/config/mimeapps.list",
                           p + "/etc/gnome-mimeapps.list", p + "/etc/zelto-test-mimeapps.list",
                           p + "/etc/mimeapps.list", p + "/data/applications/gnome-mimeapps.list",
                           p + "/data/applications/zelto-test-mimeapps.list",
                           p + "/data/applications/mimeapps.list",
                           p + "/share1/applications/gnome-mimeapps.list",
                           p + "/share1/applications/zelto-test-mimeapps.list",
                           p + "/share1/applications/mimeapps.list",
                           p + "/share2/applications/gnome-mimeapps.list",
                           p + "/share2/applications/zelto-test-mimeapps.list",
                           p + "/share2/applications/mimeapps.list"}));
    EXPECT_EQ(lookup.applicationDirs(),
              QStringList({p + "/data/applications", p + "/share1/applications",
                           p + "/share2/applications"}));
}

TEST(MimeAppsOrder, DefaultsAndRelativePathsAreHandled) {
    QProcessEnvironment env;
    env.insert("HOME", "/home/player");
    env.insert("XDG_DATA_DIRS", "relative/share:/abs/share");
    env.insert("XDG_CONFIG_HOME", "not/absolute");
    const MimeAppsLookup lookup(env);
    EXPECT_EQ(lookup.applicationDirs(),
              QStringList({"/home/player/.local/share/applications", "/abs/share/applications"}));
    EXPECT_EQ(lookup.mimeappsLists().first(), "/home/player/.config/mimeapps.list");
    EXPECT_TRUE(lookup.mimeappsLists().contains("/etc/xdg/mimeapps.list"));
}

TEST(MimeAppsLookupDefaults, UserDefaultFromConfigHome) {
    TestTree tree;
    tree.write("config/mimeapps.list", defaults("user.desktop"));
    tree.write("share2/applications/mimeapps.list", defaults("system.desktop"));
    tree.write("data/applications/user.desktop", TestTree::desktopEntry("user-browser %u"));
    tree.write("share1/applications/system.desktop", TestTree::desktopEntry("system-browser %u"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "user-browser %u");
}

TEST(MimeAppsLookupDefaults, DesktopSpecificListComesFirst) {
    TestTree tree;
    tree.write("config/mimeapps.list", defaults("plain.desktop"));
    tree.write("config/zelto-mimeapps.list", defaults("special.desktop"));
    tree.write("share1/applications/plain.desktop", TestTree::desktopEntry("plain"));
    tree.write("share1/applications/special.desktop", TestTree::desktopEntry("special"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment("Zelto")).execFor(kHtml), "special");
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "plain");
}

TEST(MimeAppsLookupDefaults, UninstalledOrHiddenDefaultsAreSkipped) {
    TestTree tree;
    tree.write("config/mimeapps.list", defaults("gone.desktop;hidden.desktop;"));
    tree.write("share2/applications/mimeapps.list", defaults("system.desktop"));
    tree.write("share1/applications/hidden.desktop",
               TestTree::desktopEntry("hidden", "Hidden=true\n"));
    tree.write("share2/applications/system.desktop", TestTree::desktopEntry("system %U"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "system %U");
}

TEST(MimeAppsLookupDefaults, UserEntryShadowsSystemEntryOfTheSameId) {
    TestTree tree;
    tree.write("config/mimeapps.list", defaults("web.desktop"));
    tree.write("data/applications/web.desktop", TestTree::desktopEntry("mine"));
    tree.write("share1/applications/web.desktop", TestTree::desktopEntry("theirs"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "mine");
}

TEST(MimeAppsLookupDefaults, SubfolderIdsMapDashesToFolders) {
    TestTree tree;
    tree.write("config/mimeapps.list", defaults("vendor-web-browser.desktop"));
    tree.write("share1/applications/vendor/web-browser.desktop",
               TestTree::desktopEntry("vendor-browser %u"));
    const MimeAppsLookup lookup(tree.xdgEnvironment());
    EXPECT_EQ(lookup.desktopFilePath("vendor-web-browser.desktop"),
              tree.file("share1/applications/vendor/web-browser.desktop"));
    EXPECT_EQ(lookup.execFor(kHtml), "vendor-browser %u");
}

TEST(MimeAppsLookupDefaults, IdsThatLeaveTheFolderAreRefused) {
    TestTree tree;
    tree.write("secret.desktop", TestTree::desktopEntry("secret"));
    const MimeAppsLookup lookup(tree.xdgEnvironment());
    EXPECT_EQ(lookup.desktopFilePath("../../secret.desktop"), "");
    EXPECT_EQ(lookup.desktopFilePath("notadesktop"), "");
}

TEST(MimeAppsLookupDefaults, ExecValueIsStringUnescaped) {
    TestTree tree;
    tree.write("config/mimeapps.list", defaults("esc.desktop"));
    tree.write("share1/applications/esc.desktop",
               TestTree::desktopEntry(R"("/opt/a\\\\b/run" --x\s1)"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), R"("/opt/a\\b/run" --x 1)");
}

TEST(MimeAppsLookupFallbacks, AddedAssociationWhenNoDefault) {
    TestTree tree;
    tree.write("config/mimeapps.list",
               "[Added Associations]\ntext/html=gone.desktop;added.desktop;\n");
    tree.write("share1/applications/added.desktop", TestTree::desktopEntry("added"));
    tree.write("share1/applications/other.desktop",
               TestTree::desktopEntry("other", "MimeType=text/html;\n"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "added");
}

TEST(MimeAppsLookupFallbacks, RemovedAssociationHidesLowerOnes) {
    TestTree tree;
    tree.write("config/mimeapps.list", "[Removed Associations]\ntext/html=a.desktop;\n");
    tree.write("share1/applications/mimeapps.list", "[Added Associations]\ntext/html=a.desktop;\n");
    tree.write("share1/applications/a.desktop",
               TestTree::desktopEntry("a", "MimeType=text/html;\n"));
    tree.write("share1/applications/b.desktop",
               TestTree::desktopEntry("b", "MimeType=text/plain;text/html;\n"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "b");
}

TEST(MimeAppsLookupFallbacks, AnyApplicationListingTheType) {
    TestTree tree;
    tree.write("share2/applications/viewer.desktop",
               TestTree::desktopEntry("viewer", "MimeType=image/png;\n"));
    tree.write("share2/applications/web.desktop",
               TestTree::desktopEntry("web %u", "MimeType=text/html;application/xhtml+xml;\n"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "web %u");
}

TEST(MimeAppsLookupFallbacks, NothingRegisteredGivesEmpty) {
    TestTree tree;
    tree.write("config/mimeapps.list", "[Default Applications]\ntext/plain=x.desktop\n");
    tree.write("share1/applications/x.desktop", TestTree::desktopEntry("x"));
    tree.write("share1/applications/noexec.desktop",
               "[Desktop Entry]\nType=Application\nMimeType=text/html;\n");
    tree.write("share1/applications/link.desktop",
               TestTree::desktopEntry("link", "MimeType=text/html;\n")
                   .replace("Type=Application", "Type=Link"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "");
}

TEST(MimeAppsLookupFallbacks, BrokenFilesAreSkipped) {
    TestTree tree;
    tree.write("config/mimeapps.list", QByteArray("\x00\xff[garbage\n=\n", 13));
    tree.write("share1/applications/broken.desktop", QByteArray("\xff\xfe\x00\x01", 4));
    tree.write("share1/applications/ok.desktop",
               TestTree::desktopEntry("ok", "MimeType=text/html\n"));
    EXPECT_EQ(MimeAppsLookup(tree.xdgEnvironment()).execFor(kHtml), "ok");
}
