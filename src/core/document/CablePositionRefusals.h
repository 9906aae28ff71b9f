#pragma once
// The distances along the cable (or the locations) that a document's loop
// holds but that cannot be used, gathered while the loop is read and told in
// one message that names each, so that the designer can find and mend it.

#include "loop/clsCalculator.h"

#include <string>
#include <vector>

class CablePositionRefusals {
public:
    // The message names this many; the rest are only counted.
    static constexpr size_t Listed = 20;

    enum class Subject { Distance, Location };
    explicit CablePositionRefusals(Subject subject = Subject::Distance) : subject_(subject) {}

    void Add(int address, int slot, std::string reason);
    bool Empty() const { return count_ == 0; }

    // "Invalid cable position for loop 2: the distance of address 40 (out
    // of cable order) is left out." With several: "the distances of address
    // 12 (not a number), address 30 slot 2 (beyond the cable) and address 41
    // (out of cable order) are left out." Locations: "Invalid location for
    // loop 2: the location of address 40 (no device there) is left out."
    std::string Text(int loop) const;

    // "no device there", "beyond the cable", "out of cable order".
    static std::string Reason(DroppedCablePosition::Why why);

private:
    Subject subject_;
    std::vector<std::string> named_;
    size_t count_ = 0;
};
