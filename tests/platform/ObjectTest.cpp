#include "platform/Object.h"

#include "platform/ClassBuilder.h"
#include "platform/FailureCapture.h"
#include "platform/VariantTraits.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace ov {
namespace {

enum class ProbeShade { Light = 0, Dark = 1, Ink = 7 };

} // namespace

OV_ENUM(ProbeShade)

namespace {

using test::failureFrom;
using test::failureNumber;
using test::failureText;

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

TEST_F(ObjectByNameTest, NamesIgnoreLetterCaseAndTheEmptyNameIsTheDispidZeroMember) {
    gadget->let("CAPTION", "Next >");
    EXPECT_EQ(gadget->Caption(), "Next >");
    EXPECT_EQ(gadget->get("caption").toString(), "Next >");
    EXPECT_EQ(gadget->call("aDd", {2, 3}).toInt32(), 5);
    gadget->set("partner", widget);
    EXPECT_EQ(gadget->Partner(), widget);
    EXPECT_TRUE(gadget->hasMember("PASSWORD"));
    EXPECT_FALSE(gadget->hasMember("Passwords"));
    // An empty name reaches the DISPID 0 member.
    gadget->let("", "Finish");
    EXPECT_EQ(gadget->Caption(), "Finish");
    EXPECT_EQ(gadget->get("").toString(), "Finish");
    // An object used where a value is wanted converts through the same member.
    EXPECT_EQ(Variant(gadget).toString(), "Finish");
    EXPECT_EQ(Variant(widget).toInt32(), 7);
}

TEST_F(ObjectByNameTest, UnknownMemberIs438NamingClassAndMember) {
    const std::string text = "438 Object doesn't support this property or method (Gadget.Frobnicate)";
    EXPECT_EQ(failureText([&] { gadget->get("Frobnicate"); }), text);
    EXPECT_EQ(failureText([&] { gadget->let("Frobnicate", 1); }), text);
    EXPECT_EQ(failureText([&] { gadget->set("Frobnicate", widget); }), text);
    EXPECT_EQ(failureText([&] { gadget->call("Frobnicate"); }), text);
    // A class without a DISPID 0 member has no default member to reach.
    auto bare = std::make_shared<Bare>();
    EXPECT_EQ(failureText([&] { bare->get(""); }),
              "438 Object doesn't support this property or method (Bare.(default member))");
    EXPECT_EQ(failureNumber([&] { Variant(bare).toString(); }), 438);
}

TEST_F(ObjectByNameTest, WrongArgumentCountIs450) {
    struct Case {
        const char* member;
        Args args;
        int expected;
    } cases[] = {
        {"Add", {1}, 450},
        {"Add", {1, 2, 3}, 450},
        {"Add", {1, 2}, 0},
        {"Pad", {}, 450},                     // fewer than the required parameters
        {"Pad", {"a"}, 0},                    // optional ones left out
        {"Pad", {"a", 3}, 0},                 //
        {"Pad", {"a", 3, "*"}, 0},            //
        {"Pad", {"a", 3, "*", "extra"}, 450}, // more than declared
        {"Count", {1}, 450},                  // a property without indices given one
        {"Swap", {1}, 450},
    };
    for (auto& c : cases)
        EXPECT_EQ(failureNumber([&] { gadget->call(c.member, Args(c.args)); }), c.expected) << c.member;

    EXPECT_EQ(failureText([&] { gadget->call("Add", {1}); }),
              "450 Wrong number of arguments or invalid property assignment (Gadget.Add takes 2, given 1)");
    EXPECT_EQ(
        failureText([&] {
            gadget->call("Pad", {"a", 3, "*", "extra"});
        }),
        "450 Wrong number of arguments or invalid property assignment (Gadget.Pad takes 1 to 3, given 4)");
}

TEST_F(ObjectByNameTest, OptionalParametersLeftOutAreAbsent) {
    EXPECT_EQ(gadget->call("Pad", {"ab"}).toString(), "ab");
    EXPECT_EQ(gadget->call("Pad", {"ab", 4}).toString(), "ab  ");
    EXPECT_EQ(gadget->call("Pad", {"ab", 4, "."}).toString(), "ab..");
    EXPECT_EQ(gadget->call("Pad", {"ab", Variant(), "."}).toString(),
              "ab"); // an Empty argument is absent too
}

TEST_F(ObjectByNameTest, ArgumentThatDoesNotConvertIs13NamingItsPosition) {
    EXPECT_EQ(failureText([&] {
                  gadget->call("Add", {1, "abc"});
              }),
              "13 Type mismatch (\"abc\" is not a number) in argument 2 of Gadget.Add");
    EXPECT_EQ(failureText([&] {
                  gadget->call("Add", {Variant::Null, 1});
              }),
              "94 Invalid use of Null in argument 1 of Gadget.Add");
    // A value that converts but does not fit keeps its own number.
    EXPECT_EQ(failureText([&] {
                  gadget->call("Pad", {"a", 40000});
              }),
              "6 Overflow in argument 2 of Gadget.Pad");
    // The value of an assignment is an argument of the writer too.
    EXPECT_EQ(failureText([&] { gadget->let("Shade", "dark"); }),
              "13 Type mismatch (\"dark\" is not a number) in argument 1 of Gadget.Shade");
    EXPECT_EQ(gadget->Shade(), ProbeShade::Light);
}

TEST_F(ObjectByNameTest, AccessTheMemberLacksIs450) {
    struct Case {
        const char* what;
        std::function<void()> run;
        const char* detail;
    } cases[] = {
        {"let on get-only", [&] { gadget->let("Count", 3); }, "(Gadget.Count cannot be assigned a value)"},
        {"set on let-only", [&] { gadget->set("Password", widget); },
         "(Gadget.Password cannot be assigned an object)"},
        {"get on let-only", [&] { gadget->get("Password"); }, "(Gadget.Password cannot be read)"},
        {"call on let-only", [&] { gadget->call("Password"); }, "(Gadget.Password cannot be called)"},
        {"set on a value property", [&] { gadget->set("Caption", widget); },
         "(Gadget.Caption cannot be assigned an object)"},
        {"let on a method", [&] { gadget->let("Add", 1); }, "(Gadget.Add cannot be assigned a value)"},
    };
    for (auto& c : cases)
        EXPECT_EQ(failureText(c.run),
                  std::string("450 Wrong number of arguments or invalid property assignment ") + c.detail)
            << c.what;
    EXPECT_EQ(gadget->Count(), 0);
    EXPECT_EQ(gadget->password(), "");
}

TEST_F(ObjectByNameTest, SetTakesOnlyObjects) {
    for (const Variant& v : {Variant(5), Variant("Widget"), Variant(true), Variant(Variant::Null)})
        EXPECT_EQ(failureText([&] { gadget->set("Partner", v); }),
                  "13 Type mismatch (Gadget.Partner takes an object)")
            << v.typeName();
    gadget->set("Partner", widget);
    EXPECT_EQ(gadget->get("Partner").toObject(), widget);
    gadget->set("Partner", Variant(nullptr));
    EXPECT_EQ(gadget->Partner(), nullptr);
    EXPECT_TRUE(gadget->get("Partner").isNothing());
}

TEST_F(ObjectByNameTest, ByReferenceArgumentsAreWrittenBack) {
    Args args{int32_t{1}, "2"};
    gadget->call("Swap", args);
    EXPECT_EQ(args[0], Variant(int32_t{2}));
    EXPECT_EQ(args[1], Variant(int32_t{1}));

    // Parameters taken by value (including by const reference) leave the caller's arguments alone.
    Args byValue{int16_t{5}, "3", "-"};
    EXPECT_EQ(gadget->call("Pad", byValue).toString(), "5--");
    EXPECT_EQ(byValue[0], Variant(int16_t{5}));
    EXPECT_EQ(byValue[1], Variant("3"));
    EXPECT_EQ(byValue[2], Variant("-"));
}

TEST_F(ObjectByNameTest, MethodsAndPropertiesAreReachableEitherWay) {
    EXPECT_EQ(gadget->get("Add", {20, 22}).toInt32(), 42);
    gadget->setCaption("a");
    gadget->setCaption("b");
    EXPECT_EQ(gadget->call("Count"), Variant(int32_t{2}));
    EXPECT_EQ(gadget->call("Caption").toString(), "b");
    // Members declared noexcept are members like any other.
    gadget->let("Serial", "41");
    EXPECT_EQ(gadget->get("serial").toInt32(), 41);
    EXPECT_EQ(gadget->call("Twice", {21}).toInt32(), 42);
}

TEST_F(ObjectByNameTest, IndexedPropertyReadsAndWritesThroughItsIndex) {
    gadget->let("Cell", "middle", {1});
    gadget->let("cell", "last", {int16_t{2}});
    EXPECT_EQ(gadget->get("Cell", {1}).toString(), "middle");
    EXPECT_EQ(gadget->get("Cell", {"2"}).toString(), "last");
    EXPECT_EQ(gadget->get("Cell", {0}).toString(), "");
    EXPECT_EQ(failureNumber([&] { gadget->get("Cell"); }), 450);
    EXPECT_EQ(failureNumber([&] { gadget->let("Cell", "x"); }), 450);
    EXPECT_EQ(failureNumber([&] { gadget->let("Cell", "x", {1, 2}); }), 450);
    EXPECT_EQ(failureText([&] { gadget->let("Cell", "x", {"first"}); }),
              "13 Type mismatch (\"first\" is not a number) in argument 1 of Gadget.Cell");
}

TEST_F(ObjectByNameTest, RecordsTravelByValueAndByReference) {
    Margins m{10, 30};
    EXPECT_EQ(gadget->call("Span", {Variant::record(m)}).toInt32(), 20);

    Args args{Variant::record(m), 5};
    gadget->call("Widen", args);
    Margins widened = args[0].toRecord<Margins>();
    EXPECT_EQ(widened.left, 5);
    EXPECT_EQ(widened.right, 35);
    EXPECT_EQ(m.left, 10); // the caller's own copy is untouched; the argument carries the result

    EXPECT_EQ(failureText([&] { gadget->call("Span", {5}); }),
              "13 Type mismatch (record expected, found Long) in argument 1 of Gadget.Span");
}

TEST_F(ObjectByNameTest, PublishedClassReferencesCheckTheClass) {
    EXPECT_EQ(gadget->call("Attach", {widget}).toInt32(), 7);
    EXPECT_EQ(gadget->Partner(), widget);
    EXPECT_EQ(gadget->call("Attach", {Variant(nullptr)}).toInt32(), 0);
    EXPECT_EQ(gadget->Partner(), nullptr);

    auto other = std::make_shared<Gadget>();
    EXPECT_EQ(failureText([&] { gadget->call("Attach", {other}); }),
              "13 Type mismatch (Widget expected) in argument 1 of Gadget.Attach");

    EXPECT_EQ(failureText([&] { gadget->set("Partner", other); }),
              "13 Type mismatch (Widget expected) in argument 1 of Gadget.Partner");
    EXPECT_EQ(gadget->Partner(), nullptr);

    EXPECT_EQ(failureNumber([&] { gadget->call("Attach", {7}); }), 13);
}

TEST_F(ObjectByNameTest, EnumerationsTravelAsLong) {
    gadget->let("Shade", 7);
    EXPECT_EQ(gadget->Shade(), ProbeShade::Ink);
    gadget->setShade(ProbeShade::Dark);
    Variant v = gadget->get("Shade");
    EXPECT_EQ(v.type(), Variant::Type::Long);
    EXPECT_EQ(v.toInt32(), 1);
    gadget->let("Shade", "0");
    EXPECT_EQ(gadget->Shade(), ProbeShade::Light);
    EXPECT_EQ(VariantTraits<ProbeShade>::typeName(), "ProbeShade");
}

TEST_F(ObjectByNameTest, DescriptorRecordsTypesAndParameters) {
    const ClassInfo& info = Gadget::staticClass();
    EXPECT_EQ(&gadget->classInfo(), &info);
    EXPECT_EQ(gadget->typeName(), "Gadget");
    EXPECT_EQ(info.progId(), "OvComCtl.Gadget");

    struct Case {
        const char* member;
        unsigned access;
        const char* type;
    } cases[] = {
        {"Caption", access::Get | access::Let, "String"},
        {"Count", access::Get, "Long"},
        {"Password", access::Let, "String"},
        {"Partner", access::Get | access::Set, "Widget"},
        {"Cell", access::Get | access::Let, "String"},
        {"Shade", access::Get | access::Let, "ProbeShade"},
        {"Add", access::Method, "Long"},
        {"Swap", access::Method, "void"},
        {"Span", access::Method, "Long"},
    };
    for (const auto& c : cases) {
        const MemberInfo* m = info.findMember(c.member);
        ASSERT_NE(m, nullptr) << c.member;
        EXPECT_EQ(m->access, c.access) << c.member;
        EXPECT_EQ(m->type, c.type) << c.member;
    }

    const MemberInfo* cell = info.findMember("Cell");
    ASSERT_EQ(cell->params.size(), 1u);
    EXPECT_EQ(cell->params[0].name, "Index");
    EXPECT_EQ(cell->params[0].type, "Integer");

    const MemberInfo* pad = info.findMember("Pad");
    ASSERT_EQ(pad->params.size(), 3u);
    EXPECT_EQ(pad->params[0].name, "Text");
    EXPECT_FALSE(pad->params[0].optional);
    EXPECT_TRUE(pad->params[1].optional);
    EXPECT_EQ(pad->params[1].type, "Integer");
    EXPECT_TRUE(pad->params[2].optional);
    EXPECT_EQ(pad->params[2].type, "String");
    // Only writable references are by reference.
    const MemberInfo* swap = info.findMember("Swap");
    ASSERT_EQ(swap->params.size(), 2u);
    EXPECT_TRUE(swap->params[0].byRef);
    EXPECT_TRUE(swap->params[1].byRef);

    const MemberInfo* widen = info.findMember("Widen");
    EXPECT_TRUE(widen->params[0].byRef);
    EXPECT_EQ(widen->params[0].type, "Margins");
    EXPECT_FALSE(widen->params[1].byRef);

    EXPECT_FALSE(pad->params[0].byRef); // a const reference passes a string cheaply; nothing comes back
}

} // namespace
} // namespace ov
