#include "frame/ErrorReporting.h"

#include "frame/FrameFixture.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace ovtest {

using ov::ShowError;

class ShowErrorTest : public FrameFixture {};

TEST_F(ShowErrorTest, NotShowingDoesNothingAndAnswersZero) {
    runtime.headlessMessageBox().queueAnswer(ov::mb::Cancel);
    EXPECT_EQ(ShowError(false, 5, "D", "Nav::Refresh", 48), 0);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(ShowError(true, 5, "D", "Nav::Refresh", 1), ov::mb::Cancel)
        << "the queued answer was not used up by the box never shown";
}

TEST_F(ShowErrorTest, PromptIsNumberCrLfDescriptionAndTheSourceTitlesTheBox) {
    EXPECT_EQ(ShowError(true, 5, "D", "Nav::Refresh", 48), ov::mb::Ok);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Error: 5\r\nD");
    EXPECT_EQ(boxes()[0].style, 48);
    EXPECT_EQ(boxes()[0].title, "Nav::Refresh");
}

TEST_F(ShowErrorTest, NumbersAreWrittenInDecimalWithTheirSign) {
    const struct {
        int32_t number;
        const char* prompt;
    } cases[] = {
        {0, "Error: 0\r\nd"},
        {-1, "Error: -1\r\nd"},
        {57097, "Error: 57097\r\nd"},
        {std::numeric_limits<int32_t>::max(), "Error: 2147483647\r\nd"},
        {std::numeric_limits<int32_t>::min(), "Error: -2147483648\r\nd"},
    };
    for (const auto& c : cases) {
        runtime.headlessMessageBox().clear();
        ShowError(true, c.number, "d", "s", 48);
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].prompt, c.prompt);
    }
}

TEST_F(ShowErrorTest, AnEmptySourceGivesTheApplicationTitle) {
    ShowError(true, 380, "", "", 48);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Error: 380\r\n");
    EXPECT_EQ(boxes()[0].title, "HostApp");
}

TEST_F(ShowErrorTest, AnswersWhatTheUserPressed) {
    runtime.headlessMessageBox().queueAnswer(ov::mb::No);
    EXPECT_EQ(ShowError(true, 1, "d", "s", ov::mb::YesNo), ov::mb::No);
    EXPECT_EQ(boxes().at(0).style, ov::mb::YesNo);
}

TEST_F(ShowErrorTest, AFailingMessageBoxIsSwallowed) {
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
