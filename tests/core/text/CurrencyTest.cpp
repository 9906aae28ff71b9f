#include "text/Currency.h"
#include "text/CurrentText.h"
#include "text/Rounding.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Rounding, HalvesGoToTheEvenNeighbourIntegersMustFitAndTextsRoundAway)
{
    for (const auto& [in, out] : {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-1.5, -2.0}, {-2.5, -2.0}, {2.4999, 2.0},
                                  {2.5001, 3.0}})
        EXPECT_EQ(Rounding::RoundHalfEven(in), out) << in;

    EXPECT_EQ(Rounding::ToInt16(32767.4), 32767);
    EXPECT_FALSE(Rounding::ToInt16(32767.5).has_value());  // rounds to 32768
    EXPECT_EQ(Rounding::ToInt16(-32768.5), -32768);         // even neighbour fits
    EXPECT_EQ(Rounding::ToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(Rounding::ToInt32(2147483648.0).has_value());
    // Fixed formats round halves away from zero.
    for (const auto& [value, decimals, text] : {std::tuple{2.25, 1, "2.3"}, {-2.25, 1, "-2.3"}, {1.005, 2, "1.01"},
                                                {-0.04, 1, "0.0"}, {999.95, 1, "1000.0"}, {0.5, 0, "1"}})
        EXPECT_EQ(Rounding::FormatFixed(value, decimals), text) << value << " with " << decimals;
}

TEST(Currency, ExactSumsOfFourDecimalsAndTheirTexts)
{
    Currency sum;
    for (int i = 0; i < 1000; ++i)
        sum += *Currency::FromDouble(0.1);
    EXPECT_EQ(sum, Currency::FromInteger(100));
    sum -= Currency::FromInteger(100);
    EXPECT_TRUE(sum.IsZero());

    EXPECT_EQ(Currency::FromDouble(0.12344)->Scaled(), 1234);
    EXPECT_EQ(Currency::FromDouble(-0.12346)->Scaled(), -1235);
    EXPECT_FALSE(Currency::FromDouble(1e300).has_value());

    EXPECT_EQ(Currency::FromInteger(950).ToString(), "950");
    EXPECT_EQ(Currency::FromScaled(-122500).ToString(), "-12.25");
}

TEST(CurrentText, BoundariesBetweenMicroAndMilliamperes)
{
    for (const auto& [microamps, text] : {std::pair<int64_t, const char*>{0, "0 mA"}, {9999, "9999 \u00B5A"}, {10000, "10 mA"},
                                          {12499, "12 mA"}, {12500, "13 mA"}, {-20000, "-20000 \u00B5A"}})
        EXPECT_EQ(CurrentText(Currency::FromInteger(microamps)), text) << microamps;
}
