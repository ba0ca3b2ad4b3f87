#include "InfoPanelDemo.h"

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"

#include <ostream>
#include <string>

namespace ovhost {

namespace {

namespace fs = std::filesystem;

ov::FormRef designStatusForm() {
    auto form = ov::Form::create("frmJobStatus", ov::Mode::Design);
    form->setCaption("Job status");
    form->Move(0, 0, 6600, 4200);
    form->setBackColor(0xFFFFFF);
    auto caption = form->add("OvHost.Label", "lblJob");
    caption->Move(240, 120, 5800, 300);
    caption->let("BackColor", 0xFFFFFF);
    caption->let("Caption", "Nightly backup of \\\\server\\projects");
    auto stats = form->add("OvComCtl.TvrInfoPanel", "Stats");
    stats->Move(240, 480, 5900, 900);
    stats->let("Title", "Job statistics");
    stats->let("BackColor", 0xFFFFFF);
    stats->let("InfoBorderColor", 0xC0C0C0);
    // Two library labels under the panel: one enabled, one disabled (engraved).
    const char* labels[][2] = {{"lblRunning", "Running: step 3 of 5"}, {"lblPaused", "Paused steps: none"}};
    float top = 3000;
    for (const auto& l : labels) {
        auto label = form->add("OvComCtl.OvLabel", l[0]);
        label->Move(240, top);
        label->let("BackColor", static_cast<int32_t>(0xE0E0E0));
        label->let("AutoSize", true);
        label->let("Caption", l[1]);
        top += 360;
    }
    form->control("lblPaused")->let("Enabled", false);
    return form;
}

void render(ov::Form& form, const fs::path& out, const char* name, std::ostream& log) {
    const fs::path file = out / name;
    ov::renderFormToPng(form, file.string());
    log << "rendered " << file.string() << "\n";
}

} // namespace

void infoPanelDemo(const fs::path& out, std::ostream& log) {
    log << "== the information panel\n";
    const fs::path saved = out / "designed-info-panel.json";
    {
        auto design = designStatusForm();
        ov::FormFile::save(*design, saved.string());
        design->unload();
        log << "saved " << saved.string() << "\n";
    }
    auto form = ov::FormFile::load(saved.string(), ov::Mode::Run);
    auto stats = form->control("Stats");
    auto link =
        stats->on("Resize", [&](ov::Args&) { log << "  Resize (Height=" << stats->Height() << ")\n"; });
    form->show();

    log << "Redraw = False; five lines\n";
    stats->let("Redraw", false);
    const char* lines[][2] = {
        {"Processed", "1,204 files"},
        {"Errors", "0"},
        {"Source", "\\\\server\\projects\\2026\\customers\\archive\\invoices\\december\\scans"},
        {"Notes", "Started by the scheduler\r\nRetries allowed: 3"},
        {"Elapsed", "00:04:12"},
    };
    for (const auto& l : lines) {
        const int32_t result = stats->call("AddInfoLabel", {l[0], l[1]}).toInt32();
        log << "AddInfoLabel(\"" << l[0] << "\") = " << result << "\n";
    }
    log << "AddInfoLabel(\"processed\") = " << stats->call("AddInfoLabel", {"processed", "again"}).toInt32()
        << "\n";
    log << "AddInfoLabel(\"   \") = " << stats->call("AddInfoLabel", {"   ", "blank"}).toInt32() << "\n";
    log << "Redraw = True\n";
    stats->let("Redraw", true);
    log << "ChangeValue(\"Elapsed\", \"00:04:13\")\n";
    stats->call("ChangeValue", {"Elapsed", "00:04:13"});
    log << "GetItemTop(\"Errors\") = " << stats->get("GetItemTop", {"Errors"}).toDouble()
        << ", MinRecomendedWidth = " << stats->get("MinRecomendedWidth").toDouble() << "\n";
    render(*form, out, "5-info-panel.png", log);

    log << "the panel narrowed to 3600\n";
    stats->setWidth(3600);
    render(*form, out, "6-info-panel-narrow.png", log);

    log << "ClearInfoLabels\n";
    stats->call("ClearInfoLabels");
    form->unload();
}

} // namespace ovhost
