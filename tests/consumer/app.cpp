// The README's host code as a program: builds a two-page wizard, saves it, loads it to run, clicks
// Next, and draws the page it reaches. Usage: ovcomctl_consumer OUTPUT-FOLDER. Exit status 0 when the
// wizard reached its second page and the picture was written.
#include <cstdio>
#include <filesystem>
#include <ovcomctl/ovcomctl.h>
#include <ovcomctl/render.h>
#include <string>
#include <type_traits>

static_assert(std::is_base_of_v<ov::Form, ov::frmAbout>, "the About window comes with the umbrella header");

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    std::filesystem::create_directories(out);
    try {
        ov::Runtime runtime;
        auto form = ov::Form::create("frmSetup", ov::Mode::Design);
        form->add("OvComCtl.OvWizardNavigator", "Nav");
        auto welcome = form->add("OvComCtl.OvWizardTab", "Welcome");
        auto options = form->add("OvComCtl.OvWizardTab", "Options");
        welcome->let("WatermarkTitle", "Welcome to the Setup Wizard");
        options->let("BannerTitle", "Choose Components");
        ov::FormFile::save(*form, out + "/setup.json");

        auto run = ov::FormFile::load(out + "/setup.json", ov::Mode::Run);
        auto nav = run->control("Nav");
        std::string reached;
        auto c = nav->on("AfterPageChange",
                         [&](ov::Args& a) { reached = a[1].toObject()->get("Name").toString(); });
        run->show();
        run->click(
            run->control<ov::OvWizardNavigator>("Nav")->button(ov::ovEn_Button_Position::ovBPRightMiddle));
        ov::renderFormToPng(*run, out + "/options.png");
        std::printf("reached %s\n", reached.c_str());
        return reached == "Options" ? 0 : 1;
    } catch (const ov::Failure& f) {
        std::fprintf(stderr, "failure %d: %s\n", static_cast<int>(f.number()), f.what());
        return 1;
    }
}
