#include "calculation/CSV.h"

#include "calculation/Blanks.h"
#include "calculation/LeadingNumber.h"
#include "calculation/Rounding.h"

#include <algorithm>
#include <optional>

namespace CSV {

std::string GetCSVField(std::string_view line, int n)
{
    std::string_view s = Blanks::Trim(line);
    for (; n > 0; --n) {
        if (!s.empty() && s.front() == '"') {
            s.remove_prefix(1);
            const size_t q = s.find('"');
            if (n == 1)
                return std::string(q == std::string_view::npos ? Blanks::Trim(s) : s.substr(0, q));
            // Without a closing quote the rest of the line is read on as
            // further fields.
            if (q != std::string_view::npos) {
                s = Blanks::Trim(s.substr(q + 1));
                if (!s.empty() && s.front() == ',')
                    s = Blanks::Trim(s.substr(1));
            }
            continue;
        }
        const size_t c = s.find(',');
        if (n == 1)
            return std::string(Blanks::Trim(s.substr(0, c)));
        if (c == std::string_view::npos)
            return {};
        s = Blanks::Trim(s.substr(c + 1));
    }
    return {};
}

namespace {

void Complain(MessageHost& host, const char* start, const std::string& description)
{
    if (!description.empty())
        MsgBox(host, start + description, MsgStyle::OKOnly + MsgStyle::Exclamation);
}

// The one reader behind the typed ones: toWhole rounds to the value's type
// and gives nullopt when the number does not fit it.
template <typename Int>
bool ReadWholeField(MessageHost& host, std::string_view line, int n, Int& value, Int minimum, Int maximum,
                    const std::string& description, std::optional<Int> (*toWhole)(double))
{
    const std::string field = GetCSVField(line, n);
    if (!IsNumericText(field)) {
        Complain(host, "Numeric value expected for ", description);
        return false;
    }
    const std::optional<Int> number = toWhole(LeadingNumber(field));
    if (!number || *number < minimum || *number > maximum) {
        Complain(host, "Invalid numeric value for ", description);
        return false;
    }
    value = *number;
    return true;
}

}  // namespace

bool ReadLongField(MessageHost& host, std::string_view line, int n, int32_t& value, int32_t minimum,
                   int32_t maximum, const std::string& description)
{
    return ReadWholeField<int32_t>(host, line, n, value, minimum, maximum, description, Rounding::ToInt32);
}

bool ReadIntegerField(MessageHost& host, std::string_view line, int n, int16_t& value, int16_t minimum,
                      int16_t maximum, const std::string& description)
{
    return ReadWholeField<int16_t>(host, line, n, value, minimum, maximum, description, Rounding::ToInt16);
}

bool ReadByteField(MessageHost& host, std::string_view line, int n, uint8_t& value, int16_t minimum,
                   int16_t maximum, const std::string& description)
{
    int16_t number = 0;
    if (!ReadIntegerField(host, line, n, number, std::max<int16_t>(minimum, 0), std::min<int16_t>(maximum, 255),
                          description))
        return false;
    value = static_cast<uint8_t>(number);
    return true;
}

}  // namespace CSV
