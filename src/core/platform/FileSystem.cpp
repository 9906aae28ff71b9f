#include "platform/FileSystem.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <signal.h>
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

ChangeListener& ChangeListenerSlot()
{
    static ChangeListener listener;
    return listener;
}

void FileChanged(const std::string& path)
{
    if (const ChangeListener& listener = ChangeListenerSlot())
        listener(path);
}

// Every step of a write both checks the system's answer and offers the test
// hook the chance to fail it.
bool StepFails(const WriteFault& fault, WriteStep step)
{
    return fault && fault(step);
}

std::string TemporaryPrefix(const fs::path& target)
{
    return "." + target.filename().string() + ".tmp-";
}

// The process id in a temporary name, when the name carries the prefix.
std::optional<pid_t> WriterOf(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    pid_t pid = 0;
    const char* first = name.data() + prefix.size();
    const auto [end, error] = std::from_chars(first, name.data() + name.size(), pid);
    if (error != std::errc() || end == first || *end != '-')
        return std::nullopt;
    return pid;
}

bool IsRunningElsewhere(pid_t pid)
{
    return pid != ::getpid() && (::kill(pid, 0) == 0 || errno == EPERM);
}

int CreateExclusive(const std::string& path, mode_t mode = 0666)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

bool SyncPath(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file system that cannot flush a folder has nothing to flush.
    const bool synced = ::fsync(fd) == 0 || ((flags & O_DIRECTORY) && errno == EINVAL);
    ::close(fd);
    return synced;
}

bool CopyFile(const std::string& from, const std::string& to)
{
    const auto info = StatOf(from);
    const auto bytes = ReadFileBytes(from);
    if (!info || !bytes)
        return false;
    const int fd = CreateExclusive(to, info->st_mode & 07777);
    if (fd < 0)
        return false;
    const bool ok = WriteAll(fd, *bytes) && ::fchmod(fd, info->st_mode & 07777) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
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

std::string AbsolutePath(const std::string& path)
{
    // Not left to std::filesystem: libstdc++ refuses an empty path, libc++
    // (the WebAssembly module's) makes it the working folder.
    if (path.empty())
        return path;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
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
    if (fs::exists(fs::symlink_status(to, error)) || ::rename(from.c_str(), to.c_str()) != 0)
        return false;
    FileChanged(from);
    FileChanged(to);
    return true;
}

bool DeleteFile(const std::string& path)
{
    const auto info = StatOf(path);
    if (!info || S_ISDIR(info->st_mode) || ::unlink(path.c_str()) != 0)
        return false;
    FileChanged(path);
    return true;
}

void SetChangeListener(ChangeListener listener) { ChangeListenerSlot() = std::move(listener); }

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

std::string WriteTarget(const std::string& path)
{
    fs::path target(path);
    std::error_code error;
    // As many links as the system itself follows.
    for (int hop = 0; hop < 40 && fs::is_symlink(target, error); ++hop) {
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

std::string TemporaryName(const std::string& target)
{
    const fs::path full(target);
    std::random_device random;
    for (;;) {
        std::ostringstream name;
        name << TemporaryPrefix(full) << ::getpid() << "-" << std::hex << random();
        const fs::path spare = full.parent_path() / name.str();
        std::error_code error;
        if (!fs::exists(fs::symlink_status(spare, error)))
            return spare.string();
    }
}

void RemoveLeftovers(const std::string& target)
{
    const fs::path full(target);
    const std::string prefix = TemporaryPrefix(full);
    std::error_code error;
    for (fs::directory_iterator it(FolderOf(full), error), end; !error && it != end; it.increment(error)) {
        const auto writer = WriterOf(it->path().filename().string(), prefix);
        std::error_code kind;
        if (writer && !IsRunningElsewhere(*writer) && it->is_regular_file(kind) && !it->is_symlink(kind))
            ::unlink(it->path().c_str());
    }
}

bool LinkOrCopy(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) != 0 && (errno == EEXIST || !CopyFile(from, to)))
        return false;
    FileChanged(to);
    return true;
}

Replacement::Replacement(const std::string& path, Owner owner) : target_(WriteTarget(path)), owner_(owner)
{
    std::error_code error;
    if (fs::is_directory(target_, error)) {
        error_ = std::strerror(EISDIR);
        return;
    }
    RemoveLeftovers(target_);
    // The usual 0666, so that the umask applies as for any new file.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = TemporaryName(target_);
        fd_ = CreateExclusive(temporary_);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        Failed();
        temporary_.clear();
    }
}

Replacement::~Replacement()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!renamed_ && !temporary_.empty())
        ::unlink(temporary_.c_str());
}

bool Replacement::Failed()
{
    error_ = std::strerror(errno);
    return false;
}

bool Replacement::Sync()
{
    const auto old = StatOf(target_);
    // The owner before the permission bits, which a change of owner may clear.
    // A user who may not give the file away may still keep its group.
    if (old && owner_ == Owner::OldFile && ::fchown(fd_, old->st_uid, old->st_gid) != 0 &&
        (errno != EPERM || (::fchown(fd_, static_cast<uid_t>(-1), old->st_gid) != 0 && errno != EPERM)))
        return Failed();
    if (old && ::fchmod(fd_, old->st_mode & 07777) != 0)
        return Failed();
    if (::fsync(fd_) != 0)
        return Failed();
    return true;
}

bool Replacement::Rename()
{
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Failed();
    renamed_ = true;
    FileChanged(target_);
    return true;
}

bool Replacement::SyncFolder()
{
    return SyncPath(FolderOf(target_), O_RDONLY | O_DIRECTORY) || Failed();
}

FolderLock::FolderLock(const std::string& file)
{
    const std::string folder = FolderOf(file);
    std::error_code error;
    fs::create_directories(folder, error);
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    int locked = 0;
    while ((locked = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // closing the last descriptor releases the lock
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason, const WriteFault& fault,
                         const BeforeReplace& beforeReplace)
{
    // A step the test hook fails stands for a failing disk.
    const auto fails = [&](WriteStep step) {
        if (StepFails(fault, step))
            reason = std::strerror(EIO);
        return !reason.empty();
    };
    reason.clear();
    std::error_code error;
    fs::create_directories(FolderOf(WriteTarget(path)), error);
    if (error) {
        reason = error.message();
        return false;
    }
    if (fails(WriteStep::CreateTemporary))
        return false;
    Replacement replacement(path);
    if (!replacement.Created()) {
        reason = replacement.Error();
        return false;
    }

    const size_t half = bytes.size() / 2;
    const int fd = replacement.Descriptor();
    const auto write = [&](std::string_view part) {
        if (!WriteAll(fd, part))
            reason = std::strerror(errno);
        return reason.empty();
    };
    const auto step = [&](bool done) {
        if (!done)
            reason = replacement.Error();
        return done;
    };
    if (!write(bytes.substr(0, half)) || fails(WriteStep::WriteBytes) || !write(bytes.substr(half)) ||
        fails(WriteStep::Sync) || !step(replacement.Sync()))
        return false;
    if (beforeReplace && !beforeReplace(replacement.Target())) {
        reason = "the write was stopped before it replaced the file";
        return false;
    }
    return !fails(WriteStep::Rename) && step(replacement.Rename()) && !fails(WriteStep::SyncFolder) &&
           step(replacement.SyncFolder());
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFault& fault,
                         const BeforeReplace& beforeReplace)
{
    std::string reason;
    return WriteFileAtomically(path, bytes, reason, fault, beforeReplace);
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

}  // namespace FileSystem
