#include "cli/JsonWriter.h"

#include "platform/TextEncoding.h"

#include <cstdio>

std::string JsonString(std::string_view text)
{
    const std::string utf8 = TextEncoding::IsValidUtf8(text) ? std::string(text) : TextEncoding::FromWindows1252(text);
    std::string quoted = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                quoted += escape;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

void JsonWriter::NewLine()
{
    text_ += '\n';
    text_.append(2 * levels_.size(), ' ');
}

void JsonWriter::BeginValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    if (!levels_.back().Empty)
        text_ += ',';
    levels_.back().Empty = false;
    NewLine();
}

void JsonWriter::Key(std::string_view name)
{
    BeginValue();
    text_ += JsonString(name) + ": ";
    afterKey_ = true;
}

void JsonWriter::Open(char bracket)
{
    BeginValue();
    text_ += bracket;
    levels_.push_back({});
}

void JsonWriter::Close(char bracket)
{
    const bool empty = levels_.back().Empty;
    levels_.pop_back();
    if (!empty)
        NewLine();
    text_ += bracket;
}

void JsonWriter::String(std::string_view text)
{
    BeginValue();
    text_ += JsonString(text);
}

void JsonWriter::Number(int64_t value)
{
    BeginValue();
    text_ += std::to_string(value);
}

void JsonWriter::Number(Currency value)
{
    BeginValue();
    text_ += value.ToString();
}

void JsonWriter::RawNumber(std::string_view digits)
{
    BeginValue();
    text_ += digits;
}

void JsonWriter::Bool(bool value)
{
    BeginValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null()
{
    BeginValue();
    text_ += "null";
}
