#pragma once
// The main window's pictures and info lines, made under their fixed names above its
// background, bottom to top: the board, the marks over it, the controls, the icons and
// the five lines. The window reaches them through its pointer tables.
#include <QCursor>
#include <QRect>
#include <QString>

class QWidget;
class SkinImage;

class PrincipalComponents {
public:
    static void create(QWidget* window);

    // The name of info line `line` (1-5, in the order of the lines' roles).
    static QString labelName(int line);
    // The pointer over what answers a click at the moment, or over what does not.
    static const QCursor& cursor(bool answers);

private:
    static SkinImage* createImage(QWidget* window, const QString& name, const QRect& geometry,
                                  const QString& hint);
    static void createInfoLines(QWidget* window);
};
