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

// The steps of an atomic write, so that tests can make one of them fail.
enum class WriteStep { CreateTemporary, WriteBytes, Sync, Rename };
// Returns true to make the step fail. WriteBytes is asked after half of the
// bytes are in the temporary file, so a failure there leaves a truly partial
// temporary file behind to be cleaned up.
using WriteFault = std::function<bool(WriteStep)>;

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over the path. Missing folders are created. On any failure
// the temporary file is removed, the old file is untouched and the result is
// false. An existing file keeps its permission bits; a symbolic link is
// followed, so its target is replaced.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFault& fault = {});

}  // namespace FileSystem
