// The platform's tree view as the option tree uses it: nodes by key and position, relationships,
// the rows that show, keys and clicks that move the selection, label editing, subtree removal.
#include "platform/TreeView.h"

#include "platform/FailureCapture.h"
#include "platform/ImageList.h"
#include "platform/Picture.h"
#include "platform/PngEncoder.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using namespace ov;
using ov::test::failureNumber;

namespace {

class TreeViewTest : public ::testing::Test {
protected:
    Runtime runtime;
    std::shared_ptr<TreeView> tree = std::make_shared<TreeView>();
    Nodes& nodes = tree->nodes();
    std::vector<std::string> log;

    TreeViewTest() {
        tree->NodeClick.connect([this](NodeRef n) { log.push_back("NodeClick " + n->Key()); });
        tree->Expand.connect([this](NodeRef n) { log.push_back("Expand " + n->Key()); });
        tree->Collapse.connect([this](NodeRef n) { log.push_back("Collapse " + n->Key()); });
    }
    NodeRef add(const std::string& parent, const std::string& key) {
        return parent.empty() ? nodes.Add({}, {}, key, key)
                              : nodes.Add(Variant(parent), tvw::Child, key, key);
    }
    // A, A\1, A\2, B, B\1, C: the shape of a small options tree.
    void fill() {
        for (auto [p, k] : {std::pair{"", "A"}, {"A", "A1"}, {"A", "A2"}, {"", "B"}, {"B", "B1"}, {"", "C"}})
            add(p, k);
    }
    std::string rows() const {
        std::string s;
        for (Node* n : tree->visibleRows())
            s += (s.empty() ? "" : " ") + n->Key();
        return s;
    }
    std::string key(int16_t code) {
        int16_t k = code, shift = 0;
        tree->KeyDown()(k, shift);
        return tree->selected() ? tree->selected()->Key() : "";
    }
};

TEST_F(TreeViewTest, AddPlacesNodesByRelationshipAndRefusesWithoutChanging) {
    fill();
    nodes.Add(Variant("A1"), tvw::Previous, "A0", "A0");
    nodes.Add(Variant("A2"), tvw::Next, "A3", "A3");
    nodes.Add(Variant("A1"), tvw::First, "Af", "Af");
    nodes.Add(Variant("A1"), tvw::Last, "Al", "Al");
    nodes.Add(Variant("B"), {}, "B+", "B+"); // a relative without relationship: next sibling
    std::string order;
    for (NodeRef n = nodes.Item(Variant("A"))->Child(); n; n = n->Next())
        order += n->Key() + " ";
    order += "| " + nodes.Item(Variant("B"))->Next()->Key() + " " +
             std::to_string(nodes.Item(Variant("A"))->Children());
    EXPECT_EQ(order, "Af A0 A1 A2 A3 Al | B+ 6");

    struct Case {
        std::optional<Variant> relative;
        int16_t relationship;
        std::string key;
        int number;
    } cases[] = {
        {Variant("nope"), tvw::Child, "x", err::ElementNotFound},
        {Variant("A"), tvw::Child, "A1", err::KeyNotUnique},
        {Variant(int32_t{0}), tvw::Child, "x", err::IndexOutOfBounds},
        {Variant(int32_t{99}), tvw::Child, "x", err::IndexOutOfBounds},
        {Variant("A"), 5, "x", err::InvalidProcedureCall},
        {Variant("A"), tvw::Child, "y", 0},
    };
    for (const Case& c : cases) {
        const int32_t before = nodes.Count();
        EXPECT_EQ(failureNumber([&] { nodes.Add(c.relative, c.relationship, c.key, "t"); }), c.number)
            << c.key;
        EXPECT_EQ(nodes.Count(), before + (c.number == 0 ? 1 : 0)) << c.key;
    }
    EXPECT_EQ(nodes.Item(Variant(int32_t{1}))->Key(), "A");
    EXPECT_EQ(failureNumber([&] { nodes.Item(Variant("a")); }), err::ElementNotFound); // keys are exact
}

TEST_F(TreeViewTest, ImagesAreKeysOfTheBoundListAndPicturesClearThem) {
    ImageList list;
    const std::vector<uint8_t> px(4, 0);
    list.Add("ARROW", Picture::fromPixels(1, 1, PixelFormat::Rgba32, px));
    NodeRef n = add("", "A");
    EXPECT_EQ(failureNumber([&] { n->setImage(Variant("ARROW")); }), err::ElementNotFound); // no list yet
    tree->setImageList(&list);
    n->setImage(Variant("ARROW"));
    EXPECT_EQ(failureNumber([&] { n->setSelectedImage(Variant("arrowX")); }), err::ElementNotFound);
    EXPECT_EQ(n->Image(), "ARROW");
    n->setImage(Variant(nullptr));
    EXPECT_EQ(n->Image(), "");
    EXPECT_EQ(failureNumber([&] { list.Add("arrow", list.Picture("ARROW")); }), err::KeyNotUnique);
}

TEST_F(TreeViewTest, CollapsedNodesHideTheirSubtreesAndTheSelectionKeysWalkTheRows) {
    fill();
    EXPECT_EQ(rows(), "A B C");
    nodes.Item(Variant("A"))->setExpanded(true);
    nodes.Item(Variant("B"))->setExpanded(true);
    EXPECT_EQ(rows(), "A A1 A2 B B1 C");
    log.clear();
    // Table of key presses from no selection: Down, Down, ... as a user walks the tree.
    struct Step {
        int16_t key;
        const char* selected;
    } steps[] = {{40, "A"}, {40, "A1"}, {40, "A2"}, {40, "B"}, {38, "A2"}, {37, "A"},
                 {37, "A"}, {39, "A"},  {39, "A1"}, {35, "C"}, {40, "C"},  {36, "A"}};
    for (const Step& s : steps)
        EXPECT_EQ(key(s.key), s.selected) << "after key " << s.key;
    // Left on A2 moves to A; Left on expanded A collapses it; Right expands it again; Right moves in.
    EXPECT_EQ(log, (std::vector<std::string>{"NodeClick A", "NodeClick A1", "NodeClick A2", "NodeClick B",
                                             "NodeClick A2", "NodeClick A", "Collapse A", "Expand A",
                                             "NodeClick A1", "NodeClick C", "NodeClick A"}));
    // Selecting a hidden node shows it; collapsing moves a hidden selection to the collapsed node.
    nodes.Item(Variant("B"))->setExpanded(false);
    nodes.Item(Variant("B1"))->setSelected(true);
    EXPECT_TRUE(nodes.Item(Variant("B"))->Expanded());
    nodes.Item(Variant("B"))->setExpanded(false);
    EXPECT_EQ(tree->selected()->Key(), "B");
}

TEST_F(TreeViewTest, RemovalTakesTheSubtreeAndRenumbers) {
    fill();
    nodes.Item(Variant("A2"))->setSelected(true);
    NodeRef a1 = nodes.Item(Variant("A1"));
    nodes.Remove(Variant("A"));
    // The selection goes to the next sibling of the removed node.
    EXPECT_EQ(std::tuple(nodes.Count(), rows(), tree->selected()->Key(),
                         nodes.Item(Variant(int32_t{1}))->Key(), nodes.Item(Variant("C"))->Index()),
              std::tuple(3, "B C", "B", "B", 3));
    EXPECT_EQ(failureNumber([&] { nodes.Item(Variant("A1")); }), err::ElementNotFound);
    EXPECT_EQ(failureNumber([&] { a1->EnsureVisible(); }), err::ObjectNotSet);
    add("", "A"); // the key is free again
    nodes.Clear();
    EXPECT_EQ(std::tuple(nodes.Count(), tree->selected()), std::tuple(0, nullptr));
}

TEST_F(TreeViewTest, LabelEditEndsWithTheHandlersTextOrNotAtAll) {
    fill();
    NodeRef b = nodes.Item(Variant("B"));
    b->setSelected(true);
    int16_t cancelStart = 0;
    tree->BeforeLabelEdit.connect([&](int16_t& cancel) { cancel = cancelStart; });
    tree->AfterLabelEdit.connect([&](int16_t& cancel, std::string& text) {
        if (text == "veto") cancel = -1;
        text += "!";
    });
    for (const char* typed : {"Renamed", "veto"}) {
        tree->StartLabelEdit();
        tree->EndLabelEdit(typed);
        EXPECT_EQ(b->Text(), "Renamed!") << typed;
    }
    tree->StartLabelEdit();
    tree->CancelLabelEdit();
    EXPECT_EQ(failureNumber([&] { tree->EndLabelEdit("late"); }), err::InvalidProcedureCall);
    cancelStart = -1;
    tree->StartLabelEdit();
    EXPECT_FALSE(tree->editing());
}

TEST_F(TreeViewTest, AMouseDownHitsTheRowOrItsExpandBox) {
    fill();
    tree->Move(0, 0, 3000, 3000);
    const float row = tree->rowHeight(); // 18 pixels
    auto down = [&](float x, float y) {
        int16_t b = 1, s = 0;
        tree->MouseDown()(b, s, x, y);
    };
    NodeRef a = nodes.Item(Variant("A"));
    down(tree->boxLeft(*a) + 60, 15 + row / 2); // A's expand box
    EXPECT_TRUE(a->Expanded());
    down(tree->labelLeft(*a) + 100, 15 + row * 1.5f); // second row: A1
    down(tree->labelLeft(*a) + 100, 15 + row * 10);   // below the last row
    EXPECT_EQ(log, (std::vector<std::string>{"Expand A", "NodeClick A1"}));
    tree->setTopRow(2);
    EXPECT_EQ(tree->nodeAt(15 + row / 2)->Key(), "A2");
}

} // namespace
