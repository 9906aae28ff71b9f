#include "text/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart)
{
    for (const auto& [text, value] :
         {std::pair{"abc", 0.0}, {"  12.5 m", 12.5}, {"\t7", 7}, {"-.25", -0.25}, {"2.5E-1x", 0.25}, {"1e+", 1},
          {"1.2.3", 1.2}, {"- 5", 0}, {"0x1A", 0},
          {"0.0001e313", HUGE_VAL},  // 1e308 fits, 1e309 does not
          {"-1e400", -HUGE_VAL}, {"0.001e311", 1e308}, {"12e-99999999999999999999", 0}, {"9e9223372036854775807", HUGE_VAL}})
        EXPECT_EQ(LeadingNumber(text), value) << '"' << text << '"';
}
