#pragma once
// What the main window does for its session besides the board of one game: the splash
// and the dialogs, the help page, its place on the screen, the skin's pictures and the
// title icons.
#include <QString>

#include "PictureKind.h"

struct SkinPictures;

class PrincipalView {
public:
    enum class Window { Logo, General, Skin, Sounds, Music, About };

    virtual ~PrincipalView() = default;

    // Shows the window modally; returns once it is closed.
    virtual void runWindow(Window window) = 0;
    virtual void openPage(const QString& url) = 0;
    virtual void centre() = 0;
    // Pictures that did not load (null) keep the ones shown before.
    virtual void applySkin(const SkinPictures& pictures) = 0;
    virtual void setButtonVisible(int n, bool visible) = 0;    // n = 1..9
    virtual void ShowIconPicture(int n, Picture picture) = 0;  // n = 1..3
    virtual void minimize() = 0;
    virtual void endApplication() = 0;
};
