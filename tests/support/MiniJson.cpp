#include "support/MiniJson.h"

#include "platform/TextEncoding.h"

#include <cctype>

const JsonValue* JsonValue::Find(std::string_view name) const
{
    for (const auto& [key, value] : Members)
        if (key == name)
            return &value;
    return nullptr;
}

std::vector<std::string> JsonValue::Keys() const
{
    std::vector<std::string> keys;
    for (const auto& member : Members)
        keys.push_back(member.first);
    return keys;
}

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document(std::string& error)
    {
        std::optional<JsonValue> value;
        if (!TextEncoding::IsValidUtf8(text_))
            Fail("not UTF-8");
        else
            value = Value();
        SkipBlanks();
        if (error_.empty() && at_ != text_.size())
            Fail("text after the value");
        if (!error_.empty()) {
            error = error_ + " at " + std::to_string(at_);
            return std::nullopt;
        }
        return value;
    }

private:
    std::optional<JsonValue> Fail(const std::string& why)
    {
        if (error_.empty())
            error_ = why;
        return std::nullopt;
    }
    void SkipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    bool Take(char c)
    {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    std::optional<JsonValue> Value()
    {
        if (++depth_ > 64)
            return Fail("nested too deeply");
        SkipBlanks();
        std::optional<JsonValue> value;
        if (at_ >= text_.size())
            value = Fail("value expected");
        else if (text_[at_] == '{')
            value = Object();
        else if (text_[at_] == '[')
            value = Array();
        else if (text_[at_] == '"')
            value = String();
        else if (Word("true"))
            value = JsonValue{.Type = JsonValue::Kind::Bool, .Boolean = true};
        else if (Word("false"))
            value = JsonValue{.Type = JsonValue::Kind::Bool};
        else if (Word("null"))
            value = JsonValue{};
        else
            value = Number();
        --depth_;
        return value;
    }

    std::optional<JsonValue> Object()
    {
        JsonValue object{.Type = JsonValue::Kind::Object};
        ++at_;
        if (Take('}'))
            return object;
        do {
            SkipBlanks();
            const auto key = String();
            if (!key)
                return Fail("member name expected");
            if (!Take(':'))
                return Fail("':' expected");
            auto value = Value();
            if (!value)
                return std::nullopt;
            object.Members.emplace_back(key->Text, std::move(*value));
        } while (Take(','));
        return Take('}') ? std::optional<JsonValue>(object) : Fail("'}' expected");
    }

    std::optional<JsonValue> Array()
    {
        JsonValue array{.Type = JsonValue::Kind::Array};
        ++at_;
        if (Take(']'))
            return array;
        do {
            auto value = Value();
            if (!value)
                return std::nullopt;
            array.Items.push_back(std::move(*value));
        } while (Take(','));
        return Take(']') ? std::optional<JsonValue>(array) : Fail("']' expected");
    }

    static void AppendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::optional<JsonValue> String()
    {
        if (at_ >= text_.size() || text_[at_] != '"')
            return Fail("string expected");
        ++at_;
        JsonValue value{.Type = JsonValue::Kind::String};
        while (at_ < text_.size() && text_[at_] != '"') {
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c < 0x20)
                return Fail("unescaped control character");
            if (c != '\\') {
                value.Text += static_cast<char>(c);
                continue;
            }
            if (at_ >= text_.size())
                break;
            const char escape = text_[at_++];
            switch (escape) {
            case '"': case '\\': case '/': value.Text += escape; break;
            case 'b': value.Text += '\b'; break;
            case 'f': value.Text += '\f'; break;
            case 'n': value.Text += '\n'; break;
            case 'r': value.Text += '\r'; break;
            case 't': value.Text += '\t'; break;
            case 'u': {
                if (at_ + 4 > text_.size())
                    return Fail("short \\u escape");
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = text_[at_++];
                    if (!std::isxdigit(static_cast<unsigned char>(h)))
                        return Fail("bad \\u escape");
                    code = code * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(h))
                                                                 ? h - '0'
                                                                 : std::tolower(static_cast<unsigned char>(h)) - 'a' + 10);
                }
                AppendUtf8(value.Text, code);
                break;
            }
            default:
                return Fail("bad escape");
            }
        }
        if (at_ >= text_.size())
            return Fail("unterminated string");
        ++at_;
        return value;
    }

    std::optional<JsonValue> Number()
    {
        const size_t start = at_;
        auto digits = [&] {
            const size_t from = at_;
            while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
                ++at_;
            return at_ - from;
        };
        if (at_ < text_.size() && text_[at_] == '-')
            ++at_;
        const size_t first = at_;
        const size_t whole = digits();
        if (whole == 0 || (whole > 1 && text_[first] == '0'))
            return Fail("bad number");
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            if (digits() == 0)
                return Fail("bad fraction");
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            if (digits() == 0)
                return Fail("bad exponent");
        }
        return JsonValue{.Type = JsonValue::Kind::Number, .Text = std::string(text_.substr(start, at_ - start))};
    }

    std::string_view text_;
    size_t at_ = 0;
    int depth_ = 0;
    std::string error_;
};

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text, std::string& error)
{
    return Reader(text).Document(error);
}
