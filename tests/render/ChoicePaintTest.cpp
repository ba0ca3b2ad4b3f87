#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "render/RenderFixture.h"

namespace ovtest {
namespace {

using ov::sysColor::ButtonFace;
using ov::sysColor::WindowBackground;

// Check boxes, option buttons and a drop-down list on a Sketch at the form's top-left (15 twips a pixel).
class ChoicePaintTest : public SketchFixture {
protected:
    template <class T>
    T& add(const std::string& name, int top, const std::string& caption = "") {
        return place<T>(name, 0, top, 150, 20, caption);
    }
};

TEST_F(ChoicePaintTest, BoxesShowTheirValueInsideTheirEdgeAndTheCaptionBeside) {
    // Each box's square (13 pixels) is centred in its 20-pixel row at the left; its inside is 9 × 9.
    struct Row {
        int16_t value;
        bool enabled;
        int tickInk; // window-text pixels inside the square
        ov::OleColor inside;
    };
    const Row rows[] = {{0, true, 0, WindowBackground},
                        {1, true, 21, WindowBackground},
                        {2, true, 0, ButtonFace},
                        {1, false, 0, ButtonFace}};
    for (int i = 0; i < 4; ++i) {
        auto& c = add<ov::CheckBox>("chk" + std::to_string(i), 20 * i, "Check");
        c.setValue(rows[i].value);
        c.setEnabled(rows[i].enabled);
    }
    const ov::Bitmap b = render();
    for (int i = 0; i < 4; ++i) {
        const Row& r = rows[i];
        const int top = 20 * i, boxTop = top + (20 - 13) / 2;
        EXPECT_EQ(countIn(b, 2, boxTop + 2, 9, 9, rgbOf(ov::sysColor::WindowText)), r.tickInk) << top;
        EXPECT_EQ(b.pixel(3, boxTop + 3), rgbOf(r.inside)) << top;
        EXPECT_GT(darkIn(b, 17, top, 60, 20, r.enabled ? 100 : 150), 10) << "the caption";
    }
}

TEST_F(ChoicePaintTest, OptionDotAndClosedDropDownList) {
    add<ov::OptionButton>("optOn", 0, "On").setValue(true);
    add<ov::OptionButton>("optOff", 20, "Off");
    auto& cbo = add<ov::ComboBox>("cboList", 40);
    cbo.AddItem("Entry");
    cbo.setListIndex(0);
    const ov::Bitmap b = render();
    const ov::Rgb dot = rgbOf(ov::sysColor::WindowText);
    EXPECT_EQ(countIn(b, 4, 8, 4, 4, dot), 12) << "the dot of the chosen button";
    EXPECT_EQ(countIn(b, 4, 28, 4, 4, dot), 0);
    // The arrow button fills the right 16 pixels inside the edge; the entry's text stands at the left.
    EXPECT_EQ(b.pixel(150 - 2 - 8, 42), rgbOf(ov::sysColor::ButtonHighlight)) << "the button's raised edge";
    EXPECT_GT(countIn(b, 150 - 2 - 16, 42, 16, 16, rgbOf(ov::sysColor::ButtonText)), 3) << "its arrow";
    EXPECT_GT(darkIn(b, 3, 42, 60, 16), 10) << "the chosen entry";
}

TEST_F(ChoicePaintTest, APropertyPageIsDrawnOnItsDialogFormWithItsFields) {
    auto label = form->add("OvComCtl.OvLabel", "lblTitle");
    label->let("BackColor", 0x00FF00);
    ov::PropertyDialog dialog;
    dialog.open({label}, {"StandardColor", "StandardFont"});
    const ov::Bitmap colour = renderer.render(*dialog.form());
    EXPECT_EQ(colour.width(), 360) << "the form's client area is the largest page";
    const auto& preview = dialog.page(0).child<ov::PictureBox>("picPreview");
    const int px = static_cast<int>(preview.Left() + preview.Width() / 2) / 15;
    const int py = static_cast<int>(preview.Top() + preview.Height() / 2) / 15;
    EXPECT_EQ(colour.pixel(px, py), (ov::Rgb{0, 255, 0}));
    dialog.showPage(1);
    const ov::Bitmap font = renderer.render(*dialog.form());
    EXPECT_NE(font.pixel(px, py), (ov::Rgb{0, 255, 0})) << "only the current page is drawn";
}

} // namespace
} // namespace ovtest
