#pragma once
// Draws every picture of a skin from its theme.
#include <QImage>

#include "SkinTheme.h"

class QPainter;

class SkinPainter {
public:
    explicit SkinPainter(SkinTheme theme) : theme_(std::move(theme)) {}

    const SkinTheme& theme() const { return theme_; }

    QImage background() const;
    QImage boardButton(int n, bool down) const;
    QImage control(int n, bool down) const;
    QImage icon(int n, bool down) const;

private:
    void paintBackdrop(QPainter& p) const;
    void paintTitleBar(QPainter& p) const;
    void paintBoard(QPainter& p) const;
    void paintInfoPanel(QPainter& p) const;
    void paintControlPanel(QPainter& p) const;
    void paintSquareButton(QPainter& p, const QColor& c, bool down) const;
    void paintRoundButton(QPainter& p, const QColor& c, bool down) const;

    SkinTheme theme_;
};
