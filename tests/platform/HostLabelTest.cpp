// The host's own label (OvHost.Label) as a host uses it: inside a wizard page's client area, saved and
// loaded with the form, and drawn only while its page shows. The sample setup wizard is checked the
// same way: its interior pages carry text, not empty grey rectangles.
#include "platform/HostLabel.h"

#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"
#include "support/TestFiles.h"
#include "wizard/OvWizardNavigator.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using ov::Variant;

// Pixels inside [x, x + w) × [y, y + h) that differ from `background`.
int inkCount(const ov::Bitmap& b, int x, int y, int w, int h, ov::Rgb background) {
    int count = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            count += b.pixel(i, j) == background ? 0 : 1;
    return count;
}

class HostLabelTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::Renderer renderer; // labels measure their text with the fonts they are drawn in
    ov::FormRef form = ov::Form::create("frmSetup", ov::Mode::Design);

    ov::ExtenderRef labelIn(const ov::ExtenderRef& page, const char* name) {
        auto label = form->add("OvHost.Label", name);
        label->set("Container", Variant(ov::ObjectRef(page)));
        label->Move(static_cast<float>(page->get("ClientLeft").toInt32()),
                    static_cast<float>(page->get("ClientTop").toInt32()), 3000, 300);
        return label;
    }
};

TEST_F(HostLabelTest, ALabelInAPageSavesAndLoadsWithItAndOneInANavigatorIsRefused) {
    auto nav = form->add("OvComCtl.OvWizardNavigator", "Nav");
    auto welcome = form->add("OvComCtl.OvWizardTab", "Welcome");
    auto license = form->add("OvComCtl.OvWizardTab", "License");
    auto label = labelIn(license, "lblLicense");
    label->let("WordWrap", true);
    label->let("AutoSize", true);
    label->let("Alignment", int16_t{2});
    label->let("ForeColor", int32_t{0x000080});
    label->let("Caption", "Read me. Every word of this text is part of the agreement you accept.");
    const float wrappedHeight = label->Height();
    EXPECT_GT(wrappedHeight, 300); // the text wraps to more than one line in 3000 twips
    EXPECT_EQ(label->Width(), 3000);

    const std::string text = ov::FormFile::write(*form, "setup.json");
    auto loaded = ov::FormFile::read(text, "setup.json", ov::Mode::Design);
    auto back = loaded->control("lblLicense");
    EXPECT_EQ(back->typeName(), "Label");
    EXPECT_EQ(back->get("Container").toObject(), ov::ObjectRef(loaded->control("License")));
    for (const char* key : {"Caption", "Alignment", "ForeColor", "AutoSize", "WordWrap", "Height"})
        EXPECT_EQ(back->get(key), label->get(key)) << key;
    EXPECT_EQ(std::tuple(back->get("Alignment").toInt32(), back->get("ForeColor").toInt32(),
                         back->get("AutoSize").toBool()),
              std::tuple(2, 0x000080, true));
    EXPECT_EQ(ov::FormFile::write(*loaded, "setup.json"), text); // nothing lost, nothing added
    loaded->unload();

    auto stray = form->add("OvHost.Label", "lblStray");
    EXPECT_EQ(ov::test::failureNumber([&] { stray->set("Container", Variant(ov::ObjectRef(nav))); }), 380);
    EXPECT_EQ(stray->get("Caption").toString(), "");
    EXPECT_FALSE(stray->hasMember("PageIndex")); // nothing of the library's
    form->unload();
}

TEST_F(HostLabelTest, TheSampleWizardsInteriorPagesShowTheirText) {
    const auto example = ovtest::sourcePath("examples/setup-wizard.json");
    auto run = ov::FormFile::load(example.string(), ov::Mode::Run);
    auto nav = run->control<ov::OvWizardNavigator>("Nav");
    run->show();
    const ov::Rgb face = ov::resolveColor(ov::sysColor::ButtonFace);

    // The client area of an interior page: below the banner, left of the edge, above the navigator.
    auto clientInk = [&](const char* page) {
        auto p = run->control(page);
        auto pixels = [&](const char* key) { return p->get(key).toInt32() / 15; };
        return inkCount(renderer.render(*run), pixels("ClientLeft"), pixels("ClientTop"),
                        pixels("ClientWidth"), pixels("ClientHeight"), face);
    };
    EXPECT_EQ(nav->CurrentPage()->Name(), "Welcome");
    nav->NextClick();
    ASSERT_EQ(nav->CurrentPage()->Name(), "License");
    const int licenseInk = clientInk("License");
    EXPECT_GT(licenseInk, 5000) << "the licence text box"; // a white box full of text
    nav->NextClick();
    ASSERT_EQ(nav->CurrentPage()->Name(), "Options");
    EXPECT_GT(clientInk("Options"), 500) << "the components and the install folder";
    EXPECT_EQ(run->control("lblLicense")->get("Visible").toBool(), true); // hidden with its page,
    EXPECT_NE(clientInk("Options"), licenseInk);                          // not drawn over this one
    run->unload();
}

} // namespace
