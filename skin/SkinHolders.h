#pragma once
// The pictures of the skin in use, held apart from the images that show them: each
// board button, control and icon has its up and down picture, and there are the three
// marks. A broken skin's pictures replace only the ones it could load.
#include <array>

#include <QImage>

#include "PictureKind.h"
#include "SkinFolder.h"

class SkinHolders {
public:
    // Takes every picture `pictures` holds; the others keep what they held.
    void take(const SkinPictures& pictures);

    const QImage& button(int n, Picture picture) const { return pick(buttons_[n - 1], picture); }
    const QImage& control(int n, Picture picture) const { return pick(controls_[n - 1], picture); }
    const QImage& icon(int n, Picture picture) const { return pick(icons_[n - 1], picture); }
    const QImage& mark(MarkKind kind) const;

private:
    static const QImage& pick(const SkinPair& pair, Picture picture) {
        return picture == Picture::Up ? pair.Up : pair.Down;
    }

    std::array<SkinPair, 9> buttons_;
    std::array<SkinPair, 8> controls_;
    std::array<SkinPair, 3> icons_;
    QImage no_, yes_, time_;
};
