#pragma once
// The file operations the program needs, with the meanings they have on the
// desktop it was first written for: existence by a directory listing, the
// read-only attribute, and writes that never leave a file half-written.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace FileSystem {

using FileTime = std::chrono::sys_time<std::chrono::nanoseconds>;

// What tells one version of a file from the next without reading it: a
// rewrite through WriteFileAtomically always changes the inode, an outside
// edit changes the time or the size.
struct FileStamp {
    FileTime Modified{};
    uint64_t Size = 0;
    uint64_t Inode = 0;
    uint64_t Device = 0;
    bool operator==(const FileStamp&) const = default;
};

// True when listing the file's folder finds a regular file of exactly that
// name. As with a plain directory search, folders do not count and hidden
// files (names beginning with ".") are not listed.
bool FileExists(const std::string& path);

std::optional<FileTime> ModificationTime(const std::string& path);
std::optional<FileStamp> Stamp(const std::string& path);

// The path made absolute against the working folder, without "." and ".."
// parts: how the program names a file it opens or lists. An empty path, or
// one whose working folder is gone, stays as it is given, for the open to
// tell ("File not found").
std::string AbsolutePath(const std::string& path);

// The whole file; nullopt when it is missing or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Why a file cannot be opened for reading, numbered as the desktop's
// run-time errors number it: 53 "File not found", 76 "Path not found" (its
// folder is missing), 70 "Permission denied", 75 "Path/File access error"
// (a folder, a FIFO, a device: anything but a regular file or a link to
// one). nullopt when it can be read. Never waits: the kind of file is
// checked before the file is opened.
struct OpenError {
    int Number = 0;
    std::string Description;
};
std::optional<OpenError> CheckReadable(const std::string& path);

// Told of every file this process has replaced, renamed or deleted, once it
// is done: where files live in memory (the browser), so that the platform
// copies them to lasting storage. One listener for the process; none by
// default.
using ChangeListener = std::function<void(const std::string& path)>;
void SetChangeListener(ChangeListener listener);

// Moves a file; fails when the target already exists, as a rename does on
// the desktop.
bool RenameFile(const std::string& from, const std::string& to);
bool DeleteFile(const std::string& path);

// True when the user may not write the file: the write permission of the
// user's class (owner, group or others) is clear, or the system refuses
// writing (a read-only mount). The permission bits count even for the
// superuser, as the read-only attribute does for an administrator. A missing
// file is not read-only.
bool IsReadOnly(const std::string& path);

// Where a write to the path lands: the file at the end of a chain of symbolic
// links, or the path itself. So a write through a link replaces its target,
// in the target's folder, and the link stays a link.
std::string WriteTarget(const std::string& path);

// A hidden name beside the target that nothing uses yet: "." + the target's
// name + ".tmp-" + the process id + a random part. The writes below use
// these names and nothing else does, so what carries the pattern and no
// running process's id is a leftover of an interrupted write.
std::string TemporaryName(const std::string& target);
// Removes the leftovers of interrupted writes to the target (temporary names
// of its own pattern whose process is gone, or is this one).
void RemoveLeftovers(const std::string& target);

// A second name for a file (a hard link), or a copy with the same
// permission bits, flushed to disk, where the file system has no links.
// `to` must not exist.
bool LinkOrCopy(const std::string& from, const std::string& to);

// A new file that will replace `path` once it is complete: created empty
// under a temporary name beside the write target, then filled through
// Descriptor() or by whoever opens TemporaryPath(). Destroyed without
// Commit, it is removed. Creating it removes the target's leftovers.
class Replacement {
public:
    // With the old file's owner: where the process may (the superuser, or a
    // group of the user's own), Sync also gives the new file the owner and
    // group of the file it replaces; where it may not, the new file is the
    // process's, as without.
    enum class Owner { Process, OldFile };
    explicit Replacement(const std::string& path, Owner owner = Owner::Process);
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    bool Created() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    const std::string& Target() const { return target_; }
    const std::string& TemporaryPath() const { return temporary_; }

    // Flushes the new contents to disk with the permission bits (and, as
    // asked, the owner) of the file they replace, renames them over the
    // target in one step and flushes the folder, so that the target's name
    // holds the old or the new complete file at every instant, also across a
    // crash or a power cut.
    bool Sync();
    bool Rename();
    bool SyncFolder();

    // Why the last step failed, as the system says it ("No space left on
    // device"); empty while nothing failed.
    const std::string& Error() const { return error_; }

private:
    bool Failed();

    std::string target_;
    std::string temporary_;
    Owner owner_;
    int fd_ = -1;
    bool renamed_ = false;
    std::string error_;
};

// An exclusive advisory lock (flock) on the folder of a file, held while the
// object lives, around a read-change-write of a file that several processes
// share: the file itself cannot carry the lock, since every write replaces
// it. The folder is created when missing; waits while another holds it.
class FolderLock {
public:
    explicit FolderLock(const std::string& file);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The steps of an atomic write, so that tests can make one of them fail, or
// stop the process there as a crash would.
enum class WriteStep { CreateTemporary, WriteBytes, Sync, Rename, SyncFolder };
// Returns true to make the step fail. WriteBytes is asked after half of the
// bytes are in the temporary file, so a failure there leaves a truly partial
// temporary file behind to be cleaned up.
using WriteFault = std::function<bool(WriteStep)>;
// Runs once the new contents are safely on disk, just before they replace
// the file, with the write target; false stops the write.
using BeforeReplace = std::function<bool(const std::string& target)>;

// Writes the bytes through a Replacement (missing folders are created). On
// any failure before the rename the temporary file is removed, the old file
// is untouched and the result is false; a failed flush of the folder after
// it is a failure too, with the new file in place.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFault& fault = {},
                         const BeforeReplace& beforeReplace = {});
// The same, with why it failed as the system says it ("Not a directory");
// empty when it did not.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason,
                         const WriteFault& fault = {}, const BeforeReplace& beforeReplace = {});

// Every byte to the open descriptor, again after an interrupted write;
// false (errno set) on the first failure.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace FileSystem
