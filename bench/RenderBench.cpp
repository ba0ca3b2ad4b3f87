#include "platform/ClassBuilder.h"
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "platform/UserControl.h"
#include "render/Bitmap.h"
#include "render/Renderer.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using namespace ov;

// A wizard-like page: a white banner with a title, a description and a picture, a separator, a
// watermark picture, three labels, four buttons and two dotted lines.
class BenchPage : public UserControl {
    OV_OBJECT(BenchPage)
public:
    static void describe(ClassBuilder<BenchPage>&) {}

    void build(const PictureRef& banner, const PictureRef& watermark) {
        auto& pic = addChild<PictureBox>("picBanner");
        pic.Move(0, 0, 7420, 875);
        pic.setBorderStyle(0);
        pic.setBackColor(rgb(255, 255, 255));
        auto& title = addChild<Label>("lblHeaderTitle", &pic);
        title.setFont(Font::create("Arial", 8.25f, true));
        title.Move(300, 150, 6030, 225);
        title.setBackStyle(0);
        title.setCaption("Choose a folder");
        auto& desc = addChild<Label>("lblHeaderDescription", &pic);
        desc.Move(600, 375, 5715, 195);
        desc.setBackStyle(0);
        desc.setWordWrap(true);
        desc.setCaption("Pick the folder the program is installed in, then click Next to go on.");
        auto& img = addChild<Image>("imgHeaderBanner", &pic);
        img.setPicture(banner);
        img.Move(6670, 60);
        auto& sep = addChild<Frame>("fraBanner");
        sep.Move(-30, 875, 7480, 30);
        auto& mark = addChild<Image>("ImageWaterMark");
        mark.setStretch(true);
        mark.setPicture(watermark);
        mark.Move(0, 920, 2475, 3000);
        const char* texts[] = {"Welcome to the Setup Wizard", "This wizard installs the program.",
                               "To continue, click Next."};
        for (int i = 0; i < 3; ++i) {
            auto& l = addChild<Label>("lblText" + std::to_string(i));
            l.Move(2600, 1100 + 600 * i, 4575, 400);
            l.setWordWrap(true);
            l.setCaption(texts[i]);
        }
        const char* captions[] = {"&Help", "< &Back", "&Next >", "Cancel"};
        for (int i = 0; i < 4; ++i) {
            auto& b = addChild<CommandButton>("cmd" + std::to_string(i));
            b.Move(1500 + 1450 * i, 4400, 1120, 345);
            b.setCaption(captions[i]);
            b.setDefault(i == 2);
            b.setEnabled(i != 1);
        }
        for (int i = 0; i < 2; ++i) {
            auto& line = addChild<Line>("LDot" + std::to_string(i));
            line.setBorderStyle(3);
            line.setEnds(2500, 1000 + 3000 * i, 7300, 1000 + 3000 * i);
        }
    }
};

const ClassInfo& BenchPage::staticClass() {
    return buildClassInfo<BenchPage>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.published = false;
        i.progIdPrefix = "OvComCtlBench";
    });
}

PictureRef gradient(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t v = static_cast<uint32_t>(255 * (x + y) / std::max(1, w + h - 2));
            b.pixels()[static_cast<size_t>(y * w + x)] = 0xFF000000u | (v << 16) | (64u << 8) | (255u - v);
        }
    }
    return Picture::fromPng(b.encodePng());
}

struct WizardForm {
    Runtime runtime;
    Renderer renderer; // before the form, so that labels are laid out with real metrics
    FormRef form = Form::create("frmWizard", Mode::Design);

    WizardForm() {
        form->setCaption("Setup");
        form->Move(0, 0, 7540, 5775); // the standard wizard size, 96 dpi
        auto page = std::make_shared<BenchPage>();
        page->build(gradient(50, 50), gradient(165, 313));
        ExtenderRef ext = form->add(page, "Page1");
        ext->Move(0, 0, 7420, 5000);
    }
};

// One whole frame of the standard-size wizard form: background, a page with 14 constituent controls.
void BM_RenderWizardForm(benchmark::State& state) {
    WizardForm w;
    for (auto _ : state) {
        Bitmap b = w.renderer.render(*w.form);
        benchmark::DoNotOptimize(b.pixels().data());
    }
    state.SetLabel("7540 x 5775 twips at 96 dpi");
}
BENCHMARK(BM_RenderWizardForm)->Unit(benchmark::kMillisecond);

// The frame and its PNG encoding (what `ovhost render` pays per file).
void BM_RenderWizardFormToPngBytes(benchmark::State& state) {
    WizardForm w;
    for (auto _ : state) {
        std::string png = w.renderer.render(*w.form).encodePng();
        benchmark::DoNotOptimize(png.data());
    }
}
BENCHMARK(BM_RenderWizardFormToPngBytes)->Unit(benchmark::kMillisecond);

} // namespace
