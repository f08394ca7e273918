// The help page explains the game and documents every file a skin or scheme needs.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "AppDirFixture.h"

class HelpPage : public AppDirFixture {
protected:
    static QString help() { return QString::fromUtf8(read("Zelto 2000 Help.html")); }
};

TEST_F(HelpPage, NamesEverySkinFile) {
    const QString h = help();
    ASSERT_FALSE(h.isEmpty());
    QStringList names{"Background.bmp", "WrongButton.ico", "RightButton.ico", "TimeOver.ico",
                      "Labels.txt"};
    for (int n = 1; n <= 9; ++n)
        names << QStringLiteral("Button%1Up.bmp").arg(n)
              << QStringLiteral("Button%1Down.bmp").arg(n);
    for (int n = 1; n <= 8; ++n)
        names << QStringLiteral("Control%1Up.bmp").arg(n)
              << QStringLiteral("Control%1Down.bmp").arg(n);
    for (int n = 1; n <= 3; ++n)
        names << QStringLiteral("Icon%1Up.bmp").arg(n) << QStringLiteral("Icon%1Down.bmp").arg(n);
    for (const QString& name : names) EXPECT_TRUE(h.contains(name)) << name.toStdString();
    EXPECT_TRUE(h.contains("Background.jpg"));
    EXPECT_TRUE(h.contains("456 &times; 352"));
    EXPECT_TRUE(h.contains("64 &times; 32"));
}

TEST_F(HelpPage, ExplainsKeysSoundsMusicAndRecords) {
    const QString h = help();
    for (const char* s : {"F2",
                          "F3",
                          "F4",
                          "F5",
                          "F6",
                          "F7",
                          "F8",
                          "Ctrl+F1",
                          "Ctrl+A",
                          "Num Lock",
                          "Click.wav",
                          "Sound1.wav",
                          "Sound9.wav",
                          "Mistake.wav",
                          "TimeOver.wav",
                          "Music",
                          "*.mid",
                          "Default Music.MID",
                          "Default Sounds",
                          "Default Skin",
                          "320",
                          "Config.dat"})
        EXPECT_TRUE(h.contains(QString::fromLatin1(s))) << s;
}

TEST_F(HelpPage, ContactPageUsesOnlyTheReservedExampleDomain) {
    const QString c = QString::fromUtf8(read("Help docs/Contact.html"));
    ASSERT_FALSE(c.isEmpty());
    EXPECT_TRUE(c.contains("the Zelto 2000 team", Qt::CaseInsensitive));
    EXPECT_TRUE(c.contains("example.org"));
    const QRegularExpression host(QStringLiteral("[a-z0-9-]+\\.(com|net|de|io|org)\\b"));
    for (auto it = host.globalMatch(c); it.hasNext();) {
        const QString m = it.next().captured(0);
        EXPECT_EQ(m, "example.org") << m.toStdString();
    }
}
