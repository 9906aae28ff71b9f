#include "cli/HeadlessOpenProgress.h"

#include "platform/MessageHost.h"

std::string HeadlessOpenProgress::UnknownResponse(int loop, int address, int deviceType)
{
    messages_.Show(UnknownDeviceText(loop, address, deviceType), MsgStyle::OKOnly, "Unknown Device Type");
    return "Y";
}
