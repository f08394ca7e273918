// The pictures and the jingle are linked into the program, and a missing one degrades.
#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include "EmbeddedData.h"
#include "UWave.h"

TEST(EmbeddedResources, AllFilesAreLinkedIn) {
    for (const char* name :
         {"Logo.jpg", "About.jpg", "AboutButtonUp.jpg", "AboutButtonDown.jpg", "LogoWave.dat"}) {
        EXPECT_TRUE(QFile::exists(EmbeddedData::path(name))) << name;
        EXPECT_FALSE(EmbeddedData::read(name).isEmpty()) << name;
    }
}

TEST(EmbeddedResources, PicturesDecodeAtTheirSizes) {
    EXPECT_EQ(EmbeddedData::picture("Logo.jpg", QSize(184, 86)).size(), QSize(184, 86));
    EXPECT_EQ(EmbeddedData::picture("About.jpg", QSize(362, 202)).size(), QSize(362, 202));
}

TEST(EmbeddedResources, JingleReadsThroughTheStoredForm) {
    const QByteArray stored = EmbeddedData::read("LogoWave.dat");
    TWaveData data;
    ASSERT_TRUE(EmbeddedData::readWave("LogoWave.dat", data));
    EXPECT_EQ(data.size(), qFromLittleEndian<qint32>(stored.constData()));
    EXPECT_TRUE(data.bytes().startsWith("RIFF"));
    EXPECT_EQ(data.bytes().mid(8, 4), QByteArray("WAVE"));
}

TEST(EmbeddedResources, MissingFilesGiveBlankAndSilent) {
    EXPECT_TRUE(EmbeddedData::read("Nothing.jpg").isEmpty());
    EXPECT_TRUE(EmbeddedData::picture("Nothing.jpg", QSize(10, 10)).isNull());
    TWaveData data;
    data.SetData(3, "old");
    EXPECT_FALSE(EmbeddedData::readWave("Nothing.dat", data));
    EXPECT_TRUE(data.isEmpty());
}

TEST(EmbeddedResources, NonPictureGivesBlank) {
    EXPECT_TRUE(EmbeddedData::picture("LogoWave.dat", QSize(10, 10)).isNull());
}
