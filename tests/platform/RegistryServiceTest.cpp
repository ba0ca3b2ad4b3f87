#include "platform/RegistryService.h"

#include "platform/Runtime.h"

#include <gtest/gtest.h>

namespace {

using ov::RegistryRoot;

constexpr const char* kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

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

} // namespace
