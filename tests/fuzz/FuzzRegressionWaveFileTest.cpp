// Wave files replay only where the sound output is built.
#include <gtest/gtest.h>

#include "FuzzReplay.h"

extern "C" int zeltoFuzzWaveFile(const std::uint8_t*, std::size_t);

TEST(FuzzRegression, WaveFileSurvivesEveryKnownFile) {
    FuzzReplay::replay(QStringLiteral("WaveFile"), zeltoFuzzWaveFile);
}
