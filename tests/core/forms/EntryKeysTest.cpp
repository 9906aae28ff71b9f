#include "forms/EntryKeys.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(EntryKeys, DigitsAndBackspaceAlwaysThePointOnlyWhereAsked)
{
    for (const auto& [key, withPoint, withoutPoint] :
         {std::tuple{U'0', true, true}, {U'9', true, true}, {U'\b', true, true}, {U'.', true, false},
          {U'/', false, false}, {U':', false, false}, {U'\u0663', false, false}}) {  // the last an Arabic-Indic 3
        EXPECT_EQ(EntryKeys::Accepts(key, true), withPoint) << static_cast<uint32_t>(key);
        EXPECT_EQ(EntryKeys::Accepts(key, false), withoutPoint) << static_cast<uint32_t>(key);
    }
}
