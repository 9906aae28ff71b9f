#include "document/SaveWithBackup.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <random>
#include <sstream>

#include <unistd.h>

namespace {

bool Fails(const SaveFault& fault, SaveStep step) { return fault && fault(step); }

// A hidden name beside the path that nothing uses yet.
std::string SpareName(const std::string& path, const char* purpose)
{
    const std::filesystem::path full(path);
    std::random_device random;
    for (;;) {
        std::ostringstream name;
        name << "." << full.filename().string() << "." << purpose << "-" << ::getpid() << "-" << std::hex << random();
        const std::filesystem::path spare = full.parent_path() / name.str();
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(spare, error)))
            return spare.string();
    }
}

bool Rename(const std::string& from, const std::string& to, const SaveFault& fault, SaveStep step)
{
    return !Fails(fault, step) && FileSystem::RenameFile(from, to);
}

// The new contents in a file of their own, through the atomic write, whose
// steps map onto the save's.
bool WriteNew(const std::string& fresh, std::string_view bytes, const SaveFault& fault)
{
    const FileSystem::WriteFault writeFault = [&fault](FileSystem::WriteStep step) {
        return Fails(fault, step == FileSystem::WriteStep::CreateTemporary ? SaveStep::CreateTemporary
                                                                           : SaveStep::WriteNew);
    };
    return FileSystem::WriteFileAtomically(fresh, bytes, fault ? writeFault : FileSystem::WriteFault());
}

}  // namespace

std::string BackupPath(const std::string& path)
{
    return path.substr(0, path.size() < 3 ? 0 : path.size() - 3) + "BAK";
}

bool SaveWithBackup(const std::string& path, std::string_view bytes, const SaveFault& fault)
{
    // A folder of that name is no document to back up and replace.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    const std::string fresh = SpareName(path, "new");
    if (!WriteNew(fresh, bytes, fault))
        return false;

    const bool hasOld = FileSystem::Stamp(path).has_value();
    const std::string backup = BackupPath(path);
    std::string oldBackup;  // where the previous backup waits until the save is done
    bool movedOld = false;
    bool ok = true;
    if (hasOld && FileSystem::Stamp(backup)) {
        oldBackup = SpareName(backup, "old");
        ok = Rename(backup, oldBackup, fault, SaveStep::SetBackupAside);
        if (!ok)
            oldBackup.clear();
    }
    if (ok && hasOld)
        ok = movedOld = Rename(path, backup, fault, SaveStep::MoveOldToBackup);
    const bool placedNew = ok = ok && Rename(fresh, path, fault, SaveStep::MoveNewIntoPlace);
    // The older backup is replaced even when it was read-only: removing a
    // name from the folder does not depend on the file's own permissions.
    if (ok && !oldBackup.empty())
        ok = !Fails(fault, SaveStep::DeleteOldBackup) && FileSystem::DeleteFile(oldBackup);

    if (!ok) {
        // Undo in reverse order; the old file and backup are only renamed,
        // so putting the names back restores them.
        if (placedNew)
            FileSystem::RenameFile(path, fresh);
        FileSystem::DeleteFile(fresh);
        if (movedOld)
            FileSystem::RenameFile(backup, path);
        if (!oldBackup.empty())
            FileSystem::RenameFile(oldBackup, backup);
        return false;
    }
    return true;
}
