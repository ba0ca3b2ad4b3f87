// The detail window opened modally by ShowInfo, played through the modal hook as its user would.
#include "infopanel/frmInfo.h"

#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"

#include <gtest/gtest.h>
#include <tuple>

namespace ovtest {
namespace {

using ov::frmInfo;

class FrmInfoTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef owner = ov::Form::create("frmMain", ov::Mode::Run);
    std::function<void(ov::Form&)> previous;

    // Shows the window and hands it to `user` while it is open; whether it was still open (visible)
    // when `user` returned.
    bool showAndPlay(const std::function<void(frmInfo&)>& user) {
        bool stillOpen = false;
        previous = ov::Form::setModalHook([&](ov::Form& f) {
            auto& w = dynamic_cast<frmInfo&>(f);
            user(w);
            stillOpen = w.isLoaded() && w.Visible();
        });
        frmInfo::ShowInfo("Serial number", "ABC-123\r\nsecond line", owner);
        ov::Form::setModalHook(previous);
        return stillOpen;
    }
};

TEST_F(FrmInfoTest, ShowsTitleAndTextModallyOwnedByTheCaller) {
    showAndPlay([&](frmInfo& w) {
        EXPECT_EQ(std::tuple(w.isModal(), w.Caption(), w.lblTitle().Caption(), w.txtInfo().Text(),
                             w.txtInfo().MultiLine()),
                  std::tuple(true, "Serial number", "Serial number", "ABC-123\r\nsecond line", true));
        EXPECT_EQ(w.owner(), owner);
        w.typeText("x"); // read-only: the text stays
        EXPECT_EQ(w.txtInfo().Text(), "ABC-123\r\nsecond line");
        w.pressKey(27);
    });
    EXPECT_EQ(frmInfo::loaded(), nullptr); // unloaded on close, created again on the next use
}

TEST_F(FrmInfoTest, ClosesOnItsIconEscAndAltF4Only) {
    struct Case {
        const char* what;
        std::function<void(frmInfo&)> act;
        bool closes;
    };
    const Case cases[] = {
        {"picClose", [](frmInfo& w) { w.click(w.picClose()); }, true},
        {"Esc", [](frmInfo& w) { w.pressKey(27); }, true},
        {"Alt+F4", [](frmInfo& w) { w.pressKey(115, 4); }, true},
        {"F4", [](frmInfo& w) { w.pressKey(115); }, false},
        {"Ctrl+F4", [](frmInfo& w) { w.pressKey(115, 2); }, false},
        {"lblTitle", [](frmInfo& w) { w.click(w.lblTitle()); }, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(showAndPlay(c.act), !c.closes) << c.what;
        EXPECT_EQ(frmInfo::loaded(), nullptr) << c.what;
    }
}

TEST_F(FrmInfoTest, TheTextFillsTheAreaBelowTheStripLessOnePixelOnEverySize) {
    showAndPlay([&](frmInfo& w) {
        for (auto [width, height] : {std::pair{9000.f, 6000.f}, {3000.f, 1500.f}}) {
            w.Move(0, 0, width, height);
            const float top = w.Picture1().Height();
            EXPECT_EQ(
                std::tuple(w.txtInfo().Left(), w.txtInfo().Top(), w.txtInfo().Width(), w.txtInfo().Height()),
                std::tuple(15.0f, top + 15, w.ScaleWidth() - 30, w.ScaleHeight() - top - 30));
            EXPECT_EQ(w.picClose().Left(), w.ScaleWidth() - 300);
        }
    });
}

TEST_F(FrmInfoTest, ShowInfoFromInsideTheOpenWindowUpdatesIt) {
    showAndPlay([&](frmInfo& w) {
        frmInfo::ShowInfo("Other", "new text", owner);
        EXPECT_EQ(std::tuple(w.Caption(), w.txtInfo().Text()), std::tuple("Other", "new text"));
        EXPECT_EQ(frmInfo::loaded().get(), &w);
    });
}

} // namespace
} // namespace ovtest
