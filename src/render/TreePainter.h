#pragma once

#include "render/Canvas.h"

namespace ov {

class TreeView;

// Paints a TreeView in the classic look, where the model places each part: a window-coloured well in
// a sunken edge; for each row in view, dotted grey lines joining a node to its parent and siblings,
// the expand box (9 pixels, "+" collapsed, "-" expanded) of a node with children, its image (the
// selected image on the selected row) and its label. The selected label is filled with the
// highlight colour while the tree has the focus, and with the button face when it has not (with
// HideSelection) or is disabled; a focused tree rings the selected label with dots.
class TreePainter {
public:
    explicit TreePainter(Canvas& canvas) : m_canvas(canvas) {}
    void paint(const TreeView& tree, PixelRect r);

private:
    Canvas& m_canvas;
};

} // namespace ov
