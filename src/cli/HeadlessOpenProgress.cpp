#include "cli/HeadlessOpenProgress.h"

#include "platform/MessageHost.h"

#include <ostream>

std::string HeadlessOpenProgress::UnknownResponse(int loop, int address, int deviceType)
{
    ++asked_;
    messages_ << OneLineMessage("Unknown Device Type", UnknownDeviceText(loop, address, deviceType)) << '\n';
    return "Y";
}
