#pragma once
// The standby battery calculation: the capacity the site needs by the
// designer's rule, the standard size that covers it, and the checks against
// the panel's largest battery and its charger.
//
//   BS 5839-1:   C = 1.25 × (T1 × I1 + D × I2 × T2), D = 1 when I2 ≤ C₁ / 20 h
//                (C₁ the capacity with D = 1), else 1.75
//   NFPA 72:     C = F × (T1 × I1 + I2 × T2), F = 1.25 (2022) or 1.20 (2019)
//   Custom:      C = F × (T1 × I1 + I2 × T2), F typed
//
// I1 and I2 are the standby and alarm currents of the panel, the loops (the
// main window's totals) and the ancillary loads; T1 and T2 the standby and
// alarm periods. The arithmetic is exact: currents in µA as Currency,
// periods in minutes, factors in thousandths, D and capacities in hundredths.

#include "document/PowerSettings.h"
#include "text/Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;

// "BS 5839-1", "NFPA 72 2022", "NFPA 72 2019" or "Custom".
std::string PowerRuleName(PowerRule rule);
// NFPA 72 2022 in the American locales, BS 5839-1 everywhere else.
PowerRule DefaultPowerRule(std::string_view localeId);
// A rule's periods and factor where the site sets none.
inline constexpr int32_t DefaultStandbyMinutes = 24 * 60;
int32_t DefaultAlarmMinutes(PowerRule rule, bool voiceEvacuation);
int32_t DefaultFactor(PowerRule rule);  // thousandths

// Whether `next` may join the loads already accepted: nothing when it may;
// else false when its own total is too large, true when it is the loads
// together (see PowerLimits::LargestLoadsMilliamps).
std::optional<bool> LoadTooLarge(const std::vector<AncillaryLoad>& accepted, const AncillaryLoad& next);

// Everything the calculation reads, defaults resolved.
struct PowerInputs {
    PowerRule Rule = PowerRule::BS5839;
    int32_t StandbyMinutes = 0;    // T1
    int32_t AlarmMinutes = 0;      // T2
    int32_t FactorThousandths = 0;  // F, 1250 for BS 5839-1
    // µA
    Currency PanelStandby;
    Currency PanelAlarm;
    // False when the panel gives no current of its own and the site typed
    // none: the panel's share is then missing from I1 or I2.
    bool PanelCurrentsKnown = true;
    Currency LoopsQuiescent;
    Currency LoopsAlarm;
    Currency AncillaryStandby;
    Currency AncillaryAlarm;
    std::optional<int32_t> FittedBattery;    // hundredths of an Ah
    std::optional<int32_t> PanelMaxBattery;  // hundredths of an Ah
    std::optional<int32_t> ChargerMilliamps;
    std::vector<int32_t> BatterySizes;  // hundredths of an Ah, smallest first
    std::string NoBatterySizes;         // why there are none, when there are none
};

struct PowerResult {
    Currency StandbyCurrent;  // I1, µA
    Currency AlarmCurrent;    // I2, µA
    bool PanelCurrentsKnown = true;  // as in the inputs
    int32_t FactorThousandths = 0;
    int32_t DHundredths = 100;  // 175 when BS 5839-1's alarm derating applies
    int32_t Required = 0;       // hundredths of an Ah, rounded up
    int32_t PlainRequired = 0;  // the same with D = 1 (BS 5839-1's C₁)
    // The smallest standard size that covers the requirement; none when none does.
    std::optional<int32_t> StandardBattery;
    // The battery the checks are made with: the fitted one, else the standard
    // size, else the bare requirement.
    int32_t CheckedBattery = 0;
    std::optional<bool> FittedCovers;  // none without a fitted battery
    std::optional<bool> FitsPanel;     // none when the panel gives no largest battery
    // I1 plus recharging the checked battery to 80 % within 24 h, µA rounded up.
    Currency ChargerNeeded;
    std::optional<bool> ChargerOk;  // none when the panel gives no charger current
    // The largest I1 the fitted battery carries (µA, rounded down, never below
    // zero); none without a fitted battery or with a zero period or factor.
    std::optional<Currency> MaxStandby;
};

// The inputs of the open document: its power settings with their defaults
// for the locale, the current panel's currents and the loops' totals.
PowerInputs PowerInputsFor(const Document& document, std::string_view localeId);
// The same with other settings, as the power window tries them.
PowerInputs PowerInputsFor(const Document& document, const PowerSettings& settings, std::string_view localeId);
PowerResult CalculatePower(const PowerInputs& inputs);
