#include "platform/RegistryService.h"

#include "platform/Runtime.h"

#include <gtest/gtest.h>

namespace {

using ov::RegistryRoot;
using ov::RegistryValue;

constexpr const char* kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

TEST(RegistryServiceTest, StringsComeBackWithTheirTerminatorDwordsLowByteFirstAndNamesIgnoreCase) {
    ov::HeadlessRegistry reg;
    reg.setString(RegistryRoot::LocalMachine, kMsInfo, "PATH", "C:\\msinfo32.exe");
    reg.setDword(RegistryRoot::LocalMachine, kMsInfo, "Count", 0x01020304);
    EXPECT_EQ(reg.queryValue(RegistryRoot::LocalMachine, kMsInfo, "PATH"),
              (RegistryValue{1, std::string("C:\\msinfo32.exe\0", 16)}));
    EXPECT_EQ(reg.queryValue(RegistryRoot::LocalMachine, kMsInfo, "Count"),
              (RegistryValue{4, std::string("\x04\x03\x02\x01", 4)}));
    EXPECT_EQ(RegistryValue::string(""), (RegistryValue{1, std::string("\0", 1)}));
    // Keys and value names ignore letter case and stray separators.
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
