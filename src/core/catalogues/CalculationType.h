#pragma once
// The calculation a loop is judged by, with the numbers that ".QLX" files
// ("Calculation") and the settings ("LastCalcType") store. It lives with the
// catalogues because the options remember the last one chosen.

#include <cstdint>

enum class CalculationType : int32_t {
    MaxVoltDrop = 0,    // "Calculate maximum volt drop"
    MaxCableRun = 1,    // "Calculate maximum cable run"
    SmallestCable = 2,  // "Calculate smallest cable"
};

inline constexpr CalculationType MinCalcType = CalculationType::MaxVoltDrop;
inline constexpr CalculationType MaxCalcType = CalculationType::SmallestCable;

// The number a file or the settings store for the type.
constexpr int32_t StoredNumber(CalculationType type) { return static_cast<int32_t>(type); }
