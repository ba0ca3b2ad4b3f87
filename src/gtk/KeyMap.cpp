#include "gtk/KeyMap.h"

#include <iterator>

namespace ov::gtk {

namespace {

// Keys whose code is not a plain letter or digit.
struct NamedKey {
    guint keyval;
    int16_t code;
};

constexpr NamedKey kNamedKeys[] = {
    {GDK_KEY_BackSpace, 8},    {GDK_KEY_Tab, 9},           {GDK_KEY_ISO_Left_Tab, 9},
    {GDK_KEY_Return, 13},      {GDK_KEY_KP_Enter, 13},     {GDK_KEY_Escape, 27},
    {GDK_KEY_space, 32},       {GDK_KEY_Page_Up, 33},      {GDK_KEY_Page_Down, 34},
    {GDK_KEY_End, 35},         {GDK_KEY_Home, 36},         {GDK_KEY_Left, 37},
    {GDK_KEY_Up, 38},          {GDK_KEY_Right, 39},        {GDK_KEY_Down, 40},
    {GDK_KEY_Insert, 45},      {GDK_KEY_Delete, 46},       {GDK_KEY_KP_Multiply, 106},
    {GDK_KEY_KP_Add, 107},     {GDK_KEY_KP_Subtract, 109}, {GDK_KEY_KP_Decimal, 110},
    {GDK_KEY_KP_Divide, 111},  {GDK_KEY_KP_Home, 36},      {GDK_KEY_KP_End, 35},
    {GDK_KEY_KP_Left, 37},     {GDK_KEY_KP_Up, 38},        {GDK_KEY_KP_Right, 39},
    {GDK_KEY_KP_Down, 40},     {GDK_KEY_KP_Page_Up, 33},   {GDK_KEY_KP_Page_Down, 34},
    {GDK_KEY_KP_Delete, 46},   {GDK_KEY_KP_Insert, 45},    {GDK_KEY_semicolon, 186},
    {GDK_KEY_colon, 186},      {GDK_KEY_equal, 187},       {GDK_KEY_plus, 187},
    {GDK_KEY_comma, 188},      {GDK_KEY_less, 188},        {GDK_KEY_minus, 189},
    {GDK_KEY_underscore, 189}, {GDK_KEY_period, 190},      {GDK_KEY_greater, 190},
    {GDK_KEY_slash, 191},      {GDK_KEY_question, 191},    {GDK_KEY_grave, 192},
    {GDK_KEY_asciitilde, 192}, {GDK_KEY_bracketleft, 219}, {GDK_KEY_braceleft, 219},
    {GDK_KEY_backslash, 220},  {GDK_KEY_bar, 220},         {GDK_KEY_bracketright, 221},
    {GDK_KEY_braceright, 221}, {GDK_KEY_apostrophe, 222},  {GDK_KEY_quotedbl, 222},
};

// The digit keys with Shift held give punctuation keyvals; the key is still the digit.
constexpr guint kShiftedDigits[] = {
    GDK_KEY_parenright, GDK_KEY_exclam,      GDK_KEY_at,        GDK_KEY_numbersign, GDK_KEY_dollar,
    GDK_KEY_percent,    GDK_KEY_asciicircum, GDK_KEY_ampersand, GDK_KEY_asterisk,   GDK_KEY_parenleft};

} // namespace

int16_t shiftFromGdk(GdkModifierType state) {
    int16_t shift = 0;
    if (state & GDK_SHIFT_MASK) shift |= 1;
    if (state & GDK_CONTROL_MASK) shift |= 2;
    if (state & GDK_ALT_MASK) shift |= 4;
    return shift;
}

std::optional<KeyStroke> keyFromGdk(guint keyval, GdkModifierType state) {
    const int16_t shift = shiftFromGdk(state);
    const guint upper = gdk_keyval_to_upper(keyval);
    if (upper >= GDK_KEY_A && upper <= GDK_KEY_Z)
        return KeyStroke{static_cast<int16_t>('A' + (upper - GDK_KEY_A)), shift};
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
        return KeyStroke{static_cast<int16_t>('0' + (keyval - GDK_KEY_0)), shift};
    if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9)
        return KeyStroke{static_cast<int16_t>(96 + (keyval - GDK_KEY_KP_0)), shift};
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12)
        return KeyStroke{static_cast<int16_t>(112 + (keyval - GDK_KEY_F1)), shift};
    for (size_t i = 0; i < std::size(kShiftedDigits); ++i) {
        if (keyval == kShiftedDigits[i]) return KeyStroke{static_cast<int16_t>('0' + i), shift};
    }
    for (const NamedKey& k : kNamedKeys) {
        if (k.keyval == keyval) return KeyStroke{k.code, shift};
    }
    return std::nullopt;
}

int16_t buttonFromGdk(guint button) {
    switch (button) {
    case GDK_BUTTON_PRIMARY:
        return 1;
    case GDK_BUTTON_SECONDARY:
        return 2;
    case GDK_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

int16_t buttonsFromGdk(GdkModifierType state) {
    int16_t buttons = 0;
    if (state & GDK_BUTTON1_MASK) buttons |= 1;
    if (state & GDK_BUTTON3_MASK) buttons |= 2;
    if (state & GDK_BUTTON2_MASK) buttons |= 4;
    return buttons;
}

} // namespace ov::gtk
