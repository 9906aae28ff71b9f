#pragma once
// The running sums of a loop model, read from it or recounted from scratch
// over its contents, for checks that the setters keep them.

#include "text/Currency.h"

#include <ostream>

class Catalogue;
class clsCalculator;

struct LoopSums {
    Currency QuiescentCurrentDevices;
    Currency AlarmSum;
    Currency LedDisabledAlarmSum;
    Currency StandaloneQuiescentSum;
    Currency StandaloneAlarmSum;
    double SeriesResistance = 0;

    bool operator==(const LoopSums&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LoopSums& sums);

// The sums as the loop model keeps them.
LoopSums RunningSums(const clsCalculator& loop);
// The sums a recount over every address and standalone slot gives: device
// types, bases that both isolate and are slaves, Other Devices, base Other
// Devices and standalone devices.
LoopSums RecountSums(const clsCalculator& loop, const Catalogue& catalogue);
// The sums from plain numbers: µA and hundredths of an ohm.
LoopSums Sums(int64_t quiescent, int64_t alarm, int64_t ledDisabledAlarm, int64_t standaloneQuiescent,
              int64_t standaloneAlarm, double resistance);
