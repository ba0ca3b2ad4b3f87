#pragma once

#include <string>
#include <string_view>

namespace ov {

// The captions text file of a wizard control (the navigator's and each page's): lines of text, each
// ended by CR LF, written to "<application folder>/<name>.txt".
//
// Encoding: the file is single-byte text in the Western code page, Windows-1252, whatever the
// platform. Texts arrive as UTF-8; Latin-1 letters and the typographic signs of 0x80-0x9F ("€" is 0x80)
// keep their single byte, while a character the code page cannot hold ("中", "ő") and every byte of a
// broken UTF-8 sequence are written as "?".
// A text that holds line breaks is written unchanged and spans several lines.
//
// Writing goes through FileAccess::writeInFolder: never through a symbolic link, never over what is not
// a regular file, never anywhere but the application folder. An application folder that is empty or
// missing fails with 76 ("Path not found"); a link, folder, FIFO or device named like the file, a file
// with other hard links, or no permission, fails with 75 ("Path/File access error: <file>: <why>"). The
// caller decides what a failure means: the navigator reports it, a page swallows it.
class CaptionsFile {
public:
    // A file for the control called `name` (its name in its container).
    explicit CaptionsFile(std::string name);

    // Appends one line (without its line end).
    void line(std::string_view text);
    // Writes the lines so far to the file, replacing its content.
    void write() const;

    const std::string& text() const { return m_text; }

    // `utf8` in Windows-1252, with "?" for what that code page cannot hold.
    static std::string toWindows1252(std::string_view utf8);

private:
    std::string m_name;
    std::string m_text;
};

} // namespace ov
