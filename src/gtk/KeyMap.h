#pragma once

#include <cstdint>
#include <gdk/gdk.h>
#include <optional>

namespace ov::gtk {

// A key as the form's input takes it: the key code of the classic keyboard constants (letters as upper
// case 'A'..'Z', digits '0'..'9', Backspace 8, Tab 9, Enter 13, Escape 27, Space 32, Page Up/Down 33/34,
// End 35, Home 36, arrows 37..40 (left, up, right, down), Insert 45, Delete 46, keypad digits 96..105,
// keypad * + - . / 106, 107, 109, 110, 111, F1..F12 112..123, and the US punctuation keys 186..192 and
// 219..222) and the shift state (1 Shift, 2 Ctrl, 4 Alt).
struct KeyStroke {
    int16_t keyCode = 0;
    int16_t shift = 0;
};

// The key a GDK key press stands for, or nothing for keys the form has no code for (modifier keys
// alone, media keys). The hardware-independent keyval is used, so Shift+a and a are both 'A'.
std::optional<KeyStroke> keyFromGdk(guint keyval, GdkModifierType state);

// Shift bits (1 Shift, 2 Ctrl, 4 Alt) of a GDK modifier state.
int16_t shiftFromGdk(GdkModifierType state);

// The mouse button constant of a GDK button number: 1 left, 2 right, 4 middle; 0 for others.
int16_t buttonFromGdk(guint button);

// The buttons held in a GDK modifier state, as the sum of the constants above (what a move reports).
int16_t buttonsFromGdk(GdkModifierType state);

} // namespace ov::gtk
