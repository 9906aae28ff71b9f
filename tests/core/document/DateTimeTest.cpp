#include "document/DateTime.h"

#include <gtest/gtest.h>

TEST(DateTime, ParseTakesRealDatesOnly)
{
    for (const auto& [text, valid] :
         {std::pair{"2024-02-29", true}, {"2023-02-29", false}, {"1900-02-29", false}, {"2000-02-29", true},
          {"2025-01-31", true}, {"2025-01-32", false}, {"2025-4-31", false}, {"2025-00-10", false},
          {"2025-13-01", false}, {"2025-12-01 24:00", false}, {"2025-12-01 23:59:59", true},
          // Four digits of year, one or two of each other part.
          {"20250-12-01", false}, {"2025-12-01 23:59:5", true}, {"2025-12-01 23:59:059", false}})
        EXPECT_EQ(DateTime::Parse(text).has_value(), valid) << text;
    EXPECT_EQ(DateTime::Parse(" 2025/4/30 7:05 "), (DateTime{2025, 4, 30, 7, 5, 0}));
}
