#include "SkinTheme.h"

#include "AppDirLayout.h"

SkinTheme SkinTheme::classic() {
    SkinTheme t;
    t.folder = AppDirLayout::kDefaultSkin;
    t.format = "bmp";
    t.labels = "AB-";  // black, bold, upright
    t.windowTop = QColor(70, 118, 178);
    t.windowBottom = QColor(26, 52, 96);
    t.titleBar = QColor(22, 40, 74);
    t.titleText = QColor(255, 214, 92);
    t.plate = QColor(52, 66, 92);
    t.plateEdge = QColor(150, 176, 214);
    t.well = QColor(30, 38, 56);
    t.infoPanel = QColor(236, 240, 228);
    t.infoLine = QColor(200, 206, 190);
    t.controlFace = QColor(214, 222, 236);
    t.controlSymbol = QColor(36, 52, 88);
    t.controlLit = QColor(255, 200, 70);
    t.buttons = {QColor(220, 50, 47), QColor(240, 130, 30), QColor(232, 196, 20),
                 QColor(80, 170, 50), QColor(30, 160, 140), QColor(40, 150, 220),
                 QColor(60, 90, 210), QColor(140, 70, 200), QColor(210, 60, 160)};
    return t;
}

SkinTheme SkinTheme::midnight() {
    SkinTheme t;
    t.folder = QStringLiteral("Midnight");
    t.format = "jpg";
    t.labels = "LB-";  // aqua, bold
    t.roundButtons = true;
    t.stars = true;
    t.windowTop = QColor(28, 16, 60);
    t.windowBottom = QColor(4, 6, 20);
    t.titleBar = QColor(10, 8, 28);
    t.titleText = QColor(120, 230, 255);
    t.plate = QColor(18, 20, 44);
    t.plateEdge = QColor(90, 80, 170);
    t.well = QColor(6, 6, 16);
    t.infoPanel = QColor(14, 30, 52);
    t.infoLine = QColor(34, 62, 96);
    t.controlFace = QColor(40, 36, 86);
    t.controlSymbol = QColor(170, 200, 255);
    t.controlLit = QColor(120, 255, 220);
    t.buttons = {QColor(255, 70, 110),  QColor(255, 150, 60),  QColor(250, 230, 80),
                 QColor(110, 240, 110), QColor(60, 230, 200),  QColor(70, 190, 255),
                 QColor(110, 120, 255), QColor(190, 110, 255), QColor(255, 100, 220)};
    return t;
}
