#include "platform/Object.h"

#include "platform/ClassBuilder.h"
#include "platform/FailureCapture.h"
#include "platform/PlatformFixtures.h"
#include "platform/VariantTraits.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ov {
namespace {

enum class ProbeShade { Light = 0, Dark = 1, Ink = 7 };

} // namespace

OV_ENUM(ProbeShade)

namespace {

using ovtest::expectRefusals;

struct Margins {
    static constexpr const char* kTypeName = "Margins";
    int32_t left = 0;
    int32_t right = 0;
};

class Widget : public Object {
    OV_OBJECT(Widget)
public:
    explicit Widget(int32_t id) : m_id(id) {}
    static void describe(ClassBuilder<Widget>& b) { b.property("Id", 0, &Widget::Id); }
    int32_t Id() const { return m_id; }

private:
    int32_t m_id;
};

const ClassInfo& Widget::staticClass() {
    return buildClassInfo<Widget>([](ClassInfo&) {});
}

class Bare : public Object {
    OV_OBJECT(Bare)
public:
    static void describe(ClassBuilder<Bare>& b) { b.property("Size", 1, &Bare::Size); }
    int32_t Size() const { return 1; }
};

const ClassInfo& Bare::staticClass() {
    return buildClassInfo<Bare>([](ClassInfo&) {});
}

// One member of every shape the late-bound interface knows.
class Gadget : public Object {
    OV_OBJECT(Gadget)
public:
    static void describe(ClassBuilder<Gadget>& b) {
        b.property("Caption", 0, &Gadget::Caption, &Gadget::setCaption);
        b.property("Count", 1, &Gadget::Count);
        b.writeOnly("Password", 2, &Gadget::setPassword);
        b.property("Partner", 3, &Gadget::Partner).set(&Gadget::setPartner);
        b.property("Cell", 4, &Gadget::Cell).let(&Gadget::setCell).params({"Index"});
        b.property("Shade", 5, &Gadget::Shade, &Gadget::setShade);
        b.method("Add", 10, &Gadget::Add, {"A", "B"});
        b.method("Swap", 11, &Gadget::Swap, {"First", "Second"});
        b.method("Pad", 12, &Gadget::Pad, {"Text", "Width", "Fill"});
        b.method("Widen", 13, &Gadget::Widen, {"Margins", "By"});
        b.method("Span", 14, &Gadget::Span, {"Margins"});
        b.method("Attach", 15, &Gadget::Attach, {"Partner"});
        b.property("Serial", 16, &Gadget::Serial).let(&Gadget::setSerial);
        b.method("Twice", 17, &Gadget::Twice, {"Value"});
    }

    // Members declared noexcept are members like any other.
    int32_t Serial() const noexcept { return m_serial; }
    void setSerial(int32_t v) noexcept { m_serial = v; }
    int32_t Twice(int32_t v) noexcept { return 2 * v; }

    std::string Caption() const { return m_caption; }
    void setCaption(const std::string& v) {
        m_caption = v;
        ++m_count;
    }
    int32_t Count() const { return m_count; }
    void setPassword(const std::string& v) { m_password = v; }
    const std::string& password() const { return m_password; }
    std::shared_ptr<Widget> Partner() const { return m_partner; }
    void setPartner(std::shared_ptr<Widget> w) { m_partner = std::move(w); }
    std::string Cell(int16_t index) const { return m_cells.at(static_cast<size_t>(index)); }
    void setCell(int16_t index, const std::string& v) { m_cells.at(static_cast<size_t>(index)) = v; }
    ProbeShade Shade() const { return m_shade; }
    void setShade(ProbeShade v) { m_shade = v; }

    int32_t Add(int32_t a, int32_t b) const { return a + b; }
    void Swap(int32_t& first, int32_t& second) const { std::swap(first, second); }
    std::string Pad(const std::string& text, std::optional<int16_t> width,
                    std::optional<std::string> fill) const {
        std::string out = text;
        while (out.size() < static_cast<size_t>(width.value_or(0)))
            out += fill.value_or(" ");
        return out;
    }
    void Widen(Margins& m, int32_t by) const {
        m.left -= by;
        m.right += by;
    }
    int32_t Span(Margins m) const { return m.right - m.left; }
    int32_t Attach(std::shared_ptr<Widget> w) {
        m_partner = std::move(w);
        return m_partner ? m_partner->Id() : 0;
    }

private:
    std::string m_caption;
    int32_t m_count = 0;
    std::string m_password;
    std::shared_ptr<Widget> m_partner;
    std::array<std::string, 3> m_cells;
    ProbeShade m_shade = ProbeShade::Light;
    int32_t m_serial = 0;
};

const ClassInfo& Gadget::staticClass() {
    return buildClassInfo<Gadget>([](ClassInfo&) {});
}

class ObjectByNameTest : public ::testing::Test {
protected:
    std::shared_ptr<Gadget> gadget = std::make_shared<Gadget>();
    std::shared_ptr<Widget> widget = std::make_shared<Widget>(7);
};

// Every refusal of a call by name: 438 for a member the class lacks, 450 for an access the member
// lacks or a wrong argument count, 13/94/6 for an argument that does not convert, naming its position.
TEST_F(ObjectByNameTest, RefusedCallsNameClassMemberAndArgument) {
    auto bare = std::make_shared<Bare>(); // no DISPID 0 member: no default member to reach
    auto other = std::make_shared<Gadget>();
    const std::string unknown = "438 Object doesn't support this property or method (Gadget.Frobnicate)";
    const std::string access = "450 Wrong number of arguments or invalid property assignment ";
    const Args twoIndexes{1, 2};
    auto call = [&](const char* method, Args args) {
        return [&, method, args] { gadget->call(method, Args(args)); };
    };
    expectRefusals({
        {[&] { gadget->get("Frobnicate"); }, unknown},
        {[&] { gadget->let("Frobnicate", 1); }, unknown},
        {[&] { gadget->set("Frobnicate", widget); }, unknown},
        {[&] { gadget->call("Frobnicate"); }, unknown},
        {[&] { bare->get(""); },
         "438 Object doesn't support this property or method (Bare.(default member))"},
        {[&] { Variant(bare).toString(); }, "438"},
        // Argument counts: fewer than the required, more than declared.
        {[&] { gadget->call("Add", {1}); }, access + "(Gadget.Add takes 2, given 1)"},
        {call("Add", {1, 2, 3}), "450"},
        {[&] { gadget->call("Pad", {}); }, "450"},
        {call("Pad", {"a", 3, "*", "extra"}), access + "(Gadget.Pad takes 1 to 3, given 4)"},
        {[&] { gadget->call("Count", {1}); }, "450"}, // a property without indices given one
        {[&] { gadget->call("Swap", {1}); }, "450"},
        {[&] { gadget->get("Cell"); }, "450"},
        {[&] { gadget->let("Cell", "x"); }, "450"},
        {[&] { gadget->let("Cell", "x", twoIndexes); }, "450"},
        // Accesses the member lacks.
        {[&] { gadget->let("Count", 3); }, access + "(Gadget.Count cannot be assigned a value)"},
        {[&] { gadget->set("Password", widget); }, access + "(Gadget.Password cannot be assigned an object)"},
        {[&] { gadget->get("Password"); }, access + "(Gadget.Password cannot be read)"},
        {[&] { gadget->call("Password"); }, access + "(Gadget.Password cannot be called)"},
        {[&] { gadget->set("Caption", widget); }, access + "(Gadget.Caption cannot be assigned an object)"},
        {[&] { gadget->let("Add", 1); }, access + "(Gadget.Add cannot be assigned a value)"},
        // Arguments (the value of an assignment is an argument of the writer too); a value that
        // converts but does not fit keeps its own number.
        {call("Add", {1, "abc"}), "13 Type mismatch (\"abc\" is not a number) in argument 2 of Gadget.Add"},
        {call("Add", {Variant::Null, 1}), "94 Invalid use of Null in argument 1 of Gadget.Add"},
        {call("Pad", {"a", 40000}), "6 Overflow in argument 2 of Gadget.Pad"},
        {[&] { gadget->let("Shade", "dark"); },
         "13 Type mismatch (\"dark\" is not a number) in argument 1 of Gadget.Shade"},
        {[&] { gadget->let("Cell", "x", {"first"}); },
         "13 Type mismatch (\"first\" is not a number) in argument 1 of Gadget.Cell"},
        {[&] { gadget->call("Span", {5}); },
         "13 Type mismatch (record expected, found Long) in argument 1 of Gadget.Span"},
        // Set takes only objects, and a published class reference checks the class.
        {[&] { gadget->set("Partner", 5); }, "13 Type mismatch (Gadget.Partner takes an object)"},
        {[&] { gadget->set("Partner", Variant::Null); }, "13 Type mismatch (Gadget.Partner takes an object)"},
        {[&] { gadget->call("Attach", {other}); },
         "13 Type mismatch (Widget expected) in argument 1 of Gadget.Attach"},
        {[&] { gadget->set("Partner", other); },
         "13 Type mismatch (Widget expected) in argument 1 of Gadget.Partner"},
        {[&] { gadget->call("Attach", {7}); }, "13"},
    });
    // Nothing refused was written.
    EXPECT_EQ(std::tuple(gadget->Count(), gadget->password(), gadget->Shade(), gadget->Partner()),
              std::tuple(0, "", ProbeShade::Light, nullptr));
}

TEST_F(ObjectByNameTest, DescriptorRecordsTypesAndParameters) {
    const ClassInfo& info = Gadget::staticClass();
    EXPECT_EQ(&gadget->classInfo(), &info);
    EXPECT_EQ(gadget->typeName(), "Gadget");
    EXPECT_EQ(info.progId(), "OvComCtl.Gadget");
    // Only writable references are by reference: a const reference passes a string cheaply and nothing
    // comes back.
    const std::tuple<const char*, unsigned, const char*, const char*> members[] = {
        {"Caption", access::Get | access::Let, "String", ""},
        {"Count", access::Get, "Long", ""},
        {"Password", access::Let, "String", ""},
        {"Partner", access::Get | access::Set, "Widget", ""},
        {"Cell", access::Get | access::Let, "String", "Index As Integer"},
        {"Shade", access::Get | access::Let, "ProbeShade", ""},
        {"Add", access::Method, "Long", "A As Long, B As Long"},
        {"Swap", access::Method, "void", "ByRef First As Long, ByRef Second As Long"},
        {"Pad", access::Method, "String", "Text As String, [Width As Integer], [Fill As String]"},
        {"Widen", access::Method, "void", "ByRef Margins As Margins, By As Long"},
        {"Span", access::Method, "Long", "Margins As Margins"},
    };
    for (auto [member, access, type, params] : members) {
        SCOPED_TRACE(member);
        const MemberInfo* m = info.findMember(member);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(std::tuple(m->access, m->type, ovtest::signature(m->params)),
                  std::tuple(access, type, params));
    }
}

} // namespace
} // namespace ov
