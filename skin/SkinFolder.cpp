#include "SkinFolder.h"

#include "AppDirLayout.h"
#include "FilePath.h"
#include "PictureLoader.h"

namespace {

const QString kLabels = QStringLiteral("Labels.txt");

QString numbered(const char* family, int n, const char* state, const QString& ext) {
    return QStringLiteral("%1%2%3.%4")
        .arg(QLatin1String(family))
        .arg(n)
        .arg(QLatin1String(state), ext);
}

}  // namespace

SkinFolder SkinFolder::named(const QString& appDir, const QString& skinName) {
    return SkinFolder(AppDirLayout(appDir).skinDir(skinName));
}

QString SkinFolder::find(const QString& name) const {
    const QString path = FilePath::findNoCase(dir_, name);
    return !path.isEmpty() && FilePath::isFile(path) ? path : QString();
}

QString SkinFolder::extension() const {
    return find(QStringLiteral("Background.bmp")).isEmpty() ? QStringLiteral("jpg")
                                                            : QStringLiteral("bmp");
}

SkinFolder::Steps SkinFolder::loadSteps(SkinPictures& out, const QString& ext) {
    Steps steps{{QStringLiteral("Background.") + ext, &out.Background}};
    for (int n = 1; n <= 9; ++n) {
        steps.emplace_back(numbered("Button", n, "Up", ext), &out.Buttons[n - 1].Up);
        steps.emplace_back(numbered("Button", n, "Down", ext), &out.Buttons[n - 1].Down);
    }
    for (int n = 1; n <= 8; ++n) {
        steps.emplace_back(numbered("Control", n, "Up", ext), &out.Controls[n - 1].Up);
        steps.emplace_back(numbered("Control", n, "Down", ext), &out.Controls[n - 1].Down);
    }
    for (int n = 1; n <= 3; ++n) {
        steps.emplace_back(numbered("Icon", n, "Up", ext), &out.Icons[n - 1].Up);
        steps.emplace_back(numbered("Icon", n, "Down", ext), &out.Icons[n - 1].Down);
    }
    steps.emplace_back(QStringLiteral("WrongButton.ico"), &out.IconNo);
    steps.emplace_back(QStringLiteral("RightButton.ico"), &out.IconYes);
    steps.emplace_back(QStringLiteral("TimeOver.ico"), &out.IconTime);
    return steps;
}

// The checked pictures all land in `checked`, one slot each, and are dropped afterwards.
SkinFolder::Steps SkinFolder::checkSteps(SkinPreview& out, std::vector<QImage>& checked,
                                         const QString& ext) {
    checked.assign(kCheckCount - kPreviewCount, QImage());
    Steps steps{{QStringLiteral("Background.") + ext, &out.Background}};
    for (int n = 1; n <= 9; ++n)
        steps.emplace_back(numbered("Button", n, "Up", ext), &out.Buttons[n - 1]);
    for (int n = 1; n <= 3; ++n)
        steps.emplace_back(numbered("Icon", n, "Up", ext), &out.Icons[n - 1]);
    for (int n = 1; n <= 8; ++n)
        steps.emplace_back(numbered("Control", n, "Up", ext), &out.Controls[n - 1]);
    QStringList names;
    for (int n = 1; n <= 9; ++n) names << numbered("Button", n, "Down", ext);
    for (int n = 1; n <= 3; ++n) names << numbered("Icon", n, "Down", ext);
    for (int n = 1; n <= 8; ++n) names << numbered("Control", n, "Down", ext);
    names << QStringLiteral("WrongButton.ICO") << QStringLiteral("RightButton.ICO")
          << QStringLiteral("TimeOver.ICO");
    for (qsizetype i = 0; i < names.size(); ++i) steps.emplace_back(names[i], &checked[i]);
    return steps;
}

QStringList SkinFolder::loadOrder(const QString& ext) {
    SkinPictures scratch;
    QStringList names;
    for (const auto& step : loadSteps(scratch, ext)) names << step.first;
    return names << kLabels;
}

QStringList SkinFolder::checkOrder(const QString& ext) {
    SkinPreview scratch;
    std::vector<QImage> checked;
    QStringList names;
    for (const auto& step : checkSteps(scratch, checked, ext)) names << step.first;
    return names;
}

QImage SkinFolder::picture(const QString& name, QString* failure) const {
    const QString path = find(name);
    if (path.isEmpty()) {
        *failure = QStringLiteral("File not found");
        return QImage();
    }
    // The file found differs from the name asked for only in letter case, so its
    // extension names the same decoder.
    return PictureLoader::load(path, failure);
}

int SkinFolder::readPictures(const Steps& steps, QString& failedFile, QString& failure) const {
    int passed = 0;
    for (const auto& [name, target] : steps) {
        QImage image = picture(name, &failure);
        if (image.isNull()) {
            failedFile = name;
            return passed;
        }
        *target = std::move(image);
        ++passed;
    }
    failure.clear();
    return passed;
}

SkinPictures SkinFolder::load() const {
    SkinPictures out;
    const Steps steps = loadSteps(out, extension());
    out.loaded = readPictures(steps, out.failedFile, out.failure);
    if (!out.complete()) return out;
    const QString path = find(kLabels);
    QString why = QStringLiteral("File not found");
    if (!path.isEmpty()) out.Labels = LabelStyle::read(path, &why);
    if (!out.Labels) {
        out.failedFile = kLabels;
        out.failure = why;
        return out;
    }
    ++out.loaded;
    return out;
}

SkinPreview SkinFolder::preview() const {
    SkinPreview out;
    std::vector<QImage> checked;
    const Steps steps = checkSteps(out, checked, extension());
    out.loaded = readPictures(steps, out.failedFile, out.failure);
    return out;
}
