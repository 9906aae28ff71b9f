#pragma once
// The texts of the open progress window and of the unknown-device dialog.

#include <string>

namespace OpenProgressTexts {

inline constexpr const char* Caption = "Open Progress";
inline constexpr const char* CancelQuestion = "Do you want to cancel the open operation?";
inline constexpr const char* UnknownDeviceCaption = "Unknown Device Type";

// "Opening '" + file + "'..."
std::string OpeningText(const std::string& file);

// The question about a device type the catalogue cannot select.
std::string UnknownDeviceMessage(int loop, int address, int deviceType);

}  // namespace OpenProgressTexts
