#include "frame/AboutBox.h"

#include "frame/FrameFixture.h"
#include "frame/frmAbout.h"
#include "platform/CommandButton.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace ovtest {

using ov::Form;
using ov::frmAbout;

// Opens the About window with a modal hook that plays the user through `play`.
class AboutBoxTest : public FrameFixture {
protected:
    int opened = 0;
    std::vector<std::string> journal;

    void open(std::function<void(frmAbout&)> play) {
        Form::setModalHook([this, play](Form& form) {
            ++opened;
            auto* about = dynamic_cast<frmAbout*>(&form);
            ASSERT_NE(about, nullptr) << "the modal form is the About window";
            EXPECT_TRUE(form.isModal());
            EXPECT_TRUE(form.Visible());
            play(*about);
        });
        ov::showAboutBox();
    }
};

TEST_F(AboutBoxTest, LoadingSetsCaptionTitleAndVersionAndLaysOutAClassicAboutBox) {
    auto about = frmAbout::create();
    const ov::Version v = ov::libraryVersion();
    const std::string version = "Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                                std::to_string(v.revision);
    EXPECT_EQ(std::vector<std::string>({about->Name(), about->Caption(), about->lblTitle().Caption(),
                                        about->lblVersion().Caption(), about->cmdOK().Caption(),
                                        about->cmdSysInfo().Caption()}),
              std::vector<std::string>(
                  {"frmAbout", "About OvComCtl", "OvComCtl", version, "OK", "&System Info..."}));
    EXPECT_FALSE(about->lblDescription().Caption().empty());
    EXPECT_EQ(about->picIcon().Picture(), nullptr) << "no icon file is needed";
    EXPECT_TRUE(about->userMode());
    EXPECT_FALSE(about->Visible()) << "loaded, not shown";

    EXPECT_EQ(std::tuple(about->ScaleWidth(), about->ScaleHeight()), std::tuple(5730.0f, 3210.0f));
    // System Info under OK at the right; the etched separator (light line under dark) between the texts
    // and the buttons; the title beside the icon, above the version.
    ov::CommandButton& ok = about->cmdOK();
    ov::CommandButton& info = about->cmdSysInfo();
    EXPECT_EQ(std::tuple(ok.Left(), ok.Width()), std::tuple(info.Left(), info.Width()));
    EXPECT_GT(info.Top(), ok.Top() + ok.Height());
    EXPECT_LE(info.Top() + info.Height(), about->ScaleHeight());
    EXPECT_GT(about->linEtchHighlight().Y1(), about->linEtchShadow().Y1());
    EXPECT_GE(about->linEtchShadow().Y1(), about->lblDescription().Top() + about->lblDescription().Height());
    EXPECT_LT(about->linEtchHighlight().Y1(), ok.Top());
    EXPECT_GT(about->lblTitle().Left(), about->picIcon().Left() + about->picIcon().Width());
    EXPECT_LT(about->lblTitle().Top(), about->lblVersion().Top());
}

TEST_F(AboutBoxTest, OkEnterAndEscapeCloseTheWindow) {
    for (int16_t key : {int16_t{0}, int16_t{13}, int16_t{27}}) {
        std::shared_ptr<Form> seen;
        open([&](frmAbout& about) {
            seen = std::static_pointer_cast<Form>(about.shared_from_this());
            EXPECT_TRUE(about.cmdOK().hasFocus()) << "the focus starts on OK";
            if (key)
                about.pressKey(key);
            else
                EXPECT_TRUE(about.click(about.cmdOK()));
            EXPECT_FALSE(about.isLoaded()) << "key " << key << " unloads at once";
        });
        ASSERT_NE(seen, nullptr);
        EXPECT_FALSE(seen->isLoaded());
    }
    EXPECT_EQ(opened, 3);
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(launcher().launched().empty());
}

TEST_F(AboutBoxTest, SystemInfoRunsTheRegisteredProgramAndTheWindowStaysOpen) {
    setMsInfoPath("C:\\Tools\\msinfo32.exe");
    open([&](frmAbout& about) {
        about.click(about.cmdSysInfo());
        EXPECT_TRUE(about.Visible());
        EXPECT_EQ(launcher().launched().size(), 1u);
        about.click(about.cmdOK());
    });
    EXPECT_EQ(launcher().launched(), (std::vector<ov::HeadlessLauncher::Launch>{
                                         {"C:\\Tools\\msinfo32.exe", {}, ov::windowStyle::NormalFocus}}));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(AboutBoxTest, OneWindowAtATime) {
    open([&](frmAbout& about) {
        ov::showAboutBox(); // from code the open window runs
        EXPECT_TRUE(about.Visible());
        about.click(about.cmdOK());
    });
    EXPECT_EQ(opened, 1);
    open([](frmAbout& about) { about.click(about.cmdOK()); });
    EXPECT_EQ(opened, 2) << "a closed window does not block the next";
    // A window closed by hiding is unloaded too.
    std::shared_ptr<Form> kept;
    open([&](frmAbout& about) {
        kept = std::static_pointer_cast<Form>(about.shared_from_this());
        about.hide();
    });
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->isLoaded());
    EXPECT_TRUE(kept->controls().empty());
}

TEST_F(AboutBoxTest, AFailureInTheModalLoopReachesTheCallerAndClosesTheWindow) {
    std::shared_ptr<Form> kept;
    Form::setModalHook([&](Form& form) {
        kept = std::static_pointer_cast<Form>(form.shared_from_this());
        throw ov::Failure(5, "the user's failure");
    });
    EXPECT_THROW(ov::showAboutBox(), ov::Failure);
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->isLoaded());
    open([](frmAbout& about) { about.click(about.cmdOK()); });
    EXPECT_EQ(opened, 1) << "the failed window does not block the next";
}

} // namespace ovtest
