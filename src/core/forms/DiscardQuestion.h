#pragma once
// Esc or Cancel in a window that holds changes asks before they are thrown
// away; a window without changes closes at once.

#include <string>

class MessageHost;

namespace DiscardQuestion {

inline constexpr const char* Discard = "Discard";
inline constexpr const char* KeepEditing = "Keep Editing";

// True when the window may close: nothing changed, or the user chose Discard.
bool MayClose(MessageHost& host, bool changed, const std::string& question, const std::string& caption);

}  // namespace DiscardQuestion
