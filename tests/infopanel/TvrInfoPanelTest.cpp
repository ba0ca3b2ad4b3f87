#include "InfoPanelFixture.h"
#include "platform/Line.h"
#include "platform/PropertyBag.h"
#include "platform/Shape.h"
#include "support/TestFiles.h"

#include <tuple>

using namespace ov;

namespace ovtest {
namespace {

class TvrInfoPanelTest : public InfoPanelFixture {};

TEST_F(TvrInfoPanelTest, LinesStandOneAndThreeTenthsTemplateHeightsApartAndGrowThePanel) {
    const float w = panel->ScaleWidth();
    struct Row {
        const char* name;
        float top;
    };
    const Row rows[] = {{"CPU", 645}, {"Memory", 937.5f}, {"Disk", 1230}};
    for (const Row& r : rows)
        EXPECT_EQ(stats->call("AddInfoLabel", {r.name, "1"}).toInt32(), 0) << r.name;
    for (int32_t n = 1; n <= 3; ++n) {
        // Every add grew the panel, and the size change widened the new line.
        EXPECT_EQ(
            std::tuple(holder(n).Top(), holder(n).Left(), holder(n).Visible(), item(n).AttributeName(),
                       holder(n).Width(), panel->GetItemTop(rows[n - 1].name)),
            std::tuple(rows[n - 1].top, 3 * tx(), true, rows[n - 1].name, w - 10 * tx(), rows[n - 1].top))
            << n;
    }
    EXPECT_EQ(stats->Height(), 1230 + 225 + 5 * tx());
    EXPECT_EQ(panel->child<Shape>("shpBorder").Height(), stats->Height() - 510);
    EXPECT_EQ(log, (std::vector<std::string>{"Resize", "Resize", "Resize"}));
    EXPECT_FALSE(holder(0).Visible()) << "the template is never shown";
    EXPECT_EQ(holder(0).Top(), 510);
}

TEST_F(TvrInfoPanelTest, ASizeChangeMovesRuleAndFrameAndRaisesResizeOnlyAtDesignTime) {
    stats->setWidth(4000);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(panel->child<Line>("linSeparator").X2(), 4000);
    const Shape& border = panel->child<Shape>("shpBorder");
    EXPECT_EQ(std::pair(border.Width(), border.Height()), std::pair(4000.0f, stats->Height() - 510));
    auto design = Form::create("frmDesign", Mode::Design);
    auto other = design->add("OvComCtl.TvrInfoPanel", "Stats");
    int resizes = 0;
    auto c = other->on("Resize", [&](Args&) { ++resizes; });
    other->setWidth(4000);
    EXPECT_EQ(resizes, 1);
    // A line that fits a panel tall enough keeps its narrow width and raises nothing.
    stats->setHeight(3000);
    log.clear();
    ASSERT_EQ(panel->AddInfoLabel("CPU", "42 %"), 0);
    EXPECT_EQ(holder(1).Width(), panel->ScaleWidth() - 23 * tx());
    EXPECT_EQ(stats->Height(), 3000);
    EXPECT_TRUE(log.empty());
}

TEST_F(TvrInfoPanelTest, AddInfoLabelAnswersFailureNumbersAndAddsNothingThen) {
    ASSERT_EQ(panel->AddInfoLabel("CPU", "1"), 0);
    log.clear();
    struct Row {
        const char* name;
        int32_t number;
    };
    const Row rows[] = {{"", -2147221503}, {"   ", -2147221503}, {"cpu", 457}, {"CPU", 457}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("'") + r.name + "'");
        EXPECT_EQ(stats->call("AddInfoLabel", {r.name, "2"}).toInt32(), r.number);
    }
    EXPECT_EQ(std::tuple(panel->items().Count(), panel->lines().count(), item(1).Value()),
              std::tuple(1, 2, "1"));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(panel->AddInfoLabel(" Disk ", "3"), 0) << "a name with blanks around it is a name";
}

TEST_F(TvrInfoPanelTest, RedrawOffKeepsNewLinesHiddenUntilItIsSwitchedOn) {
    stats->let("Redraw", false);
    const float heightBefore = stats->Height();
    for (const char* name : {"CPU", "Memory", "Disk"})
        ASSERT_EQ(panel->AddInfoLabel(name, "x"), 0);
    for (int32_t n = 1; n <= 3; ++n)
        EXPECT_EQ(std::pair(holder(n).Visible(), holder(n).Width()),
                  std::pair(false, panel->ScaleWidth() - 23 * tx()));
    EXPECT_EQ(holder(3).Top(), 1230);
    EXPECT_EQ(stats->Height(), heightBefore);
    EXPECT_TRUE(log.empty());
    panel->ChangeValue("memory", "8 GB");
    EXPECT_EQ(item(2).Value(), "8 GB");
    EXPECT_FALSE(holder(2).Visible()) << "changing a hidden line does not show it";

    stats->let("Redraw", true);
    for (int32_t n = 1; n <= 3; ++n)
        EXPECT_EQ(std::pair(holder(n).Visible(), holder(n).Width()),
                  std::pair(true, panel->ScaleWidth() - 10 * tx()));
    EXPECT_EQ(stats->Height(), 1230 + 225 + 5 * tx());
    EXPECT_EQ(log, std::vector<std::string>{"Resize"});
}

TEST_F(TvrInfoPanelTest, ChangeValueReachesRecordAndLineAndClearInfoLabelsEmptiesThePanel) {
    for (const char* name : {"Processed", "Memory", "Disk"})
        ASSERT_EQ(panel->AddInfoLabel(name, "x"), 0);
    stats->call("ChangeValue", {"PROCESSED", "120"});
    EXPECT_EQ(panel->items().Item(Variant("processed"))->Value() + " " + item(1).Value(), "120 120");
    EXPECT_NO_THROW(stats->call("ChangeValue", {"Missing", "1"}));
    EXPECT_EQ(stats->get("GetItemTop", {"Missing"}).toDouble(), 0);
    // Cleared, the panel numbers its lines from one again.
    log.clear();
    stats->call("ClearInfoLabels");
    EXPECT_EQ(log, std::vector<std::string>{"Resize"});
    EXPECT_EQ(std::tuple(stats->Height(), panel->items().Count(), panel->lines().count()),
              std::tuple(0.0f, 0, 1));
    EXPECT_THROW(panel->get("Controls", {"ctlInfoItem(1)"}), Failure);
    ASSERT_EQ(panel->AddInfoLabel("Disk", "y"), 0);
    EXPECT_EQ(std::pair(panel->items().Item(Variant("Disk"))->Index(), holder(1).Top()),
              std::pair(1, 645.0f));
}

TEST_F(TvrInfoPanelTest, ColoursAndIndentationReachEveryLineAndTheTemplate) {
    ASSERT_EQ(panel->AddInfoLabel("CPU", "1"), 0);
    stats->clearChangedKeys();
    stats->let("TitleColor", 0x0000FF);
    stats->let("ValueColor", 0x00FF00);
    stats->let("Indentation", 300.0f);
    stats->let("BackColor", 0xFFFFFF);
    for (int32_t n : {0, 1})
        EXPECT_EQ(std::tuple(item(n).TitleColor(), item(n).ValueColor(), item(n).Indentation(),
                             item(n).BackColor()),
                  std::tuple(0x0000FFu, 0x00FF00u, 300.0f, 0xFFFFFFu))
            << n;
    EXPECT_EQ(std::tuple(panel->child<Line>("linSeparator").BorderColor(),
                         panel->child<Label>("lblTitle").BackColor(),
                         panel->child<Shape>("shpBorder").BackColor()),
              std::tuple(0x0000FFu, 0xFFFFFFu, 0xFFFFFFu));
    EXPECT_EQ(
        std::tuple(item(1).child<Label>("lblValue").Left(), item(1).child<Label>("lblAttribute").Width()),
        std::tuple(2370.0f, 1995.0f));
    EXPECT_EQ(stats->changedKeys(),
              (std::vector<std::string>{"TitleColor", "ValueColor", "Indentation", "BackColor"}));
    EXPECT_EQ(stats->get("MinRecomendedWidth").toDouble(), 90 + 2370 + 690 + 3 * tx());
}

TEST_F(TvrInfoPanelTest, PropertiesAreWrittenInOrderWithoutDefaultsAndReadBack) {
    PropertyBag fresh;
    stats->writeProperties(fresh);
    EXPECT_TRUE(fresh.empty()) << "a new panel stores nothing";
    stats->let("Title", "Copy");
    stats->let("InfoBorderColor", 0x808080);
    stats->let("AutoRedraw", true);
    stats->let("BackColor", 0xFFFFFF);
    stats->let("Redraw", false);
    stats->let("TitleColor", 0x000080);
    PropertyBag bag;
    stats->writeProperties(bag);
    EXPECT_EQ(keysOf(bag), (std::vector<std::string>{"TitleColor", "InfoBorderColor", "Title", "Redraw",
                                                     "AutoRedraw", "BackColor"}));
    auto loaded = form->addLoaded("OvComCtl.TvrInfoPanel", "Loaded", bag, ExtenderValues{});
    EXPECT_EQ(std::tuple(loaded->get("Title").toString(), loaded->get("Redraw").toBool(),
                         loaded->get("AutoRedraw").toBool()),
              std::tuple("Copy", false, true));
    EXPECT_EQ(loaded->controlAs<TvrInfoPanel>()->line(0).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(loaded->controlAs<TvrInfoPanel>()->items().Count(), 0) << "lines are never stored";
}

TEST_F(TvrInfoPanelTest, MouseMovesOverTheSurfaceReachTheHost) {
    std::vector<float> seen;
    auto c = stats->on("MouseMove", [&](Args& a) {
        seen = {a[0].toSingle(), a[2].toSingle(), a[3].toSingle()};
    });
    ASSERT_TRUE(form->mouseMove(*stats, 1, 0, 300, 40));
    EXPECT_EQ(seen, (std::vector<float>{1, 300, 40}));
}

} // namespace
} // namespace ovtest
