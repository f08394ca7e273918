#pragma once
// The 45 files of a skin folder with the picture size each one is drawn at.
#include <vector>

#include <QSize>
#include <QString>

struct SkinFile {
    enum class Kind { Background, Button, Control, Icon, Mark, Labels };
    QString name;
    Kind kind;
    int number;  // 1-based for buttons, controls, icons and marks; 0 otherwise
    bool down;   // the pressed or lit picture
    QSize size;  // empty for Labels.txt
};

class SkinFiles {
public:
    static constexpr int kCount = 45;
    // `ext` is "bmp" or "jpg"; the marks are icons and Labels.txt text whatever it is.
    static std::vector<SkinFile> list(const QString& ext);
    static QString markName(int n);  // 1 wrong, 2 right, 3 time over
};
