#include "platform/DecimalNumber.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace DecimalNumber {

std::from_chars_result Parse(const char* first, const char* last, double& value)
{
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    // strtod needs a terminated string, and reads the same decimal grammar.
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        return {first, std::errc::invalid_argument};
    const char* const stop = first + (end - text.c_str());
    if (std::isinf(read) || (read == 0 && errno == ERANGE))
        return {stop, std::errc::result_out_of_range};
    value = read;
    return {stop, std::errc()};
#endif
}

}  // namespace DecimalNumber
