#include "KeypadKeys.h"

#include <QKeyEvent>

int KeypadKeys::digit(const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::KeypadModifier)) return 0;
    if (event.key() < Qt::Key_1 || event.key() > Qt::Key_9) return 0;
    return event.key() - Qt::Key_0;
}

unsigned KeypadKeys::identity(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? event.nativeScanCode() : unsigned(event.key());
}

int KeypadKeys::press(const QKeyEvent& event) {
    const int n = digit(event);
    if (n == 0) return 0;
    return held_.try_emplace(identity(event), n).first->second;
}

int KeypadKeys::release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return 0;
    const auto held = held_.find(identity(event));
    if (held == held_.end()) return 0;
    const int n = held->second;
    held_.erase(held);
    return n;
}
