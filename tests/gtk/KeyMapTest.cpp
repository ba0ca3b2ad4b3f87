// GDK keys to the key codes and shift states the form's input takes.
#include "gtk/KeyMap.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(KeyMap, GdkKeysBecomeClassicKeyCodes) {
    struct Case {
        guint keyval;
        GdkModifierType state;
        int16_t code, shift;
    };
    const auto none = static_cast<GdkModifierType>(0);
    const Case cases[] = {
        {GDK_KEY_a, none, 'A', 0},
        {GDK_KEY_A, GDK_SHIFT_MASK, 'A', 1},
        {GDK_KEY_b, GDK_ALT_MASK, 'B', 4},
        {GDK_KEY_c, GDK_CONTROL_MASK, 'C', 2},
        {GDK_KEY_exclam, GDK_SHIFT_MASK, '1', 1}, // Shift+1 is still the 1 key
        {GDK_KEY_parenright, GDK_SHIFT_MASK, '0', 1},
        {GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK, 9, 1}, // what Shift+Tab gives
        {GDK_KEY_Return, none, 13, 0},
        {GDK_KEY_KP_Enter, none, 13, 0},
        {GDK_KEY_Escape, none, 27, 0},
        {GDK_KEY_Left, none, 37, 0},
        {GDK_KEY_Down, none, 40, 0},
        {GDK_KEY_KP_Up, none, 38, 0},
        {GDK_KEY_KP_7, none, 103, 0},
        {GDK_KEY_KP_Subtract, none, 109, 0},
        {GDK_KEY_minus, none, 189, 0},
        {GDK_KEY_period, none, 190, 0},
        {GDK_KEY_F1, none, 112, 0},
        {GDK_KEY_F4, GDK_ALT_MASK, 115, 4},
        {GDK_KEY_F12, none, 123, 0},
    };
    for (const Case& c : cases) {
        const auto stroke = ov::gtk::keyFromGdk(c.keyval, c.state);
        ASSERT_TRUE(stroke) << gdk_keyval_name(c.keyval);
        EXPECT_EQ(std::pair(stroke->keyCode, stroke->shift), std::pair(c.code, c.shift))
            << gdk_keyval_name(c.keyval);
    }
    // Modifier keys alone are no key of the form's.
    for (guint modifier : {GDK_KEY_Shift_L, GDK_KEY_Alt_L, GDK_KEY_Control_R})
        EXPECT_FALSE(ov::gtk::keyFromGdk(modifier, none)) << gdk_keyval_name(modifier);
}

TEST(KeyMap, MouseButtonsBecomeClassicButtonConstants) {
    EXPECT_EQ(std::tuple(
                  ov::gtk::buttonFromGdk(GDK_BUTTON_PRIMARY), ov::gtk::buttonFromGdk(GDK_BUTTON_SECONDARY),
                  ov::gtk::buttonFromGdk(GDK_BUTTON_MIDDLE),
                  ov::gtk::buttonsFromGdk(static_cast<GdkModifierType>(GDK_BUTTON1_MASK | GDK_BUTTON3_MASK))),
              std::tuple(1, 2, 4, 3));
}

} // namespace
