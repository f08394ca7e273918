#include "SkinImage.h"

#include <QMouseEvent>
#include <QPainter>

SkinImage::SkinImage(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SkinImage::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void SkinImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

void SkinImage::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event->button(), event->position().toPoint());
}

void SkinImage::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event->button(), event->position().toPoint());
}

void SkinImage::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(Qt::NoButton, event->position().toPoint());
}

// A double click counts as a second press: a fast player taps twice.
void SkinImage::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
