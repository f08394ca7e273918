// The command line and safe file writing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DataTool.h"
#include "FileSink.h"
#include "ToolRun.h"

TEST(DataToolArguments, AcceptsAppDirWithOptionalEmbeddedDir) {
    DataTool::Options o;
    QString error;
    ASSERT_TRUE(DataTool::parse({"/tmp/a/../app"}, o, error)) << error.toStdString();
    EXPECT_EQ(o.appDir, "/tmp/app");
    EXPECT_TRUE(o.embeddedDir.isEmpty());
    ASSERT_TRUE(DataTool::parse({"--embedded", "/tmp/e", "/tmp/app/"}, o, error));
    EXPECT_EQ(o.appDir, "/tmp/app");
    EXPECT_EQ(o.embeddedDir, "/tmp/e");
}

TEST(DataToolArguments, RejectsBadUsage) {
    DataTool::Options o;
    QString error;
    EXPECT_FALSE(DataTool::parse({}, o, error));
    EXPECT_FALSE(DataTool::parse({"/a", "/b"}, o, error));
    EXPECT_FALSE(DataTool::parse({"/a", "--embedded"}, o, error));
    EXPECT_FALSE(DataTool::parse({"/a", "--frobnicate"}, o, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(DataToolCommand, BadUsageExitsWithTwoAndUsage) {
    const ToolResult r = ToolRun::run({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("usage: zelto-data")) << r.err.toStdString();
}

TEST(DataToolCommand, UnwritableTargetFailsWithAMessage) {
    QTemporaryDir d;
    QFile blocker(d.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ToolResult r = ToolRun::run({d.path() + "/file/app"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("cannot")) << r.err.toStdString();
}

TEST(FileSink, CreateNeverReplacesAndLeavesNoTemporaryFile) {
    QTemporaryDir d;
    const QString path = d.path() + "/Config.dat";
    EXPECT_TRUE(FileSink::create(path, "first"));
    EXPECT_FALSE(FileSink::create(path, "second"));
    EXPECT_EQ(ToolRun::readAll(path), QByteArray("first"));
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{"Config.dat"});
}

TEST(FileSink, WriteReplacesWholeFile) {
    QTemporaryDir d;
    const QString path = d.path() + "/x.bin";
    FileSink::write(path, "a much longer first content");
    FileSink::write(path, "short");
    EXPECT_EQ(ToolRun::readAll(path), QByteArray("short"));
}

TEST(FileSink, FailuresThrowWithThePath) {
    QTemporaryDir d;
    const QString path = d.path() + "/missing/x.bin";
    try {
        FileSink::write(path, "x");
        FAIL() << "no error for a missing folder";
    } catch (const FileSinkError& e) {
        EXPECT_NE(std::string(e.what()).find("missing/x.bin"), std::string::npos);
    }
    EXPECT_THROW(FileSink::writeImage(d.path() + "/y.png", QImage(), "PNG"), FileSinkError);
}
