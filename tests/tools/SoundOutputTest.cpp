// The sound schemes: PCM waves with the right headers and nine distinct board notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AppDirFixture.h"
#include "MediaParse.h"

namespace {

QStringList schemeFiles() {
    QStringList out{"Click.wav", "Mistake.wav", "TimeOver.wav"};
    for (int n = 1; n <= 9; ++n) out << QStringLiteral("Sound%1.wav").arg(n);
    return out;
}

const QStringList kSchemes{"Default Sounds", "Chimes"};

}  // namespace

class ShippedSounds : public AppDirFixture {};

TEST_F(ShippedSounds, EveryWaveIsMonoPcm16WithAConsistentHeader) {
    for (const QString& scheme : kSchemes) {
        for (const QString& name : schemeFiles()) {
            const QByteArray bytes = read("Sounds/" + scheme + "/" + name);
            const WaveInfo w = MediaParse::wave(bytes);
            const std::string what = (scheme + "/" + name).toStdString();
            ASSERT_TRUE(w.ok) << what << ": " << w.error.toStdString();
            EXPECT_EQ(w.format, 1) << what;
            EXPECT_EQ(w.channels, 1) << what;
            EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100) << what;
            EXPECT_EQ(w.bits, 16) << what;
            EXPECT_EQ(w.blockAlign, 2) << what;
            EXPECT_EQ(w.byteRate, w.sampleRate * 2) << what;
            EXPECT_EQ(w.riffSize + 8, static_cast<std::uint32_t>(bytes.size())) << what;
            EXPECT_GT(w.seconds(), 0.01) << what;
            EXPECT_LT(w.seconds(), 1.5) << what;
            const auto peak =
                std::max_element(w.samples.begin(), w.samples.end(),
                                 [](auto a, auto b) { return std::abs(a) < std::abs(b); });
            EXPECT_GT(std::abs(*peak), 3000) << what << " is nearly silent";
            EXPECT_LT(std::abs(*peak), 32767) << what << " clips";
        }
    }
}

TEST_F(ShippedSounds, BoardSoundsLastAboutAThirdOfASecond) {
    for (const QString& scheme : kSchemes)
        for (int n = 1; n <= 9; ++n) {
            const WaveInfo w =
                MediaParse::wave(read(QStringLiteral("Sounds/%1/Sound%2.wav").arg(scheme).arg(n)));
            EXPECT_GE(w.seconds(), 0.25);
            EXPECT_LE(w.seconds(), 0.5);
        }
}

TEST_F(ShippedSounds, NineBoardSoundsHaveDistinctRisingPitches) {
    for (const QString& scheme : kSchemes) {
        std::vector<double> pitch;
        for (int n = 1; n <= 9; ++n) {
            const WaveInfo w =
                MediaParse::wave(read(QStringLiteral("Sounds/%1/Sound%2.wav").arg(scheme).arg(n)));
            pitch.push_back(MediaParse::zeroCrossingPitch(w, 0.03, 0.2));
        }
        for (int i = 1; i < 9; ++i)
            EXPECT_GT(pitch[i], pitch[i - 1] * 1.04)
                << scheme.toStdString() << ": button " << i + 1 << " vs " << i;
        EXPECT_GT(pitch[0], 150.0);
        EXPECT_LT(pitch[8], 2500.0);
    }
}

TEST_F(ShippedSounds, MistakeIsLowAndClickIsShort) {
    for (const QString& scheme : kSchemes) {
        const WaveInfo mistake = MediaParse::wave(read("Sounds/" + scheme + "/Mistake.wav"));
        const WaveInfo click = MediaParse::wave(read("Sounds/" + scheme + "/Click.wav"));
        const WaveInfo low = MediaParse::wave(read("Sounds/" + scheme + "/Sound1.wav"));
        EXPECT_LT(MediaParse::zeroCrossingPitch(mistake, 0.05, 0.3),
                  MediaParse::zeroCrossingPitch(low, 0.03, 0.2));
        EXPECT_LT(click.seconds(), 0.1);
    }
}

TEST_F(ShippedSounds, TimeOverFallsInPitch) {
    for (const QString& scheme : kSchemes) {
        const WaveInfo w = MediaParse::wave(read("Sounds/" + scheme + "/TimeOver.wav"));
        const double early = MediaParse::zeroCrossingPitch(w, 0.02, 0.12);
        const double late = MediaParse::zeroCrossingPitch(w, w.seconds() - 0.3, w.seconds() - 0.05);
        EXPECT_GT(early, late * 1.3) << scheme.toStdString();
    }
}
