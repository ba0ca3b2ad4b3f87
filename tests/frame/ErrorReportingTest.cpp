#include "frame/ErrorReporting.h"

#include "frame/FrameFixture.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ovtest {

using ov::ShowError;

class ShowErrorTest : public FrameFixture {};

// The box says "Error: <number>" CR LF the description, is titled by the source (the application's
// title when there is none) and answers what the user pressed; nothing is shown when asked not to.
TEST_F(ShowErrorTest, ShowsTheNumberAndDescriptionTitledByTheSource) {
    struct Case {
        bool show;
        int32_t number;
        const char* description;
        const char* source;
        int32_t style;
        std::optional<int32_t> pressed;
        int32_t answer;
        const char* box; // "title|style|prompt"; "" for none
    } cases[] = {
        {false, 5, "D", "Nav::Refresh", 48, {}, 0, ""},
        {true, 5, "D", "Nav::Refresh", 48, {}, ov::mb::Ok, "Nav::Refresh|48|Error: 5\r\nD"},
        {true, -1, "d", "s", 48, {}, ov::mb::Ok, "s|48|Error: -1\r\nd"},
        {true, 380, "", "", 48, {}, ov::mb::Ok, "HostApp|48|Error: 380\r\n"},
        {true, 1, "d", "s", ov::mb::YesNo, ov::mb::No, ov::mb::No, "s|4|Error: 1\r\nd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        runtime.headlessMessageBox().clear();
        if (c.pressed) runtime.headlessMessageBox().queueAnswer(*c.pressed);
        EXPECT_EQ(ShowError(c.show, c.number, c.description, c.source, c.style), c.answer);
        std::string box;
        for (const auto& b : boxes())
            box += b.title + "|" + std::to_string(b.style) + "|" + b.prompt;
        EXPECT_EQ(box, c.box);
    }
}

TEST_F(ShowErrorTest, ABoxNotShownUsesNoAnswerAndAFailingBoxIsSwallowed) {
    runtime.headlessMessageBox().queueAnswer(ov::mb::Cancel);
    EXPECT_EQ(ShowError(false, 5, "D", "Nav::Refresh", 48), 0);
    EXPECT_EQ(ShowError(true, 5, "D", "Nav::Refresh", 1), ov::mb::Cancel);
    class Broken : public ov::MessageBoxService {
    public:
        int32_t show(const std::string&, int32_t, const std::string&) override {
            throw ov::Failure(7, "Out of memory");
        }
    };
    runtime.setMessageBox(std::make_unique<Broken>());
    EXPECT_EQ(ShowError(true, 5, "D", "s", 48), 0);
}

} // namespace ovtest
