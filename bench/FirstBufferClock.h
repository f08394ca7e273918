#pragma once
// Times a sound request to the first mixed buffer that carries it, through SDL_mixer's
// post-mix hook: the part of press-to-sound the game controls, before the driver's own
// buffering.
#include <atomic>
#include <functional>

#include <QElapsedTimer>

#include <SDL_mixer.h>

class FirstBufferClock {
public:
    FirstBufferClock();
    ~FirstBufferClock();
    FirstBufferClock(const FirstBufferClock&) = delete;
    FirstBufferClock& operator=(const FirstBufferClock&) = delete;

    // Runs `request` and returns the milliseconds until a mixed buffer was not silent,
    // or a negative figure on time-out. Qt events are handled meanwhile, so a device
    // that opens in the background can deliver.
    double measure(const std::function<void()>& request, int timeoutMs = 5000);

private:
    static void SDLCALL postMix(void* clock, Uint8* stream, int len);

    QElapsedTimer elapsed_;
    std::atomic<qint64> firstSound_{-1};
};
