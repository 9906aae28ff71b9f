#pragma once
// Small pieces of the application shell: the window title, the version
// string, the first-start defaults and the question before unsaved changes
// are dropped.

#include <functional>
#include <string>
#include <string_view>

class Catalogue;
class Document;
class MessageHost;
class Options;

namespace Shell {

inline constexpr int MajorVersion = 1;
inline constexpr int MinorVersion = 0;

// The file name without folders cut at its first ".", " - " and the
// application title; the title alone without a path.
std::string WindowTitle(const std::string& documentPath);

// "01.000": compared with "LatestVersion" to decide on the new-version dialog.
std::string VersionString(int major = MajorVersion, int minor = MinorVersion);
// "01.00": the version shown to the user.
std::string DisplayedVersion(int major = MajorVersion, int minor = MinorVersion);

// The first start: families shown by their locale ("US" only for a North
// American user, "NONUS" only for the others, "ALL" always), every device
// type of a shown family a standard device, and the unit system from the
// regional measurement setting.
void ApplyFirstStartDefaults(Catalogue& catalogue, Options& options, std::string_view localeId,
                             std::string_view iMeasure);

// Before New, Open and closing: a changed, writable document asks whether to
// save it. Yes saves (true when the save succeeds), No drops the changes,
// Cancel keeps everything (false).
bool CheckSaved(const Document& document, MessageHost& host, const std::function<bool()>& save);

}  // namespace Shell
