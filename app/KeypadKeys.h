#pragma once
// The numeric keypad as the board: a press of keypad digit n (Num Lock on) presses
// button n, known by the keypad modifier or, where a platform leaves that out, by its
// keysym, and a release belongs to the button its key pressed, even if Num Lock
// changed what the key means in between (some input tools toggle it around a keypad
// key). The digits of the main keyboard are no board keys.
#include <map>

class QKeyEvent;

class KeypadKeys {
public:
    // The button a press (or a held key's repeated press) asks for, or 0.
    int press(const QKeyEvent& event);
    // The button a real release lets go of, or 0; the releases within a key's repeat
    // are none.
    int release(const QKeyEvent& event);

private:
    static int digit(const QKeyEvent& event);
    static unsigned identity(const QKeyEvent& event);

    std::map<unsigned, int> held_;  // held keys and the button each pressed
};
