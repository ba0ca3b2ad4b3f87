#include "frame/SysInfo.h"

#include "platform/Failure.h"
#include "platform/LauncherService.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "platform/Variant.h"

#include <cstdio>
#include <optional>

namespace ov {

namespace {

// The buffer the value query fills; a longer value does not fit and the query fails.
constexpr size_t kValueBufferSize = 1024;

std::string hexDigits(unsigned char c) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(c));
    return buf;
}

std::string numberFromCutBuffer(const std::string& cut) {
    std::string digits;
    for (auto it = cut.rbegin(); it != cut.rend(); ++it)
        digits += hexDigits(static_cast<unsigned char>(*it));
    std::string text = "&h" + digits;
    double value = 0;
    // Hexadecimal text that is no number stays text, as formatting non-numeric text keeps it.
    if (!Variant::parseNumber(text, value)) return text;
    return std::to_string(static_cast<int32_t>(value));
}

// The program to start, or nothing when neither registry entry leads to one.
std::optional<std::string> findSysInfo() {
    std::string path;
    if (GetKeyValue(RegistryRoot::LocalMachine, kSysInfoKey, kSysInfoValue, path)) return path;
    if (GetKeyValue(RegistryRoot::LocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, path)) {
        std::string program = path + "\\MSINFO32.EXE";
        if (Runtime::current().fileSystem().fileExists(program)) return program;
    }
    return std::nullopt;
}

} // namespace

bool GetKeyValue(RegistryRoot keyRoot, const std::string& keyName, const std::string& valueName,
                 std::string& keyVal) {
    const RegistryService& registry = Runtime::current().registry();
    std::optional<RegistryValue> value;
    if (registry.keyExists(keyRoot, keyName)) value = registry.queryValue(keyRoot, keyName, valueName);
    if (!value || value->bytes.size() > kValueBufferSize) {
        keyVal.clear();
        return false;
    }
    std::string cut = value->bytes;
    // Values stored with their terminating NUL lose it; values stored without keep every character.
    if (!cut.empty() && cut.back() == '\0') cut.pop_back();
    if (value->type == regType::String)
        keyVal = cut;
    else if (value->type == regType::Dword)
        keyVal = numberFromCutBuffer(cut);
    return true;
}

void StartSysInfo() {
    std::optional<std::string> program = findSysInfo();
    if (program && !program->empty()) {
        try {
            Runtime::current().launcher().launch(*program, {}, windowStyle::NormalFocus);
            return;
        } catch (const Failure&) {
            // A program that cannot be started is reported like one that cannot be found.
        }
    }
    msgBox(kSysInfoUnavailable, mb::OkOnly);
}

} // namespace ov
