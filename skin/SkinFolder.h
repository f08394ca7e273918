#pragma once
// One skin folder: which extension its pictures use, where each of its 45 files is
// (names matched ignoring letter case), and reading them in the order that decides
// which file a broken skin is blamed on.
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

#include "LabelStyle.h"

struct SkinPair {
    QImage Up;
    QImage Down;
};

// What a load got through. Pictures that loaded are never null, so a null one was not
// reached; `loaded` counts the files read before the one that failed.
struct SkinPictures {
    QImage Background;
    std::array<SkinPair, 9> Buttons;  // [0] is button 1
    std::array<SkinPair, 8> Controls;
    std::array<SkinPair, 3> Icons;
    QImage IconNo;    // WrongButton.ico
    QImage IconYes;   // RightButton.ico
    QImage IconTime;  // TimeOver.ico
    std::optional<LabelStyle> Labels;
    int loaded = 0;
    QString failedFile;  // the file name as asked for; empty when all 45 loaded
    QString failure;     // why that file failed

    bool complete() const { return failedFile.isEmpty(); }
};

// The skin dialog's preview and check: the 21 pictures it shows, then the 23 it only
// reads to be sure they decode. Labels.txt is not part of it.
struct SkinPreview {
    QImage Background;
    std::array<QImage, 9> Buttons;  // Up pictures, [0] is button 1
    std::array<QImage, 3> Icons;
    std::array<QImage, 8> Controls;
    int loaded = 0;
    QString failedFile;
    QString failure;

    bool complete() const { return failedFile.isEmpty(); }
};

class SkinFolder {
public:
    static constexpr int kFileCount = 45;
    static constexpr int kPreviewCount = 21;
    static constexpr int kCheckCount = 44;

    explicit SkinFolder(const QString& dir) : dir_(dir) {}
    // <appDir>/Skins/<skinName>
    static SkinFolder named(const QString& appDir, const QString& skinName);

    const QString& dir() const { return dir_; }
    // "bmp" when the folder holds a file Background.bmp in any letter case, else "jpg".
    QString extension() const;
    // Path of the regular file `name` in any letter case, or empty.
    QString find(const QString& name) const;

    // The 45 file names in load order, and the 44 the dialog previews and checks.
    static QStringList loadOrder(const QString& ext);
    static QStringList checkOrder(const QString& ext);

    // Reads every file in load order, stopping at the first missing or broken one.
    SkinPictures load() const;
    SkinPreview preview() const;

private:
    using Steps = std::vector<std::pair<QString, QImage*>>;
    static Steps loadSteps(SkinPictures& out, const QString& ext);
    static Steps checkSteps(SkinPreview& out, std::vector<QImage>& checked, const QString& ext);
    // Runs the steps until one fails; returns how many passed.
    int readPictures(const Steps& steps, QString& failedFile, QString& failure) const;
    QImage picture(const QString& name, QString* failure) const;

    QString dir_;
};
