// The field readers: field n of a fuzzed field list (alone and with the
// fields before it in one pass), the numeric readers with
// fuzzed limits, the lenient and the strict text-to-number conversions. A
// reader that accepts gives a value inside its limits, the rounded leading
// number of the field; one that refuses leaves the value alone and says so
// once.

#include "FuzzSupport.h"

#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/TextConversion.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

template <typename Int, typename Limit>
void CheckRead(bool accepted, Int value, Int sentinel, int boxes, Limit minimum, Limit maximum,
               const std::string& field, const char* reader)
{
    const std::string where = std::string(reader) + " of '" + field + "'";
    if (!accepted) {
        if (value != sentinel)
            FuzzCheckFailed(where + " refused the field but changed the value");
        if (boxes != 1)
            FuzzCheckFailed(where + " refused the field with " + std::to_string(boxes) + " messages");
        return;
    }
    if (boxes != 0)
        FuzzCheckFailed(where + " accepted the field with a message");
    if (value < minimum || value > maximum)
        FuzzCheckFailed(where + " accepted " + std::to_string(value) + " outside its limits");
    if (!IsNumericText(field) || static_cast<double>(value) != Rounding::RoundHalfEven(LeadingNumber(field)))
        FuzzCheckFailed(where + " accepted " + std::to_string(value) + " for another number");
}

template <typename Convert>
void Convert_(Convert convert)
{
    try {
        convert();
    } catch (const RunTimeError&) {
        // a refused text is a run-time error the loaders report
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegralInRange(-1, 60);
    const auto minimum = input.ConsumeIntegral<int32_t>();
    const auto maximum = input.ConsumeIntegral<int32_t>();
    const std::string line = input.ConsumeRemainingBytesAsString();
    SilentMessageHost host;

    const std::string field = CSV::GetCSVField(line, n);
    if (field.size() > line.size() || (n <= 0 && !field.empty()))
        FuzzCheckFailed("field " + std::to_string(n) + " of '" + line + "' is '" + field + "'");

    const std::vector<std::string> fields = CSV::GetCSVFields(line, n);
    for (int k = 1; k <= n; ++k)
        if (fields[static_cast<size_t>(k - 1)] != CSV::GetCSVField(line, k))
            FuzzCheckFailed("the fields of '" + line + "' read in one pass differ at field " + std::to_string(k));

    const double number = LeadingNumber(field);
    if (std::isnan(number))
        FuzzCheckFailed("the leading number of '" + field + "' is not a number");

    int32_t longValue = -7;
    host.shown = 0;
    bool accepted = CSV::ReadLongField(host, line, n, longValue, minimum, maximum, "the fuzzed field");
    CheckRead(accepted, longValue, -7, host.shown, minimum, maximum, field, "ReadLongField");

    const auto minimum16 = static_cast<int16_t>(minimum);
    const auto maximum16 = static_cast<int16_t>(maximum);
    int16_t integerValue = -7;
    host.shown = 0;
    accepted = CSV::ReadIntegerField(host, line, n, integerValue, minimum16, maximum16, "the fuzzed field");
    CheckRead(accepted, integerValue, int16_t{-7}, host.shown, minimum16, maximum16, field, "ReadIntegerField");

    uint8_t byteValue = 7;
    host.shown = 0;
    accepted = CSV::ReadByteField(host, line, n, byteValue, minimum16, maximum16, "the fuzzed field");
    CheckRead(accepted, byteValue, uint8_t{7}, host.shown, std::max<int>(minimum16, 0), std::min<int>(maximum16, 255),
              field, "ReadByteField");

    // Without a description nothing is said.
    host.shown = 0;
    CSV::ReadLongField(host, line, n, longValue, minimum, maximum, "");
    if (host.shown != 0)
        FuzzCheckFailed("a reader without a description showed a message");

    Convert_([&] { TextConversion::ToInteger(field); });
    Convert_([&] { TextConversion::ToLong(field); });
    Convert_([&] { TextConversion::ToDouble(field); });
    Convert_([&] { TextConversion::HundredthsFloored(field); });
    return 0;
}
