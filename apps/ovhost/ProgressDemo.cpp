#include "ProgressDemo.h"

#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Picture.h"
#include "platform/PngEncoder.h"
#include "progress/FormatTime.h"
#include "progress/OvProgressBar.h"
#include "progress/OvProgressInfo.h"
#include "progress/ProgressEstimate.h"
#include "progress/ProgressTypes.h"
#include "render/Renderer.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace ovhost {

namespace {

constexpr int64_t kFiles = 400;

std::string frameName(int32_t percent) {
    char name[32];
    std::snprintf(name, sizeof name, "progress-%03d.png", static_cast<int>(percent));
    return name;
}

namespace fs = std::filesystem;
using ov::STATES;

// A 32 × 32 picture of two sheets of paper, the front one with lines of text: the panel's picture.
ov::PictureRef documentsPicture() {
    constexpr int kSide = 32;
    std::vector<uint8_t> px(kSide * kSide * 4, 0);
    auto put = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = &px[(static_cast<size_t>(y) * kSide + static_cast<size_t>(x)) * 4];
        p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
    };
    auto sheet = [&](int left, int top, int w, int h, uint8_t shade) {
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x) {
                const bool edge = x == left || y == top || x == left + w - 1 || y == top + h - 1;
                if (edge)
                    put(x, y, 0x40, 0x40, 0x60);
                else
                    put(x, y, shade, shade, 0xFF);
            }
    };
    sheet(3, 2, 18, 22, 0xD8);
    sheet(11, 8, 18, 22, 0xFF);
    for (int y = 12; y < 28; y += 3)
        for (int x = 14; x < 26 - (y % 2) * 4; ++x)
            put(x, y, 0x30, 0x60, 0xC0);
    return ov::Picture::fromPixels(kSide, kSide, ov::PixelFormat::Rgba32, px);
}

// The install dialog as a designer leaves it: the panel with its picture, texts and five steps.
ov::FormRef designInstallForm() {
    auto form = ov::Form::create("frmInstall", ov::Mode::Design);
    form->setCaption("Installing OvComCtl");
    form->Move(0, 0, 7695, 4335);
    auto panel = form->add("OvComCtl.OvProgressInfo", "Progress");
    panel->set("Image", ov::Variant(std::const_pointer_cast<ov::Picture>(documentsPicture())));
    panel->let("Description", "Please wait while the OvComCtl controls are installed on your computer.");
    const char* steps[] = {"Checking the disk space", "Copying the files", "Registering the controls",
                           "Creating the shortcuts", "Cleaning up"};
    for (int i = 0; i < 5; ++i)
        panel->let("StepDescription" + std::to_string(i), steps[i]);
    panel->let("Status", "Ready");
    return form;
}

// One step of the job: how many items it handles and how long one takes on the fake clock.
struct Step {
    int32_t items;
    double secondsEach;
    bool skipped;
};

} // namespace

// Runs a five-step install against a fake clock through a progress panel loaded from its saved form,
// its times from the host-side estimate, and renders frames at the start, in the middle, when an error
// is counted and at the end (progress-info-1-start.png ...).
void progressInfoDemo(const fs::path& out, std::ostream& log) {
    log << "== progress panel\n";
    const fs::path saved = out / "designed-progress.json";
    {
        auto design = designInstallForm();
        ov::FormFile::save(*design, saved.string());
        design->unload();
        log << "saved " << saved.string() << "\n";
    }
    auto form = ov::FormFile::load(saved.string(), ov::Mode::Run);
    auto panel = form->control("Progress");
    form->show();

    const Step steps[] = {
        {10, 0.2, false}, {120, 0.5, false}, {12, 1.5, false}, {0, 0, true}, {8, 0.25, false}};
    int32_t total = 0;
    for (const Step& s : steps)
        total += s.items;
    panel->let("ProgressMax", total);
    panel->let("DisplayTotal", true);
    panel->let("Total", total);
    ov::ProgressEstimate estimate(0);
    double clock = 0;
    int32_t done = 0, errors = 0;
    auto showTimes = [&] {
        panel->let("ElapsedTime", static_cast<float>(estimate.elapsed(clock)));
        const auto left = estimate.estimated(clock);
        panel->let("EstimatedTime", static_cast<float>(left ? *left : 0));
    };
    auto frame = [&](const char* name) {
        const auto path = out / name;
        ov::renderFormToPng(*form, path.string());
        log << "  " << panel->controlAs<ov::OvProgressInfo>()->bar().Caption() << "; rendered "
            << path.string() << "\n";
    };
    frame("progress-info-1-start.png");
    for (int32_t i = 0; i < 5; ++i) {
        const Step& s = steps[i];
        if (s.skipped) {
            panel->let("StepState", static_cast<int32_t>(STATES::ST_SKIPPED), {ov::Variant(i)});
            log << "  step " << i << " skipped\n";
            continue;
        }
        panel->let("StepState", static_cast<int32_t>(STATES::ST_RUNNING), {ov::Variant(i)});
        for (int32_t n = 1; n <= s.items; ++n) {
            clock += s.secondsEach;
            ++done;
            estimate.sample(clock, done, total);
            panel->let("Status", panel->get("StepDescription" + std::to_string(i)).toString() + ": item " +
                                     std::to_string(n) + " of " + std::to_string(s.items));
            panel->let("Processed", done);
            panel->let("Progress", done);
            showTimes();
            if (i == 1 && n == 60) frame("progress-info-2-middle.png");
            if (i == 2 && n == 5) {
                panel->let("Errors", ++errors);
                panel->let("Status", "Could not register OvLegacy.ocx: the file is in use");
                log << "  error counted\n";
                frame("progress-info-3-error.png");
            }
        }
        panel->let("StepState", static_cast<int32_t>(STATES::ST_PASSED), {ov::Variant(i)});
        log << "  step " << i << " passed at " << ov::FormatTime(static_cast<float>(clock)) << "\n";
    }
    panel->let("Status", "Done: " + std::to_string(done) + " items, " + std::to_string(errors) + " error");
    showTimes();
    frame("progress-info-4-finished.png");
    form->unload();
}

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
    progressInfoDemo(out, log);
}

} // namespace ovhost
