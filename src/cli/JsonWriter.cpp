#include "cli/JsonWriter.h"

#include "platform/TextEncoding.h"

#include <cstdint>

namespace {

// The binary subtype that marks an exact number's digits. The documents hold
// no other binary values, so the mark cannot be mistaken.
constexpr std::uint64_t ExactNumberSubtype = 0x4E;

void NewLine(std::string& text, int level)
{
    text += '\n';
    text.append(2 * static_cast<size_t>(level), ' ');
}

// Objects and arrays as the old hand-written writer laid them out (which is
// also nlohmann's dump(2) layout): one member a line, "{}" and "[]" when empty.
void Write(std::string& text, const Json& value, int level)
{
    switch (value.type()) {
    case Json::value_t::object:
    case Json::value_t::array: {
        const bool object = value.is_object();
        text += object ? '{' : '[';
        bool first = true;
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (!first)
                text += ',';
            first = false;
            NewLine(text, level + 1);
            if (object)
                text += JsonString(it.key()) + ": ";
            Write(text, it.value(), level + 1);
        }
        if (!first)
            NewLine(text, level);
        text += object ? '}' : ']';
        break;
    }
    case Json::value_t::string:
        text += JsonString(value.get_ref<const std::string&>());
        break;
    default:
        if (value.is_binary() && value.get_binary().subtype() == ExactNumberSubtype) {
            const Json::binary_t& digits = value.get_binary();
            text.append(digits.begin(), digits.end());
        } else {  // whole numbers, true, false, null
            text += value.dump();
        }
    }
}

// The bytes of the UTF-8 character a byte begins; 0 for a byte no character begins with.
size_t Utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

}  // namespace

std::string JsonString(std::string_view text)
{
    // nlohmann escapes quotes, backslashes and control characters; it needs UTF-8.
    if (TextEncoding::IsValidUtf8(text))
        return Json(std::string(text)).dump();
    std::string json = "\"";
    size_t valid = 0;  // where the run of whole characters not yet written begins
    const auto writeValid = [&](size_t end) {
        const std::string run = Json(std::string(text.substr(valid, end - valid))).dump();
        json.append(run, 1, run.size() - 2);
    };
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = Utf8Length(lead);
        if (length > 0 && i + length <= text.size() && TextEncoding::IsValidUtf8(text.substr(i, length))) {
            i += length;
            continue;
        }
        writeValid(i);
        static constexpr char Hex[] = "0123456789abcdef";
        json += "\\udc";
        json += Hex[lead >> 4];
        json += Hex[lead & 0x0F];
        valid = ++i;
    }
    writeValid(text.size());
    return json + "\"";
}

Json ExactNumber(std::string_view digits)
{
    return Json::binary(Json::binary_t::container_type(digits.begin(), digits.end()), ExactNumberSubtype);
}

Json ExactNumber(Currency value) { return ExactNumber(value.ToString()); }

std::string JsonText(const Json& document)
{
    std::string text;
    Write(text, document, 0);
    return text;
}
