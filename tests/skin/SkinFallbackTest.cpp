// The main window's skin with its fall-backs: a broken skin gives way to the default
// skin after its message, a broken default skin to the plain look, and the pictures a
// broken skin did load are applied before the next step.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "AppDirLayout.h"
#include "SkinFallback.h"
#include "SkinMaker.h"

namespace {

class SkinFallbackTest : public ::testing::Test {
protected:
    QString skins() const { return dir.path() + QStringLiteral("/Skins"); }
    SkinMaker skin(const QString& name) const { return SkinMaker(skins(), name, "bmp"); }
    SkinFallback::Choice choose(const QString& name) const {
        return SkinFallback::choose(dir.path(), name);
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(SkinFallbackTest, AWholeSkinIsOneStepWithNoMessage) {
    skin("Blue");
    const SkinFallback::Choice choice = choose("Blue");
    ASSERT_EQ(choice.steps.size(), 1u);
    EXPECT_TRUE(choice.steps[0].pictures.complete());
    EXPECT_TRUE(choice.steps[0].error.isEmpty());
    EXPECT_EQ(choice.skinName, QStringLiteral("Blue"));
}

TEST_F(SkinFallbackTest, ABrokenSkinLoadsWhatItCanThenGivesWayToTheDefault) {
    skin("Blue").remove("Button5Down.bmp");
    skin("Default Skin");
    const SkinFallback::Choice choice = choose("Blue");
    ASSERT_EQ(choice.steps.size(), 2u);
    EXPECT_FALSE(choice.steps[0].pictures.Buttons[0].Up.isNull()) << "loaded before the failure";
    EXPECT_EQ(choice.steps[0].error,
              QStringLiteral("Some file(s) of the skin are missing or corrupted. It will be "
                             "replaced for the default skin."));
    EXPECT_TRUE(choice.steps[1].pictures.complete());
    EXPECT_TRUE(choice.steps[1].error.isEmpty());
    EXPECT_EQ(choice.skinName, AppDirLayout::kDefaultSkin);
}

// The default skin cannot fall back to itself: one message naming the file, then a
// plain look with every picture and black plain info lines.
TEST_F(SkinFallbackTest, ABrokenDefaultSkinEndsOnThePlainLook) {
    skin("Default Skin").remove("Icon2Up.bmp");
    const SkinFallback::Choice choice = choose("Default Skin");
    ASSERT_EQ(choice.steps.size(), 2u);
    EXPECT_TRUE(choice.steps[0].error.contains(QStringLiteral("(Icon2Up.bmp)")))
        << choice.steps[0].error.toStdString();
    const SkinPictures& plain = choice.steps[1].pictures;
    EXPECT_TRUE(plain.complete());
    for (const SkinPair& button : plain.Buttons) EXPECT_FALSE(button.Down.isNull());
    EXPECT_FALSE(plain.IconTime.isNull());
    ASSERT_TRUE(plain.Labels);
    EXPECT_TRUE(*plain.Labels == LabelStyle{});
    EXPECT_TRUE(choice.steps[1].error.isEmpty());
}
