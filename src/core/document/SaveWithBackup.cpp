#include "document/SaveWithBackup.h"

#include "platform/FileSystem.h"

#include <cstdio>
#include <filesystem>

namespace {

bool Fails(const SaveFault& fault, SaveStep step) { return fault && fault(step); }

SaveStep SaveStepOf(FileSystem::WriteStep step)
{
    switch (step) {
    case FileSystem::WriteStep::CreateTemporary: return SaveStep::CreateTemporary;
    case FileSystem::WriteStep::WriteBytes: return SaveStep::WriteNew;
    case FileSystem::WriteStep::Sync: return SaveStep::SyncNew;
    case FileSystem::WriteStep::Rename: return SaveStep::MoveNewIntoPlace;
    case FileSystem::WriteStep::SyncFolder: break;
    }
    return SaveStep::SyncFolder;
}

// The file about to be replaced becomes the backup while it keeps its own
// name: a second name first, then one rename over the older backup, so that
// the backup's name too always holds a whole file.
bool KeepAsBackup(const std::string& file, const SaveFault& fault)
{
    const auto stamp = FileSystem::Stamp(file);
    if (!stamp)
        return true;  // a first save has nothing to keep
    const std::string backup = BackupPath(file);
    // A document named like a backup is its own; after a save that failed
    // at its last steps the backup is the file already.
    if (backup == file || FileSystem::Stamp(backup) == stamp)
        return true;
    const std::string aside = FileSystem::TemporaryName(backup);
    if (Fails(fault, SaveStep::LinkBackup) || !FileSystem::LinkOrCopy(file, aside))
        return false;
    // Renaming over the older backup works even when it is read-only:
    // replacing a name depends on the folder, not on the file.
    if (Fails(fault, SaveStep::ReplaceBackup) || std::rename(aside.c_str(), backup.c_str()) != 0) {
        FileSystem::DeleteFile(aside);
        return false;
    }
    return true;
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
    FileSystem::RemoveLeftovers(BackupPath(FileSystem::WriteTarget(path)));
    const FileSystem::WriteFault writeFault = [&fault](FileSystem::WriteStep step) {
        return Fails(fault, SaveStepOf(step));
    };
    return FileSystem::WriteFileAtomically(path, bytes, fault ? writeFault : FileSystem::WriteFault(),
                                           [&fault](const std::string& target) { return KeepAsBackup(target, fault); });
}
