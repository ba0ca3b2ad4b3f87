// The spin-box part of `ovhost demo`: designs a form of spin boxes (one disabled), saves it, runs the
// saved form, steps a box by keys and clicks, types into one and leaves it, opens the detail window,
// and renders each step to a PNG.
#include "ControlsDemo.h"

#include "controls/OvUpDown.h"
#include "infopanel/frmInfo.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/TextBox.h"
#include "platform/UpDown.h"
#include "render/Renderer.h"

namespace ovhost {

namespace {

namespace fs = std::filesystem;
using ov::Variant;

ov::FormRef designControls() {
    auto form = ov::Form::create("frmControls", ov::Mode::Design);
    form->setCaption("Print");
    form->setBorderStyle(3);
    form->Move(0, 0, 4200, 3000);
    auto row = [&](const char* label, const char* caption, const char* spin, float top) {
        auto l = form->add("OvHost.Label", label);
        l->let("Caption", caption);
        l->Move(240, top + 45, 1320, 255);
        auto s = form->add("OvComCtl.OvUpDown", spin);
        s->Move(1680, top, 1500, 330);
        return s;
    };
    auto copies = row("lblCopies", "&Copies:", "spnCopies", 240);
    copies->let("Min", 1);
    copies->let("Max", 99);
    copies->let("Value", 1);
    copies->let("ToolTipText", "How many copies to print");
    auto pages = row("lblPages", "&Pages:", "spnPages", 720);
    pages->let("Max", 500);
    pages->let("Increment", 10);
    pages->let("Wrap", true);
    auto locked = row("lblDuplex", "Duplex margin:", "spnDuplex", 1200);
    locked->let("Value", 5);
    locked->let("Enabled", false);
    auto printer = form->add("OvComCtl.OvLabel", "lblPrinter");
    printer->Move(240, 1740, 3600, 255);
    printer->let("Caption", "Printer: Office laser, A4");
    printer->let("AutoSize", true);
    auto duplex = form->add("OvComCtl.OvLabel", "lblNoDuplex");
    duplex->Move(240, 2040, 3600, 255);
    duplex->let("Caption", "Duplex printing is not available");
    duplex->let("AutoSize", true);
    duplex->let("Enabled", false);
    return form;
}

class Walk {
public:
    Walk(ov::Form& form, const fs::path& out, std::ostream& log) : m_form(form), m_out(out), m_log(log) {
        for (const char* name : {"spnCopies", "spnPages"}) {
            ov::Extender* ext = form.control(name).get(); // not owned: a handler must not keep its control
            m_links.push_back(ext->on("Change", [this, ext](ov::Args&) {
                m_log << "  " << ext->Name() << " Change: Value " << ext->get("Value").toInt32()
                      << ", text still \"" << ext->controlAs<ov::OvUpDown>()->txtSpin().Text() << "\"\n";
            }));
            for (const char* e : {"UpClick", "DownClick"})
                m_links.push_back(ext->on(
                    e, [this, ext, e](ov::Args&) { m_log << "  " << ext->Name() << " " << e << "\n"; }));
        }
    }

    ov::OvUpDown& spin(const char* name) { return *m_form.control<ov::OvUpDown>(name); }
    void state(const char* name) {
        auto& s = spin(name);
        m_log << "  " << name << " = " << s.Value() << ", text \"" << s.txtSpin().Text() << "\"\n";
    }
    void render(const char* file) {
        m_renderer.renderToPng(m_form, (m_out / file).string());
        m_log << "rendered " << (m_out / file).string() << "\n";
    }

    ov::Form& m_form;
    fs::path m_out;
    std::ostream& m_log;
    ov::Renderer m_renderer;
    std::vector<ov::Connection> m_links;
};

} // namespace

void controlsDemo(const fs::path& out, std::ostream& log) {
    log << "== designing the spin boxes\n";
    auto design = designControls();
    const fs::path saved = out / "designed-controls.json";
    ov::FormFile::save(*design, saved.string());
    log << "saved " << saved.string() << "\n";
    design->unload();

    auto form = ov::FormFile::load(saved.string(), ov::Mode::Run);
    Walk walk(*form, out, log);
    form->show();
    log << "form shown; the focus is in spnCopies\n";
    for (int i = 0; i < 3; ++i) {
        log << "press Up\n";
        form->pressKey(38);
    }
    walk.state("spnCopies");
    walk.render("controls-1-keys.png");

    auto& pages = walk.spin("spnPages");
    log << "mouse down on the up button of spnPages (held)\n";
    form->mouseDown(pages.spinCtl(), 1, 0, 120, 60);
    walk.render("controls-2-pressed.png");
    form->mouseUp(pages.spinCtl(), 1, 0, 120, 60);
    log << "click the down button of spnPages twice\n";
    form->click(pages.spinCtl(), 120, 250);
    form->click(pages.spinCtl(), 120, 250);
    walk.state("spnPages");

    log << "focus spnPages and type \"4.5e1\" (MaxLength 3, from Max 500, keeps \"4.5\")\n";
    pages.txtSpin().SetFocus();
    form->typeText("4.5e1");
    walk.state("spnPages");
    walk.render("controls-3-typing.png");
    log << "leave the box for spnCopies\n";
    walk.spin("spnCopies").txtSpin().SetFocus();
    walk.state("spnPages");
    walk.render("controls-4-left.png");

    log << "open the detail window for spnPages' tool tip\n";
    auto previous = ov::Form::setModalHook([&](ov::Form& window) {
        walk.m_renderer.renderToPng(window, (out / "controls-5-detail.png").string());
        log << "rendered " << (out / "controls-5-detail.png").string() << "\npress Escape\n";
        window.pressKey(27);
    });
    ov::frmInfo::ShowInfo("Pages",
                          "How many pages to print.\r\nThe box takes 0 to 500 in steps of 10 and wraps at "
                          "either end; typed text is checked when the box is left.",
                          form->control("spnPages"));
    ov::Form::setModalHook(previous);
    log << "detail window closed\n";
    form->unload();
}

} // namespace ovhost
