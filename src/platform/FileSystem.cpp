#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileSystem {

namespace {

std::optional<struct stat> StatOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return info;
}

FileTime TimeOf(const struct timespec& time)
{
    return FileTime(std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec));
}

std::string FolderOf(const fs::path& path)
{
    const fs::path folder = path.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Every step of a write both checks the system's answer and offers the test
// hook the chance to fail it.
bool StepFails(const WriteFault& fault, WriteStep step)
{
    return fault && fault(step);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Opens a new file beside the target under a hidden name that is not in use.
// Created with the usual 0666 so the process's umask applies as for any new
// file.
int CreateTemporary(const fs::path& target, std::string& temporaryPath)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "." << target.filename().string() << ".tmp-" << ::getpid() << "-" << std::hex << random();
        temporaryPath = (target.parent_path() / name.str()).string();
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable; a failure here cannot undo the write, so
// it is ignored.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool FileExists(const std::string& path)
{
    const fs::path full(path);
    const std::string name = full.filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code error;
    for (fs::directory_iterator it(FolderOf(full), error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename() == name)
            return it->is_regular_file(error);
    }
    return false;
}

std::optional<FileTime> ModificationTime(const std::string& path)
{
    const auto info = StatOf(path);
    if (!info)
        return std::nullopt;
    return TimeOf(info->st_mtim);
}

std::optional<FileStamp> Stamp(const std::string& path)
{
    const auto info = StatOf(path);
    if (!info)
        return std::nullopt;
    return FileStamp{TimeOf(info->st_mtim), static_cast<uint64_t>(info->st_size), static_cast<uint64_t>(info->st_ino),
                     static_cast<uint64_t>(info->st_dev)};
}

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    const auto info = StatOf(path);
    if (!info || !S_ISREG(info->st_mode))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return bytes.str();
}

bool RenameFile(const std::string& from, const std::string& to)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(to, error)))
        return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool DeleteFile(const std::string& path)
{
    const auto info = StatOf(path);
    if (!info || S_ISDIR(info->st_mode))
        return false;
    return ::unlink(path.c_str()) == 0;
}

namespace {

OpenError MissingFileError(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::is_directory(folder, error))
        return OpenError{76, "Path not found"};
    return OpenError{53, "File not found"};
}

OpenError ErrorOfErrno(const std::string& path, int number)
{
    switch (number) {
    case ENOENT:
        return MissingFileError(path);
    case EACCES:
    case EPERM:
        return OpenError{70, "Permission denied"};
    default:
        return OpenError{75, "Path/File access error"};
    }
}

// What a folder gives: anything but a regular file is no document.
const OpenError NotAFile{75, "Path/File access error"};

}  // namespace

std::optional<OpenError> CheckReadable(const std::string& path)
{
    // The kind of file is looked at before opening it: opening a FIFO waits
    // for a writer, and opening a device may act on the device.
    const auto info = StatOf(path);
    if (!info)
        return ErrorOfErrno(path, errno);
    if (!S_ISREG(info->st_mode))
        return NotAFile;
    // Non-blocking, in case the name is swapped for a FIFO in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return ErrorOfErrno(path, errno);
    struct stat opened {};
    const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    ::close(fd);
    if (!regular)
        return NotAFile;
    return std::nullopt;
}

bool IsReadOnly(const std::string& path)
{
    const auto info = StatOf(path);
    if (!info)
        return false;
    mode_t writeBit = S_IWOTH;
    if (info->st_uid == ::geteuid())
        writeBit = S_IWUSR;
    else if (info->st_gid == ::getegid())
        writeBit = S_IWGRP;
    return (info->st_mode & writeBit) == 0 || ::access(path.c_str(), W_OK) != 0;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFault& fault)
{
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        target = fs::canonical(target, error);
        if (error)
            return false;
    }
    const std::string folder = FolderOf(target);
    fs::create_directories(folder, error);
    if (error)
        return false;

    std::string temporaryPath;
    const int fd = StepFails(fault, WriteStep::CreateTemporary) ? -1 : CreateTemporary(target, temporaryPath);
    if (fd < 0)
        return false;

    const size_t half = bytes.size() / 2;
    bool ok = WriteAll(fd, bytes.substr(0, half)) && !StepFails(fault, WriteStep::WriteBytes) &&
              WriteAll(fd, bytes.substr(half));
    if (ok) {
        if (const auto old = StatOf(target.string()))
            ok = ::fchmod(fd, old->st_mode & 07777) == 0;
    }
    ok = ok && !StepFails(fault, WriteStep::Sync) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && !StepFails(fault, WriteStep::Rename) && ::rename(temporaryPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace FileSystem
