#include "document/OpenProgressTexts.h"

namespace OpenProgressTexts {

std::string OpeningText(const std::string& file) { return "Opening '" + file + "'..."; }

std::string UnknownDeviceMessage(int loop, int address, int deviceType)
{
    return "This file has an unknown device type (" + std::to_string(deviceType) + ") at address " +
           std::to_string(address) + " on loop " + std::to_string(loop) + ".\n\nSet this address to 'No Device'?";
}

}  // namespace OpenProgressTexts
