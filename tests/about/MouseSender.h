#pragma once
// Sends mouse and key events straight to a widget, as the window system would.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace MouseSender {
inline void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                 Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(at), QPointF(w->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
inline void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    send(w, QEvent::MouseButtonPress, at, b, b);
}
inline void move(QWidget* w, QPoint at) {
    send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}
inline void release(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    send(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}
inline void click(QWidget* w, QPoint at) {
    press(w, at);
    release(w, at);
}
inline void key(QWidget* w, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}
}  // namespace MouseSender
