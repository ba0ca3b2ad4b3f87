#include "platform/FormFile.h"

#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFileFixture.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <tuple>

namespace ovtest {
namespace {

using namespace ov;
using Json = nlohmann::json;

class FormFileTest : public FormFileFixture {
protected:
    static std::shared_ptr<Sampler> sampler(const FormRef& f, const std::string& name) {
        return f->control<Sampler>(name);
    }
    static FontRef customFont() {
        Font::Attributes s;
        s.name = "Arial";
        s.size = 12.75f;
        s.italic = true;
        s.underline = true;
        s.strikethrough = true;
        s.weight = 700;
        s.charset = 161;
        return Font::create(s);
    }
    // Saves `f`, returns the file parsed.
    Json saved(Form& f) {
        f.save(pathOf("form.json"));
        return Json::parse(readAll(pathOf("form.json")));
    }
};

// A form with every kind of value survives a save and a load: the form's own properties, the
// controls in creation order with their extender values, and each bag value with its type.
TEST_F(FormFileTest, RoundTripKeepsFormControlsAndEveryValueType) {
    const std::pair<const char*, Variant> values[] = {
        {"Flag", true},
        {"Small", int16_t{-1234}},
        {"Count", int32_t{123456789}},
        {"Ratio", 1.1f},
        {"Precise", 0.1},
        {"Text", "Gr\xC3\xBC\xC3\x9F"
                 "e, \"quoted\"\nand a tab\t"},
        {"ForeColor", static_cast<int32_t>(0x80000008)},
        {"Font", std::const_pointer_cast<Font>(customFont())},
        {"Picture", std::const_pointer_cast<Picture>(Picture::fromPng(samplePng(32, 16, "rest")))},
        {"Tag", Variant(Variant::Null)}};
    // Left, top, width, height, visible, tag, help context, align, tab stop, tip, default, cancel, container.
    const ExtenderValues extender{120, 240,   3000,  1500, false, "the tag", 77,
                                  0,   false, "tip", true, false, ""};
    {
        auto f = Form::create("frmAll", Mode::Design);
        f->setCaption("All the values");
        f->Move(300, 450, 9000, 7005.5f);
        f->setWindowState(2);
        f->setBorderStyle(3);
        f->setControlBox(false);
        f->setStartUpPosition(1);
        f->setBackColor(0x00336699);
        f->setFont(Font::create("Tahoma", 10));
        f->setKeyPreview(true);
        auto e = f->add(Sampler::kProgId, "Values");
        auto s = e->controlAs<Sampler>();
        for (const auto& [key, value] : values)
            s->setValue(key, value);
        auto memo = std::make_shared<Memo>();
        memo->setText("outer");
        memo->setLines(3);
        memo->next = std::make_shared<Memo>();
        memo->next->setText("inner");
        s->setValue("Memo", memo);
        e->Move(120, 240, 3000, 1500);
        e->setVisible(false);
        e->setTag("the tag");
        e->setHelpContextID(77);
        e->setTabStop(false);
        e->setToolTipText("tip");
        e->setDefault(true);
        f->add(Sampler::kProgId, "Defaults")->setCancel(true);
        f->save(pathOf("form.json"));
        EXPECT_FALSE(f->needsSaving());
    }
    EXPECT_EQ(Memo::alive(), 0);

    auto f = Form::load(pathOf("form.json"), Mode::Design);
    std::ostringstream form;
    form << f->Name() << " " << f->Caption() << " " << f->Left() << "," << f->Top() << " " << f->Width()
         << "x" << f->Height() << " state " << f->WindowState() << " border " << f->BorderStyle() << " box "
         << f->ControlBox() << " start " << f->StartUpPosition() << " back " << std::hex << f->BackColor()
         << " preview " << f->KeyPreview() << " saving " << f->needsSaving();
    EXPECT_EQ(form.str(), "frmAll All the values 300,450 9000x7005.5 state 2 border 3 box 0 start 1 back "
                          "336699 preview 1 saving 0");
    EXPECT_EQ(f->Font()->attributes(), Font::create("Tahoma", 10)->attributes());
    EXPECT_EQ(f->mode(), Mode::Design);
    ASSERT_EQ(f->controls().size(), 2u);
    EXPECT_EQ(f->controls()[0]->Name(), "Values");
    EXPECT_EQ(f->controls()[1]->Name(), "Defaults");
    EXPECT_EQ(f->control("Values")->values(), extender);
    EXPECT_TRUE(f->control("Defaults")->Cancel());

    auto s = sampler(f, "Values");
    for (const auto& [key, value] : values) {
        EXPECT_EQ(s->value(key).type(), value.type()) << key;
        EXPECT_TRUE(PropertyBag::sameAsDefault(s->value(key), value)) << key;
    }
    auto memo = std::dynamic_pointer_cast<Memo>(s->value("Memo").toObject());
    ASSERT_TRUE(memo && memo->next);
    EXPECT_EQ(memo->Text() + " " + std::to_string(memo->Lines()) + " " + memo->next->Text(), "outer 3 inner");
    EXPECT_FALSE(memo->next->next);

    // The untouched control reads every default back: its fonts is the (loaded) ambient one.
    auto d = sampler(f, "Defaults");
    for (const auto& k : Sampler::keys())
        EXPECT_TRUE(PropertyBag::sameAsDefault(d->value(k.name), d->defaultValue(k))) << k.name;
    EXPECT_EQ(std::dynamic_pointer_cast<const Font>(d->value("Font").toObject())->attributes(),
              f->Font()->attributes());
}

// What the file says: format and version, the form's properties, controls with program id and name,
// extender values that differ from a new control's, and the bag entries in written order with types.
TEST_F(FormFileTest, FileListsTypedEntriesInWrittenOrderAndLeavesDefaultsOut) {
    auto f = Form::create("frmTypes", Mode::Design);
    auto ext = f->add(Sampler::kProgId, "One");
    auto s = ext->controlAs<Sampler>();
    // Set in an order unlike the written one: the file follows the control's own writes.
    s->setValue("Tag", Variant(Variant::Null));
    s->setValue("Memo", std::make_shared<Memo>());
    s->setValue("Picture", std::const_pointer_cast<Picture>(Picture::fromPng(samplePng(2, 3, ""))));
    s->setValue("Font", std::const_pointer_cast<Font>(customFont()));
    s->setValue("ForeColor", int32_t{255});
    s->setValue("Text", "x");
    s->setValue("Precise", 2.5);
    s->setValue("Ratio", 0.5f);
    s->setValue("Count", int32_t{-7});
    s->setValue("Small", int16_t{7});
    s->setValue("Flag", true);
    ext->Move(0, 15, 4800, 3600);
    f->add(Sampler::kProgId, "Plain");
    Json doc = saved(*f);

    EXPECT_EQ(doc["format"], "OvComCtl.Form");
    EXPECT_EQ(doc["version"], 1);
    EXPECT_EQ(doc["name"], "frmTypes");
    EXPECT_EQ(doc["properties"]["Caption"], "frmTypes");
    EXPECT_EQ(doc["properties"]["BackColor"], static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(doc["properties"]["Font"]["name"], "MS Sans Serif");
    EXPECT_FALSE(doc.contains("zOrder"));

    const Json& one = doc["controls"][0];
    EXPECT_EQ(one["progId"], "OvComCtlTest.Sampler");
    EXPECT_EQ(one["name"], "One");
    EXPECT_EQ(one["extender"], Json::parse(R"({"Top": 15.0, "Width": 4800.0, "Height": 3600.0})"));
    const Json expected = Json::parse(R"([
        {"key": "Flag", "type": "Boolean", "value": true},
        {"key": "Small", "type": "Integer", "value": 7},
        {"key": "Count", "type": "Long", "value": -7},
        {"key": "Ratio", "type": "Single", "value": 0.5},
        {"key": "Precise", "type": "Double", "value": 2.5},
        {"key": "Text", "type": "String", "value": "x"},
        {"key": "ForeColor", "type": "Long", "value": 255},
        {"key": "Font", "type": "Font", "value": {"name": "Arial", "size": 12.75, "bold": true, "italic": true,
            "underline": true, "strikethrough": true, "weight": 700, "charset": 161}},
        {"key": "Picture", "type": "Picture",
         "value": "iVBORw0KGgoAAAANSUhEUgAAAAIAAAADCAYAAAAAAAAA"},
        {"key": "Memo", "type": "Object", "progId": "OvComCtlTest.Memo", "value": []},
        {"key": "Tag", "type": "Null"}
    ])");
    EXPECT_EQ(one["properties"], expected);
    // Whole numbers are written as such ("7", not "7.0").
    for (const Json* n : std::initializer_list<const Json*>{
             &one["properties"][1]["value"], &one["properties"][2]["value"],
             &one["properties"][7]["value"]["weight"], &one["properties"][7]["value"]["charset"],
             &doc["properties"]["BorderStyle"], &doc["properties"]["Font"]["weight"]})
        EXPECT_TRUE(n->is_number_integer()) << n->dump();
    // Defaults are not stored; the size always is.
    const Json& plain = doc["controls"][1];
    EXPECT_EQ(plain["properties"], Json::array());
    EXPECT_EQ(plain["extender"], Json::parse(R"({"Width": 4800.0, "Height": 3600.0})"));
}

// A variant key keeps whatever it holds, type included, also the values JSON has no number for.
TEST_F(FormFileTest, VariantValuesKeepTheirTypes) {
    const std::pair<const char*, Variant> rows[] = {
        {"Empty", Variant()},
        {"Null", Variant(Variant::Null)},
        {"Boolean false", Variant(false)},
        {"Integer", Variant(int16_t{-32768})},
        {"Long", Variant(std::numeric_limits<int32_t>::max())},
        {"Single", Variant(-3.25e-20f)},
        {"Double", Variant(1e300)},
        {"Single infinity", Variant(std::numeric_limits<float>::infinity())},
        {"Double -infinity", Variant(-std::numeric_limits<double>::infinity())},
        {"empty String", Variant("")},
        {"Font", Variant(std::const_pointer_cast<Font>(customFont()))}};
    for (const auto& [what, value] : rows) {
        auto f = Form::create("frmTag", Mode::Design);
        f->add(Sampler::kProgId, "One")->controlAs<Sampler>()->setValue("Tag", value);
        f->save(pathOf("tag.json"));
        auto back = Form::load(pathOf("tag.json"), Mode::Design);
        const Variant v = sampler(back, "One")->value("Tag");
        EXPECT_EQ(v.type(), value.type()) << what;
        EXPECT_TRUE(PropertyBag::sameAsDefault(v, value)) << what;
    }
    // NaN equals nothing, so it is checked apart.
    auto f = Form::create("frmTag", Mode::Design);
    f->add(Sampler::kProgId, "One")->controlAs<Sampler>()->setValue("Ratio", std::nanf(""));
    EXPECT_EQ(saved(*f)["controls"][0]["properties"][0]["value"], "NaN");
    auto back = Form::load(pathOf("form.json"), Mode::Design);
    EXPECT_EQ(sampler(back, "One")->value("Ratio").type(), Variant::Type::Single);
    EXPECT_TRUE(std::isnan(sampler(back, "One")->value("Ratio").toSingle()));
}

// A container made after a control put into it is saved before that control, so the control loads inside it;
// a changed z-order is saved and restored.
TEST_F(FormFileTest, ContainersComeFirstAndZOrderIsKept) {
    auto f = Form::create("frmNest", Mode::Design);
    auto inner = f->add(Sampler::kProgId, "Inner");
    auto top = f->add(Sampler::kProgId, "Top");
    auto box = f->add(Sampler::kProgId, "Box");
    inner->setContainer(box);
    top->setAlign(1);
    top->ZOrder(1); // to the back
    Json doc = saved(*f);
    std::vector<std::string> order;
    for (const Json& c : doc["controls"])
        order.push_back(c["name"]);
    EXPECT_EQ(order, (std::vector<std::string>{"Box", "Inner", "Top"}));
    EXPECT_EQ(doc["controls"][1]["extender"]["Container"], "Box");
    EXPECT_EQ(doc["zOrder"], Json::parse(R"(["Top", "Inner", "Box"])"));

    auto back = Form::load(pathOf("form.json"), Mode::Design);
    EXPECT_EQ(back->control("Inner")->containerControl(), back->control("Box").get());
    std::vector<std::string> z;
    for (const Extender* e : back->zOrder())
        z.push_back(e->Name());
    EXPECT_EQ(z, (std::vector<std::string>{"Top", "Inner", "Box"}));
    EXPECT_EQ(back->control("Top")->Width(), back->ScaleWidth());
    EXPECT_FALSE(back->needsSaving());
}

// Keys are found whatever their letter case; keys this library does not know are passed over; what is
// left out takes its default.
TEST_F(FormFileTest, KeysIgnoreLetterCaseAndUnknownKeysAreIgnored) {
    spit(pathOf("loose.json"), R"({
        "FORMAT": "ovcomctl.form", "Version": 1, "NAME": "frmLoose", "written by": "hand",
        "Properties": {"caption": "Loose", "WIDTH": 6000, "backcolor": 255, "Opacity": 0.5,
                       "font": {"NAME": "Courier", "Size": 9, "BOLD": true, "shadow": true}},
        "CONTROLS": [
          {"PROGID": "ovcomctltest.sampler", "Name": "One", "comment": "first",
           "EXTENDER": {"left": 90, "VISIBLE": false, "container": "", "zIndex": 3},
           "PROPERTIES": [{"KEY": "count", "TYPE": "long", "VALUE": 7, "note": "x"},
                          {"Key": "TAG", "Type": "STRING", "Value": "t"}]}
        ],
        "extra": [1, 2, 3]
    })");
    auto f = Form::load(pathOf("loose.json"), Mode::Design);
    std::ostringstream loaded;
    auto one = f->control("One");
    loaded << f->Name() << " " << f->Caption() << " " << f->Width() << " " << f->BackColor() << " "
           << f->Font()->Name() << " " << f->Font()->Bold() << " " << f->Font()->Weight() << " "
           << one->Left() << " " << one->Visible() << " " << sampler(f, "One")->value("Count").toInt32()
           << " " << sampler(f, "One")->value("Tag").toString();
    EXPECT_EQ(loaded.str(), "frmLoose Loose 6000 255 Courier 1 700 90 0 7 t");
    EXPECT_EQ(one->containerControl(), nullptr);
    // A file with no controls, no properties: a form with its defaults.
    spit(pathOf("min.json"), R"({"format": "OvComCtl.Form", "version": 1, "name": "frmMin"})");
    auto min = Form::load(pathOf("min.json"), Mode::Design);
    auto fresh = Form::create("frmMin", Mode::Design);
    EXPECT_EQ(std::tuple(min->Caption(), min->Width(), min->BorderStyle()),
              std::tuple(fresh->Caption(), fresh->Width(), fresh->BorderStyle()));
    EXPECT_TRUE(min->controls().empty());
}

} // namespace
} // namespace ovtest
