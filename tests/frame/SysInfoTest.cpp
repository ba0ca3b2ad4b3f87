#include "frame/SysInfo.h"

#include "frame/FrameFixture.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace ovtest {

using namespace std::string_literals;
using ov::GetKeyValue;
using ov::RegistryRoot;
using ov::RegistryValue;

namespace {

constexpr const char* kKey = "SOFTWARE\\Vendor\\Tool";

} // namespace

// ---- GetKeyValue ----

class GetKeyValueTest : public FrameFixture {
protected:
    std::string read(const std::string& value, std::string start = "stale") {
        std::string out = std::move(start);
        found = GetKeyValue(RegistryRoot::LocalMachine, kKey, value, out);
        return out;
    }
    void store(const std::string& name, RegistryValue v) {
        registry().setValue(RegistryRoot::LocalMachine, kKey, name, std::move(v));
    }
    bool found = false;
};

TEST_F(GetKeyValueTest, MissingKeyOrValueAnswersFalseAndEmptiesTheResult) {
    EXPECT_EQ(read("PATH"), "");
    EXPECT_FALSE(found);

    store("Other", RegistryValue::string("x"));
    EXPECT_EQ(read("PATH"), "");
    EXPECT_FALSE(found);

    std::string out = "stale";
    EXPECT_FALSE(GetKeyValue(RegistryRoot::CurrentUser, kKey, "Other", out)) << "another root";
    EXPECT_EQ(out, "");
}

struct NumberCase {
    uint32_t value;
    const char* text;
};

TEST_F(GetKeyValueTest, NumbersReadAsTheHexadecimalDigitsOfTheirCutBufferBackwards) {
    // The cut drops a NUL high byte; each remaining byte gives its hexadecimal code without leading
    // zeros, last byte first; four digits or fewer read as a 16-bit value, more as a 32-bit one.
    const NumberCase cases[] = {
        {0, "0"},                  // "000"
        {1, "1"},                  // "001"
        {255, "255"},              // "00FF"
        {256, "16"},               // "010"
        {0x8000, "2048"},          // "0800"
        {0xFFFF, "65535"},         // "0FFFF"
        {0x01000001, "4097"},      // no NUL at the end, so nothing is cut: "1001"
        {0x12345678, "305419896"}, // "12345678"
        {0x0F0F0F0F, "-1"},        // "FFFF" as 16 bits
        {0x0F0F0F08, "-8"},        // "FFF8"
        {0xFFFFFFFF, "-1"},        // "FFFFFFFF" as 32 bits
        {0x80000000, "524288"},    // "80000"
    };
    for (const auto& c : cases) {
        store("Number", RegistryValue::dword(c.value));
        EXPECT_EQ(read("Number"), c.text) << "value " << c.value;
        EXPECT_TRUE(found);
    }
}

TEST_F(GetKeyValueTest, NumberBuffersThatMakeNoNumberStayHexadecimalText) {
    store("Empty", RegistryValue{ov::regType::Dword, ""s});
    EXPECT_EQ(read("Empty"), "&h");
    EXPECT_TRUE(found);
    store("OnlyNul", RegistryValue{ov::regType::Dword, "\0"s});
    EXPECT_EQ(read("OnlyNul"), "&h");
    store("Long", RegistryValue{ov::regType::Dword, std::string(9, '\x11')});
    EXPECT_EQ(read("Long"), "&h111111111111111111") << "nine bytes, eighteen digits";
}

struct TextCase {
    const char* what;
    RegistryValue stored;
    std::string expected;
};

TEST_F(GetKeyValueTest, StringsLoseOneTrailingNulAndNothingElse) {
    const TextCase cases[] = {
        {"plain", RegistryValue::string("C:\\Tools\\msinfo32.exe"), "C:\\Tools\\msinfo32.exe"},
        {"empty", RegistryValue::string(""), ""},
        {"ending with NUL", RegistryValue::string("ab\0"s), "ab\0"s},
        {"inner NUL", RegistryValue::string("a\0b"s), "a\0b"s},
        {"stored without terminator", RegistryValue{ov::regType::String, "abc"s}, "abc"},
        {"no bytes at all", RegistryValue{ov::regType::String, ""s}, ""},
        {"1023 characters fill the buffer", RegistryValue::string(std::string(1023, 'x')),
         std::string(1023, 'x')},
    };
    for (const auto& c : cases) {
        store("Text", c.stored);
        EXPECT_EQ(read("Text"), c.expected) << c.what;
        EXPECT_TRUE(found) << c.what;
    }
}

TEST_F(GetKeyValueTest, ValuesLongerThanTheBufferCannotBeRead) {
    store("Text", RegistryValue::string(std::string(1024, 'x'))); // 1025 bytes with the NUL
    EXPECT_EQ(read("Text"), "");
    EXPECT_FALSE(found);
    store("Raw", RegistryValue{ov::regType::String, std::string(1025, 'y')});
    EXPECT_EQ(read("Raw"), "");
    EXPECT_FALSE(found);
    store("Fits", RegistryValue{ov::regType::String, std::string(1024, 'z')});
    EXPECT_EQ(read("Fits"), std::string(1024, 'z'));
    EXPECT_TRUE(found);
}

TEST_F(GetKeyValueTest, OtherTypesLeaveTheResultAsItWas) {
    store("Expand", RegistryValue{2, "%windir%\0"s});
    EXPECT_EQ(read("Expand", "before"), "before");
    EXPECT_TRUE(found);
    store("Binary", RegistryValue{3, "\x01\x02"s});
    EXPECT_EQ(read("Binary", ""), "");
    EXPECT_TRUE(found);
}

// ---- StartSysInfo ----

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
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].prompt, "System Information Is Unavailable At This Time");
        EXPECT_EQ(boxes()[0].style, 0);
        EXPECT_EQ(boxes()[0].title, "HostApp");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StartSysInfoTest, ::testing::ValuesIn(kSysInfoCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace ovtest
