// The key and mouse events a grid cell raises, as the core sees them. The
// desktop program translates its toolkit's events into these and hands them
// to the grid event handlers (edit/grid_events.h).
#pragma once

namespace vextor {

enum class KeyCode {
    Other,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    Enter,
    Delete,
    Backspace,
    Digit, // a digit key; KeyEvent::digit says which, KeyEvent::keypad where
    Comma,
    X,
    C,
};

struct KeyEvent {
    KeyCode code = KeyCode::Other;
    int digit = 0;       // 0..9 for KeyCode::Digit
    bool keypad = false; // the key is on the numeric keypad (digits, comma, ...)
    bool shift = false;

    static KeyEvent of(KeyCode c) { return KeyEvent{c, 0, false, false}; }
    static KeyEvent mainDigit(int d) { return KeyEvent{KeyCode::Digit, d, false, false}; }
    static KeyEvent keypadDigit(int d) { return KeyEvent{KeyCode::Digit, d, true, false}; }
};

enum class MouseButton { Left, Right, Middle };

// A mouse release on cell `cell`; x and y in twips from the cell's top-left corner.
struct MouseEvent {
    MouseButton button = MouseButton::Left;
    bool shift = false;
    int cell = 0;
    int x = 0;
    int y = 0;
};

} // namespace vextor
