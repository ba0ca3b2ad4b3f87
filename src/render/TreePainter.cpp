#include "render/TreePainter.h"

#include "platform/ImageList.h"
#include "platform/TreeView.h"

#include <array>
#include <cmath>
#include <vector>

namespace ov {

namespace {
constexpr std::array<int, 2> kDotted{1, 1};
constexpr int kBox = 9;
} // namespace

void TreePainter::paint(const TreeView& tree, PixelRect r) {
    m_canvas.fill(r, tree.BackColor());
    m_canvas.sunkenEdge(r);
    const PixelRect well = r.inset(2);
    Canvas::ClipScope clip(m_canvas, well);
    const int rowPx = TreeView::kRowPixels;
    const auto rows = tree.visibleRows();
    const bool focused = tree.hasFocus();
    ImageList* images = tree.imageList();
    const int imagePx = images ? images->ImageHeight() : 0;
    for (size_t i = static_cast<size_t>(tree.TopRow()); i < rows.size(); ++i) {
        const int y = well.y + static_cast<int>(i - static_cast<size_t>(tree.TopRow())) * rowPx;
        if (y >= well.bottom()) break;
        const Node& n = *rows[i];
        const int mid = y + rowPx / 2;
        const int boxX = r.x + m_canvas.toPixelsX(tree.boxLeft(n));
        const int column = boxX + kBox / 2;
        const int imageX = r.x + m_canvas.toPixelsX(tree.imageLeft(n));
        // The lines: this node's own, then one through the row for each ancestor with a later sibling.
        m_canvas.line(column, mid, imageX - 1, mid, sysColor::ButtonShadow, 1, kDotted);
        if (n.Previous() || n.Parent())
            m_canvas.line(column, y, column, mid, sysColor::ButtonShadow, 1, kDotted);
        if (n.Next()) m_canvas.line(column, mid, column, y + rowPx, sysColor::ButtonShadow, 1, kDotted);
        int ancestorColumn = column;
        for (NodeRef a = n.Parent(); a; a = a->Parent()) {
            ancestorColumn -= TreeView::kIndentPixels;
            if (a->Next())
                m_canvas.line(ancestorColumn, y, ancestorColumn, y + rowPx, sysColor::ButtonShadow, 1,
                              kDotted);
        }
        if (n.Children() > 0) {
            const PixelRect box{boxX, mid - kBox / 2, kBox, kBox};
            m_canvas.fill(box, sysColor::WindowBackground);
            m_canvas.outline(box, sysColor::ButtonShadow);
            m_canvas.line(box.x + 2, mid, box.right() - 2, mid, sysColor::WindowText, 1, {});
            if (!n.Expanded())
                m_canvas.line(column, box.y + 2, column, box.bottom() - 2, sysColor::WindowText, 1, {});
        }
        const std::string& image = n.Selected() ? n.SelectedImage() : n.Image();
        if (images && !image.empty() && images->contains(image))
            m_canvas.picture(images->Picture(image),
                             PixelRect{imageX, y + (rowPx - imagePx) / 2, imagePx, imagePx}, false);
        const int labelX = r.x + m_canvas.toPixelsX(tree.labelLeft(n));
        const double textW = m_canvas.textWidth(tree.Font(), n.Text());
        const double lineH = m_canvas.lineHeight(tree.Font());
        const PixelRect label{labelX, y + 1, static_cast<int>(std::ceil(textW)) + 4, rowPx - 2};
        OleColor fore = tree.ForeColor();
        if (n.Selected()) {
            const bool active = focused && tree.Enabled();
            if (active || !tree.HideSelection()) {
                m_canvas.fill(label, sysColor::Highlight);
                fore = sysColor::HighlightText;
            } else {
                m_canvas.fill(label, sysColor::ButtonFace);
            }
            if (active) m_canvas.dottedOutline(label, sysColor::HighlightText);
        }
        const double textY = y + std::floor((rowPx - lineH) / 2);
        if (tree.Enabled())
            m_canvas.text(tree.Font(), n.Text(), labelX + 2, textY, fore);
        else
            m_canvas.text(tree.Font(), n.Text(), labelX + 2, textY, sysColor::GrayText);
    }
}

} // namespace ov
