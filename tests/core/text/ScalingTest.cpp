#include "text/Scaling.h"

#include <gtest/gtest.h>

using Scaling::Imperial;
using Scaling::Metric;

TEST(Scaling, ImpedanceAndLengthShownAndTyped)
{
    const struct {
        int16_t impedance;
        int units;
        const char* text;
    } shown[] = {
        {1210, Metric, "12.10"}, {1210, Imperial, "3.69"},
        // 41 / 328.08 = 0.124969... is held as 0.1250, then shown halves away from zero
        {41, Imperial, "0.13"},
    };
    for (const auto& c : shown)
        EXPECT_EQ(Scaling::FormatImpedance(c.impedance, c.units), c.text) << c.impedance << " in " << c.units;
    const struct {
        const char* text;
        int units;
        int16_t impedance;
    } typed[] = {
        {"99.99", Metric, 9999}, {"100", Metric, -1}, {"0", Metric, 0}, {"-0.01", Metric, -1},
        {"0.125", Metric, 12},  // half to even
        {"30.48", Imperial, -1}, {"30.47", Imperial, 9997}, {"99999999999", Metric, -1},
    };
    for (const auto& c : typed)
        EXPECT_EQ(Scaling::ParseImpedance(c.text, c.units), c.impedance) << c.text << " in " << c.units;

    const struct {
        int32_t decimetres;
        int units;
        const char* text;
    } lengths[] = {{30000, Imperial, "9843"}, {30000, Metric, "3000"}, {25, Metric, "2"}, {35, Metric, "4"}};
    for (const auto& c : lengths)
        EXPECT_EQ(Scaling::FormatLength(c.decimetres, c.units), c.text) << c.decimetres << " in " << c.units;
    const struct {
        const char* text;
        int units;
        int32_t decimetres;
    } typedLengths[] = {
        {"3000", Metric, 30000}, {"3000.1", Metric, -1}, {"9842", Imperial, 29998}, {"9843", Imperial, -1},
        {"0", Metric, 0},        {"-1", Metric, -1},     {"0.25", Metric, 2},       {"1e400", Imperial, -1},
    };
    for (const auto& c : typedLengths)
        EXPECT_EQ(Scaling::ParseLength(c.text, c.units), c.decimetres) << c.text << " in " << c.units;

    // Tenths, for places along the cable: 25 dm is 8.20 ft, 10 ft is 30.48 dm.
    EXPECT_EQ(Scaling::FormatLengthTenths(125, Metric), "12.5");
    EXPECT_EQ(Scaling::FormatLengthTenths(25, Imperial), "8.2");
    const struct {
        const char* text;
        int units;
        std::optional<int32_t> decimetres;
    } typedTenths[] = {
        {" 12.5 ", Metric, 125}, {"10", Imperial, 30}, {"-0.5", Metric, -5},        {"0.25", Metric, 2},
        {"12.5 m", Metric, {}},  {"", Metric, {}},     {"1e400", Imperial, {}},
    };
    for (const auto& c : typedTenths)
        EXPECT_EQ(Scaling::ParseLengthTenths(c.text, c.units), c.decimetres) << c.text << " in " << c.units;
}

TEST(Scaling, ImperialOnlyForAmericanLocalesMeasuringInUSUnits)
{
    const struct {
        const char* iMeasure;
        const char* locale;
        int units;
    } cases[] = {
        {"1", "0409", Imperial}, {"1", "0c0c", Imperial}, {" 1.0", "080A", Imperial}, {"0", "0409", Metric},
        {"2", "0409", Metric},   {"1", "0809", Metric},   {"1", "040C", Metric},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scaling::DetectedUnits(c.iMeasure, c.locale), c.units) << c.iMeasure << " " << c.locale;
}
