#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

class OvWizardNavigator;
class OvWizardTab;

// The way back for the captions files of a wizard: a translator edits the texts of the files that
// the pages and the navigator exported (SaveCaptionsToFile) and the edited files come back into them.
//
// A page's file must have exactly the exported shape, each line ended by CR LF:
//   "<page name> captions:", an empty line, "Page Mode: " with "WelcomePage", "InteriorPage" or
//   "CompletePage", 80 "=", then nine sections — an empty line, the field label ("BannerTitle: ",
//   "BannerDescription: ", "WatermarkTitle: ", "WatermarkDescription: ", "WatermarkRule: ",
//   "LeftButton Caption: ", "LeftMiddleButton Caption: ", "RightMiddleButton Caption: ",
//   "RightButton Caption: ", each with its trailing blank), the text, and 80 "-" (80 "=" after the
//   last) — and nothing after that. A text may span several lines (a text with line breaks is
//   exported that way): it runs from the line after its label to the closing line of 80 "-" ("=").
//   So a single-line text gives the 40 lines of the export. A text line that is itself 80 "-" ends
//   its text there.
// The navigator's file is "<navigator name> captions:", 80 "=", then the four button sections alike.
//
// Encoding: Windows-1252, as the export writes it. A byte that code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D), a NUL byte (UTF-16 text), and a file that reads as UTF-8 with characters
// beyond ASCII (an editor saved it as UTF-8, perhaps with characters Windows-1252 cannot hold) are
// refused, never guessed at. A Windows-1252 file whose every non-ASCII byte happens to form a UTF-8
// sequence ("Â©") is taken as UTF-8 too and refused; such text does not occur in practice.
//
// Every refusal is failure 321 "Invalid file format: <file>: line <n>: <problem>", found before the
// control is touched: a refused file changes nothing.
class CaptionsImport {
public:
    static constexpr size_t kFields = 9;
    // The field labels in file order, each with its trailing blank.
    static const std::array<const char*, kFields>& labels();

    // Reads and checks the text of a captions file; `file` names it in refusals. The texts are kept as
    // the file's bytes (Windows-1252) and converted to UTF-8 when they are written to the control.
    static CaptionsImport parse(std::string_view bytes, const std::string& file);
    // parse() of the regular file at `path` (at most kMaxFileBytes; FileAccess's failures 53 and 75).
    static CaptionsImport read(const std::string& path);
    static constexpr size_t kMaxFileBytes = size_t{1} << 20;

    // Refuses (321, naming line 1, 2 or 3) a file made for another control: a navigator's file for a
    // page or the reverse, a name on the first line that is not the control's name in its container
    // (letter case ignored, as names are), or a page mode that is not the page's mode as the export
    // names it. Then writes each text that differs from what the control would export through its
    // property (a page's BannerTitle ... WatermarkRule and own button captions LBCaption ... RBCaption;
    // the navigator's LeftButtonCaption ... RightButtonCaption), so each write reports its change to
    // the container. A text the file holds exactly as the control exports it is left alone: an
    // untouched file changes nothing and reports nothing, and a text the export could only write with
    // "?" for characters Windows-1252 lacks keeps those characters. Answers how many texts were written.
    size_t applyTo(OvWizardTab& page) const;
    size_t applyTo(OvWizardNavigator& navigator) const;
    // The refusals of applyTo alone, without writing: a host importing several files checks them all
    // before it writes any.
    void checkFor(const OvWizardTab& page) const;
    void checkFor(const OvWizardNavigator& navigator) const;

    // read(path) then applyTo.
    static size_t importFile(OvWizardTab& page, const std::string& path);
    static size_t importFile(OvWizardNavigator& navigator, const std::string& path);

    // True for a navigator's file.
    bool isNavigatorFile() const { return m_navigator; }
    // The control the file names on its first line.
    const std::string& name() const { return m_name; }
    const std::string& modeName() const { return m_modeName; }
    // The text of field `i` (labels() order) in UTF-8; a navigator's file has fields 5 to 8.
    std::string text(size_t i) const;

private:
    [[noreturn]] void refuse(size_t line, const std::string& problem) const;
    // Refuses unless line `at` (0-based) is `wanted`, then steps past it.
    void expect(const std::vector<std::string_view>& lines, size_t& at, std::string_view what,
                std::string_view wanted) const;
    void parseFields(const std::vector<std::string_view>& lines, size_t at, size_t firstField);
    void checkName(const std::string& name, bool navigator) const;
    template <class Get, class Set>
    size_t applyFields(size_t firstField, Get get, Set set) const;

    std::string m_file;
    std::string m_name;
    std::string m_modeName; // empty in a navigator's file
    bool m_navigator = false;
    std::array<std::string, kFields> m_texts; // Windows-1252 bytes, lines joined by CR LF
};

} // namespace ov
