#include "forms/EntryKeys.h"

#include <gtest/gtest.h>

TEST(EntryKeys, DigitsAndBackspaceAlwaysThePointOnlyWhereAsked)
{
    const struct {
        char32_t key;
        bool withPoint, withoutPoint;
    } cases[] = {
        {U'0', true, true},   {U'9', true, true},   {U'\b', true, true}, {U'.', true, false},
        {U'/', false, false}, {U':', false, false}, {U'\u0663', false, false},  // Arabic-Indic 3
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryKeys::Accepts(c.key, true), c.withPoint) << static_cast<uint32_t>(c.key);
        EXPECT_EQ(EntryKeys::Accepts(c.key, false), c.withoutPoint) << static_cast<uint32_t>(c.key);
    }
}
