#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ov {

// Failure numbers the library raises and recognises. Texts live in one table (failureText).
namespace err {
inline constexpr int32_t InvalidProcedureCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t DeviceIoError = 57;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidUseOfNull = 94;
inline constexpr int32_t InvalidFileFormat = 321;
inline constexpr int32_t InvalidPropertyValue = 380;
inline constexpr int32_t InvalidPropertyArrayIndex = 381;
inline constexpr int32_t NotAtRunTime = 382;
inline constexpr int32_t ReadOnlyProperty = 383;
inline constexpr int32_t ClientSiteNotAvailable = 398;
inline constexpr int32_t NoSuchMember = 438;
inline constexpr int32_t WrongArguments = 450;
inline constexpr int32_t DuplicateKey = 457;
inline constexpr int32_t ControlNotFound = 730;
inline constexpr int32_t IndexOutOfBounds = 35600;
inline constexpr int32_t ElementNotFound = 35601;
inline constexpr int32_t KeyNotUnique = 35602;
inline constexpr int32_t NavigationRefused = 57097;
// A form, control or other object used from a thread other than the one that made it.
inline constexpr int32_t WrongThread = -2147417842;
// A form used after the runtime it was made under has ended.
inline constexpr int32_t Disconnected = -2147417848;
} // namespace err

// The text the host gives a failure number; "Application-defined or object-defined error" otherwise.
std::string failureText(int32_t number);

// `text` (a name or value from outside) as a failure description shows it: whole when it has at most
// kMaxShownBytes bytes, otherwise cut to that many (at a UTF-8 character boundary) followed by "...",
// so that a name of any length gives a message of bounded size.
inline constexpr size_t kMaxShownBytes = 64;
std::string shown(std::string_view text);

// The one exception type inside the library: number, description and source, as the host's
// error object carries them.
class Failure : public std::runtime_error {
public:
    explicit Failure(int32_t number);
    Failure(int32_t number, std::string description, std::string source = {});

    int32_t number() const { return m_number; }
    const std::string& description() const { return m_description; }
    const std::string& source() const { return m_source; }

private:
    int32_t m_number;
    std::string m_description;
    std::string m_source;
};

} // namespace ov
