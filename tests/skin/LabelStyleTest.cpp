// The three bytes of Labels.txt: colour letter, bold flag, italic flag.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LabelStyle.h"

namespace {

LabelStyle parsed(const QByteArray& bytes) {
    const std::optional<LabelStyle> style = LabelStyle::parse(bytes);
    EXPECT_TRUE(style.has_value()) << bytes.toStdString();
    return style.value_or(LabelStyle{});
}

}  // namespace

TEST(LabelStyleLetters, UpperAndLowerCaseGiveTheSameStyle) {
    const LabelStyle upper = parsed("PBI");
    EXPECT_EQ(upper.colour, QColor(255, 255, 255));
    EXPECT_TRUE(upper.bold);
    EXPECT_TRUE(upper.italic);
    EXPECT_EQ(parsed("pbi"), upper);
}

TEST(LabelStyleLetters, SixteenColoursInTableOrder) {
    const QColor expected[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                 {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                 {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                 {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(LabelStyle::colourOf(char('A' + i)), expected[i]) << char('A' + i);
        EXPECT_EQ(LabelStyle::colourOf(char('a' + i)), expected[i]) << char('a' + i);
    }
}

TEST(LabelStyleLetters, AnyOtherFirstByteIsBlack) {
    for (char c : {'Q', 'q', 'Z', '@', '[', '`', '{', '0', ' ', '\0', '\xC1'})
        EXPECT_EQ(LabelStyle::colourOf(c), QColor(0, 0, 0)) << int(c);
    const LabelStyle q = parsed("QBI");
    EXPECT_EQ(q.colour, QColor(0, 0, 0));
    EXPECT_TRUE(q.bold);
    EXPECT_TRUE(q.italic);
}

TEST(LabelStyleFlags, OnlyBAndIInTheirOwnPlacesCount) {
    EXPECT_FALSE(parsed("AIB").bold);
    EXPECT_FALSE(parsed("AIB").italic);
    EXPECT_TRUE(parsed("Ab-").bold);
    EXPECT_FALSE(parsed("Ab-").italic);
    EXPECT_FALSE(parsed("A-i").bold);
    EXPECT_TRUE(parsed("A-i").italic);
}

TEST(LabelStyleFlags, LineBreakAfterTheLetterIsPlainBlack) {
    const LabelStyle style = parsed("A\r\n");
    EXPECT_EQ(style.colour, QColor(0, 0, 0));
    EXPECT_FALSE(style.bold);
    EXPECT_FALSE(style.italic);
}

TEST(LabelStyleLength, BytesAfterTheThirdAreIgnored) {
    EXPECT_EQ(parsed("CbI and then anything\r\nXYZ"), parsed("CbI"));
    EXPECT_EQ(parsed("CbI").colour, QColor(0, 128, 0));
}

TEST(LabelStyleLength, FewerThanThreeBytesIsAFailure) {
    EXPECT_FALSE(LabelStyle::parse(QByteArray()).has_value());
    EXPECT_FALSE(LabelStyle::parse("P").has_value());
    EXPECT_FALSE(LabelStyle::parse("PB").has_value());
}

TEST(LabelStyleFile, ReadsOnlyThreeBytesAndFailsOnShortOrMissingFiles) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.path() + "/" + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const std::optional<LabelStyle> good = LabelStyle::read(write("good.txt", "jbi\r\n"));
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->colour, QColor(0, 0, 255));
    QString error;
    EXPECT_FALSE(LabelStyle::read(write("short.txt", "JB"), &error).has_value());
    EXPECT_EQ(error, QStringLiteral("Read beyond end of file"));
    EXPECT_FALSE(LabelStyle::read(dir.path() + "/none.txt", &error).has_value());
    EXPECT_EQ(error, QStringLiteral("File not found"));
    EXPECT_FALSE(LabelStyle::read(dir.path(), &error).has_value());
}
