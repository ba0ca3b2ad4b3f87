#pragma once

#include "render/Canvas.h"

#include <string>

namespace ov {

class CheckBox;
class ComboBox;
class ConstituentControl;
class OptionButton;

// Paints the choice controls in the classic desktop look (the counterpart of ControlPainter for them):
//
//   check box      BackColor; a 13-pixel box with a two-pixel sunken edge, window background inside
//                  (button face when disabled or grayed), vertically centred at the left (Alignment 0)
//                  or right (1); Value 1 draws a tick in window text, 2 the tick in 3D shadow. The
//                  caption stands 4 pixels beside the box, engraved when disabled; with the focus a
//                  dotted ring surrounds the caption.
//   option button  the same, with a 12-pixel round button: a two-pixel ring shaded like the sunken
//                  edge, window background inside, and a dot in window text when Value is true.
//   combo box      a closed drop-down list: BackColor inside a two-pixel sunken edge, the arrow
//                  button (as a spin button pointing down, 16 pixels wide) at the right inside the
//                  edge, and the chosen entry two pixels in from the left, vertically centred; with the
//                  focus the text area is filled in the highlight colour and the text drawn in
//                  highlight text; grey text and a button-face field when disabled.
class ChoicePainter {
public:
    explicit ChoicePainter(Canvas& canvas) : m_canvas(canvas) {}

    // Paints `c` into `r` when it is a check box, option button or combo box; false for other kinds.
    bool paint(const ConstituentControl& c, PixelRect r);

private:
    void paintCheckBox(const CheckBox& c, PixelRect r);
    void paintOptionButton(const OptionButton& o, PixelRect r);
    void paintComboBox(const ComboBox& c, PixelRect r);
    // The caption beside a box of `boxSize` pixels; returns nothing.
    void paintCaption(const ConstituentControl& c, const std::string& caption, bool right, int boxSize,
                      PixelRect r);
    void tick(int x, int y, OleColor color);

    Canvas& m_canvas;
};

} // namespace ov
