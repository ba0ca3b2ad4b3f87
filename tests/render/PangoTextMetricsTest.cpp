#include "render/PangoTextMetrics.h"

#include "platform/Font.h"
#include "platform/Label.h"
#include "platform/Runtime.h"
#include "render/TextMetricsScope.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ovtest {
namespace {

using namespace ov;

TEST(PangoTextMetricsFamilies, ClassicNamesResolveToInstalledLookAlikes) {
    struct Case {
        const char* name;
        const char* family;
    } cases[] = {{"Arial", "Liberation Sans"},
                 {"ARIAL", "Liberation Sans"},
                 {"Arial Unicode MS", "Liberation Sans"},
                 {"MS Sans Serif", "Liberation Sans"},
                 {"Microsoft Sans Serif", "Liberation Sans"},
                 {"Tahoma", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"},
                 {"Courier New", "Liberation Mono"},
                 {"Verdana", "DejaVu Sans"},
                 {"No Such Font", "DejaVu Sans"},
                 {"", "DejaVu Sans"},
                 {"DejaVu Serif", "DejaVu Serif"},
                 {"liberation mono", "Liberation Mono"}};
    for (const auto& c : cases)
        EXPECT_EQ(PangoTextMetrics::familyFor(c.name), c.family) << c.name;
}

class PangoTextMetricsTest : public ::testing::Test {
protected:
    Runtime runtime;
    PangoTextMetrics metrics;
};

TEST_F(PangoTextMetricsTest, MeasuresWholePixelsInTwipsThatStayRoughlyTheSameAtAnotherResolution) {
    auto font = Font::create("Arial", 10);
    const float at96 = metrics.lineWidth(font, "Resolution independent");
    EXPECT_FLOAT_EQ(std::fmod(at96, 15.0f), 0.0f) << "hinted advances are whole pixels";
    // A 10-point line at 96 dpi is a little over 13.3 pixels of font size.
    EXPECT_GE(metrics.lineHeight(font), 14 * 15);
    EXPECT_LE(metrics.lineHeight(font), 17 * 15);
    runtime.setTwipsPerPixel(12, 12);
    const float at120 = metrics.lineWidth(font, "Resolution independent");
    EXPECT_NEAR(at120 / at96, 1.0, 0.06);
}

TEST_F(PangoTextMetricsTest, MissingFontAndBadTextAreMeasuredAnyway) {
    EXPECT_GT(metrics.lineWidth(nullptr, "Standard"), 0);
    EXPECT_EQ(metrics.lineHeight(nullptr), metrics.lineHeight(Font::standard()));
    EXPECT_EQ(metrics.lineWidth(Font::create("No Such Font", 8.25f), "Fallback"),
              metrics.lineWidth(Font::create("DejaVu Sans", 8.25f), "Fallback"));
    EXPECT_GT(metrics.lineWidth(Font::standard(), "bad \xff\xfe bytes"), 0);
}

// How a word-wrapping label breaks text, measuring every prefix that ends before a blank on its own:
// the rule the one-pass wrap must follow to the twip.
std::vector<std::string> wrapByPrefixes(const TextMetricsService& m, const FontRef& font,
                                        std::string_view text, float maxWidth) {
    std::vector<std::string> out;
    for (auto para : TextMetricsService::splitLines(text)) {
        size_t pos = 0;
        bool first = true;
        while (first || pos < para.size()) {
            first = false;
            std::string_view rest = para.substr(pos);
            if (m.lineWidth(font, rest) <= maxWidth) {
                out.emplace_back(rest);
                break;
            }
            size_t fit = std::string_view::npos;
            for (size_t i = 1; i < rest.size(); ++i) {
                if (rest[i] != ' ' || rest[i - 1] == ' ') continue;
                if (m.lineWidth(font, rest.substr(0, i)) > maxWidth) break;
                fit = i;
            }
            if (fit == std::string_view::npos) {
                fit = rest.find_first_not_of(' ');
                fit = fit == std::string_view::npos ? rest.size() : rest.find(' ', fit);
                fit = fit == std::string_view::npos ? rest.size() : fit;
            }
            std::string_view line = rest.substr(0, fit);
            while (!line.empty() && line.back() == ' ')
                line.remove_suffix(1);
            out.emplace_back(line);
            while (fit < rest.size() && rest[fit] == ' ')
                ++fit;
            pos += fit;
        }
    }
    return out;
}

TEST_F(PangoTextMetricsTest, WrappingInOnePassBreaksWhereMeasuringEachPrefixDoes) {
    const std::string texts[] = {
        "Choose the components of step 12 that the setup installs, then click Next to go on.",
        "AVAST! Type WAVY Tiles; LT AV To Ty Yo  \"quoted\" (brackets) f.i. fi fl ffi -- T. Y. V.",
        "  Leading blanks, trailing blanks   ",
        "Zurück und weiter: Ärger über Öl und Straße, café.",
        "Averyveryverylongwordthatcannotbreak and short words after it\r\nSecond paragraph here.",
    };
    const FontRef fonts[] = {Font::standard(), Font::create("Arial Unicode MS", 12, true),
                             Font::create("Times New Roman", 10)};
    for (const std::string& text : texts) {
        for (const FontRef& font : fonts) {
            // Every width from a word's to the whole text's, a pixel (15 twips) at a time, and the exact
            // widths of the prefixes themselves (where "fits" is decided by equality).
            std::vector<float> widths;
            for (float w = 150; w <= metrics.textWidth(font, text) + 30; w += 15)
                widths.push_back(w);
            for (size_t i = 1; i < text.size(); ++i) {
                if (text[i] == ' ')
                    widths.push_back(metrics.lineWidth(font, std::string_view(text).substr(0, i)));
            }
            for (float w : widths) {
                ASSERT_EQ(metrics.wrap(font, text, w), wrapByPrefixes(metrics, font, text, w))
                    << '"' << text << "\" in " << w << " twips, " << font->Name() << ' ' << font->Size();
            }
        }
    }
}

// A service that tells itself apart.
class Fixed : public TextMetricsService {
public:
    float lineWidth(const FontRef&, std::string_view) const override { return 1; }
    float lineHeight(const FontRef&) const override { return 2; }
};

TEST(TextMetricsScopeTest, InstallsPangoOnceAndPutsBackWhatWasThere) {
    Runtime rt;
    const float headless = rt.textMetrics().lineWidth(nullptr, "abc");
    {
        TextMetricsScope outer;
        EXPECT_TRUE(outer.installed());
        const TextMetricsService* installed = &rt.textMetrics();
        EXPECT_NE(dynamic_cast<const PangoTextMetrics*>(installed), nullptr);
        EXPECT_NE(rt.textMetrics().lineWidth(nullptr, "abc"), headless);
        {
            TextMetricsScope inner; // leaves the outer one in place
            EXPECT_FALSE(inner.installed());
            EXPECT_EQ(&rt.textMetrics(), installed);
        }
        EXPECT_EQ(&rt.textMetrics(), installed);
    }
    EXPECT_EQ(rt.textMetrics().lineWidth(nullptr, "abc"), headless);
    EXPECT_NE(dynamic_cast<const HeadlessTextMetrics*>(&rt.textMetrics()), nullptr);
    // An installed service of the host's comes back too.
    rt.setTextMetrics(std::make_unique<Fixed>());
    const TextMetricsService* before = &rt.textMetrics();
    { TextMetricsScope scope; }
    EXPECT_EQ(&rt.textMetrics(), before);
    EXPECT_EQ(rt.textMetrics().lineHeight(nullptr), 2);
}

} // namespace
} // namespace ovtest
