#include "platform/RegistryService.h"

#include "platform/Runtime.h"

#include <gtest/gtest.h>

namespace {

using ov::RegistryRoot;
using ov::RegistryValue;

constexpr const char* kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

TEST(RegistryServiceTest, StringsComeBackWithTheirTerminatorAndDwordsLowByteFirst) {
    ov::HeadlessRegistry reg;
    reg.setString(RegistryRoot::LocalMachine, kMsInfo, "PATH", "C:\\msinfo32.exe");
    reg.setDword(RegistryRoot::LocalMachine, kMsInfo, "Count", 0x01020304);
    auto path = reg.queryValue(RegistryRoot::LocalMachine, kMsInfo, "PATH");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->type, 1);
    EXPECT_EQ(path->bytes, std::string("C:\\msinfo32.exe\0", 16));
    auto count = reg.queryValue(RegistryRoot::LocalMachine, kMsInfo, "Count");
    ASSERT_TRUE(count);
    EXPECT_EQ(count->type, 4);
    EXPECT_EQ(count->bytes, std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(RegistryValue::string(""), (RegistryValue{1, std::string("\0", 1)}));
}

TEST(RegistryServiceTest, KeysAndValueNamesIgnoreLetterCaseAndStraySeparators) {
    ov::HeadlessRegistry reg;
    reg.setString(RegistryRoot::LocalMachine, kMsInfo, "PATH", "x");
    EXPECT_TRUE(
        reg.queryValue(RegistryRoot::LocalMachine, "software\\MICROSOFT\\shared tools\\msinfo", "path"));
    EXPECT_TRUE(reg.queryValue(RegistryRoot::LocalMachine, "\\SOFTWARE\\\\Microsoft\\Shared Tools\\MSINFO\\",
                               "PATH"));
    // Missing value, missing key, other root.
    EXPECT_FALSE(reg.queryValue(RegistryRoot::LocalMachine, kMsInfo, "MSINFO"));
    EXPECT_FALSE(
        reg.queryValue(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"));
    EXPECT_FALSE(reg.queryValue(RegistryRoot::CurrentUser, kMsInfo, "PATH"));
}

TEST(RegistryServiceTest, KeysExistWithTheirAncestorsAndGoWithTheirSubtree) {
    ov::HeadlessRegistry reg;
    reg.setString(RegistryRoot::LocalMachine, kMsInfo, "PATH", "x");
    reg.createKey(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location");
    EXPECT_TRUE(reg.keyExists(RegistryRoot::LocalMachine, "SOFTWARE"));
    EXPECT_TRUE(reg.keyExists(RegistryRoot::LocalMachine, "Software\\Microsoft\\Shared Tools"));
    EXPECT_TRUE(reg.keyExists(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location"));
    EXPECT_TRUE(reg.keyExists(RegistryRoot::Users, "")); // roots always exist
    EXPECT_FALSE(reg.keyExists(RegistryRoot::LocalMachine, "SOFTWARE\\Other"));
    EXPECT_TRUE(reg.deleteKey(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools"));
    EXPECT_FALSE(reg.keyExists(RegistryRoot::LocalMachine, kMsInfo));
    // A sibling that merely starts with the same text stays.
    EXPECT_TRUE(reg.keyExists(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location"));
    EXPECT_FALSE(reg.deleteKey(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools"));
}

TEST(RegistryServiceTest, EachRuntimeStartsWithAnEmptyTreeAndCanTakeAnother) {
    ov::Runtime rt;
    rt.headlessRegistry().setString(RegistryRoot::LocalMachine, kMsInfo, "PATH", "x");
    EXPECT_TRUE(rt.registry().queryValue(RegistryRoot::LocalMachine, kMsInfo, "PATH"));
    {
        ov::Runtime nested;
        EXPECT_FALSE(
            ov::Runtime::current().registry().queryValue(RegistryRoot::LocalMachine, kMsInfo, "PATH"));
    }
    auto other = std::make_unique<ov::HeadlessRegistry>();
    other->setString(RegistryRoot::LocalMachine, kMsInfo, "PATH", "y");
    rt.setRegistry(std::move(other));
    EXPECT_EQ(rt.registry().queryValue(RegistryRoot::LocalMachine, kMsInfo, "PATH")->bytes,
              std::string("y\0", 2));
    rt.setRegistry(nullptr);
    EXPECT_EQ(rt.registry().queryValue(RegistryRoot::LocalMachine, kMsInfo, "PATH")->bytes,
              std::string("x\0", 2));
}

} // namespace
