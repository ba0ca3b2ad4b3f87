#include "platform/ClassInfo.h"

#include "platform/ClassBuilder.h"
#include "platform/Object.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace ov {
namespace {

MemberInfo member(std::string name, int32_t dispid) {
    MemberInfo m;
    m.name = std::move(name);
    m.dispid = dispid;
    m.access = access::Get;
    return m;
}

EventInfo event(std::string name, int32_t dispid) {
    EventInfo e;
    e.name = std::move(name);
    e.dispid = dispid;
    return e;
}

ClassInfo sample() {
    ClassInfo info;
    info.name = "Sample";
    info.addMember(member("Caption", 0));
    info.addMember(member("Value", 5));
    info.addMember(member("_NewEnum", -4));
    info.addEvent(event("Click", 1));
    return info;
}

// A class whose declaration repeats a member: its descriptor cannot be built.
class Twice : public Object {
    OV_OBJECT(Twice)
public:
    static void describe(ClassBuilder<Twice>& b) {
        b.property("Caption", 1, &Twice::Caption);
        b.property("caption", 2, &Twice::Caption);
    }
    std::string Caption() const { return {}; }
};

const ClassInfo& Twice::staticClass() {
    return buildClassInfo<Twice>([](ClassInfo&) {});
}

TEST(ClassInfoTest, NamesAndDispidsDeclaredTwiceAreRefusedAndAClassRepeatingOneFailsToDescribeItself) {
    ClassInfo info = sample();
    for (const char* name : {"Value", "value", "VALUE"})
        EXPECT_THROW(info.addMember(member(name, 6)), std::logic_error) << name;
    EXPECT_THROW(info.addMember(member("Text", 0)), std::logic_error);
    EXPECT_THROW(info.addMember(member("Amount", 5)), std::logic_error);
    EXPECT_THROW(info.addEvent(event("CLICK", 2)), std::logic_error);
    EXPECT_THROW(info.addEvent(event("DblClick", 1)), std::logic_error);
    EXPECT_EQ(info.members().size(), 3u);
    EXPECT_EQ(info.events().size(), 1u);
    EXPECT_EQ(info.findMember(int32_t{1}), nullptr); // an event's number, not a member's
    // Events live in their own interface: their numbers may repeat a member's.
    EXPECT_NO_THROW(info.addEvent(event("Change", 5)));
    EXPECT_THROW(Twice::staticClass(), std::logic_error);
}

} // namespace
} // namespace ov
