#pragma once
// What a site keeps for its standby battery calculation: the rule, the
// periods, the ancillary loads, the panel-current overrides and the battery
// fitted. An absent value means "the default": the rule of the user's
// locale, the periods and factor of the rule, the panel's own currents.

#include "text/Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The values a file or the power window accepts.
namespace PowerLimits {
constexpr int32_t LongestStandbyMinutes = 7 * 24 * 60;  // a week
constexpr int32_t LongestAlarmMinutes = 24 * 60;
constexpr int FactorDecimals = 3;         // a factor is kept in thousandths
constexpr int32_t SmallestFactor = 1000;  // thousandths
constexpr int32_t LargestFactor = 10000;
constexpr int64_t LargestMilliamps = 100000;
constexpr int32_t LargestBattery = 100000;  // hundredths of an Ah
constexpr int32_t MostUnits = 10000;        // of one ancillary load
// One load's quantity times its larger current, and all loads together (mA):
// more than any panel's battery supplies, small enough that every sum and
// capacity of the calculation is carried exactly.
constexpr int64_t LargestLoadsMilliamps = 100000;
}  // namespace PowerLimits

enum class PowerRule { BS5839, NFPA2022, NFPA2019, Custom };

// Equipment powered from the panel's battery beside the loops (sounder
// circuits, relays, remote displays): the currents are per unit.
struct AncillaryLoad {
    std::string Description;
    int32_t Quantity = 1;
    Currency StandbyMilliamps;
    Currency AlarmMilliamps;

    bool operator==(const AncillaryLoad&) const = default;
};

struct PowerSettings {
    std::optional<PowerRule> Rule;
    std::optional<int32_t> StandbyMinutes;    // T1
    std::optional<int32_t> AlarmMinutes;      // T2
    std::optional<int32_t> FactorThousandths;  // the Custom rule's F
    bool VoiceEvacuation = false;             // NFPA 72's longer alarm period
    std::optional<Currency> PanelStandbyMilliamps;
    std::optional<Currency> PanelAlarmMilliamps;
    std::vector<AncillaryLoad> Loads;
    std::optional<int32_t> FittedBattery;  // hundredths of an Ah

    bool operator==(const PowerSettings&) const = default;
};
