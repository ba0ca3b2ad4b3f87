#include "platform/JsonTape.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ov {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Four hex digits at p (which the caller has checked are there).
bool hex4(const char* p, uint32_t& code) {
    code = 0;
    for (int i = 0; i < 4; ++i) {
        const int d = hexDigit(p[i]);
        if (d < 0) return false;
        code = code * 16 + static_cast<uint32_t>(d);
    }
    return true;
}

// Eight bytes at a time: form files are indented text, mostly runs of spaces and of plain letters.
uint64_t load8(const char* p) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHigh = 0x8080808080808080;
constexpr uint64_t kSpaces = kOnes * ' ';

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// The high bit set in each of the eight bytes that may end a run of plain text: a quote, a backslash, a
// control character or a byte of a UTF-8 sequence. Bytes above one that does may be marked without
// being one (a borrow), so only the lowest mark is sure.
uint64_t textEnds(uint64_t w) {
    const auto hasZero = [](uint64_t x) { return (x - kOnes) & ~x; };
    return (hasZero(w ^ (kOnes * '"')) | hasZero(w ^ (kOnes * '\\')) | ((w - kOnes * 0x20) & ~w) | w) & kHigh;
}

bool plainTextByte(unsigned char c) {
    return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
}

// The first byte from p on that is not plain text (or end).
const char* plainTextEnd(const char* p, const char* end) {
    if constexpr (kLittleEndian) {
        for (; end - p >= 8; p += 8) {
            if (const uint64_t marks = textEnds(load8(p))) return p + std::countr_zero(marks) / 8;
        }
    }
    while (p < end && plainTextByte(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

// Powers of ten a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

// Reads the text in one pass with a stack of the open objects and lists instead of recursion, so
// nesting is limited by the value count alone, as in nlohmann's parser.
class JsonTapeBuilder {
public:
    using Token = JsonTape::Token;
    using Kind = JsonTape::Kind;

    JsonTapeBuilder(std::vector<Token>& tokens, std::string_view text, size_t maxValues)
        : m_tokens(tokens), m_p(text.data()), m_end(text.data() + text.size()), m_valuesLeft(maxValues) {}

    bool run() {
        m_tokens.clear();
        // An indented form file holds a token in every 12 to 16 bytes; a guess that saves the list's
        // regrowth, kept within what the value limit allows (a value and its key are two tokens).
        m_tokens.reserve(std::min(static_cast<size_t>(m_end - m_p) / 12 + 1, 2 * m_valuesLeft + 1));
        if (m_end - m_p >= 3 && std::string_view(m_p, 3) == "\xEF\xBB\xBF") m_p += 3;
        for (;;) {
            if (!value()) return false;
            // After a value: close what ends here, then go on to the next member or item.
            for (;;) {
                skipSpace();
                if (m_open.empty()) return m_p == m_end;
                if (m_p == m_end) return false;
                Token& open = m_tokens[m_open.back()];
                const char c = *m_p++;
                if (c == ',') {
                    ++open.count;
                    if (open.kind == Kind::Object && !key()) return false;
                    break;
                }
                if (c != (open.kind == Kind::Object ? '}' : ']')) return false;
                close();
            }
        }
    }

private:
    void skipSpace() {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == ' ') {
                // An indentation: the spaces of eight bytes at once.
                if (kLittleEndian && m_end - m_p >= 8) {
                    const uint64_t other = load8(m_p) ^ kSpaces;
                    m_p += other ? std::countr_zero(other) / 8 : 8;
                } else {
                    ++m_p;
                }
            } else if (c == '\n' || c == '\r' || c == '\t') {
                ++m_p;
            } else {
                return;
            }
        }
    }

    Token& push(Kind kind) {
        Token& t = m_tokens.emplace_back();
        t.count = 0;
        t.size = 0;
        t.sizeHigh = 0;
        t.kind = kind;
        t.escaped = false;
        return t;
    }

    void close() {
        m_tokens[m_open.back()].size = static_cast<uint32_t>(m_tokens.size());
        m_open.pop_back();
    }

    bool literal(std::string_view word, Kind kind) {
        if (static_cast<size_t>(m_end - m_p) < word.size() || std::string_view(m_p, word.size()) != word)
            return false;
        m_p += word.size();
        push(kind);
        return true;
    }

    // One value, or the opening of an object or list with its first member key (then the caller's next
    // value is that member's); an empty object or list is closed at once.
    bool value() {
        for (;;) {
            if (m_valuesLeft == 0) return false;
            --m_valuesLeft;
            skipSpace();
            if (m_p == m_end) return false;
            switch (*m_p) {
            case '{':
            case '[': {
                const bool isObject = *m_p++ == '{';
                m_open.push_back(static_cast<uint32_t>(m_tokens.size()));
                push(isObject ? Kind::Object : Kind::Array);
                skipSpace();
                if (m_p < m_end && *m_p == (isObject ? '}' : ']')) {
                    ++m_p;
                    close();
                    return true;
                }
                m_tokens[m_open.back()].count = 1;
                if (isObject && !key()) return false;
                continue; // the first member's value or the first item
            }
            case '"':
                return string();
            case 't':
                return literal("true", Kind::True);
            case 'f':
                return literal("false", Kind::False);
            case 'n':
                return literal("null", Kind::Null);
            default:
                return number();
            }
        }
    }

    // A member key and its colon.
    bool key() {
        skipSpace();
        if (m_p == m_end || *m_p != '"' || !string()) return false;
        skipSpace();
        return m_p < m_end && *m_p++ == ':';
    }

    // One UTF-8 sequence of two to four bytes at m_p, the ranges RFC 3629 allows.
    bool utf8Sequence() {
        const auto b = [&](ptrdiff_t i) { return static_cast<unsigned char>(m_p[i]); };
        const unsigned char lead = b(0);
        int length;
        unsigned char lo = 0x80, hi = 0xBF; // the second byte's range
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) lo = 0xA0;
            if (lead == 0xED) hi = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) lo = 0x90;
            if (lead == 0xF4) hi = 0x8F;
        } else {
            return false;
        }
        if (m_end - m_p < length || b(1) < lo || b(1) > hi) return false;
        for (int i = 2; i < length; ++i) {
            if (b(i) < 0x80 || b(i) > 0xBF) return false;
        }
        m_p += length;
        return true;
    }

    // An escape after its backslash: checked here, decoded when the text is read.
    bool escape() {
        if (m_p == m_end) return false;
        switch (*m_p++) {
        case '"':
        case '\\':
        case '/':
        case 'b':
        case 'f':
        case 'n':
        case 'r':
        case 't':
            return true;
        case 'u': {
            uint32_t code;
            if (m_end - m_p < 4 || !hex4(m_p, code)) return false;
            m_p += 4;
            if (code >= 0xDC00 && code <= 0xDFFF) return false;
            if (code < 0xD800 || code > 0xDBFF) return true;
            uint32_t low;
            if (m_end - m_p < 6 || m_p[0] != '\\' || m_p[1] != 'u' || !hex4(m_p + 2, low)) return false;
            m_p += 6;
            return low >= 0xDC00 && low <= 0xDFFF;
        }
        default:
            return false;
        }
    }

    bool string() {
        const char* start = ++m_p;
        bool escaped = false;
        for (;;) {
            m_p = plainTextEnd(m_p, m_end);
            if (m_p == m_end) return false;
            const auto c = static_cast<unsigned char>(*m_p);
            if (c >= 0x80) {
                if (!utf8Sequence()) return false;
                continue;
            }
            if (c < 0x20) return false;
            if (*m_p++ == '"') break;
            escaped = true;
            if (!escape()) return false;
        }
        const auto length = static_cast<uint64_t>(m_p - 1 - start);
        if (length >> 48) return false;
        Token& t = push(Kind::String);
        t.text = start;
        t.size = static_cast<uint32_t>(length);
        t.sizeHigh = static_cast<uint16_t>(length >> 32);
        t.escaped = escaped;
        return true;
    }

    static bool digit(const char* p, const char* end) { return p < end && *p >= '0' && *p <= '9'; }

    // A number as nlohmann's parser reads it, as a double: a whole number that fits 64 bits (signed
    // with a minus, unsigned without) is converted from that integer (so -0 is 0), anything else is
    // read as a double, where a value too large for one is refused and one too small is 0 or subnormal.
    bool number() {
        const char* start = m_p;
        const char* p = m_p;
        const bool negative = p < m_end && *p == '-';
        if (negative) ++p;
        if (!digit(p, m_end)) return false;
        uint64_t whole = 0; // the digits, while there are at most 19
        int digits = 0, fraction = 0;
        if (*p == '0') {
            ++p;
            digits = 1;
        } else {
            for (; digit(p, m_end); ++p, ++digits)
                whole = whole * 10 + static_cast<uint64_t>(*p - '0');
        }
        bool isWhole = true;
        if (p < m_end && *p == '.') {
            isWhole = false;
            ++p;
            if (!digit(p, m_end)) return false;
            for (; digit(p, m_end); ++p, ++fraction) {
                if (digits + fraction < 19) whole = whole * 10 + static_cast<uint64_t>(*p - '0');
            }
        }
        bool exponent = false;
        if (p < m_end && (*p == 'e' || *p == 'E')) {
            exponent = true;
            isWhole = false;
            ++p;
            if (p < m_end && (*p == '+' || *p == '-')) ++p;
            if (!digit(p, m_end)) return false;
            while (digit(p, m_end))
                ++p;
        }
        m_p = p;
        double d;
        if (isWhole && digits <= 18) {
            d = negative ? -static_cast<double>(static_cast<int64_t>(whole)) : static_cast<double>(whole);
            if (negative && whole == 0) d = 0;
        } else if (!exponent && digits + fraction <= 15) {
            // Both exact, so their quotient is the correctly rounded value, as reading it in full gives.
            d = static_cast<double>(whole) / kExactPowers[fraction];
            if (negative) d = -d;
        } else if (!read(start, p, isWhole, d)) {
            return false;
        }
        push(Kind::Number).number = d;
        return true;
    }

    static bool read(const char* start, const char* end, bool isWhole, double& d) {
        if (isWhole) {
            if (*start == '-') {
                int64_t v;
                if (std::from_chars(start, end, v).ec == std::errc{}) {
                    d = static_cast<double>(v);
                    return true;
                }
            } else {
                uint64_t v;
                if (std::from_chars(start, end, v).ec == std::errc{}) {
                    d = static_cast<double>(v);
                    return true;
                }
            }
        }
        const auto r = std::from_chars(start, end, d);
        if (r.ec == std::errc{} && r.ptr == end) return true;
        if (r.ec != std::errc::result_out_of_range) return false;
        // Out of range: too large is refused, too small is what strtod makes of it.
        const std::string copy(start, end);
        d = std::strtod(copy.c_str(), nullptr);
        return std::isfinite(d);
    }

    std::vector<Token>& m_tokens;
    const char* m_p;
    const char* m_end;
    size_t m_valuesLeft;
    std::vector<uint32_t> m_open; // the open objects and lists, outermost first
};

bool JsonTape::parse(std::string_view text, size_t maxValues) {
    // Token indices are 32 bits; the value limit keeps far below that (a value is at most two tokens).
    if (maxValues > (size_t{1} << 30)) maxValues = size_t{1} << 30;
    // nlohmann's parser ends the text at a NUL byte where it looks for a token; anywhere else a NUL byte
    // is an error, as is the text cut there, so the text is read up to its first NUL byte.
    text = text.substr(0, std::min(text.size(), text.find('\0')));
    return JsonTapeBuilder(m_tokens, text, maxValues).run();
}

std::string JsonTape::string(Node n) const {
    const std::string_view s = raw(n);
    if (!escaped(n)) return std::string(s);
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        switch (s[++i]) {
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            // Checked when the text was read: four hex digits, a high surrogate followed by a low one.
            uint32_t code;
            hex4(s.data() + i + 1, code);
            i += 4;
            if (code >= 0xD800 && code <= 0xDBFF) {
                uint32_t low;
                hex4(s.data() + i + 3, low);
                i += 6;
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            }
            appendUtf8(out, code);
            break;
        }
        default: // '"', '\\', '/'
            out += s[i];
        }
    }
    return out;
}

} // namespace ov
