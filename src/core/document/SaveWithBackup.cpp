#include "document/SaveWithBackup.h"

#include "platform/CaseFold.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

bool Fails(const SaveFault& fault, SaveStep step) { return fault && fault(step); }

// A byte inside a UTF-8 character, after its first.
bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

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

// Why a step failed: the system's reason, or a failing disk for a step the
// test hook fails.
std::string ReasonOf(bool injected, int error) { return std::strerror(injected ? EIO : error); }

// The file about to be replaced becomes the backup while it keeps its own
// name: a second name first, then one rename over the older backup, so that
// the backup's name too always holds a whole file.
bool KeepAsBackup(const std::string& file, const SaveFault& fault, SaveFailure& failure)
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
    const bool linkFails = Fails(fault, SaveStep::LinkBackup);
    if (linkFails || !FileSystem::LinkOrCopy(file, aside)) {
        failure = {backup, ReasonOf(linkFails, errno)};
        return false;
    }
    // Renaming over the older backup works even when it is read-only:
    // replacing a name depends on the folder, not on the file.
    const bool replaceFails = Fails(fault, SaveStep::ReplaceBackup);
    if (replaceFails || std::rename(aside.c_str(), backup.c_str()) != 0) {
        failure = {backup, ReasonOf(replaceFails, errno)};
        FileSystem::DeleteFile(aside);
        return false;
    }
    return true;
}

}  // namespace

std::string BackupPath(const std::string& path)
{
    // The classic rule replaces the last three characters ("site.QLX" becomes
    // "site.BAK"), which is right for a name with an extension of three; on
    // any other name it would eat into the name, or on a short one reach past
    // it into the folder's name.
    const std::string_view name = std::string_view(path).substr(path.find_last_of('/') + 1);
    size_t extension = name.size();
    for (int characters = 0; characters < 3 && extension > 0; ++characters)
        while (extension > 0 && IsContinuationByte(name[--extension])) {
        }
    const bool threeCharacterExtension =
        extension > 0 && name[extension - 1] == '.' && name.substr(extension).find('.') == std::string_view::npos;
    return threeCharacterExtension ? path.substr(0, path.size() - (name.size() - extension)) + "BAK" : path + ".BAK";
}

std::string DocumentPath(const std::string& chosen)
{
    constexpr std::string_view extension = ".qlx";
    const bool named = chosen.size() >= extension.size() &&
                       FoldCase(std::string_view(chosen).substr(chosen.size() - extension.size())) == extension;
    return named ? chosen : chosen + ".QLX";
}

bool SaveWithBackup(const std::string& path, std::string_view bytes, SaveFailure& failure, const SaveFault& fault)
{
    failure = {};
    // A folder of that name is no document to back up and replace.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        failure = {path, std::strerror(EISDIR)};
        return false;
    }
    const std::string target = FileSystem::WriteTarget(path);
    FileSystem::RemoveLeftovers(BackupPath(target));
    const FileSystem::WriteFault writeFault = [&fault](FileSystem::WriteStep step) {
        return Fails(fault, SaveStepOf(step));
    };
    SaveFailure backupFailure;
    std::string reason;
    if (FileSystem::WriteFileAtomically(path, bytes, reason, fault ? writeFault : FileSystem::WriteFault(),
                                        [&](const std::string& file) { return KeepAsBackup(file, fault, backupFailure); }))
        return true;
    failure = backupFailure.File.empty() ? SaveFailure{target, reason} : backupFailure;
    return false;
}
