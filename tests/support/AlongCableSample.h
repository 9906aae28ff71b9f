#pragma once
// A loop along its cable as the analysis would give it, for the voltage
// plot's tests: three detectors at 100, 200 and 300 m of a 400 m cable
// needing 17 V, the third below it with the loop open at IN; an isolator at
// address 2 and the section after it over its limit.

#include "loop/AlongCable.h"

inline AlongCableResult ThreeDetectorsAlongTheCable()
{
    AlongCableResult result;
    result.CableLength = 4000;
    for (int address = 1; address <= 3; ++address) {
        AlongCablePoint point;
        point.Address = address;
        point.Position = 1000.0 * address;
        point.MinimumVoltage = 17;
        point.Volts = {23 - address * 0.5, 19.5 - address, 24.0 - address};
        result.Points.push_back(point);
    }
    result.Feeds = {FeedResult{21.5, 3}, FeedResult{16.5, 3}, FeedResult{21, 3}};
    result.Sections = {{0, 2, 1, 32, true}, {2, 0, 40, 32, false}};
    return result;
}
