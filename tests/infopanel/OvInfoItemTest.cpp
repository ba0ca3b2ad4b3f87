#include "InfoPanelFixture.h"
#include "infopanel/frmInfo.h"
#include "platform/TextBox.h"
#include "platform/TypeRegistry.h"

#include <tuple>

using namespace ov;

namespace ovtest {
namespace {

class OvInfoItemTest : public InfoPanelFixture {
protected:
    void SetUp() override {
        InfoPanelFixture::SetUp();
        ASSERT_EQ(panel->AddInfoLabel("Path", "short"), 0);
    }
    Label& part(const char* name) { return item(1).child<Label>(name); }
};

TEST_F(OvInfoItemTest, TheValueIsCutForTheLinkOnlyWhenItsOneLineDoesNotFit) {
    const float px = tx();
    const std::string longValue(200, 'W');
    struct Row {
        const char* what;
        std::string value;
        float available; // inner width - value left - 3 pixels
        bool link;
        float valueWidth;
        float linkLeft;
    };
    const Row rows[] = {
        {"fits", "short", 3000, false, 3000, -1},
        {"too long", longValue, 3000, true, 3000 - 690 - 6 * px, 2070 + 3000 - 690 - 3 * px},
        {"narrower than the link", longValue, 500, true, 0, 2070},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        item(1).setValue(r.value);
        holder(1).setWidth(2070 + 3 * px + r.available);
        EXPECT_EQ(std::tuple(part("lblFullInfo").Visible(), part("lblValue").Width()),
                  std::tuple(r.link, r.valueWidth));
        if (r.linkLeft >= 0) {
            EXPECT_EQ(part("lblFullInfo").Left(), r.linkLeft);
        }
    }
    // No room at all: the last arrangement stays.
    holder(1).setWidth(2000);
    EXPECT_EQ(std::pair(part("lblFullInfo").Visible(), part("lblFullInfo").Left()), std::pair(true, 2070.0f));
    // Line breaks are measured as two blanks and kept in the value.
    holder(1).setWidth(6000);
    item(1).setValue("first\r\nsecond");
    EXPECT_EQ(std::tuple(part("lblCheck").Caption(), item(1).Value(), part("lblFullInfo").Visible()),
              std::tuple("first  second", "first\r\nsecond", false));
}

TEST_F(OvInfoItemTest, TheLinkIsBlueWithAHandPointerAndAClickOnItOpensTheDetailWindowWithTheWholeValue) {
    Label& link = part("lblFullInfo");
    EXPECT_EQ(std::tuple(link.Caption(), link.ForeColor(), link.MousePointer()),
              std::tuple("Full info...", 0x00FF0000u, 99));
    EXPECT_EQ(link.MouseIcon() ? link.MouseIcon()->widthPixels() : 0, 16);
    item(1).setAttributeName("Path");
    item(1).setValue("C:\\first\r\n" + std::string(200, 'W'));
    std::vector<std::string> shown;
    auto previous = Form::setModalHook([&](Form& f) {
        auto& w = dynamic_cast<frmInfo&>(f);
        shown = {w.Caption(), w.txtInfo().Text()};
        EXPECT_EQ(w.owner().get(), &item(1));
        w.pressKey(27);
    });
    EXPECT_TRUE(form->click(part("lblFullInfo")));
    Form::setModalHook(previous);
    EXPECT_EQ(shown, (std::vector<std::string>{"Path", "C:\\first\r\n" + std::string(200, 'W')}));
    EXPECT_EQ(frmInfo::loaded(), nullptr);
    shown.clear();
    holder(1).setVisible(false);
    EXPECT_FALSE(form->click(part("lblFullInfo"))) << "a hidden line takes no input";
    EXPECT_TRUE(shown.empty());
}

TEST_F(OvInfoItemTest, ByNameThroughItsHolderWithRequiredWidthAndIndentation) {
    ObjectRef line = panel->get("Controls", {"ctlInfoItem(1)"}).toObject();
    // The holder's own geometry (Top) comes first.
    EXPECT_EQ(std::tuple(line->get("Value").toString(), line->get("Top").toSingle(),
                         line->get("RequiredWidth").toSingle()),
              std::tuple("short", 645.0f, 2070 + 690 + 3 * tx()));
    line->let("Indentation", 300.0f);
    EXPECT_EQ(std::tuple(part("lblValue").Left(), part("lblAttribute").Width(),
                         line->get("RequiredWidth").toSingle()),
              std::tuple(2370.0f, 1995.0f, 2370 + 690 + 3 * tx()));
}

TEST_F(OvInfoItemTest, MadeByProgramIdButLeftOutOfThePublishedLibrary) {
    const auto* entry = TypeRegistry::instance().findProgId("OvComCtl.OvInfoItem");
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->info->published);
    EXPECT_TRUE(TypeRegistry::instance().findClass("TvrInfoPanel")->published);
    EXPECT_EQ(item(1).ambientBackColor(), panel->BackColor()) << "its container is the panel";
    EXPECT_TRUE(item(1).ambientUserMode());
}

} // namespace
} // namespace ovtest
