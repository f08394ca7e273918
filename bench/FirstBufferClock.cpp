#include "FirstBufferClock.h"

#include <thread>

#include <QCoreApplication>

FirstBufferClock::FirstBufferClock() {
    elapsed_.start();
}

FirstBufferClock::~FirstBufferClock() {
    Mix_SetPostMix(nullptr, nullptr);
}

void SDLCALL FirstBufferClock::postMix(void* clock, Uint8* stream, int len) {
    auto* self = static_cast<FirstBufferClock*>(clock);
    if (self->firstSound_.load() >= 0) return;
    for (int i = 0; i < len; ++i)
        if (stream[i] != 0) {
            self->firstSound_ = self->elapsed_.nsecsElapsed();
            return;
        }
}

double FirstBufferClock::measure(const std::function<void()>& request, int timeoutMs) {
    // Set again every time: a device opened afresh may have dropped the hook.
    Mix_SetPostMix(&FirstBufferClock::postMix, this);
    firstSound_ = -1;
    const qint64 asked = elapsed_.nsecsElapsed();
    request();
    const qint64 deadline = asked + qint64(timeoutMs) * 1000000;
    while (firstSound_.load() < 0) {
        if (elapsed_.nsecsElapsed() > deadline) return -1;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return (firstSound_.load() - asked) / 1e6;
}
