#include "SkinFiles.h"

#include "BoardLayout.h"

QString SkinFiles::markName(int n) {
    static const char* const kNames[] = {"WrongButton.ico", "RightButton.ico", "TimeOver.ico"};
    return QString::fromLatin1(kNames[n - 1]);
}

std::vector<SkinFile> SkinFiles::list(const QString& ext) {
    using K = SkinFile::Kind;
    std::vector<SkinFile> files;
    files.push_back(
        {QStringLiteral("Background.") + ext, K::Background, 0, false, BoardLayout::kWindow});
    auto pair = [&](const QString& stem, K kind, int count, QSize size) {
        for (int n = 1; n <= count; ++n) {
            files.push_back(
                {QStringLiteral("%1%2Up.%3").arg(stem).arg(n).arg(ext), kind, n, false, size});
            files.push_back(
                {QStringLiteral("%1%2Down.%3").arg(stem).arg(n).arg(ext), kind, n, true, size});
        }
    };
    pair(QStringLiteral("Button"), K::Button, 9, BoardLayout::kButton);
    pair(QStringLiteral("Control"), K::Control, 8, BoardLayout::kControl);
    pair(QStringLiteral("Icon"), K::Icon, 3, BoardLayout::kIcon);
    for (int n = 1; n <= 3; ++n)
        files.push_back({markName(n), K::Mark, n, false, BoardLayout::kMark});
    files.push_back({QStringLiteral("Labels.txt"), K::Labels, 0, false, QSize()});
    return files;
}
