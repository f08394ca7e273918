#pragma once
// Writes skin folders for tests. Every picture gets its own width (its place in the
// folder's list plus 4) so a test can tell which file ended up where.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class SkinMaker {
public:
    // Writes a whole skin <skinsDir>/<name> with pictures of extension `ext`.
    SkinMaker(const QString& skinsDir, const QString& name, const QString& ext);

    const QString& dir() const { return dir_; }
    QString path(const QString& fileName) const { return dir_ + QLatin1Char('/') + fileName; }

    // The 44 pictures of a skin, written out by hand: Background, buttons, controls,
    // icons (Up then Down for each number), then the three marks.
    static QStringList pictureNames(const QString& ext);
    static int widthOf(const QString& fileName, const QString& ext);

    void writePicture(const QString& fileName, int width) const;
    void writeBytes(const QString& fileName, const QByteArray& bytes) const;
    QByteArray bytes(const QString& fileName) const;
    void remove(const QString& fileName) const;
    void rename(const QString& from, const QString& to) const;

    // A picture in a format chosen by the name's extension ("bmp", "jpg", "ico").
    static QByteArray encode(const QImage& image, const QString& ext);

private:
    QString dir_;
    QString ext_;
};
