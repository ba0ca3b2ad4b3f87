// What a page must keep while it holds less memory: its events heard from the form's input before the
// surface's own handlers, with their failures trapped; and the names of its constituent controls, the
// fixed ones and those given at run time from text that then goes away.
#include "platform/Failure.h"
#include "platform/Label.h"
#include "wizard/OvWizardTabFixture.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

using namespace ov;

class PageMemoryTest : public WizardTabFixture {
protected:
    std::shared_ptr<OvWizardTab> runningPage() {
        addPage("Page1");
        auto saved = save();
        reload(saved, Mode::Run);
        form->show();
        return page("Page1");
    }
};

TEST_F(PageMemoryTest, PageEventsComeBeforeTheSurfaceHandlersAndTrapTheirFailures) {
    auto p = runningPage();
    p->setKeyPreview(true); // the surface hears the keys whichever constituent has the focus
    std::vector<std::string> seen;
    std::vector<ScopedConnection> links;
    for (const char* e : {"KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseUp", "Click"})
        links.emplace_back(p->on(e, [&seen, e](Args&) { seen.push_back(std::string("page ") + e); }));
    auto heard = [&seen](const char* what) { return [&seen, what](auto&...) { seen.push_back(what); }; };
    auto& s = p->surface();
    links.emplace_back(s.KeyDown.connect(heard("surface KeyDown")));
    links.emplace_back(s.KeyPress.connect(heard("surface KeyPress")));
    links.emplace_back(s.KeyUp.connect(heard("surface KeyUp")));
    links.emplace_back(s.MouseDown.connect(heard("surface MouseDown")));
    links.emplace_back(s.MouseUp.connect(heard("surface MouseUp")));
    links.emplace_back(s.Click.connect(heard("surface Click")));

    form->click(ext("Page1"), 100, 100);
    form->pressKey(65, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"page MouseDown", "surface MouseDown", "page MouseUp",
                                              "surface MouseUp", "page Click", "surface Click",
                                              "page KeyDown", "surface KeyDown", "page KeyPress",
                                              "surface KeyPress", "page KeyUp", "surface KeyUp"}));

    // A failing page handler is the page's own failure; the surface's handlers still hear the click.
    ScopedConnection failing = p->on("Click", [](Args&) { throw Failure(err::InvalidPropertyValue); });
    seen.clear();
    form->click(ext("Page1"), 100, 100);
    EXPECT_EQ(p->lastError().number, err::InvalidPropertyValue);
    EXPECT_EQ(seen.back(), "surface Click");
}

TEST_F(PageMemoryTest, ConstituentNamesOutliveTheTextTheyWereGiven) {
    auto p = addPage("Page1");
    // Enough children that the page indexes them by name (from 32 on).
    for (int i = 0; i < 10; ++i) {
        std::string name = "lblAddedAtRunTime" + std::to_string(i);
        p->addChild<Label>(name);
        name.assign(name.size(), 'x');
    }
    for (const char* name : {"LBLADDEDATRUNTIME7", "lblheaderdescription", "LLEFT", "imgLogo"}) {
        ConstituentControl* c = p->findChild(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_TRUE(equalsNoCase(c->Name(), name));
    }
    EXPECT_EQ(p->get("Controls", {"lblwatermarkdescription"}).toObject()->get("Name").toString(),
              "lblWatermarkDescription");
    p->removeChild("lblAddedAtRunTime7");
    EXPECT_EQ(p->findChild("lblAddedAtRunTime7"), nullptr);
    EXPECT_EQ(p->addChild<Label>(std::string("lbladdedatruntime7")).Name(), "lbladdedatruntime7");
    EXPECT_THROW(p->addChild<Label>(std::string("LblAddedAtRunTime3")), Failure);
}

} // namespace
} // namespace ovtest
