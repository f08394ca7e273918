// Wave images and the synthesiser behind the sound schemes.
#include <gtest/gtest.h>

#include <cmath>

#include <QStringList>

#include "AppDirLayout.h"
#include "MediaParse.h"
#include "SoundDesign.h"
#include "Synth.h"
#include "WavWriter.h"

TEST(WavWriter, HeaderDescribesMonoPcm16) {
    const QByteArray w = WavWriter::pcm16Mono(std::vector<float>(100, 0.0f), 22050);
    ASSERT_EQ(w.size(), 44 + 200);
    const WaveInfo info = MediaParse::wave(w);
    ASSERT_TRUE(info.ok) << info.error.toStdString();
    EXPECT_EQ(info.riffSize, 36u + 200u);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.byteRate, 44100);
    EXPECT_EQ(info.samples.size(), 100u);
}

TEST(WavWriter, SamplesAreClippedNotWrapped) {
    const WaveInfo w = MediaParse::wave(WavWriter::pcm16Mono({2.0f, -3.0f, 0.5f, -0.5f}, 8000));
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.samples[0], 32767);
    EXPECT_EQ(w.samples[1], -32767);
    EXPECT_EQ(w.samples[2], 16384);
    EXPECT_EQ(w.samples[3], -16384);
}

TEST(Synth, NoteFrequenciesFollowEqualTemperament) {
    EXPECT_DOUBLE_EQ(Synth::noteFrequency(69), 440.0);
    EXPECT_NEAR(Synth::noteFrequency(60), 261.63, 0.01);
    EXPECT_NEAR(Synth::noteFrequency(81), 880.0, 1e-9);
}

TEST(Synth, ToneHasItsLengthAndStartsAndEndsSilent) {
    const Synth s(22050);
    ToneShape shape{0.005, 0.3, {{1.0, 1.0, 0.2}}};
    const std::vector<float> t = s.tone(440.0, shape);
    ASSERT_EQ(t.size(), static_cast<size_t>(s.samplesFor(0.3)));
    EXPECT_FLOAT_EQ(t.front(), 0.0f);
    EXPECT_NEAR(t.back(), 0.0f, 1e-3);
}

TEST(Synth, PartialsAboveNyquistAreLeftOut) {
    const Synth s(8000);
    ToneShape shape{0.001, 0.1, {{1.0, 1.0, 1.0}, {20.0, 1.0, 1.0}}};
    std::vector<float> withHigh = s.tone(300.0, shape);
    shape.partials.pop_back();
    EXPECT_EQ(withHigh, s.tone(300.0, shape));
}

TEST(Synth, NormalizeScalesToThePeakAndLeavesSilenceAlone) {
    std::vector<float> v{0.1f, -0.4f, 0.2f};
    Synth::normalize(v, 0.8f);
    EXPECT_FLOAT_EQ(v[1], -0.8f);
    EXPECT_FLOAT_EQ(v[0], 0.2f);
    std::vector<float> quiet(5, 0.0f);
    Synth::normalize(quiet, 0.8f);
    EXPECT_EQ(quiet, std::vector<float>(5, 0.0f));
}

TEST(Synth, MixGrowsTheTargetAndAddsAtTheOffset) {
    const Synth s(10);
    std::vector<float> into{1.0f};
    s.mix(into, {1.0f, 1.0f}, 0.3, 0.5);
    ASSERT_EQ(into.size(), 5u);
    EXPECT_FLOAT_EQ(into[0], 1.0f);
    EXPECT_FLOAT_EQ(into[3], 0.5f);
    EXPECT_FLOAT_EQ(into[4], 0.5f);
}

TEST(SoundDesign, BoardNotesAreOnePentatonicScaleRising) {
    for (const auto& notes : {SoundDesign::defaultNotes(), SoundDesign::chimeNotes()}) {
        ASSERT_EQ(notes.size(), 9u);
        for (size_t i = 1; i < notes.size(); ++i) EXPECT_GT(notes[i], notes[i - 1]);
        for (int n : notes) {
            const int pc = n % 12;  // C major pentatonic: C D E G A
            EXPECT_TRUE(pc == 0 || pc == 2 || pc == 4 || pc == 7 || pc == 9) << n;
        }
    }
}

TEST(SoundDesign, EverySchemeHasTheTwelveFiles) {
    for (const SoundScheme& s : {SoundDesign::defaultSounds(), SoundDesign::chimes()}) {
        QStringList names;
        for (const SoundFile& f : s.files) names << AppDirLayout::soundFileName(f.sound);
        names.sort();
        EXPECT_EQ(names, QStringList({"Click.wav", "Mistake.wav", "Sound1.wav", "Sound2.wav",
                                      "Sound3.wav", "Sound4.wav", "Sound5.wav", "Sound6.wav",
                                      "Sound7.wav", "Sound8.wav", "Sound9.wav", "TimeOver.wav"}))
            << s.name.toStdString();
    }
}

// 55169 samples: the stored wave's data chunk of 110338 bytes, about 2.5 seconds.
TEST(SoundDesign, JingleLastsAboutTwoAndAHalfSecondsInItsStoredSize) {
    EXPECT_EQ(SoundDesign::logoJingle().size(), 110338u / 2);
}
