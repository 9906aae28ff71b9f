#pragma once
// The two regional settings the unit choice looks at: the user's locale
// identifier (four hexadecimal digits, "0409" for English in the United
// States) and whether the measurement system is the US one ("1") or metric
// ("0"). Both come from the first of LC_ALL, LC_MEASUREMENT and LANG that is
// set; the overloads over explicit values make them testable.

#include <string>
#include <string_view>

namespace Locale {

// The values of LC_ALL, LC_MEASUREMENT and LANG, empty when unset.
struct Environment {
    std::string LcAll;
    std::string LcMeasurement;
    std::string Lang;

    static Environment OfProcess();
};

// en_US -> "0409", en_CA -> "1009", fr_CA -> "0C0C", es_MX -> "080A", and the
// usual identifiers of other common locales; a known language in an unlisted
// territory gets its language's default identifier. C, POSIX, an unset locale
// and unknown languages give "0409", the desktop's own default for a new user.
std::string LocaleIdentifier();
std::string LocaleIdentifier(const Environment& env);

// "1" for the US measurement system, else "0". From the name alone, this
// follows the system's locale data, where the United States territory (en_US,
// es_US...) is the only one with US units. The process overload asks the
// system's locale data itself when the locale is installed.
std::string IMeasure();
std::string IMeasure(const Environment& env);

}  // namespace Locale
