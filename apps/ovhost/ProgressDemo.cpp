#include "ProgressDemo.h"

#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "progress/FormatTime.h"
#include "progress/OvProgressBar.h"
#include "progress/ProgressEstimate.h"
#include "render/Renderer.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace ovhost {

namespace {

constexpr int64_t kFiles = 400;

std::string frameName(int32_t percent) {
    char name[32];
    std::snprintf(name, sizeof name, "progress-%03d.png", static_cast<int>(percent));
    return name;
}

} // namespace

void progressDemo(const std::filesystem::path& out, std::ostream& log) {
    log << "== progress bars\n";
    auto form = ov::Form::create("frmCopy", ov::Mode::Run);
    form->setCaption("Copying files");
    form->Move(0, 0, 5000, 2900);
    auto status = form->add("OvHost.Label", "lblStatus");
    status->Move(360, 150, 4275, 255);
    auto times = form->add("OvHost.Label", "lblTimes");
    times->Move(360, 2040, 4275, 255);
    std::array<std::shared_ptr<ov::OvProgressBar>, 3> bars;
    const ov::CaptionAlign aligns[] = {ov::CaptionAlign::arAlignLeft, ov::CaptionAlign::arAlignCenter,
                                       ov::CaptionAlign::arAlignRight};
    for (size_t i = 0; i < bars.size(); ++i) {
        auto ext = form->add("OvComCtl.OvProgressBar", "Bar" + std::to_string(i + 1));
        ext->Move(360, 480 + 510 * static_cast<float>(i));
        bars[i] = ext->controlAs<ov::OvProgressBar>();
        bars[i]->setDisplayFont(ov::Font::create("Arial", 8.25f));
        bars[i]->setAlign(aligns[i]);
    }
    form->show();

    // The job copies 400 files, slowly for its first ten seconds, on a clock of its own.
    ov::ProgressEstimate estimate(0);
    double clock = 0;
    int64_t copied = 0;
    for (int32_t percent : {0, 45, 100}) {
        const int64_t target = kFiles * percent / 100;
        while (copied < target) {
            clock += clock < 10 ? 0.5 : 0.1;
            copied = std::min(target, copied + 1);
            estimate.sample(clock, copied, kFiles);
        }
        const std::string file = "file " + std::to_string(copied) + " of " + std::to_string(kFiles);
        status->let("Caption", percent == 100 ? std::string("Done") : "Copying " + file);
        std::string caption;
        for (auto& bar : bars) {
            bar->setValue(percent);
            caption = bar->PercentPosition() + " completed";
            bar->setCaption(caption);
        }
        const auto left = estimate.estimated(clock);
        times->let("Caption",
                   "Elapsed Time: " + ov::FormatTime(static_cast<float>(estimate.elapsed(clock))) +
                       "   Estimated Time: " + (left ? ov::FormatTime(static_cast<float>(*left)) : "--"));
        log << "  " << caption << ", " << times->get("Caption").toString() << "\n";
        const auto path = out / frameName(percent);
        ov::renderFormToPng(*form, path.string());
        log << "  rendered " << path.string() << "\n";
    }
    form->unload();
}

} // namespace ovhost
