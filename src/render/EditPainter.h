#pragma once

#include "render/Canvas.h"

namespace ov {

class ConstituentControl;
class TextBox;
class UpDown;

// Paints the editing controls in the classic desktop look (the counterpart of ControlPainter for them):
//
//   text box   BackColor inside a two-pixel sunken edge; the text in ForeColor (grey text when
//              disabled) two pixels in from the edge, placed by Alignment. A single-line box centres
//              its line vertically; while it has the focus the selection is drawn in the highlight
//              colours and, with nothing selected, the caret is a one-pixel line in window text. A
//              multi-line box draws its lines from the top, wrapped to the width
//              (TextMetricsService::wrap), without caret or selection.
//   up-down    two buttons, up over down, each half the height: button face, a raised edge (sunken,
//              with the arrow one pixel right and down, while the mouse holds it) and a black
//              triangle pointing up or down in the middle; disabled arrows are engraved.
class EditPainter {
public:
    explicit EditPainter(Canvas& canvas) : m_canvas(canvas) {}

    // Paints `c` into `r` when it is a text box or up-down; false for other kinds.
    bool paint(const ConstituentControl& c, PixelRect r);
    // One spin button (also a drop-down list's arrow button).
    void paintArrowButton(PixelRect r, bool up, bool pressed, bool enabled);

private:
    void paintTextBox(const TextBox& t, PixelRect r);
    void paintUpDown(const UpDown& u, PixelRect r);
    void arrow(int cx, int cy, int half, bool up, OleColor color);

    Canvas& m_canvas;
};

} // namespace ov
