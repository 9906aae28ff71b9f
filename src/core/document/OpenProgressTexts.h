#pragma once
// The fixed texts of the open progress window and the unknown-device dialog.

namespace OpenProgressTexts {

inline constexpr const char* Caption = "Open Progress";
inline constexpr const char* CancelQuestion = "Do you want to cancel the open operation?";
inline constexpr const char* UnknownDeviceCaption = "Unknown Device Type";

}  // namespace OpenProgressTexts
