#include "platform/TypeRegistry.h"

#include "platform/ClassBuilder.h"
#include "platform/FailureCapture.h"
#include "platform/Object.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace ov {
namespace {

TEST(TypeRegistryTest, RecordLayoutFollowsHostAlignmentAndRoundsUpToItsWidestField) {
    using Fields = std::vector<std::pair<std::string, std::string>>;
    const std::tuple<Fields, std::vector<size_t>, size_t> cases[] = {
        {{{"A", "Boolean"}}, {0}, 2},
        {{{"A", "Long"}, {"B", "Integer"}}, {0, 4}, 8},
        {{{"A", "Integer"}, {"B", "Long"}, {"C", "Integer"}}, {0, 4, 8}, 12},
        {{}, {}, 0},
        {{{"BackVisible", "Boolean"},
          {"NextVisible", "Boolean"},
          {"Caption", "String"},
          {"First", "Long"},
          {"Last", "Long"},
          {"CancelVisible", "Boolean"},
          {"HelpVisible", "Boolean"}},
         {0, 2, 4, 8, 12, 16, 18},
         20},
    };
    for (const auto& [fields, offsets, size] : cases) {
        RecordInfo r = RecordInfo::layout("R", "", fields);
        Fields laid;
        std::vector<size_t> at;
        for (const auto& f : r.fields) {
            laid.emplace_back(f.name, f.type);
            at.push_back(f.offset);
        }
        EXPECT_EQ(laid, fields);
        EXPECT_EQ(std::pair(at, r.size), std::pair(offsets, size)) << fields.size();
    }
}

class Spinner : public Object {
    OV_OBJECT(Spinner)
public:
    static void describe(ClassBuilder<Spinner>& b) { b.property("Value", 0, &Spinner::Value); }
    int32_t Value() const { return 3; }
};

const ClassInfo& Spinner::staticClass() {
    return buildClassInfo<Spinner>([](ClassInfo& i) { i.creatable = true; });
}

class Hidden : public Object {
    OV_OBJECT(Hidden)
public:
    static void describe(ClassBuilder<Hidden>&) {}
};

const ClassInfo& Hidden::staticClass() {
    return buildClassInfo<Hidden>([](ClassInfo&) {});
}

TEST(TypeRegistryFactoryTest, CreatesByProgramIdWithoutLetterCaseAndRefusesOthersWith429) {
    TypeRegistry registry;
    registry.addClass(Spinner::staticClass(), [] { return std::make_shared<Spinner>(); });
    registry.addClass(Hidden::staticClass(), [] { return std::make_shared<Hidden>(); }); // not creatable
    for (const char* id : {"OvComCtl.Spinner", "ovcomctl.spinner", "OVCOMCTL.SPINNER"}) {
        ObjectRef o = registry.create(id);
        ASSERT_NE(o, nullptr) << id;
        EXPECT_EQ(o->typeName(), "Spinner");
        EXPECT_EQ(o->get("").toInt32(), 3);
    }
    EXPECT_EQ(registry.findClass("SPINNER"), &Spinner::staticClass());
    EXPECT_EQ(registry.findClass("OvComCtl.Spinner"), nullptr); // a class name, not a program id
    for (const char* id : {"OvComCtl.Nothing", "Spinner", "", "OvComCtl.Hidden", "Other.Spinner"})
        EXPECT_EQ(test::failureText([&] { registry.create(id); }),
                  "429 ActiveX component can't create object (" + std::string(id) + ")");
    // The library-wide registry refuses names it does not know the same way.
    EXPECT_EQ(test::failureNumber([] { TypeRegistry::instance().create("OvComCtl.NoSuchControl"); }), 429);
}

} // namespace
} // namespace ov
