#pragma once
// Saving a file over an older one so that the older one survives as the
// backup ("site.QLX" keeps its previous contents in "site.BAK"), and so that
// the file's name holds the old or the new complete file at every instant,
// whatever step a failure or a crash stops the save at.

#include <functional>
#include <string>
#include <string_view>

// The steps of a save, in order, so that tests can make one of them fail or
// stop the process there as a crash would.
enum class SaveStep {
    CreateTemporary,   // the temporary file beside the file that takes the new contents
    WriteNew,          // the new contents written into it, complete (asked half-way through)
    SyncNew,           // the new contents flushed to disk
    LinkBackup,        // the old file given a second, temporary name
    ReplaceBackup,     // that name renamed over the backup's
    MoveNewIntoPlace,  // the temporary file renamed over the file
    SyncFolder         // the folder flushed, so that the renames last
};
// Returns true to make the step fail.
using SaveFault = std::function<bool(SaveStep)>;

// Beside the file, in its folder: a name with an extension of three
// characters has them replaced by "BAK" ("site.QLX" gives "site.BAK"); any
// other name is followed by ".BAK" ("plan" gives "plan.BAK").
std::string BackupPath(const std::string& path);

// The file a document is saved as: a name that does not end in ".QLX", in
// any case, has ".QLX" added ("Millbrook.rev3" gives "Millbrook.rev3.QLX"),
// so that the open dialog lists it and its backup keeps its whole name.
std::string DocumentPath(const std::string& chosen);

// Why a save failed: the file the failing step was on (the document, or its
// backup) and the system's reason ("No space left on device").
struct SaveFailure {
    std::string File;
    std::string Reason;
};

// Writes the bytes to the path; through a symbolic link, to its target and
// beside it. An existing file becomes the backup, by a second link to it (a
// copy where the file system has none), replacing an older backup
// (read-only or not), and keeps its permission bits in the new file. The
// leftovers of an earlier interrupted save are removed first. False on any
// failure, with why in `failure`; the file then still holds its old contents,
// no temporary file is left behind, and the backup holds the old or the
// older file.
bool SaveWithBackup(const std::string& path, std::string_view bytes, SaveFailure& failure,
                    const SaveFault& fault = {});
