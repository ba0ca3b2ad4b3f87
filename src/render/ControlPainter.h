#pragma once

#include "platform/Forward.h"
#include "render/Canvas.h"

namespace ov {

class CommandButton;
class Frame;
class Image;
class Label;
class Line;
class PictureBox;

// Paints the constituent controls of a UserControl in the classic desktop look. It reads the controls
// and draws what they say; it never changes them.
//
// Every control is placed from its container's inner top-left corner and clipped to its own bounds
// (lines excepted: they are drawn between their ends) and to its container. Invisible controls and the
// controls inside them are skipped. Kinds this painter does not know are skipped too.
//
//   command button  face in BackColor; raised edge: white outer top-left, dark shadow outer
//                   bottom-right, 3D light inner top-left, 3D shadow inner bottom-right. The default
//                   look (a black one-pixel ring outside the edge) goes to the button that has the
//                   focus, or else to the Default button of its control. A focused button has a dotted
//                   focus ring 4 pixels inside its bounds. The caption is centred; "&" marks an access
//                   key; a disabled button's caption is engraved.
//   label           BackColor behind the text when BackStyle is opaque; BorderStyle 1 is a one-pixel
//                   sunken edge. Lines as Label::lines() gives them, one line height apart from the
//                   top, each placed by Alignment; disabled text is engraved.
//   frame           BackColor; BorderStyle 1 is an etched ring (3D shadow, then 3D highlight one pixel
//                   right and down) whose top runs through the middle of the caption line, broken
//                   where the caption stands 8 pixels from the left; with no caption the ring starts
//                   at the top edge (a thin frame is a separator line). BorderStyle 0 draws neither
//                   ring nor caption. Controls inside are placed from the frame's top-left.
//   picture box     BackColor; BorderStyle 1 is a two-pixel sunken edge; the picture at the inner
//                   top-left at its own size; then the printed text. Controls inside are placed from
//                   the inner top-left and clipped to the inner area.
//   image           the picture at its own size, or stretched to the control with Stretch.
//   line            BorderColor, BorderWidth pixels thick; BorderStyle 0 draws nothing, 2 to 5 are
//                   dash patterns (dash 18/6, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3) at
//                   BorderWidth 1 and solid when thicker; the end point is not drawn.
class ControlPainter {
public:
    explicit ControlPainter(Canvas& canvas) : m_canvas(canvas) {}

    // Paints the controls of `owner` that sit directly in `container` (null: the surface), back to
    // front, with the container's inner top-left at (originX, originY), then the controls inside each.
    void paintChildren(const UserControl& owner, const ConstituentControl* container, int originX,
                       int originY);

private:
    void paint(const UserControl& owner, const ConstituentControl& c, int originX, int originY);
    void paintButton(const CommandButton& b, PixelRect r);
    void paintLabel(const Label& l, PixelRect r);
    // Returns the area the frame's own controls are placed in.
    PixelRect paintFrame(const Frame& f, PixelRect r);
    PixelRect paintPictureBox(const PictureBox& p, PixelRect r);
    void paintLine(const Line& l, int originX, int originY);
    bool looksDefault(const CommandButton& b) const;

    Canvas& m_canvas;
};

} // namespace ov
