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
    struct Case {
        std::vector<std::pair<std::string, std::string>> fields;
        std::vector<size_t> offsets;
        size_t size;
    } cases[] = {
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
    for (const auto& c : cases) {
        RecordInfo r = RecordInfo::layout("R", "", c.fields);
        std::vector<std::pair<std::string, std::string>> fields;
        std::vector<size_t> offsets;
        for (const auto& f : r.fields) {
            fields.emplace_back(f.name, f.type);
            offsets.push_back(f.offset);
        }
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(offsets, c.offsets) << c.fields.size();
        EXPECT_EQ(r.size, c.size) << c.fields.size();
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

class TypeRegistryFactoryTest : public ::testing::Test {
protected:
    TypeRegistryFactoryTest() {
        registry.addClass(Spinner::staticClass(), [] { return std::make_shared<Spinner>(); });
        registry.addClass(Hidden::staticClass(), [] { return std::make_shared<Hidden>(); }); // not creatable
    }
    TypeRegistry registry;
};

TEST_F(TypeRegistryFactoryTest, CreatesByProgramIdWithoutLetterCase) {
    for (const char* id : {"OvComCtl.Spinner", "ovcomctl.spinner", "OVCOMCTL.SPINNER"}) {
        ObjectRef o = registry.create(id);
        ASSERT_NE(o, nullptr) << id;
        EXPECT_EQ(o->typeName(), "Spinner");
        EXPECT_EQ(o->get("").toInt32(), 3);
    }
    EXPECT_EQ(registry.findClass("SPINNER"), &Spinner::staticClass());
    EXPECT_EQ(registry.findClass("OvComCtl.Spinner"), nullptr); // a class name, not a program id
}

TEST_F(TypeRegistryFactoryTest, UnknownOrNonCreatableProgramIdIs429) {
    for (const char* id : {"OvComCtl.Nothing", "Spinner", "", "OvComCtl.Hidden", "Other.Spinner"})
        EXPECT_EQ(test::failureText([&] { registry.create(id); }),
                  "429 ActiveX component can't create object (" + std::string(id) + ")");
    // The library-wide registry refuses names it does not know the same way.
    EXPECT_EQ(test::failureNumber([] { TypeRegistry::instance().create("OvComCtl.NoSuchControl"); }), 429);
}

} // namespace
} // namespace ov
