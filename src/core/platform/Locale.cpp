#include "platform/Locale.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>

#include <langinfo.h>
#include <locale.h>

namespace Locale {

namespace {

// Locale identifiers of the desktop: the low ten bits are the language, the
// rest the territory variant.
const std::map<std::string, unsigned, std::less<>>& Identifiers()
{
    static const std::map<std::string, unsigned, std::less<>> table = {
        {"ar_EG", 0x0C01}, {"ar_SA", 0x0401}, {"bg_BG", 0x0402}, {"ca_ES", 0x0403}, {"cs_CZ", 0x0405},
        {"cy_GB", 0x0452}, {"da_DK", 0x0406}, {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"de_DE", 0x0407},
        {"de_LI", 0x1407}, {"de_LU", 0x1007}, {"el_GR", 0x0408}, {"en_AU", 0x0C09}, {"en_BZ", 0x2809},
        {"en_CA", 0x1009}, {"en_GB", 0x0809}, {"en_IE", 0x1809}, {"en_IN", 0x4009}, {"en_JM", 0x2009},
        {"en_MY", 0x4409}, {"en_NZ", 0x1409}, {"en_PH", 0x3409}, {"en_SG", 0x4809}, {"en_TT", 0x2C09},
        {"en_US", 0x0409}, {"en_ZA", 0x1C09}, {"en_ZW", 0x3009}, {"es_AR", 0x2C0A}, {"es_BO", 0x400A},
        {"es_CL", 0x340A}, {"es_CO", 0x240A}, {"es_CR", 0x140A}, {"es_DO", 0x1C0A}, {"es_EC", 0x300A},
        {"es_ES", 0x0C0A}, {"es_GT", 0x100A}, {"es_HN", 0x480A}, {"es_MX", 0x080A}, {"es_NI", 0x4C0A},
        {"es_PA", 0x180A}, {"es_PE", 0x280A}, {"es_PR", 0x500A}, {"es_PY", 0x3C0A}, {"es_SV", 0x440A},
        {"es_US", 0x540A}, {"es_UY", 0x380A}, {"es_VE", 0x200A}, {"et_EE", 0x0425}, {"eu_ES", 0x042D},
        {"fi_FI", 0x040B}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr_FR", 0x040C},
        {"fr_LU", 0x140C}, {"fr_MC", 0x180C}, {"ga_IE", 0x083C}, {"gl_ES", 0x0456}, {"he_IL", 0x040D},
        {"hi_IN", 0x0439}, {"hr_HR", 0x041A}, {"hu_HU", 0x040E}, {"id_ID", 0x0421}, {"is_IS", 0x040F},
        {"it_CH", 0x0810}, {"it_IT", 0x0410}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412}, {"lt_LT", 0x0427},
        {"lv_LV", 0x0426}, {"ms_MY", 0x043E}, {"nb_NO", 0x0414}, {"nl_BE", 0x0813}, {"nl_NL", 0x0413},
        {"nn_NO", 0x0814}, {"pl_PL", 0x0415}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ro_RO", 0x0418},
        {"ru_RU", 0x0419}, {"sk_SK", 0x041B}, {"sl_SI", 0x0424}, {"sv_FI", 0x081D}, {"sv_SE", 0x041D},
        {"th_TH", 0x041E}, {"tr_TR", 0x041F}, {"uk_UA", 0x0422}, {"vi_VN", 0x042A}, {"zh_CN", 0x0804},
        {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_TW", 0x0404},
    };
    return table;
}

constexpr unsigned UnitedStatesEnglish = 0x0409;
constexpr unsigned DefaultVariant = 0x0400;
constexpr unsigned LanguageBits = 0x03FF;

// The locale name that governs: the first variable that is set and not empty.
std::string GoverningName(const Environment& env)
{
    for (const std::string* value : {&env.LcAll, &env.LcMeasurement, &env.Lang})
        if (!value->empty())
            return *value;
    return {};
}

struct LocaleParts {
    std::string Language;   // lower case, "en"
    std::string Territory;  // upper case, "US"; empty when absent
};

// "en_US.UTF-8@euro" -> en, US. Codeset and modifier do not matter here.
LocaleParts Split(const std::string& name)
{
    const std::string base = name.substr(0, name.find_first_of(".@"));
    const size_t separator = base.find_first_of("_-");
    LocaleParts parts;
    parts.Language = base.substr(0, separator);
    if (separator != std::string::npos)
        parts.Territory = base.substr(separator + 1);
    std::transform(parts.Language.begin(), parts.Language.end(), parts.Language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::transform(parts.Territory.begin(), parts.Territory.end(), parts.Territory.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return parts;
}

unsigned IdentifierOf(const LocaleParts& parts)
{
    const auto& table = Identifiers();
    if (const auto exact = table.find(parts.Language + "_" + parts.Territory); exact != table.end())
        return exact->second;
    for (const auto& [name, identifier] : table)
        if (name.compare(0, name.find('_'), parts.Language) == 0)
            return DefaultVariant | (identifier & LanguageBits);
    return UnitedStatesEnglish;
}

std::string FourHexDigits(unsigned identifier)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", identifier & 0xFFFF);
    return text;
}

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

Environment Environment::OfProcess()
{
    return {Variable("LC_ALL"), Variable("LC_MEASUREMENT"), Variable("LANG")};
}

std::string LocaleIdentifier(const Environment& env)
{
    return FourHexDigits(IdentifierOf(Split(GoverningName(env))));
}

std::string IMeasure(const Environment& env)
{
    return Split(GoverningName(env)).Territory == "US" ? "1" : "0";
}

std::string LocaleIdentifier() { return LocaleIdentifier(Environment::OfProcess()); }

std::string IMeasure()
{
    const Environment env = Environment::OfProcess();
#if defined(__GLIBC__)
    // An installed locale answers for itself (glibc: 1 metric, 2 US units).
    const std::string name = GoverningName(env);
    if (!name.empty()) {
        if (locale_t measurement = ::newlocale(LC_MEASUREMENT_MASK, name.c_str(), locale_t{})) {
            const char* system = ::nl_langinfo_l(_NL_MEASUREMENT_MEASUREMENT, measurement);
            const bool us = system && system[0] == 2;
            ::freelocale(measurement);
            return us ? "1" : "0";
        }
    }
#endif
    return IMeasure(env);
}

}  // namespace Locale
