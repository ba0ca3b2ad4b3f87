#pragma once

#include "platform/RegistryService.h"

#include <string>

namespace ov {

// Where the system information program is registered: the full program path under "PATH" of the first
// key, or the folder holding MSINFO32.EXE under "MSINFO" of the second, both below HKEY_LOCAL_MACHINE.
inline constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoValue = "PATH";
inline constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoLocationValue = "MSINFO";
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Starts the system information program, through the runtime's registry, file system and launcher:
// 1. the program named by the "PATH" value, if that value can be read;
// 2. else the folder named by the "MSINFO" value followed by "\MSINFO32.EXE", if the value can be read
//    and that file exists;
// 3. else, or when the program cannot be started (an empty path, or the launcher's failure), the
//    message "System Information Is Unavailable At This Time" in a plain OK box, and nothing more.
// The program starts in a normal window with the focus; the call does not wait for it.
void StartSysInfo();

// Reads the value `valueName` of the key `keyRoot`\`keyName` the way the registry's value query hands it
// out: into a 1024-byte buffer, cut to the length returned, less one character when that last character
// is NUL.
// - Key or value missing, or a value longer than the buffer: `keyVal` becomes "" and the answer is false.
// - A string value (type 1): `keyVal` is the cut buffer, unchanged (inner NULs included).
// - A 32-bit number (type 4): the characters of the cut buffer, last to first, each written as its code
//   in hexadecimal without leading zeros, make the digits of "&h<digits>", which `keyVal` receives as a
//   decimal number (up to four digits a 16-bit signed value, up to eight a 32-bit one; 256 thus reads
//   "16", since its NUL high byte is cut and its inner zero bytes give one digit each). Digits that make
//   no number (none at all, or more than eight) are left as the text "&h<digits>".
// - Any other type leaves `keyVal` as it was.
// The answer is true in all three cases.
bool GetKeyValue(RegistryRoot keyRoot, const std::string& keyName, const std::string& valueName,
                 std::string& keyVal);

} // namespace ov
