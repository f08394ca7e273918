#include "SkinHolders.h"

namespace {
void takeImage(QImage& holder, const QImage& loaded) {
    if (!loaded.isNull()) holder = loaded;
}

template <std::size_t N>
void takePairs(std::array<SkinPair, N>& holders, const std::array<SkinPair, N>& loaded) {
    for (std::size_t i = 0; i < N; ++i) {
        takeImage(holders[i].Up, loaded[i].Up);
        takeImage(holders[i].Down, loaded[i].Down);
    }
}
}  // namespace

void SkinHolders::take(const SkinPictures& pictures) {
    takePairs(buttons_, pictures.Buttons);
    takePairs(controls_, pictures.Controls);
    takePairs(icons_, pictures.Icons);
    takeImage(no_, pictures.IconNo);
    takeImage(yes_, pictures.IconYes);
    takeImage(time_, pictures.IconTime);
}

const QImage& SkinHolders::mark(MarkKind kind) const {
    return kind == MarkKind::No ? no_ : kind == MarkKind::Yes ? yes_ : time_;
}
