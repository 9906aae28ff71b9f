#pragma once
// Saving a file over an older one so that the older one survives as the
// backup ("site.QLX" keeps its previous contents in "site.BAK"), and so that
// a failure at any step leaves the old file and the old backup as they were.

#include <functional>
#include <string>
#include <string_view>

// The steps of a save, so that tests can make one of them fail.
enum class SaveStep {
    CreateTemporary,   // the temporary file beside the target that takes the new contents
    WriteNew,          // the new contents written into it, complete (asked half-way through)
    SetBackupAside,    // the old backup renamed out of the way
    MoveOldToBackup,   // the old file renamed to the backup name
    MoveNewIntoPlace,  // the temporary file renamed to the target
    DeleteOldBackup    // the old backup deleted, once the new file is in place
};
// Returns true to make the step fail.
using SaveFault = std::function<bool(SaveStep)>;

// The path with its last three characters replaced by "BAK".
std::string BackupPath(const std::string& path);

// Writes the bytes to the path. An existing file becomes the backup,
// replacing an older backup (read-only or not) only once the new file is in
// place. False on any failure, with nothing changed and no temporary file
// left behind.
bool SaveWithBackup(const std::string& path, std::string_view bytes, const SaveFault& fault = {});
