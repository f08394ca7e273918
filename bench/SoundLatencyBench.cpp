// Press to sound: from the request to play a board wave to the first buffer that
// carries it out of the mixer, and the length of that buffer (the device's own delay).
#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

#include <QCoreApplication>

#include <SDL_mixer.h>

#include "AppDirLayout.h"
#include "FirstBufferClock.h"
#include "MixerDevice.h"
#include "MixerWaveOutput.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString appDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZELTO_APPDIR);
    MixerDevice device;
    MixerWaveOutput wave(device);
    if (!device.ensureOpen()) {
        std::fprintf(stderr, "no audio device (try SDL_AUDIODRIVER=dummy)\n");
        return 1;
    }
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    FirstBufferClock clock;
    std::vector<double> ms;
    for (int press = 0; press < 60; ++press) {
        Mix_HaltChannel(-1);
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + press % 7));
        const double took = clock.measure([&] {
            wave.playFile(AppDirLayout(appDir).soundFile(AppDirLayout::kDefaultSounds,
                                                         buttonSound(1 + press % 9)));
        });
        if (took < 0) {
            std::fprintf(stderr, "a press was never mixed\n");
            return 1;
        }
        if (press >= 9) ms.push_back(took);  // the first nine fill the cache
    }
    std::sort(ms.begin(), ms.end());
    const double buffer = 512.0 * 1000.0 / frequency;
    std::printf(
        "press to sound (driver %s): request to first mixed buffer median %.2f ms, "
        "p99 %.2f ms; plus one %d-frame buffer of %.1f ms\n",
        SDL_GetCurrentAudioDriver(), ms[ms.size() / 2], ms[ms.size() * 99 / 100], 512, buffer);
    std::printf(
        "ROW|Press to sound (%s driver)|%.1f ms: %.1f ms to the first mixed buffer + "
        "%.1f ms buffer|under 20 ms\n",
        SDL_GetCurrentAudioDriver(), ms[ms.size() / 2] + buffer, ms[ms.size() / 2], buffer);
    return 0;
}
