// What start-up makes of an application directory: the messages in their order, the
// writes after them, and the settings the game then plays with.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "AppDirLayout.h"
#include "ConfigTestDir.h"
#include "StartupCheck.h"

namespace {

using Kind = StartupCheck::Step::Kind;

class StartupCheckTest : public ::testing::Test {
protected:
    StartupCheckTest() {
        rec = ConfigTestDir::sample();
        rec.SkinName.setText(QStringLiteral("Blue"));
        rec.SoundScheme.setText(QStringLiteral("Bells"));
        rec.MusicFile.setText(QStringLiteral("Tune.mid"));
    }
    void make(const QString& relative, bool folder) const {
        const QString path = dir.path() + QLatin1Char('/') + relative;
        if (folder) {
            QDir().mkpath(path);
            return;
        }
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void makeAll() const {
        make(QStringLiteral("Skins/Blue"), true);
        make(QStringLiteral("Sounds/Bells"), true);
        make(QStringLiteral("Music/Tune.mid"), false);
    }

    ConfigTestDir dir;
    ConfigRecord rec;
};

}  // namespace

TEST_F(StartupCheckTest, EverythingInPlaceGivesNoStepAndTheRecordAsItIs) {
    makeAll();
    dir.write(rec);
    const StartupCheck::Result start = StartupCheck::run(dir.path());
    EXPECT_FALSE(start.stop);
    EXPECT_TRUE(start.steps.empty());
    EXPECT_TRUE(start.settings == rec);
}

TEST_F(StartupCheckTest, MissingOrShortConfigStopsWithOneMessageAndNoWrite) {
    StartupCheck::Result start = StartupCheck::run(dir.path());
    ASSERT_TRUE(start.stop);
    ASSERT_EQ(start.steps.size(), 1u);
    EXPECT_EQ(start.steps[0].text, QStringLiteral("The file ") + dir.configFile() +
                                       QStringLiteral(" is missing. Without that file is "
                                                      "impossible to start the application"));
    dir.writeBytes(QByteArray(100, 'x'));
    start = StartupCheck::run(dir.path());
    ASSERT_TRUE(start.stop);
    ASSERT_EQ(start.steps.size(), 1u);
    EXPECT_EQ(start.steps[0].text, QStringLiteral("Read beyond end of file"));
    EXPECT_FALSE(start.steps[0].write);
}

// The range warning first, then skin, sounds and music, each message followed by its own
// write of the record as it is on disk with the names replaced so far: the damaged
// settings stay in the file, and only memory gets the safe values.
TEST_F(StartupCheckTest, MissingNamesAreReplacedInOrderOntoTheRecordOnDisk) {
    rec.Delay = 5000;
    dir.write(rec);
    const StartupCheck::Result start = StartupCheck::run(dir.path());
    EXPECT_FALSE(start.stop);
    ASSERT_EQ(start.steps.size(), 4u);
    EXPECT_EQ(start.steps[0].kind, Kind::Warning);
    EXPECT_FALSE(start.steps[0].write);
    EXPECT_EQ(start.steps[1].text, QStringLiteral("The skin Blue is missing. It will be "
                                                  "replaced for the default skin."));
    EXPECT_EQ(start.steps[2].text, QStringLiteral("The sounds Bells are missing. They will "
                                                  "be replaced for the default sounds."));
    EXPECT_EQ(start.steps[3].text, QStringLiteral("The music Tune.mid is missing. It will be "
                                                  "replaced for the default music."));
    ConfigRecord expected = rec;
    expected.SkinName.setText(AppDirLayout::kDefaultSkin);
    ASSERT_TRUE(start.steps[1].write);
    EXPECT_TRUE(*start.steps[1].write == expected);
    expected.SoundScheme.setText(AppDirLayout::kDefaultSounds);
    expected.MusicFile.setText(AppDirLayout::kDefaultMusic);
    ASSERT_TRUE(start.steps[3].write);
    EXPECT_TRUE(*start.steps[3].write == expected) << "the damaged interval time stays on disk";
    EXPECT_EQ(start.settings.Delay, 1000);
    EXPECT_EQ(start.settings.MusicFile.text(), AppDirLayout::kDefaultMusic);
    EXPECT_EQ(dir.read().SkinName.text(), QStringLiteral("Blue")) << "the check writes nothing";
}
