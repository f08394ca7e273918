// Every path of the application directory: the suffixes joined as they are, with no
// separator doubled after a root of "/".
#include <gtest/gtest.h>

#include "AppDirLayout.h"

TEST(AppDirLayout, FoldersAndFilesSitUnderTheRoot) {
    const AppDirLayout app(QStringLiteral("/games/zelto"));
    EXPECT_EQ(app.configFile(), QStringLiteral("/games/zelto/Config.dat"));
    EXPECT_EQ(app.skinDir(QStringLiteral("Blue")), QStringLiteral("/games/zelto/Skins/Blue"));
    EXPECT_EQ(app.schemeDir(QStringLiteral("Bells")), QStringLiteral("/games/zelto/Sounds/Bells"));
    EXPECT_EQ(app.musicFile(QStringLiteral("A.mid")), QStringLiteral("/games/zelto/Music/A.mid"));
    EXPECT_EQ(app.helpPage(), QStringLiteral("/games/zelto/Zelto 2000 Help.html"));
    EXPECT_EQ(app.contactPage(), QStringLiteral("/games/zelto/Help docs/Contact.html"));
    EXPECT_EQ(AppDirLayout(QStringLiteral("/")).configFile(), QStringLiteral("/Config.dat"));
}

TEST(AppDirLayout, EverySoundHasItsFileInTheScheme) {
    const AppDirLayout app(QStringLiteral("/a"));
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(app.soundFile(QStringLiteral("S"), buttonSound(n)),
                  QStringLiteral("/a/Sounds/S/Sound%1.wav").arg(n));
    EXPECT_EQ(app.soundFile(QStringLiteral("S"), GameSound::Click),
              QStringLiteral("/a/Sounds/S/Click.wav"));
    EXPECT_EQ(app.soundFile(QStringLiteral("S"), GameSound::Mistake),
              QStringLiteral("/a/Sounds/S/Mistake.wav"));
    EXPECT_EQ(app.soundFile(QStringLiteral("S"), GameSound::TimeOver),
              QStringLiteral("/a/Sounds/S/TimeOver.wav"));
    // No scheme chosen yet: the path names no file, and nothing is made up in its place.
    EXPECT_EQ(app.soundFile(QString(), buttonSound(3)), QStringLiteral("/a/Sounds//Sound3.wav"));
}
