#include "SkinFallback.h"

#include "AppDirLayout.h"
#include "PlainSkin.h"

namespace {
QString brokenDefault(const QString& failedFile) {
    return QStringLiteral("Some file(s) of the default skin are missing or corrupted (") +
           failedFile +
           QStringLiteral("). Zelto 2000 will use a plain look until the skin is repaired.");
}

const QString kBrokenSkin = QStringLiteral(
    "Some file(s) of the skin are missing or corrupted. It will be replaced for the default "
    "skin.");
}  // namespace

SkinFallback::Choice SkinFallback::choose(const QString& appDir, const QString& skinName) {
    Choice choice;
    choice.skinName = skinName;
    while (true) {
        SkinPictures pictures = SkinFolder::named(appDir, choice.skinName).load();
        if (pictures.complete()) {
            choice.steps.push_back({std::move(pictures), QString()});
            return choice;
        }
        if (choice.skinName == AppDirLayout::kDefaultSkin) {
            // The default skin cannot fall back to itself: the game stays playable.
            const QString error = brokenDefault(pictures.failedFile);
            choice.steps.push_back({std::move(pictures), error});
            choice.steps.push_back({PlainSkin::pictures(), QString()});
            return choice;
        }
        choice.steps.push_back({std::move(pictures), kBrokenSkin});
        choice.skinName = AppDirLayout::kDefaultSkin;
    }
}
