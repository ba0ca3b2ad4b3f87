#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "platform/StandardColorPage.h"
#include "platform/TextBox.h"

#include <gtest/gtest.h>

using namespace ov;
using ov::test::failureNumber;
using ov::test::failureText;

namespace ovtest {
namespace {

// The platform's colour and font pages on an OvLabel of a design-time form, beside a progress bar.
class StandardPagesTest : public ::testing::Test {
protected:
    Runtime runtime;
    FormRef form = Form::create("frmDesign", Mode::Design);
    ExtenderRef label;
    PropertyDialog dialog;

    void SetUp() override {
        form->add("OvComCtl.OvProgressBar", "barMain");
        label = form->add("OvComCtl.OvLabel", "lblTitle");
        label->let("ForeColor", 0x336699);
        form->markSaved();
        dialog.open({label}, {"StandardColor", "StandardFont"});
    }
    template <class T>
    T& field(const char* name) {
        return dialog.currentPage().child<T>(name);
    }
    std::string text(const char* name) { return field<TextBox>(name).Text(); }
};

TEST_F(StandardPagesTest, ColorPageEditsEveryColourPropertyAndWritesOnlyTheEditedOnes) {
    auto& props = field<ComboBox>("cboProperty");
    ASSERT_EQ(props.ListCount(), 2);
    EXPECT_EQ(props.List(0) + " " + props.List(1), "BackColor ForeColor");
    EXPECT_EQ(text("txtColor"), "&H8000000F&");
    EXPECT_EQ(field<ComboBox>("cboSystem").Text(), "Button Face");

    dialog.choose("cboProperty", 1);
    EXPECT_EQ(text("txtColor"), "&H00336699&");
    EXPECT_EQ(field<ComboBox>("cboSystem").ListIndex(), -1);
    EXPECT_FALSE(dialog.anyChanged()) << "showing another property is no edit";
    dialog.typeInto("txtColor", "&hff");
    EXPECT_EQ(field<PictureBox>("picPreview").BackColor(), 0xFFu);
    dialog.choose("cboProperty", 0);
    dialog.choose("cboSystem", 5);
    EXPECT_EQ(text("txtColor"), "&H80000005&");
    dialog.choose("cboProperty", 1);
    EXPECT_EQ(text("txtColor"), "&H000000FF&") << "each property keeps its edit";

    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(label->get("BackColor").toInt32(), int32_t(0x80000005));
    EXPECT_EQ(label->get("ForeColor").toInt32(), 0xFF);
    EXPECT_EQ(label->changedKeys(), (std::vector<std::string>{"BackColor", "ForeColor"}));

    dialog.typeInto("txtColor", "red");
    EXPECT_EQ(failureText([&] { dialog.apply(); }),
              "380 Invalid property value (ForeColor: \"red\" is not a colour)");
    EXPECT_TRUE(dialog.page(0).Changed());
    EXPECT_EQ(label->get("ForeColor").toInt32(), 0xFF);
}

TEST_F(StandardPagesTest, ColorTexts) {
    using Row = std::pair<const char*, std::optional<OleColor>>;
    for (auto [text, color] : {Row{"&H8000000F&", 0x8000000Fu}, Row{"&hff", 255u}, Row{" 255 ", 255u},
                               Row{"4294967295", 0xFFFFFFFFu}, Row{"4294967296", {}}, Row{"&H123456789", {}},
                               Row{"&H", {}}, Row{"-1", {}}, Row{"&HFG&", {}}, Row{"", {}}})
        EXPECT_EQ(StandardColorPage::parseColor(text), color) << text;
}

TEST_F(StandardPagesTest, FontPageWritesANewFontByNameAndRefusesBadFields) {
    dialog.showPage(1);
    const FontRef before = VariantTraits<FontRef>::from(label->get("Font"));
    ASSERT_TRUE(before);
    EXPECT_EQ(field<ComboBox>("cboProperty").Text(), "Font");
    EXPECT_EQ(text("txtName"), before->Name());

    dialog.typeInto("txtName", "Liberation Serif");
    dialog.typeInto("txtSize", "12");
    dialog.click("chkBold");
    EXPECT_EQ(field<Label>("lblSample").Font()->Name(), "Liberation Serif");
    EXPECT_EQ(before->Name(), VariantTraits<FontRef>::from(label->get("Font"))->Name()) << "not before apply";
    ASSERT_TRUE(dialog.apply());
    const FontRef after = VariantTraits<FontRef>::from(label->get("Font"));
    EXPECT_EQ(std::tuple(after->Name(), after->Size(), after->Bold(), after->Weight(), after->Italic()),
              std::tuple("Liberation Serif", 12.0f, true, 700, false));

    for (const char* size : {"0", "2049", "big"}) {
        dialog.typeInto("txtSize", size);
        EXPECT_EQ(failureNumber([&] { dialog.apply(); }), 380) << size;
    }
    dialog.typeInto("txtSize", "9");
    dialog.typeInto("txtName", "");
    EXPECT_EQ(failureNumber([&] { dialog.apply(); }), 380);
    dialog.cancel();
    EXPECT_EQ(VariantTraits<FontRef>::from(label->get("Font")), after);
}

} // namespace
} // namespace ovtest
