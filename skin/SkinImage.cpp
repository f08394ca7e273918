#include "SkinImage.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "SkinImageAccessible.h"

namespace {
void announce(QObject* object, const QAccessible::State& changed) {
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
}
}  // namespace

SkinImage::SkinImage(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SkinImage::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void SkinImage::makeButton() {
    SkinImageAccessible::install();
    button_ = true;
}

void SkinImage::setResponds(bool responds) {
    if (responds == responds_) return;
    responds_ = responds;
    QAccessible::State changed;
    changed.disabled = true;
    if (button_) announce(this, changed);
}

void SkinImage::setLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    QAccessible::State changed;
    changed.pressed = true;
    changed.checked = true;
    if (button_) announce(this, changed);
}

// A click on a window that a modal dialog blocks reaches nothing, nor does this.
void SkinImage::click() {
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window()) return;
    const QPoint centre = rect().center();
    if (onPress) onPress(Qt::LeftButton, centre);
    if (onRelease) onRelease(Qt::LeftButton, centre);
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
