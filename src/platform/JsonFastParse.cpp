#include "platform/JsonFastParse.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ov {

namespace {

using Json = nlohmann::ordered_json;

// Deep enough for any form file (a property bag nests objects at most 16 deep, three JSON levels
// each); deeper text goes to nlohmann's parser, which does not recurse.
constexpr int kMaxDepth = 128;

class FastParser {
public:
    FastParser(std::string_view text, size_t maxValues)
        : m_p(text.data()), m_end(text.data() + text.size()), m_valuesLeft(maxValues), m_scratch(kMaxDepth) {}

    bool document(Json& out) {
        if (!value(out, 0)) return false;
        skipSpace();
        return m_p == m_end;
    }

private:
    void skipSpace() {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
            ++m_p;
    }

    bool literal(std::string_view word) {
        if (static_cast<size_t>(m_end - m_p) < word.size() || std::string_view(m_p, word.size()) != word)
            return false;
        m_p += word.size();
        return true;
    }

    bool value(Json& out, int depth) {
        if (m_valuesLeft == 0) return false;
        --m_valuesLeft;
        skipSpace();
        if (m_p == m_end) return false;
        switch (*m_p) {
        case '{':
            return object(out, depth + 1);
        case '[':
            return array(out, depth + 1);
        case '"': {
            std::string s;
            if (!string(s)) return false;
            out = Json(std::move(s));
            return true;
        }
        case 't':
            out = Json(true);
            return literal("true");
        case 'f':
            out = Json(false);
            return literal("false");
        case 'n':
            out = Json(nullptr);
            return literal("null");
        default:
            return number(out);
        }
    }

    bool object(Json& out, int depth) {
        if (depth > kMaxDepth) return false;
        ++m_p;
        out = Json(Json::value_t::object);
        skipSpace();
        if (m_p < m_end && *m_p == '}') {
            ++m_p;
            return true;
        }
        // The members are gathered first: the tree's own list keeps its keys const, so growing it would
        // copy every key; this one, kept for the depth, moves them.
        auto& members = m_scratch[static_cast<size_t>(depth) - 1];
        members.clear();
        std::string key;
        for (;;) {
            skipSpace();
            if (m_p == m_end || *m_p != '"' || !string(key)) return false;
            skipSpace();
            if (m_p == m_end || *m_p++ != ':') return false;
            // As nlohmann's tree: a key given again keeps its first place and takes the last value.
            Json* slot = nullptr;
            for (auto& m : members) {
                if (m.first == key) {
                    slot = &m.second;
                    break;
                }
            }
            if (!slot) slot = &members.emplace_back(std::move(key), Json()).second;
            if (!value(*slot, depth)) return false;
            skipSpace();
            if (m_p == m_end) return false;
            const char c = *m_p++;
            if (c == '}') break;
            if (c != ',') return false;
        }
        auto& tree = out.get_ref<Json::object_t&>();
        tree.reserve(members.size());
        for (auto& m : members)
            tree.emplace_back(std::move(m.first), std::move(m.second));
        members.clear();
        return true;
    }

    bool array(Json& out, int depth) {
        if (depth > kMaxDepth) return false;
        ++m_p;
        out = Json(Json::value_t::array);
        auto& items = out.get_ref<Json::array_t&>();
        skipSpace();
        if (m_p < m_end && *m_p == ']') {
            ++m_p;
            return true;
        }
        for (;;) {
            if (!value(items.emplace_back(), depth)) return false;
            skipSpace();
            if (m_p == m_end) return false;
            const char c = *m_p++;
            if (c == ']') return true;
            if (c != ',') return false;
        }
    }

    static int hexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    bool hex4(uint32_t& code) {
        if (m_end - m_p < 4) return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const int d = hexDigit(*m_p++);
            if (d < 0) return false;
            code = code * 16 + static_cast<uint32_t>(d);
        }
        return true;
    }

    static void appendUtf8(std::string& s, uint32_t code) {
        if (code < 0x80) {
            s += static_cast<char>(code);
        } else if (code < 0x800) {
            s += static_cast<char>(0xC0 | (code >> 6));
            s += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            s += static_cast<char>(0xE0 | (code >> 12));
            s += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (code >> 18));
            s += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (code & 0x3F));
        }
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

    // A string at m_p (its opening quote) into `out`.
    bool string(std::string& out) {
        ++m_p;
        out.clear();
        for (;;) {
            const char* start = m_p;
            while (m_p < m_end) {
                const auto c = static_cast<unsigned char>(*m_p);
                if (c == '"' || c == '\\' || c < 0x20) break;
                if (c < 0x80) {
                    ++m_p;
                } else if (!utf8Sequence()) {
                    return false;
                }
            }
            out.append(start, m_p);
            if (m_p == m_end || static_cast<unsigned char>(*m_p) < 0x20) return false;
            if (*m_p++ == '"') return true;
            if (m_p == m_end) return false;
            switch (*m_p++) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
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
                uint32_t code;
                if (!hex4(code)) return false;
                if (code >= 0xDC00 && code <= 0xDFFF) return false;
                if (code >= 0xD800 && code <= 0xDBFF) {
                    uint32_t low;
                    if (m_end - m_p < 2 || m_p[0] != '\\' || m_p[1] != 'u') return false;
                    m_p += 2;
                    if (!hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, code);
                break;
            }
            default:
                return false;
            }
        }
    }

    static bool digit(const char* p, const char* end) { return p < end && *p >= '0' && *p <= '9'; }

    // A number as nlohmann keeps it: whole numbers as unsigned (or signed, with a minus) 64-bit
    // integers while they fit, everything else as a double.
    bool number(Json& out) {
        const char* start = m_p;
        const char* p = m_p;
        if (p < m_end && *p == '-') ++p;
        if (!digit(p, m_end)) return false;
        if (*p == '0') {
            ++p;
        } else {
            while (digit(p, m_end))
                ++p;
        }
        bool whole = true;
        if (p < m_end && *p == '.') {
            whole = false;
            ++p;
            if (!digit(p, m_end)) return false;
            while (digit(p, m_end))
                ++p;
        }
        if (p < m_end && (*p == 'e' || *p == 'E')) {
            whole = false;
            ++p;
            if (p < m_end && (*p == '+' || *p == '-')) ++p;
            if (!digit(p, m_end)) return false;
            while (digit(p, m_end))
                ++p;
        }
        m_p = p;
        if (whole) {
            if (*start == '-') {
                int64_t v;
                if (std::from_chars(start, p, v).ec == std::errc{}) {
                    out = Json(v);
                    return true;
                }
            } else {
                uint64_t v;
                if (std::from_chars(start, p, v).ec == std::errc{}) {
                    out = Json(v);
                    return true;
                }
            }
        }
        double d;
        const auto r = std::from_chars(start, p, d);
        if (r.ec != std::errc{} || r.ptr != p) return false;
        out = Json(d);
        return true;
    }

    const char* m_p;
    const char* m_end;
    size_t m_valuesLeft;
    // An object's members while it is read, one list a depth, all made at once (a nested object must not
    // move the list of the object it is in).
    std::vector<std::vector<std::pair<std::string, Json>>> m_scratch;
};

} // namespace

bool parseJsonFast(std::string_view text, nlohmann::ordered_json& out, size_t maxValues) {
    return FastParser(text, maxValues).document(out);
}

} // namespace ov
