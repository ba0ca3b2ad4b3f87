#include "platform/Enumerator.h"
#include "platform/TypeRegistry.h"
#include "support/WizardFixture.h"

using namespace ov;

namespace {

using CPagesTest = ovtest::WizardFixture;

std::vector<std::string> names(CPages& pages) {
    std::vector<std::string> out;
    for (const auto& p : pages)
        out.push_back(p->Name());
    return out;
}

} // namespace

TEST_F(CPagesTest, InsertionGoesBeforeTheFirstGreaterIndexAsThePagesHaveThemNow) {
    // Pages registering in index order append; any later change to a registered page's index, up or
    // down, and any removal is taken into account by the next insertion.
    std::vector<std::shared_ptr<OvWizardTab>> numbered;
    for (int32_t i = 1; i <= 5; ++i)
        numbered.push_back(loadPage("P" + std::to_string(i), i));
    EXPECT_EQ(names(registry()), (std::vector<std::string>{"P1", "P2", "P3", "P4", "P5"}));
    numbered[1]->setPageIndex(9); // P2
    loadPage("A", 4);
    loadPage("B", 6); // both before P2, now 9
    EXPECT_EQ(names(registry()), (std::vector<std::string>{"P1", "A", "B", "P2", "P3", "P4", "P5"}));
    numbered[1]->setPageIndex(2);
    loadPage("C", 7); // no greater index any more: last
    EXPECT_EQ(names(registry()), (std::vector<std::string>{"P1", "A", "B", "P2", "P3", "P4", "P5", "C"}));
    registry().Remove(Variant("P5"));
    loadPage("D", 7); // equal indices keep their order
    loadPage("E", 10);
    loadPage("F", 8); // before E, the only greater one
    loadPage("G", 0); // before everything
    EXPECT_EQ(names(registry()),
              (std::vector<std::string>{"G", "P1", "A", "B", "P2", "P3", "P4", "C", "D", "F", "E"}));
}

TEST_F(CPagesTest, AMissingKeyGivesNoPageSilentlyAPositionOutsideTheRangeShowsOnlyWithTheSwitchOn) {
    loadPage("P1", 1);
    loadPage("P2", 2);
    showErrors(true);
    EXPECT_EQ(registry().Item(Variant("p2"))->Name(), "P2");
    EXPECT_EQ(registry().Item(Variant("Nowhere")), nullptr);
    EXPECT_TRUE(boxes().empty());
    struct Case {
        int32_t position;
        bool found;
    } cases[] = {{-1, false}, {0, false}, {1, true}, {2, true}, {3, false}};
    for (bool on : {false, true}) {
        showErrors(on);
        runtime.headlessMessageBox().clear();
        size_t expectedBoxes = 0;
        for (auto c : cases) {
            EXPECT_EQ(registry().Item(Variant(c.position)) != nullptr, c.found) << c.position;
            expectedBoxes += (!c.found && on) ? 1 : 0;
        }
        EXPECT_EQ(shownBoxes(),
                  std::vector<std::string>(expectedBoxes, runtime.application().title +
                                                              " | 16 | Error: 9\r\nSubscript out of range"));
    }
}

TEST_F(CPagesTest, ByNameAccessAndForEachReachTheSameRegistryAndAHostsOwnCollectionIsEmpty) {
    loadPage("P2", 2);
    loadPage("P1", 1);
    CPages& r = registry();
    EXPECT_EQ(r.get("count").toInt32(), 2);
    auto second = std::dynamic_pointer_cast<CPage>(r.get("Item", {Variant(2)}).toObject());
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Name(), "P2");
    // The default member is Item: the host's Pages("p1").
    auto first = std::dynamic_pointer_cast<CPage>(r.get("", {Variant("p1")}).toObject());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->get("").toInt32(), 1); // CPage's default member is PageIndex
    // For Each walks the pages in collection order.
    auto e = std::dynamic_pointer_cast<Enumerator>(registry().get("NewEnum").toObject());
    ASSERT_TRUE(e);
    std::vector<std::string> seen;
    while (!e->Done())
        seen.push_back(std::dynamic_pointer_cast<CPage>(e->Next().toObject())->Name());
    EXPECT_EQ(seen, (std::vector<std::string>{"P1", "P2"}));
    // A collection the host creates is empty and its own.
    auto own = TypeRegistry::instance().create("OvComCtl.CPages");
    EXPECT_EQ(std::tuple(own->get("Count").toInt32(), registry().Count()), std::tuple(0, 2));
    EXPECT_NE(own.get(), &registry());
}
