#include "KeypadKeys.h"

#include <QKeyEvent>

namespace {
// XKB keysyms KP_1..KP_9; with Num Lock off the same keys give KP_End, KP_Down, ...
constexpr quint32 kKeysymKp1 = 0xffb1;
constexpr quint32 kKeysymKp9 = 0xffb9;
}  // namespace

// X11 marks keypad keys with the keypad modifier, Wayland does not: there the keysym
// alone tells a keypad digit from the main keyboard's.
int KeypadKeys::digit(const QKeyEvent& event) {
    const bool digitKey = event.key() >= Qt::Key_1 && event.key() <= Qt::Key_9;
    if (digitKey && (event.modifiers() & Qt::KeypadModifier)) return event.key() - Qt::Key_0;
    const quint32 keysym = event.nativeVirtualKey();
    if (keysym >= kKeysymKp1 && keysym <= kKeysymKp9) return int(keysym - kKeysymKp1) + 1;
    return 0;
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
