#pragma once
// Colours and shapes of one skin.
#include <array>

#include <QByteArray>
#include <QColor>
#include <QString>

struct SkinTheme {
    QString folder;     // name under Skins
    QByteArray format;  // "bmp" or "jpg": the skin extension
    QByteArray labels;  // contents of Labels.txt
    bool roundButtons = false;
    bool stars = false;  // a starry backdrop instead of soft rings
    QColor windowTop, windowBottom;
    QColor titleBar, titleText;
    QColor plate, plateEdge;  // board and control panel plates
    QColor well;              // the socket behind each board button
    QColor infoPanel, infoLine;
    QColor controlFace, controlSymbol, controlLit;
    std::array<QColor, 9> buttons;  // board button 1..9

    static SkinTheme classic();
    static SkinTheme midnight();
};
