// Wave files and wave images handed to the voice: any bytes play, beep or stay silent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "MixerDevice.h"
#include "MixerWaveOutput.h"

using FuzzSupport::check;

namespace {
MixerDevice& device() {
    // No sound card is needed, and none is touched.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static MixerDevice shared;
    // Opened before the first input: a voice never waits for it here.
    static const bool opened = shared.ensureOpen();
    (void)opened;
    return shared;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    // A fresh voice each time, so no decoded wave is served from an earlier input.
    MixerWaveOutput voice(device());
    voice.playMemory(bytes);
    using Last = MixerWaveOutput::Last;
    if (device().failed()) return 0;
    check(voice.last() == Last::Memory || voice.last() == Last::Silence, "memory image lost");
    check((voice.last() == Last::Memory) == (voice.lastChunk() != nullptr), "chunk mismatch");

    voice.playFile(FuzzSupport::scratchFile(QStringLiteral("Sound.wav"), bytes));
    check(voice.last() == Last::File || voice.last() == Last::Beep,
          "file neither played nor beeped");
    check(voice.lastChunk() != nullptr, "nothing to play for a file");
    return 0;
}
