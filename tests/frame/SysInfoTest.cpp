#include "frame/SysInfo.h"

#include "frame/FrameFixture.h"
#include "support/ShownBoxes.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace ovtest {

using namespace std::string_literals;
using ov::GetKeyValue;
using ov::RegistryRoot;
using ov::RegistryValue;

constexpr const char* kKey = "SOFTWARE\\Vendor\\Tool";

class GetKeyValueTest : public FrameFixture {
protected:
    // The text read into a result that held `start`, and whether the value was found.
    std::tuple<std::string, bool> read(const std::string& value, std::string start = "stale") {
        const bool found = GetKeyValue(RegistryRoot::LocalMachine, kKey, value, start);
        return {start, found};
    }
    void store(const std::string& name, RegistryValue v) {
        registry().setValue(RegistryRoot::LocalMachine, kKey, name, std::move(v));
    }
};

TEST_F(GetKeyValueTest, MissingKeyOrValueAnswersFalseAndEmptiesTheResult) {
    EXPECT_EQ(read("PATH"), std::tuple("", false));
    store("Other", RegistryValue::string("x"));
    EXPECT_EQ(read("PATH"), std::tuple("", false));

    std::string out = "stale";
    EXPECT_FALSE(GetKeyValue(RegistryRoot::CurrentUser, kKey, "Other", out)) << "another root";
    EXPECT_EQ(out, "");
}

// What one stored value reads as: the text, whether it was found, from a result that held `start`.
struct ValueCase {
    const char* what;
    RegistryValue stored;
    std::string expected;
    bool found = true;
    std::string start = "stale";
};

TEST_F(GetKeyValueTest, EachStoredValueReadsAsItsText) {
    // Numbers read as the hexadecimal digits of their cut buffer backwards: the cut drops a NUL high byte;
    // each remaining byte gives its code without leading zeros, last byte first; four digits or fewer
    // read as a 16-bit value, more as a 32-bit one. Buffers that make no number stay hexadecimal text.
    // Strings lose one trailing NUL and nothing else; values longer than the 1024-byte buffer cannot be
    // read; other types leave the result as it was.
    const ValueCase cases[] = {
        {"0: 000", RegistryValue::dword(0), "0"},
        {"255: 00FF", RegistryValue::dword(255), "255"},
        {"256: 010", RegistryValue::dword(256), "16"},
        {"0xFFFF: 0FFFF", RegistryValue::dword(0xFFFF), "65535"},
        {"no NUL at the end, nothing cut: 1001", RegistryValue::dword(0x01000001), "4097"},
        {"12345678", RegistryValue::dword(0x12345678), "305419896"},
        {"FFFF as 16 bits", RegistryValue::dword(0x0F0F0F0F), "-1"},
        {"FFFFFFFF as 32 bits", RegistryValue::dword(0xFFFFFFFF), "-1"},
        {"80000", RegistryValue::dword(0x80000000), "524288"},
        {"an empty number", RegistryValue{ov::regType::Dword, ""s}, "&h"},
        {"a number of one NUL", RegistryValue{ov::regType::Dword, "\0"s}, "&h"},
        {"nine bytes, eighteen digits", RegistryValue{ov::regType::Dword, std::string(9, '\x11')},
         "&h111111111111111111"},
        {"plain", RegistryValue::string("C:\\Tools\\msinfo32.exe"), "C:\\Tools\\msinfo32.exe"},
        {"empty", RegistryValue::string(""), ""},
        {"ending with NUL", RegistryValue::string("ab\0"s), "ab\0"s},
        {"inner NUL", RegistryValue::string("a\0b"s), "a\0b"s},
        {"stored without terminator", RegistryValue{ov::regType::String, "abc"s}, "abc"},
        {"no bytes at all", RegistryValue{ov::regType::String, ""s}, ""},
        {"1023 characters fill the buffer", RegistryValue::string(std::string(1023, 'x')),
         std::string(1023, 'x')},
        {"1025 bytes with the NUL", RegistryValue::string(std::string(1024, 'x')), "", false},
        {"1025 raw bytes", RegistryValue{ov::regType::String, std::string(1025, 'y')}, "", false},
        {"1024 raw bytes fit", RegistryValue{ov::regType::String, std::string(1024, 'z')},
         std::string(1024, 'z')},
        {"expandable text", RegistryValue{2, "%windir%\0"s}, "before", true, "before"},
        {"binary", RegistryValue{3, "\x01\x02"s}, "", true, ""},
    };
    for (const auto& c : cases) {
        store("Value", c.stored);
        EXPECT_EQ(read("Value", c.start), std::tuple(c.expected, c.found)) << c.what;
    }
}

struct SysInfoCase {
    const char* what;
    const char* path;   // the registered program; nullptr: none
    const char* folder; // the registered folder; nullptr: none
    const char* file;   // a file that exists
    const char* fails;  // a program that cannot start
    const char* launched;
};
// Test names and failure messages name the case, not its bytes.
void PrintTo(const SysInfoCase& c, std::ostream* os) {
    *os << c.what;
}

// The registered program wins; else MSINFO32.EXE in the registered folder, joined with one backslash as
// written; else, or when the program cannot start, the "unavailable" message.
const SysInfoCase kSysInfoCases[] = {
    {"registered program", "C:\\A\\msinfo32.exe", nullptr, nullptr, nullptr, "C:\\A\\msinfo32.exe"},
    {"program over folder", "C:\\A\\msinfo.exe", "C:\\B", "C:\\B\\MSINFO32.EXE", nullptr,
     "C:\\A\\msinfo.exe"},
    {"folder", nullptr, "C:\\Shared\\MSInfo", "C:\\Shared\\MSInfo\\MSINFO32.EXE", nullptr,
     "C:\\Shared\\MSInfo\\MSINFO32.EXE"},
    {"trailing separator doubles", nullptr, "C:\\Shared\\MSInfo\\", "C:\\Shared\\MSInfo\\MSINFO32.EXE",
     nullptr, nullptr},
    {"folder without the program", nullptr, "C:\\Shared\\MSInfo", "C:\\Shared\\MSInfo\\msinfo.exe", nullptr,
     nullptr},
    {"nothing registered", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"program cannot start", "C:\\Gone\\msinfo32.exe", nullptr, nullptr, "C:\\Gone\\msinfo32.exe", nullptr},
    {"empty program", "", nullptr, nullptr, nullptr, nullptr},
};

class StartSysInfoTest : public FrameFixture, public ::testing::WithParamInterface<SysInfoCase> {};

TEST_P(StartSysInfoTest, RunsTheRegisteredProgramOrMsInfo32InTheRegisteredFolderOrSaysItIsUnavailable) {
    const SysInfoCase& c = GetParam();
    registry().createKey(ov::RegistryRoot::LocalMachine, kMsInfoKey);
    if (c.path) setMsInfoPath(c.path);
    if (c.folder) setMsInfoFolder(c.folder);
    if (c.file) files->addFile(c.file);
    if (c.fails) launcher().failOn(c.fails);
    ov::StartSysInfo();
    if (c.launched) {
        EXPECT_TRUE(boxes().empty());
        EXPECT_EQ(launcher().launched(), (std::vector<ov::HeadlessLauncher::Launch>{
                                             {c.launched, {}, ov::windowStyle::NormalFocus}}));
    } else {
        EXPECT_TRUE(launcher().launched().empty());
        EXPECT_EQ(ovtest::shownBoxes(runtime),
                  std::vector<std::string>{"HostApp | 0 | System Information Is Unavailable At This Time"});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StartSysInfoTest, ::testing::ValuesIn(kSysInfoCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace ovtest
