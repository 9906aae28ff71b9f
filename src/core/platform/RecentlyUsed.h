#pragma once
// The desktop's list of recently used files (the freedesktop bookmark file
// "recently-used.xbel" in the user's data folder), which file choosers and
// launchers of the desktop show. Telling it is best effort: any failure is
// silent, and a file the list cannot be understood from is left alone.

#include <string>

namespace RecentlyUsed {

// $XDG_DATA_HOME/recently-used.xbel (~/.local/share when unset).
std::string DefaultListPath();

// Adds the file (a full path) to the list at listPath, or marks it used
// again when it is listed already. `application` names the program and
// `command` how it opens a file ("%u" standing for the file's address).
void AddFile(const std::string& listPath, const std::string& file, const std::string& application,
             const std::string& command, const std::string& timestamp);

// "file://" and the path with the characters an address may not hold escaped.
std::string FileAddress(const std::string& path);

// The current time as the list writes it ("2026-12-06T10:04:05.000000Z").
std::string TimestampNow();

}  // namespace RecentlyUsed
