#include "infopanel/OvInfoItem.h"
#include "infopanel/TvrInfoPanel.h"
#include "platform/EmbeddedControl.h"
#include "platform/Label.h"
#include "render/RenderFixture.h"

#include <cmath>
#include <string>

using namespace ov;

namespace ovtest {
namespace {

// The panel drawn at the form's top-left on the white form: title rule, frame and one line whose
// value is too long for it.
class InfoPanelPaintTest : public RenderFixture {
protected:
    ExtenderRef stats;
    std::shared_ptr<TvrInfoPanel> panel;

    void SetUp() override {
        RenderFixture::SetUp();
        stats = form->add("OvComCtl.TvrInfoPanel", "Stats");
        stats->Move(0, 0, px(290), px(60));
        panel = stats->controlAs<TvrInfoPanel>();
        stats->let("BackColor", 0xFFFFFF);
        stats->let("InfoBorderColor", 0x0000FF); // red
        ASSERT_EQ(panel->AddInfoLabel("Source", std::string(120, 'x')), 0);
    }
    struct Box {
        int x, y, w, h;
        int right() const { return x + w; }
    };
    // A child's bounds in pixels, from the panel's top-left.
    static Box inPixels(float left, float top, float width, float height) {
        return {static_cast<int>(std::lround(left / 15)), static_cast<int>(std::lround(top / 15)),
                static_cast<int>(std::lround(width / 15)), static_cast<int>(std::lround(height / 15))};
    }
};

TEST_F(InfoPanelPaintTest, TheLinkIsBlueAtTheRightEndOfTheCutValue) {
    const auto& holder = panel->child<EmbeddedControl>("ctlInfoItem(1)");
    const auto& item = *holder.controlAs<OvInfoItem>();
    const Label& link = item.child<Label>("lblFullInfo");
    const Label& value = item.child<Label>("lblValue");
    ASSERT_TRUE(link.Visible());
    Bitmap b = render();
    const Box l =
        inPixels(holder.Left() + link.Left(), holder.Top() + link.Top(), link.Width(), link.Height());
    const Box v =
        inPixels(holder.Left() + value.Left(), holder.Top() + value.Top(), value.Width(), value.Height());
    EXPECT_GT(countIn(b, l.x, l.y, l.w, l.h, kBlue), 0);
    EXPECT_EQ(countIn(b, v.x, v.y, v.w, v.h, kBlue), 0);
    EXPECT_GT(darkIn(b, v.x, v.y, v.w, v.h), 0) << "the cut value is drawn";
    EXPECT_EQ(inkIn(b, v.right(), v.y, l.x - v.right(), v.h, kWhite).count, 0) << "nothing between them";
}

TEST_F(InfoPanelPaintTest, TitleRuleAndFrameTakeTheirColours) {
    Bitmap b = render();
    EXPECT_EQ(b.pixel(100, 28), rgbOf(0x900000)) << "the rule under the title, 420 twips down";
    EXPECT_EQ(b.pixel(0, 34), kRed) << "the frame's left edge, 510 twips down";
    EXPECT_EQ(b.pixel(150, 34), kRed) << "its top edge";
    EXPECT_GT(countIn(b, 0, 0, 100, 27, rgbOf(0x900000)), 0) << "the title text";
}

} // namespace
} // namespace ovtest
