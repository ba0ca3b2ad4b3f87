#include "support/FormWalk.h"

#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"
#include "wizard/OvWizardNavigator.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ovtest {

namespace {

using namespace ov;

constexpr int kRounds = 12;

void renderIfSmall(Renderer& renderer, const Form& form, const Runtime& rt) {
    const double w = static_cast<double>(form.ScaleWidth()) / std::max(1, rt.twipsPerPixelX());
    const double h = static_cast<double>(form.ScaleHeight()) / std::max(1, rt.twipsPerPixelY());
    if (!(w * h <= static_cast<double>(kMaxWalkPixels))) return;
    renderer.render(form);
}

// The navigators now on the form (a click may unload it, so they are looked up afresh each round).
std::vector<std::shared_ptr<OvWizardNavigator>> navigators(const Form& form) {
    std::vector<std::shared_ptr<OvWizardNavigator>> found;
    for (const auto& ext : form.controls()) {
        if (auto nav = ext->controlAs<OvWizardNavigator>()) found.push_back(nav);
    }
    return found;
}

void press(Form& form, ovEn_Button_Position position) {
    for (const auto& nav : navigators(form)) {
        CommandButton& b = nav->button(position);
        if (b.Visible() && b.Enabled()) form.click(b);
    }
}

} // namespace

void walkForm(std::string_view text) {
    Runtime runtime;
    Renderer renderer; // before the load, so text is measured as drawn
    FormRef form;
    try {
        form = FormFile::read(text, "walk.json", Mode::Run);
    } catch (const Failure&) {
        return;
    }
    try {
        form->show();
        renderIfSmall(renderer, *form, runtime);
        for (int round = 0; round < kRounds && !form->controls().empty(); ++round) {
            press(*form, ovEn_Button_Position::ovBPRightMiddle);
            if (round % 3 == 2) press(*form, ovEn_Button_Position::ovBPLeftMiddle);
            if (round % 4 == 3) press(*form, ovEn_Button_Position::ovBPLeft);
            const int16_t keys[] = {9, 32, 13, 9, 27};
            form->pressKey(keys[round % 5]);
            if (round == kRounds / 2) form->pressKey('N', 4); // Alt+N
            renderIfSmall(renderer, *form, runtime);
        }
        press(*form, ovEn_Button_Position::ovBPRight);
        renderIfSmall(renderer, *form, runtime);
    } catch (const Failure&) {
        // The library's own answer; the form is still let go below.
    }
    try {
        form->unload();
    } catch (const Failure&) {
    }
}

} // namespace ovtest
