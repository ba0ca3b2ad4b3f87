#pragma once

#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// JSON text read into one flat list of tokens in text order, without a tree: an object or list is a
// token followed by what it holds (an object's members as a key token and the tokens of its value) and
// knows the token after its end, so a reader skips a value in one step. Texts stay in the text (a text
// with escapes is decoded when it is read), numbers are read once. A form file of a thousand wizard
// pages (two megabytes) is one allocation of tokens instead of a tree of hundreds of thousands.
//
// It takes exactly the texts nlohmann's parser takes (RFC 8259 JSON in UTF-8, a byte order mark
// skipped at the start, nesting of any depth, the text ending at a NUL byte), numbers as that parser
// gives them as doubles, and
// refuses everything else, leaving the caller to ask nlohmann for the words of the problem.
class JsonTape {
public:
    enum class Kind : uint8_t { Object, Array, String, Number, True, False, Null };
    using Node = uint32_t; // a token's index; the root is 0

    // Reads `text`, which must outlive the tape. False for text that is not JSON as above, or that holds
    // more than `maxValues` values (objects, lists, texts, numbers, literals; keys do not count).
    bool parse(std::string_view text, size_t maxValues);

    Kind kind(Node n) const { return m_tokens[n].kind; }
    bool isString(Node n) const { return kind(n) == Kind::String; }
    bool isNumber(Node n) const { return kind(n) == Kind::Number; }
    bool isBoolean(Node n) const { return kind(n) == Kind::True || kind(n) == Kind::False; }
    bool isObject(Node n) const { return kind(n) == Kind::Object; }
    bool isArray(Node n) const { return kind(n) == Kind::Array; }

    double number(Node n) const { return m_tokens[n].number; }
    // A text as written between its quotes, and whether it holds escapes (then `raw` is not its value).
    std::string_view raw(Node n) const { return {m_tokens[n].text, length(m_tokens[n])}; }
    bool escaped(Node n) const { return m_tokens[n].escaped; }
    std::string string(Node n) const;
    // Whether text `n` is `key`, letter case ignored (ASCII letters, as equalsNoCase).
    bool keyIs(Node n, std::string_view key) const {
        const Token& t = m_tokens[n];
        if (t.escaped) return equalsNoCase(string(n), key);
        return t.size == key.size() && t.sizeHigh == 0 && equalsNoCase({t.text, key.size()}, key);
    }
    // The members of an object or the items of a list.
    size_t size(Node n) const { return static_cast<size_t>(m_tokens[n].count); }
    // The token after `n` and everything it holds. An object's first member key is n + 1, its value the
    // token after the key; a list's first item is n + 1.
    Node end(Node n) const { return kind(n) <= Kind::Array ? m_tokens[n].size : n + 1; }

private:
    struct Token {
        union {
            const char* text; // String
            double number;    // Number
            uint64_t count;   // Object, Array: members or items
        };
        uint32_t size;     // String: the low 32 bits of its length; Object, Array: the token after it
        uint16_t sizeHigh; // String: the next 16 bits of its length
        Kind kind;
        bool escaped;
    };
    static size_t length(const Token& t) { return t.size | (static_cast<size_t>(t.sizeHigh) << 32); }
    friend class JsonTapeBuilder;

    std::vector<Token> m_tokens;
};

} // namespace ov
