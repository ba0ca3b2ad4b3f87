// Writes the fuzzer's seed corpus: small forms saved by the library itself, so that every part of
// the format (every value type, extender values, containers, z-order, the wizard controls) is in it.
//   formfile_seeds <folder>
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileSamples.h"
#include "platform/Picture.h"
#include "platform/Runtime.h"

#include <cstdio>
#include <limits>
#include <string>

using namespace ov;
using ovtest::Memo;
using ovtest::Sampler;

namespace {

void allValues(const std::string& folder) {
    auto f = Form::create("frmValues", Mode::Design);
    f->setCaption("Every value");
    f->setBorderStyle(3);
    f->setFont(Font::create("Tahoma", 9.75f, true));
    auto ext = f->add(Sampler::kProgId, "Values");
    auto s = ext->controlAs<Sampler>();
    auto memo = std::make_shared<Memo>();
    memo->setText("outer");
    memo->setLines(2);
    memo->next = std::make_shared<Memo>();
    s->setValue("Flag", true);
    s->setValue("Small", int16_t{-12});
    s->setValue("Count", int32_t{100000});
    s->setValue("Ratio", 0.25f);
    s->setValue("Precise", -1e-3);
    s->setValue("Text", "text");
    s->setValue("ForeColor", int32_t{255});
    s->setValue("Font", std::const_pointer_cast<Font>(Font::create("Arial", 12)));
    s->setValue("Picture", std::const_pointer_cast<Picture>(Picture::fromPng(ovtest::samplePng(4, 2, ""))));
    s->setValue("Memo", memo);
    s->setValue("Tag", Variant(Variant::Null));
    ext->Move(60, 90, 2400, 1200);
    ext->setTag("tag");
    ext->setToolTipText("tip");
    ext->setDefault(true);
    f->save(folder + "/values.json");
}

void nested(const std::string& folder) {
    auto f = Form::create("frmNested", Mode::Design);
    auto inner = f->add(Sampler::kProgId, "Inner");
    auto top = f->add(Sampler::kProgId, "Docked");
    auto box = f->add(Sampler::kProgId, "Box");
    inner->setContainer(box);
    top->setAlign(1);
    top->ZOrder(1);
    box->setVisible(false);
    inner->controlAs<Sampler>()->setValue("Tag", Variant(std::numeric_limits<double>::infinity()));
    f->save(folder + "/nested.json");
}

void empty(const std::string& folder) {
    Form::create("frmEmpty", Mode::Design)->save(folder + "/empty.json");
}

void wizard(const std::string& folder) {
    if (!FormFile::creatableClass("OvComCtl.OvWizardNavigator") ||
        !FormFile::creatableClass("OvComCtl.OvWizardTab"))
        return;
    auto f = Form::create("frmWizard", Mode::Design);
    f->add("OvComCtl.OvWizardNavigator", "Nav");
    auto p1 = f->add("OvComCtl.OvWizardTab", "Step1");
    p1->let("BannerTitle", "Choose a folder");
    f->add("OvComCtl.OvWizardTab", "Step2");
    f->save(folder + "/wizard.json");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: formfile_seeds <folder>\n");
        return 2;
    }
    Runtime runtime;
    Sampler::registerOnce();
    const std::string folder = argv[1];
    allValues(folder);
    nested(folder);
    empty(folder);
    wizard(folder);
    return 0;
}
