#include "wizard/CaptionsImport.h"

#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/FileAccess.h"
#include "platform/Utf8.h"
#include "wizard/CaptionsFile.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace ov {

namespace {

constexpr ovEn_Button_Position kCaptionPositions[] = {
    ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
    ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight};
constexpr size_t kFirstButton = 5; // fields 5..8 are the button captions

std::string quoted(std::string_view text) {
    // Appended piece by piece: GCC 12 misreads `"\"" + std::string(...)` as an overlapping copy.
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

// The characters of bytes 0x80-0x9F, 0 where Windows-1252 defines none. Derived from the export's own
// table (every character of the range it maps is below U+2200), so the two directions cannot disagree.
const std::array<char32_t, 32>& upperHalf() {
    static const std::array<char32_t, 32> table = [] {
        std::array<char32_t, 32> t{};
        std::string probe;
        for (char32_t cp = 0x100; cp < 0x2200; ++cp) {
            probe.clear();
            appendUtf8(probe, cp);
            const std::string byte = CaptionsFile::toWindows1252(probe);
            const auto b = static_cast<unsigned char>(byte[0]);
            if (byte.size() == 1 && b >= 0x80 && b <= 0x9F) t[b - 0x80] = cp;
        }
        return t;
    }();
    return table;
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, b >= 0x80 && b <= 0x9F ? upperHalf()[b - 0x80] : char32_t{b});
    }
    return out;
}

// True when `bytes` is well-formed UTF-8 holding at least one character beyond ASCII.
bool readsAsUtf8(std::string_view bytes) {
    bool wide = false;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = lead < 0x80                    ? 1
                              : lead >= 0xC2 && lead <= 0xDF ? 2
                              : (lead >> 4) == 0xE           ? 3
                              : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                             : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        }
        wide = wide || length > 1;
        i += length;
    }
    return wide;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

const char* exportedModeName(En_Page_Mode mode) {
    return mode == En_Page_Mode::WelcomePage    ? "WelcomePage"
           : mode == En_Page_Mode::InteriorPage ? "InteriorPage"
                                                : "CompletePage";
}

std::string pageText(const OvWizardTab& page, size_t field) {
    switch (field) {
    case 0:
        return page.BannerTitle();
    case 1:
        return page.BannerDescription();
    case 2:
        return page.WatermarkTitle();
    case 3:
        return page.WatermarkDescription();
    case 4:
        return page.WatermarkRule();
    default:
        return page.buttonCaption(kCaptionPositions[field - kFirstButton]);
    }
}

void setPageText(OvWizardTab& page, size_t field, const std::string& text) {
    switch (field) {
    case 0:
        return page.setBannerTitle(text);
    case 1:
        return page.setBannerDescription(text);
    case 2:
        return page.setWatermarkTitle(text);
    case 3:
        return page.setWatermarkDescription(text);
    case 4:
        return page.setWatermarkRule(text);
    default:
        return page.setButtonCaption(kCaptionPositions[field - kFirstButton], text);
    }
}

} // namespace

const std::array<const char*, CaptionsImport::kFields>& CaptionsImport::labels() {
    static const std::array<const char*, kFields> names = {"BannerTitle: ",
                                                           "BannerDescription: ",
                                                           "WatermarkTitle: ",
                                                           "WatermarkDescription: ",
                                                           "WatermarkRule: ",
                                                           "LeftButton Caption: ",
                                                           "LeftMiddleButton Caption: ",
                                                           "RightMiddleButton Caption: ",
                                                           "RightButton Caption: "};
    return names;
}

void CaptionsImport::refuse(size_t line, const std::string& problem) const {
    throw Failure(err::InvalidFileFormat, failureText(err::InvalidFileFormat) + ": " + m_file + ": line " +
                                              std::to_string(line) + ": " + problem);
}

CaptionsImport CaptionsImport::parse(std::string_view bytes, const std::string& file) {
    CaptionsImport in;
    in.m_file = file;

    // Lines end with CR LF; a lone LF or CR stays inside its line, as the export leaves it in a text.
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string_view::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) {
        if (lines.empty() && bytes.find('\n') != std::string_view::npos)
            in.refuse(1, "the line ends with LF alone; the lines of a captions file end with CR LF");
        in.refuse(lines.size() + 1, "the file ends inside the line (no CR LF after it)");
    }

    // The encoding first, so that a UTF-8 file is named as such rather than by whatever line it breaks.
    const bool utf8 = readsAsUtf8(bytes);
    for (size_t n = 0; n < lines.size(); ++n) {
        for (const char c : lines[n]) {
            const auto b = static_cast<unsigned char>(c);
            if (b == 0) in.refuse(n + 1, "a NUL byte: this is not Windows-1252 text (UTF-16?)");
            if (b >= 0x80 && utf8)
                in.refuse(n + 1, "the text is UTF-8; a captions file is Windows-1252 text, which cannot hold "
                                 "characters beyond that code page: save it as Windows-1252");
            if (b >= 0x80 && b <= 0x9F && upperHalf()[b - 0x80] == 0) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", b);
                in.refuse(n + 1, std::string("byte ") + hex + " is no character of Windows-1252");
            }
        }
    }

    const std::string equals(80, '=');
    constexpr std::string_view titleEnd = " captions:";
    if (lines.empty()) in.refuse(1, "the file is empty");
    if (lines[0].size() <= titleEnd.size() || !lines[0].ends_with(titleEnd))
        in.refuse(1, quoted(lines[0]) + " where \"<name> captions:\" belongs");
    in.m_name = std::string(lines[0].substr(0, lines[0].size() - titleEnd.size()));
    size_t at = 1; // the next line to read, 0-based
    // The navigator's file goes straight from its title to the line of "=" and lists only the buttons.
    in.m_navigator = lines.size() > 1 && lines[1] == equals;
    if (in.m_navigator) {
        in.parseFields(lines, 2, kFirstButton);
        return in;
    }
    in.expect(lines, at, "an empty line", "");
    constexpr std::string_view modeStart = "Page Mode: ";
    if (at >= lines.size() || !lines[at].starts_with(modeStart))
        in.expect(lines, at, "the page mode", "Page Mode: <mode>");
    in.m_modeName = std::string(lines[at].substr(modeStart.size()));
    if (in.m_modeName != "WelcomePage" && in.m_modeName != "InteriorPage" && in.m_modeName != "CompletePage")
        in.refuse(at + 1,
                  quoted(in.m_modeName) + " is no page mode (WelcomePage, InteriorPage, CompletePage)");
    ++at;
    in.expect(lines, at, "a line of 80 \"=\"", equals);
    in.parseFields(lines, at, 0);
    return in;
}

void CaptionsImport::expect(const std::vector<std::string_view>& lines, size_t& at, std::string_view what,
                            std::string_view wanted) const {
    if (at >= lines.size()) refuse(at + 1, "the file ends where " + std::string(what) + " belongs");
    if (lines[at] != wanted)
        refuse(at + 1, quoted(lines[at]) + " where " + std::string(what) + " " + quoted(wanted) + " belongs");
    ++at;
}

void CaptionsImport::parseFields(const std::vector<std::string_view>& lines, size_t at, size_t firstField) {
    const std::string equals(80, '='), dashes(80, '-');
    for (size_t field = firstField; field < kFields; ++field) {
        expect(lines, at, "the empty line before " + quoted(labels()[field]), "");
        expect(lines, at, "the label", labels()[field]);
        const std::string& close = field + 1 == kFields ? equals : dashes;
        const size_t first = at;
        while (at < lines.size() && lines[at] != close)
            ++at;
        if (at == first)
            refuse(at + 1, std::string(at == lines.size() ? "the file ends" : "the closing line comes") +
                               " where the text of " + quoted(labels()[field]) + " belongs");
        if (at == lines.size())
            refuse(at + 1, std::string("the file ends before a line of 80 \"") + close[0] +
                               "\" closes the text of " + quoted(labels()[field]) + " begun on line " +
                               std::to_string(first + 1));
        std::string& text = m_texts[field];
        for (size_t n = first; n < at; ++n) {
            if (n > first) text += "\r\n";
            text += lines[n];
        }
        ++at; // the closing line
    }
    if (at < lines.size()) refuse(at + 1, "text after the closing line of 80 \"=\"");
}

CaptionsImport CaptionsImport::read(const std::string& path) {
    return parse(FileAccess::readRegularFile(path, kMaxFileBytes), path);
}

std::string CaptionsImport::text(size_t i) const {
    return fromWindows1252(m_texts.at(i));
}

void CaptionsImport::checkName(const std::string& name, bool navigator) const {
    if (m_navigator != navigator)
        refuse(2, std::string("the file is a ") + (m_navigator ? "navigator's" : "page's") +
                      " captions file, not a " + (navigator ? "navigator's" : "page's"));
    if (!sameName(m_name, name)) refuse(1, "the file is for " + quoted(m_name) + ", not for " + quoted(name));
}

void CaptionsImport::checkFor(const OvWizardTab& page) const {
    const std::string name = page.DisplayName();
    checkName(name, false);
    const char* mode = exportedModeName(page.PageMode());
    if (m_modeName != mode)
        refuse(3, "the file's page mode is " + m_modeName + ", " + name + "'s is " + mode);
}

void CaptionsImport::checkFor(const OvWizardNavigator& navigator) const {
    checkName(navigator.extender().Name(), true);
}

template <class Get, class Set>
size_t CaptionsImport::applyFields(size_t firstField, Get get, Set set) const {
    // Decided for every field before the first write, so a write's side effects (a re-flow) cannot
    // change what a later comparison sees.
    std::array<bool, kFields> changed{};
    for (size_t field = firstField; field < kFields; ++field)
        changed[field] = CaptionsFile::toWindows1252(get(field)) != m_texts[field];
    size_t written = 0;
    for (size_t field = firstField; field < kFields; ++field) {
        if (!changed[field]) continue;
        set(field, text(field));
        ++written;
    }
    return written;
}

size_t CaptionsImport::applyTo(OvWizardTab& page) const {
    checkFor(page);
    return applyFields(
        0, [&](size_t field) { return pageText(page, field); },
        [&](size_t field, const std::string& value) { setPageText(page, field, value); });
}

size_t CaptionsImport::applyTo(OvWizardNavigator& navigator) const {
    checkFor(navigator);
    return applyFields(
        kFirstButton,
        [&](size_t field) { return navigator.buttonCaption(kCaptionPositions[field - kFirstButton]); },
        [&](size_t field, const std::string& value) {
            navigator.setButtonCaption(kCaptionPositions[field - kFirstButton], value);
        });
}

size_t CaptionsImport::importFile(OvWizardTab& page, const std::string& path) {
    return read(path).applyTo(page);
}

size_t CaptionsImport::importFile(OvWizardNavigator& navigator, const std::string& path) {
    return read(path).applyTo(navigator);
}

} // namespace ov
