#include "wizard/CaptionsFile.h"

#include "platform/FileAccess.h"
#include "platform/Runtime.h"

#include <utility>

namespace ov {

CaptionsFile::CaptionsFile(std::string name) : m_name(std::move(name)) {}

void CaptionsFile::line(std::string_view text) {
    m_text += text;
    m_text += "\r\n";
}

void CaptionsFile::write() const {
    // The name is the control's name in its container, an identifier, so it cannot leave the folder;
    // writeInFolder refuses it all the same if it ever held a "/".
    FileAccess::writeInFolder(Runtime::current().application().path, m_name + ".txt", toWindows1252(m_text));
}

std::string CaptionsFile::toWindows1252(std::string_view utf8) {
    // Windows-1252 differs from Latin-1 only in 0x80-0x9F, where it has these signs (five bytes unused).
    static const std::pair<char32_t, unsigned char> upper[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
        {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
        {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
        {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
        {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F}};
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        char32_t cp = length == 1   ? lead
                      : length == 2 ? lead & 0x1F
                      : length == 3 ? lead & 0x0F
                                    : lead & 0x07;
        bool valid = length != 0 && i + length <= utf8.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        i += length;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (const auto& [code, byte] : upper) {
            if (code == cp) mapped = static_cast<char>(byte);
        }
        out += mapped;
    }
    return out;
}

} // namespace ov
