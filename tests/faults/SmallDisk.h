#pragma once
// A tmpfs of a fixed size mounted over a folder for one test, and the tools to run it
// out of space. Mounting needs root; without it mounted() is false and why() says so.
#include <QByteArray>
#include <QString>

class SmallDisk {
public:
    SmallDisk(const QString& mountPoint, qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const QString& why() const { return why_; }

    // Takes every free block with a filler file; returns the bytes it took.
    qint64 fill();
    // Gives the filler's blocks back.
    void unfill();

    // Turns every 4096-byte page of `file` that holds only zeros into a hole, as a
    // sparse copy of the file would have it; returns the number of holes made.
    static int makeSparse(const QString& file);
    // Blocks of 512 bytes the file occupies on its disk.
    static qint64 allocatedBlocks(const QString& file);

private:
    QByteArray mountPoint_;
    QString filler_;
    bool mounted_ = false;
    QString why_;
};
