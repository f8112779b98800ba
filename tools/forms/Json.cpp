#include "forms/Json.h"

namespace zelvora::forms {

namespace {

constexpr int DeepestNesting = 100;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonValue document()
    {
        JsonValue value = parseValue(0);
        skipBlanks();
        if (at_ != text_.size())
            fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string &what) const { throw JsonError(what + " at byte " + std::to_string(at_)); }

    void skipBlanks()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool take(char c)
    {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    void expect(char c)
    {
        if (!take(c))
            fail(std::string("'") + c + "' expected");
    }

    bool takeWord(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    JsonValue parseValue(int depth)
    {
        if (depth > DeepestNesting)
            fail("nesting too deep");
        skipBlanks();
        if (at_ == text_.size())
            fail("a value expected");
        JsonValue value;
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            value.kind = JsonValue::Kind::Object;
            if (take('}'))
                return value;
            do {
                skipBlanks();
                std::string key = parseString();
                expect(':');
                value.members.push_back({std::move(key), parseValue(depth + 1)});
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            ++at_;
            value.kind = JsonValue::Kind::Array;
            if (take(']'))
                return value;
            do
                value.items.push_back(parseValue(depth + 1));
            while (take(','));
            expect(']');
        } else if (c == '"') {
            value.kind = JsonValue::Kind::String;
            value.text = parseString();
        } else if (takeWord("null")) {
            value.kind = JsonValue::Kind::Null;
        } else if (takeWord("true")) {
            value.kind = JsonValue::Kind::Boolean;
            value.text = "true";
        } else if (takeWord("false")) {
            value.kind = JsonValue::Kind::Boolean;
            value.text = "false";
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const std::size_t start = at_;
            while (at_ < text_.size() && std::string_view("+-.eE0123456789").find(text_[at_]) != std::string_view::npos)
                ++at_;
            value.kind = JsonValue::Kind::Number;
            value.text = text_.substr(start, at_ - start);
        } else {
            fail("a value expected");
        }
        return value;
    }

    unsigned hexDigits()
    {
        if (at_ + 4 > text_.size())
            fail("four hexadecimal digits expected");
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= unsigned(c - 'A' + 10);
            else
                fail("a hexadecimal digit expected");
        }
        return code;
    }

    static void appendUtf8(std::string &out, char32_t c)
    {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }

    // A \u escape, with the second half of a surrogate pair when one follows.
    char32_t escapedCode()
    {
        const unsigned first = hexDigits();
        if (first < 0xD800 || first > 0xDFFF)
            return first;
        if (first > 0xDBFF || text_.substr(at_, 2) != "\\u")
            fail("a lone surrogate");
        at_ += 2;
        const unsigned second = hexDigits();
        if (second < 0xDC00 || second > 0xDFFF)
            fail("a lone surrogate");
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    std::string parseString()
    {
        if (at_ == text_.size() || text_[at_] != '"')
            fail("a string expected");
        ++at_;
        std::string out;
        while (true) {
            if (at_ == text_.size())
                fail("the string does not end");
            const char c = text_[at_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                fail("a control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ == text_.size())
                fail("the string does not end");
            switch (const char e = text_[at_++]) {
            case '"':
            case '\\':
            case '/':
                out += e;
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
            case 'u':
                appendUtf8(out, escapedCode());
                break;
            default:
                fail("an unknown escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

JsonValue parseJson(std::string_view text)
{
    return Parser(text).document();
}

} // namespace zelvora::forms
