// Zelto 2000: creates the windows in their fixed order and runs the game.
#include <QApplication>

#include "GameTitle.h"
#include "MixerDevice.h"
#include "MixerMusicPlayer.h"
#include "MixerWaveOutput.h"
#include "UnitAbout.h"
#include "UnitGeneral.h"
#include "UnitLogo.h"
#include "UnitMusic.h"
#include "UnitPrincipal.h"
#include "UnitSkin.h"
#include "UnitSounds.h"
#include "UnitTop10.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kGameTitle);
    // The Wayland app id, which a desktop matches against its desktop entries.
    QGuiApplication::setDesktopFileName(QStringLiteral("zelto2000"));
    QApplication::setQuitOnLastWindowClosed(false);

    MixerDevice device;
    MixerWaveOutput wave(device);
    // The splash is on the screen before the other windows are made; its timer counts
    // from here. The sound device opens behind it and the jingle starts once it is ready.
    TFormLogo logo(wave);
    logo.showAtOnce();
    TFormPrincipal principal(wave, std::make_unique<MixerMusicPlayer>(device));
    // The dialogs belong to the main window, so that a compositor keeps them above it.
    TFormGeneral general(wave, &principal);
    TFormSkin skin(wave, &principal);
    TFormSounds sounds(wave, &principal);
    TFormMusic music(wave, std::make_unique<MixerMusicPlayer>(device), &principal);
    TFormAbout about(wave, &principal);
    TFormTop10 top10(wave, &principal);
    principal.setWindows({&general, &skin, &sounds, &music, &about, &top10, &logo});

    if (!principal.FormShow()) return 0;
    principal.show();
    principal.activateWindow();
    return QApplication::exec();
}
