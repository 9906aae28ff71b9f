#include "platform/Locale.h"

#include <gtest/gtest.h>

TEST(Locale, IdentifierAndMeasurementFromTheGoverningLocaleName)
{
    const struct {
        Locale::Environment env;
        const char* identifier;
        const char* measure;
    } cases[] = {
        {{"", "", "en_US.UTF-8"}, "0409", "1"},      {{"", "", "fr_CA"}, "0C0C", "0"},
        {{"", "", "xx_YY"}, "0409", "0"},
        // LC_ALL first, then LC_MEASUREMENT, then LANG; empty counts as unset.
        {{"en_GB.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, "0809", "0"},
        {{"", "en_US.UTF-8", "en_GB.UTF-8"}, "0409", "1"},
    };
    for (const auto& c : cases) {
        const std::string name = c.env.LcAll + "|" + c.env.LcMeasurement + "|" + c.env.Lang;
        EXPECT_EQ(Locale::LocaleIdentifier(c.env), c.identifier) << name;
        EXPECT_EQ(Locale::IMeasure(c.env), c.measure) << name;
    }
}
