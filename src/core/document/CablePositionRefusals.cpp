#include "document/CablePositionRefusals.h"

void CablePositionRefusals::Add(int address, int slot, std::string reason)
{
    if (++count_ > Listed)
        return;
    named_.push_back("address " + std::to_string(address) + (slot == 0 ? "" : " slot " + std::to_string(slot)) + " (" +
                     reason + ")");
}

std::string CablePositionRefusals::Text(int loop) const
{
    const bool one = count_ == 1;
    std::string list;
    for (size_t i = 0; i < named_.size(); ++i) {
        const bool last = i + 1 == named_.size() && count_ == named_.size();
        list += (i == 0 ? "" : last ? " and " : ", ") + named_[i];
    }
    if (count_ > named_.size())
        list += " and " + std::to_string(count_ - named_.size()) + " more";
    const bool distance = subject_ == Subject::Distance;
    return std::string(distance ? "Invalid cable position" : "Invalid location") + " for loop " + std::to_string(loop) +
           ": the " + (distance ? "distance" : "location") + (one ? "" : "s") + " of " + list +
           (one ? " is" : " are") + " left out.";
}

std::string CablePositionRefusals::Reason(DroppedCablePosition::Why why)
{
    switch (why) {
    case DroppedCablePosition::Why::NoDevice:
        return "no device there";
    case DroppedCablePosition::Why::BeyondCable:
        return "beyond the cable";
    case DroppedCablePosition::Why::OutOfOrder:
        break;
    }
    return "out of cable order";
}
