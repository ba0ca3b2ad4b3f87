// Option pages inside the tree control: their indexes, the index message, header styles and the
// page's client area.
#include "OptionsFixture.h"
#include "platform/FailureCapture.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "support/ShownBoxes.h"

#include <tuple>

using namespace ov;

namespace {

class OvOptionPageTest : public ovtest::OptionsFixture {
protected:
    std::shared_ptr<OvOptionPage> page(const std::string& name) { return form->control<OvOptionPage>(name); }
};

TEST_F(OvOptionPageTest, NewPagesTakeTheSmallestFreeIndexAndLiveInTheTree) {
    build(Mode::Design, nullptr);
    std::string indexes;
    for (const char* p : {"pgView", "pgFonts", "pgProxy", "pgSecurity"})
        indexes += form->control(p)->get("PageIndex").toString();
    EXPECT_EQ(indexes, "1234");
    EXPECT_EQ(form->control("pgFonts")->Container(), ObjectRef(options));
    EXPECT_FALSE(form->control("pgFonts")->TabStop());
    form->remove("pgFonts"); // hidden at design time: its index is free again
    auto fresh = form->add("OvComCtl.OvOptionPage", "pgNew");
    EXPECT_EQ(fresh->get("PageIndex").toInt32(), 2);
    EXPECT_EQ(base->objTabsManager()->FirstFreeIndex(), 5);
}

TEST_F(OvOptionPageTest, ATakenOrInvalidIndexIsRefusedWithTheMessage) {
    build(Mode::Design, nullptr);
    auto view = form->control("pgView");
    for (int16_t v : {int16_t{2}, int16_t{0}, int16_t{-3}, int16_t{1}}) {
        runtime.headlessMessageBox().clear();
        view->let("PageIndex", v);
        EXPECT_EQ(ovtest::shownBoxes(runtime),
                  std::vector<std::string>{
                      runtime.application().title +
                      " | 0 | You cannot change page index to specified bacause it is already used"})
            << v;
        EXPECT_EQ(view->get("PageIndex").toInt32(), 1);
    }
    runtime.headlessMessageBox().clear();
    view->let("PageIndex", int16_t{9});
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(view->get("PageIndex").toInt32(), 9);
    EXPECT_TRUE(base->objTabsManager()->isRegistered(9));
    EXPECT_FALSE(base->objTabsManager()->isRegistered(1));
    EXPECT_EQ(view->changedKeys().back(), "PageIndex");
}

TEST_F(OvOptionPageTest, HeaderModesStyleTheCaption) {
    build();
    auto pg = page("pgView");
    Label& label = pg->child<Label>("lblPageCaption");
    struct Case {
        int32_t mode;
        bool lines, label;
        OleColor fore, back;
        float size;
        bool bold;
    } cases[] = {{1, false, true, 0x80000014, 0x80000010, 12, true},
                 {0, true, true, 0x80000012, 0x8000000F, 8, false},
                 {2, false, false, 0x80000012, 0x8000000F, 8, false}};
    for (const Case& c : cases) {
        form->control("pgView")->let("HeaderMode", c.mode);
        EXPECT_EQ(std::tuple(pg->child<Line>("LTop1").Visible(), pg->child<Line>("LTop2").Visible(),
                             label.Visible(), label.ForeColor(), label.BackColor(), label.Font()->Size(),
                             label.Font()->Bold()),
                  std::tuple(c.lines, c.lines, c.label, c.fore, c.back, c.size, c.bold))
            << c.mode;
        if (c.mode == 1) {
            EXPECT_EQ(std::tuple(label.Height(), label.Width()), std::tuple(360.0f, pg->ScaleWidth()));
        }
    }
    form->control("pgView")->let("Caption", "Back again"); // a caption shows even without a header
    EXPECT_TRUE(label.Visible());
    form->control("pgView")->let("HeaderMode", 0);
    const Line& rule = pg->child<Line>("LTop1");
    EXPECT_EQ(std::tuple(rule.X1(), rule.Y1(), pg->child<Line>("LTop2").Y1()),
              std::tuple(label.Width() + 75, label.Height() / 2, label.Height() / 2 + 15));
}

TEST_F(OvOptionPageTest, TheClientAreaSitsUnderHalfTheCaptionAndATabNoPageHoldsHidesThemAll) {
    build();
    auto pg = form->control("pgView");
    const float h = page("pgView")->child<Label>("lblPageCaption").Height();
    EXPECT_EQ(std::tuple(pg->get("ClientTop").toInt32(), pg->get("ClientLeft").toInt32(),
                         pg->get("ClientWidth").toInt32()),
              std::tuple(static_cast<int32_t>(h / 2) + 30, 30, static_cast<int32_t>(pg->Width()) - 45 - 30));
    pg->let("Caption", "");
    EXPECT_EQ(std::tuple(pg->get("ClientTop").toInt32(), pg->get("ClientHeight").toInt32()),
              std::tuple(30, static_cast<int32_t>(pg->Height()) - 30 - 45));
    int16_t none = 42;
    base->SetTab(none);
    EXPECT_EQ(shownPages(), "");
    EXPECT_EQ(base->objTabsManager()->CurrentTab(), 42);
}

TEST_F(OvOptionPageTest, APageOutsideATreeIsRefused) {
    form = Form::create("frmLoose", Mode::Design);
    EXPECT_EQ(ov::test::failureNumber([&] { form->add("OvComCtl.OvOptionPage", "pgLoose"); }),
              err::ObjectNotSet);
    EXPECT_EQ(form->controls().size(), 0u);
}

} // namespace
