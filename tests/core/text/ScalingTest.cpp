#include "text/Scaling.h"

#include <gtest/gtest.h>

#include <tuple>

using Scaling::Imperial;
using Scaling::Metric;

TEST(Scaling, ImpedanceAndLengthShownAndTyped)
{
    // impedance, units -> text
    for (const auto& [impedance, units, text] : {std::tuple{1210, Metric, "12.10"}, {1210, Imperial, "3.69"},
                                                // 41 / 328.08 = 0.124969... is held as 0.1250, then shown halves away from zero
                                                {41, Imperial, "0.13"}})
        EXPECT_EQ(Scaling::FormatImpedance(static_cast<int16_t>(impedance), units), text) << impedance << " in " << units;
    // text, units -> impedance (-1: refused)
    for (const auto& [text, units, impedance] :
         {std::tuple{"99.99", Metric, 9999}, {"100", Metric, -1}, {"0", Metric, 0}, {"-0.01", Metric, -1},
          {"0.125", Metric, 12},  // half to even
          {"30.48", Imperial, -1}, {"30.47", Imperial, 9997}, {"99999999999", Metric, -1}})
        EXPECT_EQ(Scaling::ParseImpedance(text, units), impedance) << text << " in " << units;

    // decimetres, units -> text
    for (const auto& [decimetres, units, text] :
         {std::tuple{30000, Imperial, "9843"}, {30000, Metric, "3000"}, {25, Metric, "2"}, {35, Metric, "4"}})
        EXPECT_EQ(Scaling::FormatLength(decimetres, units), text) << decimetres << " in " << units;
    // text, units -> decimetres (-1: refused)
    for (const auto& [text, units, decimetres] :
         {std::tuple{"3000", Metric, 30000}, {"3000.1", Metric, -1}, {"9842", Imperial, 29998}, {"9843", Imperial, -1},
          {"0", Metric, 0}, {"-1", Metric, -1}, {"0.25", Metric, 2}, {"1e400", Imperial, -1}})
        EXPECT_EQ(Scaling::ParseLength(text, units), decimetres) << text << " in " << units;

    // Tenths, for places along the cable: 25 dm is 8.20 ft, 10 ft is 30.48 dm.
    EXPECT_EQ(Scaling::FormatLengthTenths(125, Metric), "12.5");
    EXPECT_EQ(Scaling::FormatLengthTenths(25, Imperial), "8.2");
    for (const auto& [text, units, decimetres] :
         {std::tuple<const char*, int, std::optional<int32_t>>{" 12.5 ", Metric, 125}, {"10", Imperial, 30},
          {"-0.5", Metric, -5}, {"0.25", Metric, 2}, {"12.5 m", Metric, {}}, {"", Metric, {}}, {"1e400", Imperial, {}}})
        EXPECT_EQ(Scaling::ParseLengthTenths(text, units), decimetres) << text << " in " << units;
}

TEST(Scaling, ImperialOnlyForAmericanLocalesMeasuringInUSUnits)
{
    // iMeasure, locale -> units
    for (const auto& [iMeasure, locale, units] :
         {std::tuple{"1", "0409", Imperial}, {"1", "0c0c", Imperial}, {" 1.0", "080A", Imperial}, {"0", "0409", Metric},
          {"2", "0409", Metric}, {"1", "0809", Metric}, {"1", "040C", Metric}})
        EXPECT_EQ(Scaling::DetectedUnits(iMeasure, locale), units) << iMeasure << " " << locale;
}
