// Reading and writing Config.dat: whole-record transfers, the bytes around the record,
// and the text shown for every way the file can fail.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <QDir>
#include <QFile>

#include "ConfigFile.h"
#include "ConfigFileOps.h"
#include "ConfigTestDir.h"

namespace {

// Puts the real system calls back when a test ends, however it ends.
class OpsOverride {
public:
    explicit OpsOverride(const ConfigFileOps& ops) : previous_(ConfigFileOps::install(ops)) {}
    ~OpsOverride() { ConfigFileOps::install(previous_); }

private:
    ConfigFileOps previous_;
};

QString readError(const QString& appDir, ConfigRecord& rec) {
    try {
        ReadConfig(appDir, rec);
    } catch (const ConfigIoError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

QString writeError(const QString& appDir, const ConfigRecord& rec) {
    try {
        WriteConfig(appDir, rec);
    } catch (const ConfigIoError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

ConfigRecord sentinel() {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Delay = 777;
    rec.Top10Scores[5] = 5;
    return rec;
}

// Root opens read-only files for writing anyway, so the child drops to "nobody".
void dropRoot() {
    if (geteuid() != 0) return;
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
}

// Test doubles for the system calls; each counts its calls.
int gCalls = 0;

ssize_t pwriteHalfThenNothing(int fd, const void* buf, size_t count, off_t offset) {
    if (gCalls++ == 0) return ::pwrite(fd, buf, std::min<size_t>(count, 1000), offset);
    return 0;
}

ssize_t pwriteDeviceError(int, const void*, size_t, off_t) {
    errno = EIO;
    return -1;
}

ssize_t pwriteInterruptedAndChunked(int fd, const void* buf, size_t count, off_t offset) {
    if (gCalls++ % 2 == 0) {
        errno = EINTR;
        return -1;
    }
    return ::pwrite(fd, buf, std::min<size_t>(count, 4096), offset);
}

ssize_t preadInterruptedAndChunked(int fd, void* buf, size_t count, off_t offset) {
    if (gCalls++ % 2 == 0) {
        errno = EINTR;
        return -1;
    }
    return ::pread(fd, buf, std::min<size_t>(count, 3000), offset);
}

ssize_t preadDeviceError(int, void*, size_t, off_t) {
    errno = EIO;
    return -1;
}

int fsyncDeviceError(int) {
    errno = EIO;
    return -1;
}

int fsyncInterruptedOnce(int fd) {
    if (gCalls++ == 0) {
        errno = EINTR;
        return -1;
    }
    return ::fsync(fd);
}

}  // namespace

TEST(ConfigFileTransfer, ReadModifyWriteChangesOnlyTheChangedBytes) {
    ConfigTestDir dir;
    const QByteArray original = ConfigTestDir::noise(kConfigRecordSize, 12);
    const QByteArray trailer("bytes past the record stay as they are");
    dir.writeBytes(original + trailer);

    ConfigRecord rec;
    ReadConfig(dir.path(), rec);
    rec.Delay = 0x0A0B0C0D;
    WriteConfig(dir.path(), rec);

    const QByteArray after = dir.bytes();
    ASSERT_EQ(after.size(), original.size() + trailer.size());
    EXPECT_EQ(after.mid(kConfigRecordSize), trailer);
    for (int i = 0; i < kConfigRecordSize; ++i) {
        if (i >= 12 && i < 16) continue;
        ASSERT_EQ(after[i], original[i]) << "byte " << i;
    }
    EXPECT_EQ(after.mid(12, 4), QByteArray("\x0D\x0C\x0B\x0A"));
}

TEST(ConfigFileErrors, MissingFileIsFileNotFoundAndIsNeverCreated) {
    ConfigTestDir dir;
    ConfigRecord rec = sentinel();
    EXPECT_EQ(readError(dir.path(), rec), QStringLiteral("File not found"));
    EXPECT_EQ(rec, sentinel());
    EXPECT_EQ(writeError(dir.path(), rec), QStringLiteral("File not found"));
    EXPECT_FALSE(QFile::exists(dir.configFile()));
}

TEST(ConfigFileErrors, AppDirThatIsAFileIsFileNotFound) {
    ConfigTestDir dir;
    dir.write(ConfigRecord());
    ConfigRecord rec;
    EXPECT_EQ(readError(dir.configFile(), rec), QStringLiteral("File not found"));
}

TEST(ConfigFileErrors, OverlongNameIsInvalidFilename) {
    ConfigTestDir dir;
    ConfigRecord rec;
    const QString tooLong = dir.path() + QLatin1Char('/') + QString(300, QLatin1Char('x'));
    EXPECT_EQ(readError(tooLong, rec), QStringLiteral("Invalid filename"));
    EXPECT_EQ(readError(dir.path() + QChar(0) + QStringLiteral("x"), rec),
              QStringLiteral("Invalid filename"));
}

TEST(ConfigFileErrors, ShortFileIsReadBeyondEndAndLeavesTheRecordAlone) {
    ConfigTestDir dir;
    for (int size : {0, 100, kConfigRecordSize - 1}) {
        dir.writeBytes(ConfigTestDir::noise(size));
        ConfigRecord rec = sentinel();
        EXPECT_EQ(readError(dir.path(), rec), QStringLiteral("Read beyond end of file"))
            << "size " << size;
        EXPECT_EQ(rec, sentinel()) << "size " << size;
    }
}

TEST(ConfigFileErrors, FolderNamedConfigDatIsAccessDenied) {
    ConfigTestDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Config.dat")));
    ConfigRecord rec = sentinel();
    EXPECT_EQ(readError(dir.path(), rec), QStringLiteral("File access denied"));
    EXPECT_EQ(rec, sentinel());
    EXPECT_EQ(writeError(dir.path(), rec), QStringLiteral("File access denied"));
}

TEST(ConfigFileErrors, ReadOnlyFileIsAccessDeniedForReadingAndWriting) {
    ConfigTestDir dir;
    dir.write(sentinel());
    ASSERT_EQ(::chmod(QFile::encodeName(dir.configFile()).constData(), 0444), 0);
    const QString appDir = dir.path();
    EXPECT_EXIT(
        {
            dropRoot();
            ConfigRecord rec;
            std::fprintf(stderr, "read: %s\n", qPrintable(readError(appDir, rec)));
            std::fprintf(stderr, "write: %s\n", qPrintable(writeError(appDir, rec)));
            _exit(rec == ConfigRecord() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "read: File access denied\nwrite: File access denied");
    EXPECT_EQ(dir.read(), sentinel());
}

TEST(ConfigFileErrors, WriteThatStoresLessThanAskedIsDiskFull) {
    ConfigTestDir dir;
    dir.write(ConfigRecord());
    gCalls = 0;
    OpsOverride ops({::pread, pwriteHalfThenNothing, ::fsync});
    EXPECT_EQ(writeError(dir.path(), sentinel()), QStringLiteral("Disk full"));
    // The file is neither truncated nor grown by the failed write.
    EXPECT_EQ(dir.bytes().size(), kConfigRecordSize);
}

TEST(ConfigFileErrors, OtherFailuresCarryTheSystemCode) {
    ConfigTestDir dir;
    dir.write(ConfigRecord());
    {
        OpsOverride ops({::pread, pwriteDeviceError, ::fsync});
        EXPECT_EQ(writeError(dir.path(), sentinel()), QStringLiteral("I/O error %1").arg(EIO));
    }
    {
        OpsOverride ops({preadDeviceError, ::pwrite, ::fsync});
        ConfigRecord rec = sentinel();
        EXPECT_EQ(readError(dir.path(), rec), QStringLiteral("I/O error %1").arg(EIO));
        EXPECT_EQ(rec, sentinel());
    }
}

TEST(ConfigFileErrors, FailedFlushIsAnError) {
    ConfigTestDir dir;
    dir.write(ConfigRecord());
    OpsOverride ops({::pread, ::pwrite, fsyncDeviceError});
    EXPECT_EQ(writeError(dir.path(), sentinel()), QStringLiteral("I/O error %1").arg(EIO));
}

TEST(ConfigFileRetries, InterruptedAndPartialWritesAreCompleted) {
    ConfigTestDir dir;
    dir.write(ConfigRecord());
    gCalls = 0;
    OpsOverride ops({::pread, pwriteInterruptedAndChunked, fsyncInterruptedOnce});
    const ConfigRecord rec = ConfigRecord::decode(ConfigTestDir::noise(kConfigRecordSize, 13));
    WriteConfig(dir.path(), rec);
    EXPECT_EQ(dir.bytes(), rec.encode());
    EXPECT_GT(gCalls, 2 * (kConfigRecordSize / 4096));
}

TEST(ConfigFileRetries, InterruptedAndPartialReadsAreCompleted) {
    ConfigTestDir dir;
    const QByteArray original = ConfigTestDir::noise(kConfigRecordSize, 14);
    dir.writeBytes(original);
    gCalls = 0;
    OpsOverride ops({preadInterruptedAndChunked, ::pwrite, ::fsync});
    ConfigRecord rec;
    ReadConfig(dir.path(), rec);
    EXPECT_EQ(rec.encode(), original);
}

TEST(ConfigFileErrorText, EachSystemErrorMapsToItsText) {
    const QString notFound = QStringLiteral("File not found");
    const QString denied = QStringLiteral("File access denied");
    EXPECT_EQ(ConfigFileOps::errorText(ENOENT), notFound);
    EXPECT_EQ(ConfigFileOps::errorText(ENOTDIR), notFound);
    for (int err : {EACCES, EPERM, EROFS, EISDIR, ETXTBSY})
        EXPECT_EQ(ConfigFileOps::errorText(err), denied) << err;
    EXPECT_EQ(ConfigFileOps::errorText(EMFILE), QStringLiteral("Too many open files"));
    EXPECT_EQ(ConfigFileOps::errorText(ENFILE), QStringLiteral("Too many open files"));
    EXPECT_EQ(ConfigFileOps::errorText(ENAMETOOLONG), QStringLiteral("Invalid filename"));
    EXPECT_EQ(ConfigFileOps::errorText(ENOSPC), QStringLiteral("Disk full"));
    EXPECT_EQ(ConfigFileOps::errorText(EDQUOT), QStringLiteral("Disk full"));
    EXPECT_EQ(ConfigFileOps::errorText(EIO), QStringLiteral("I/O error 5"));
    EXPECT_EQ(ConfigFileOps::errorText(EFBIG), QStringLiteral("I/O error 27"));
}
