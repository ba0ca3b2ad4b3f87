#include "options/OptionListText.h"

#include <vector>

namespace ov {

namespace {

constexpr std::string_view kRecordEnd = "\r\n";

bool representable(std::string_view s) {
    return s.find_first_of("\t\r\n") == std::string_view::npos;
}

std::vector<std::string_view> split(std::string_view text, std::string_view at) {
    std::vector<std::string_view> out;
    size_t from = 0;
    for (size_t p; (p = text.find(at, from)) != std::string_view::npos; from = p + at.size())
        out.push_back(text.substr(from, p - from));
    out.push_back(text.substr(from));
    return out;
}

[[noreturn]] void failRecord(size_t record, int32_t number, const std::string& problem) {
    throw Failure(number, failureText(number) + " (option-list record " + std::to_string(record) + ": " +
                              problem + ")");
}

} // namespace

std::string EncodeOptions(const OptionCollection* options) {
    std::string out;
    if (!options) return out;
    size_t position = 0;
    for (const COptionRef& o : *options) {
        ++position;
        if (!representable(o->strParentKey) || !representable(o->strKey) || !representable(o->strName) ||
            (!o->isPage() && !representable(o->strSelectedProperty))) {
            throw Failure(err::InvalidPropertyValue,
                          failureText(err::InvalidPropertyValue) + " (option " + std::to_string(position) +
                              ", key " + shown(o->strKey) +
                              ": an option-list text cannot hold TAB, CR or LF in a key or name)");
        }
        out += o->strParentKey;
        out += '\t';
        out += o->strKey;
        out += '\t';
        out += std::to_string(static_cast<int32_t>(o->eOptionType));
        out += '\t';
        out += o->strName;
        out += '\t';
        out += std::to_string(o->iTabIndex);
        if (o->eOptionType == en_OptionType::Container) {
            out += '\t';
            out += o->strSelectedProperty;
        }
        out += kRecordEnd;
    }
    return out;
}

OptionCollectionRef DecodeOptions(std::string_view text) {
    auto options = std::make_shared<OptionCollection>();
    if (text.empty()) return options;
    const std::vector<std::string_view> records = split(text, kRecordEnd);
    // The count of pieces is a 16-bit number in the stored format's reader.
    if (records.size() > 32767)
        throw Failure(err::Overflow, failureText(err::Overflow) + " (an option-list text of " +
                                         std::to_string(records.size() - 1) + " records)");
    for (size_t r = 0; r + 1 < records.size(); ++r) {
        const std::vector<std::string_view> f = split(records[r], "\t");
        if (f.size() < 5)
            failRecord(r + 1, err::SubscriptOutOfRange, std::to_string(f.size()) + " fields, 5 needed");
        auto o = std::make_shared<COption>();
        o->strParentKey = f[0];
        o->strKey = f[1];
        try {
            o->eOptionType = static_cast<en_OptionType>(Variant(f[2]).toInt32());
            o->iTabIndex = Variant(f[4]).toInt16();
        } catch (const Failure& e) {
            failRecord(r + 1, e.number(), "type " + shown(f[2]) + ", page index " + shown(f[4]));
        }
        o->strName = f[3];
        if (o->eOptionType == en_OptionType::Container) {
            if (f.size() < 6)
                failRecord(r + 1, err::SubscriptOutOfRange, "a container record has 5 fields, 6 needed");
            o->strSelectedProperty = f[5];
        }
        const std::string key = o->strKey;
        try {
            options->add(std::move(o), key);
        } catch (const Failure& e) {
            failRecord(r + 1, e.number(), "key " + shown(key) + " is used twice");
        }
    }
    return options;
}

} // namespace ov
