#include "text/CSV.h"

#include "text/Blanks.h"
#include "text/DecimalText.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"

#include <algorithm>
#include <optional>

namespace CSV {

namespace {

// Walks the fields of a list from the first, one step per field.
class FieldScan {
public:
    explicit FieldScan(std::string_view line) : rest_(Blanks::Trim(line)) {}

    std::string_view Field() const
    {
        if (ended_)
            return {};
        if (!Quoted())
            return Blanks::Trim(rest_.substr(0, rest_.find(',')));
        const std::string_view inside = rest_.substr(1);
        const size_t q = inside.find('"');
        return q == std::string_view::npos ? Blanks::Trim(inside) : inside.substr(0, q);
    }

    void Next()
    {
        if (ended_)
            return;
        if (Quoted()) {
            // Without a closing quote the rest of the line is read on as
            // further fields.
            rest_.remove_prefix(1);
            if (const size_t q = rest_.find('"'); q != std::string_view::npos) {
                rest_ = Blanks::Trim(rest_.substr(q + 1));
                if (!rest_.empty() && rest_.front() == ',')
                    rest_ = Blanks::Trim(rest_.substr(1));
            }
            return;
        }
        const size_t c = rest_.find(',');
        if (c == std::string_view::npos)
            ended_ = true;
        else
            rest_ = Blanks::Trim(rest_.substr(c + 1));
    }

private:
    bool Quoted() const { return !rest_.empty() && rest_.front() == '"'; }

    std::string_view rest_;
    bool ended_ = false;
};

}  // namespace

std::string GetCSVField(std::string_view line, int n)
{
    if (n <= 0)
        return {};
    FieldScan scan(line);
    for (; n > 1; --n)
        scan.Next();
    return std::string(scan.Field());
}

std::vector<std::string> GetCSVFields(std::string_view line, int count)
{
    std::vector<std::string> fields;
    fields.reserve(static_cast<size_t>(std::max(count, 0)));
    for (FieldScan scan(line); static_cast<int>(fields.size()) < count; scan.Next())
        fields.emplace_back(scan.Field());
    return fields;
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
bool ReadWholeField(MessageHost& host, std::string_view field, Int& value, Int minimum, Int maximum,
                    const std::string& description, std::optional<Int> (*toWhole)(double))
{
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

bool ReadLongValue(MessageHost& host, std::string_view field, int32_t& value, int32_t minimum, int32_t maximum,
                   const std::string& description)
{
    return ReadWholeField<int32_t>(host, field, value, minimum, maximum, description, Rounding::ToInt32);
}

bool ReadIntegerValue(MessageHost& host, std::string_view field, int16_t& value, int16_t minimum, int16_t maximum,
                      const std::string& description)
{
    return ReadWholeField<int16_t>(host, field, value, minimum, maximum, description, Rounding::ToInt16);
}

bool ReadCurrencyValue(MessageHost& host, std::string_view field, Currency& value, Currency minimum, Currency maximum,
                       const std::string& description)
{
    int64_t scaled = 0;
    const auto toScaled = [](double number) -> std::optional<int64_t> {
        const std::optional<Currency> exact = Currency::FromDouble(number);
        return exact ? std::optional<int64_t>(exact->Scaled()) : std::nullopt;
    };
    if (!ReadWholeField<int64_t>(host, field, scaled, minimum.Scaled(), maximum.Scaled(), description, toScaled))
        return false;
    value = Currency::FromScaled(scaled);
    return true;
}

bool ReadHundredthsValue(MessageHost& host, std::string_view field, int32_t& value, int32_t minimum, int32_t maximum,
                         const std::string& description)
{
    return ReadWholeField<int32_t>(host, field, value, minimum, maximum, description,
                                   [](double number) { return Rounding::ToInt32(number * 100); });
}

bool ReadDecimalValue(MessageHost& host, std::string_view field, int32_t& value, int decimals, int32_t minimum,
                      int32_t maximum, const std::string& description)
{
    if (!IsNumericText(field)) {
        Complain(host, "Numeric value expected for ", description);
        return false;
    }
    const std::optional<int64_t> exact = DecimalText::Parse(field, decimals);
    if (!exact || *exact < minimum || *exact > maximum) {
        const bool tooPrecise = !exact && DecimalText::HasMoreDecimals(field, decimals);
        Complain(host, "Invalid numeric value for ",
                 description.empty() || !tooPrecise ? description
                                                    : description + " (at most " + std::to_string(decimals) + " decimals)");
        return false;
    }
    value = static_cast<int32_t>(*exact);
    return true;
}

bool ReadLongField(MessageHost& host, std::string_view line, int n, int32_t& value, int32_t minimum,
                   int32_t maximum, const std::string& description)
{
    return ReadLongValue(host, GetCSVField(line, n), value, minimum, maximum, description);
}

bool ReadIntegerField(MessageHost& host, std::string_view line, int n, int16_t& value, int16_t minimum,
                      int16_t maximum, const std::string& description)
{
    return ReadIntegerValue(host, GetCSVField(line, n), value, minimum, maximum, description);
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
