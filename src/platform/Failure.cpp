#include "platform/Failure.h"

#include <array>
#include <utility>

namespace ov {

namespace {

struct Entry {
    int32_t number;
    const char* text;
};

constexpr std::array kFailures{
    Entry{err::InvalidProcedureCall, "Invalid procedure call or argument"},
    Entry{err::Overflow, "Overflow"},
    Entry{err::OutOfMemory, "Out of memory"},
    Entry{err::SubscriptOutOfRange, "Subscript out of range"},
    Entry{11, "Division by zero"},
    Entry{err::TypeMismatch, "Type mismatch"},
    Entry{52, "Bad file name or number"},
    Entry{err::FileNotFound, "File not found"},
    Entry{err::DeviceIoError, "Device I/O error"},
    Entry{err::PathFileAccess, "Path/File access error"},
    Entry{err::PathNotFound, "Path not found"},
    Entry{err::ObjectNotSet, "Object variable or With block variable not set"},
    Entry{err::InvalidUseOfNull, "Invalid use of Null"},
    Entry{err::InvalidFileFormat, "Invalid file format"},
    Entry{429, "ActiveX component can't create object"},
    Entry{481, "Invalid picture"},
    Entry{err::InvalidPropertyValue, "Invalid property value"},
    Entry{err::InvalidPropertyArrayIndex, "Invalid property array index"},
    Entry{err::NotAtRunTime, "Set not supported at runtime"},
    Entry{err::ReadOnlyProperty, "Set not supported (read-only property)"},
    Entry{err::ClientSiteNotAvailable, "Client Site not available"},
    Entry{err::NoSuchMember, "Object doesn't support this property or method"},
    Entry{err::WrongArguments, "Wrong number of arguments or invalid property assignment"},
    Entry{err::DuplicateKey, "This key is already associated with an element of this collection"},
    Entry{err::ControlNotFound, "Control not found"},
    Entry{err::IndexOutOfBounds, "Index out of bounds"},
    Entry{err::ElementNotFound, "Element not found"},
    Entry{err::KeyNotUnique, "Key is not unique in collection"},
    Entry{err::NavigationRefused, "The page change was refused"},
    Entry{err::WrongThread, "The application called an interface that was marshalled for a different thread"},
    Entry{err::Disconnected, "The object invoked has disconnected from its clients"},
};

} // namespace

std::string failureText(int32_t number) {
    for (const auto& e : kFailures) {
        if (e.number == number) return e.text;
    }
    return "Application-defined or object-defined error";
}

std::string shown(std::string_view text) {
    if (text.size() <= kMaxShownBytes) return std::string(text);
    size_t cut = kMaxShownBytes;
    // Never split a UTF-8 sequence: step back over continuation bytes to the start of the character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}

Failure::Failure(int32_t number) : Failure(number, failureText(number)) {}

Failure::Failure(int32_t number, std::string description, std::string source)
    : std::runtime_error(description), m_number(number), m_description(std::move(description)),
      m_source(std::move(source)) {}

} // namespace ov
