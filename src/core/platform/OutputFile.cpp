#include "platform/OutputFile.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileSystem {

namespace {

// What a name leads to: the file's device and inode where it exists, else
// the canonical path it would be made at (past every symbolic link, even a
// dangling one).
struct Identity {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    std::string Path;
    bool operator==(const Identity&) const = default;
};

Identity IdentityOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return Identity{true, info.st_dev, info.st_ino, {}};
    std::error_code error;
    const fs::path absolute = fs::absolute(WriteTarget(path), error);
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return Identity{false, 0, 0, (error ? absolute : canonical).lexically_normal().string()};
}

// The number in "/proc/<number>/fd" or "/proc/<number>/task/<thread>/fd".
std::optional<pid_t> ProcessOfDescriptorFolder(const fs::path& folder)
{
    const std::string text = folder.string();
    constexpr std::string_view proc = "/proc/";
    if (text.compare(0, proc.size(), proc) != 0 || !text.ends_with("/fd"))
        return std::nullopt;
    pid_t pid = 0;
    const char* first = text.data() + proc.size();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, pid);
    if (error != std::errc() || end == first || *end != '/')
        return std::nullopt;
    const std::string_view rest(end, static_cast<size_t>(last - end));
    if (rest != "/fd" && !(rest.starts_with("/task/") && rest.find('/', 6) == rest.size() - 3))
        return std::nullopt;
    return pid;
}

// A descriptor a name stands for: one of its links lies in a process's
// descriptor folder (/dev/stdout leads to /proc/self/fd/1, /dev/fd/N is
// /proc/self/fd/N). The link there names an open file, not a place: its
// target may be a pipe, or a regular file that others write to as well.
struct DescriptorName {
    pid_t Process = 0;
    int Descriptor = -1;
};

std::optional<DescriptorName> DescriptorNamed(const std::string& path)
{
    fs::path hop(path);
    std::error_code error;
    for (int links = 0; links < 40; ++links) {
        const fs::path parent = hop.parent_path().empty() ? fs::path(".") : hop.parent_path();
        const fs::path folder = fs::canonical(parent, error);
        if (!error) {
            if (const auto process = ProcessOfDescriptorFolder(folder)) {
                const std::string name = hop.filename().string();
                int fd = -1;
                const auto [end, failed] = std::from_chars(name.data(), name.data() + name.size(), fd);
                if (failed == std::errc() && end == name.data() + name.size() && fd >= 0)
                    return DescriptorName{*process, fd};
                return std::nullopt;
            }
        }
        if (!fs::is_symlink(hop, error))
            return std::nullopt;
        const fs::path link = fs::read_symlink(hop, error);
        if (error)
            return std::nullopt;
        hop = link.is_absolute() ? link : parent / link;
    }
    return std::nullopt;
}

// A reader that has gone makes a write to a pipe fail with EPIPE and send
// SIGPIPE, which would end the program without a word: held back while the
// target is written, and taken off if it came, so that the failure is told.
class PipeSignalHeld {
public:
    PipeSignalHeld()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &pipe_, &before_);
    }
    ~PipeSignalHeld()
    {
        sigset_t pending;
        sigemptyset(&pending);
        if (!sigismember(&before_, SIGPIPE) && ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE)) {
            const timespec now{};
            ::sigtimedwait(&pipe_, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

private:
    sigset_t pipe_{};
    sigset_t before_{};
};

}  // namespace

std::string OutputClash::Text() const
{
    return Output.Role + " '" + Output.Path + "' is the same file as " + With.Role + " '" + With.Path + "'";
}

bool SameFile(const std::string& one, const std::string& other)
{
    return !one.empty() && !other.empty() && IdentityOf(one) == IdentityOf(other);
}

std::optional<OutputClash> FindOutputClash(const std::vector<RunFile>& inputs, const std::vector<RunFile>& outputs)
{
    std::vector<std::pair<const RunFile*, Identity>> taken;
    for (const RunFile& input : inputs)
        if (!input.Path.empty())
            taken.emplace_back(&input, IdentityOf(input.Path));
    for (const RunFile& output : outputs) {
        if (output.Path.empty())
            continue;
        const Identity identity = IdentityOf(output.Path);
        for (const auto& [file, other] : taken)
            if (other == identity)
                return OutputClash{output, *file};
        taken.emplace_back(&output, identity);
    }
    return std::nullopt;
}

OutputFile::OutputFile(const std::string& path, const WriteFault& fault) : fault_(fault)
{
    if (const auto descriptor = DescriptorNamed(path)) {
        inPlace_ = true;
        // This process's own: written after what went there before; fflush
        // puts whatever the C streams hold there first.
        std::fflush(nullptr);
        target_ = descriptor->Process == ::getpid()
                      ? ::fcntl(descriptor->Descriptor, F_DUPFD_CLOEXEC, 0)
                      : ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        if (target_ < 0) {
            Fail(errno);
            return;
        }
    } else if (struct stat info {}; ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode)) {
            Fail(EISDIR);
            return;
        }
        target_ = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (target_ < 0) {
            Fail(errno);
            return;
        }
        // Swapped for a regular file since: replaced as one.
        inPlace_ = ::fstat(target_, &info) != 0 || !S_ISREG(info.st_mode);
        if (!inPlace_) {
            ::close(target_);
            target_ = -1;
        }
    }
    if (Fails(WriteStep::CreateTemporary))
        return;
    if (!inPlace_) {
        replacement_.emplace(path, Replacement::Owner::OldFile);
        if (!replacement_->Created())
            error_ = replacement_->Error();
        return;
    }
    scratchPath_ = (fs::temp_directory_path() / ".ferrolux-output-XXXXXX").string();
    scratch_ = ::mkostemp(scratchPath_.data(), O_CLOEXEC);
    if (scratch_ < 0) {
        scratchPath_.clear();
        Fail(errno);
    }
}

OutputFile::~OutputFile()
{
    if (target_ >= 0)
        ::close(target_);
    if (scratch_ >= 0)
        ::close(scratch_);
    if (!scratchPath_.empty())
        ::unlink(scratchPath_.c_str());
}

int OutputFile::Descriptor() const { return replacement_ ? replacement_->Descriptor() : scratch_; }

const std::string& OutputFile::TemporaryPath() const
{
    return replacement_ ? replacement_->TemporaryPath() : scratchPath_;
}

bool OutputFile::Fail(int number)
{
    error_ = std::strerror(number);
    return false;
}

bool OutputFile::Fails(WriteStep step)
{
    if (fault_ && fault_(step))
        Fail(EIO);  // a step the test hook fails stands for a failing disk
    return !error_.empty();
}

bool OutputFile::Finish()
{
    if (!error_.empty())
        return false;
    if (inPlace_)
        return CopyIntoTarget();
    const auto step = [this](bool done) {
        if (!done)
            error_ = replacement_->Error();
        return done;
    };
    return !Fails(WriteStep::Sync) && step(replacement_->Sync()) && !Fails(WriteStep::Rename) &&
           step(replacement_->Rename()) && !Fails(WriteStep::SyncFolder) && step(replacement_->SyncFolder());
}

bool OutputFile::CopyIntoTarget()
{
    if (::lseek(scratch_, 0, SEEK_SET) != 0)
        return Fail(errno);
    const PipeSignalHeld held;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(scratch_, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Fail(errno);
        if (got == 0)
            break;
        if (!WriteAll(target_, std::string_view(buffer.data(), static_cast<size_t>(got))))
            return Fail(errno);
    }
    const int fd = std::exchange(target_, -1);
    return ::close(fd) == 0 || Fail(errno);
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& reason, const WriteFault& fault)
{
    reason.clear();
    if (struct stat info {}; ::stat(path.c_str(), &info) != 0) {
        std::error_code error;
        const fs::path folder = fs::path(WriteTarget(path)).parent_path();
        if (!folder.empty())
            fs::create_directories(folder, error);
        if (error) {
            reason = error.message();
            return false;
        }
    }
    OutputFile output(path, fault);
    const size_t half = bytes.size() / 2;
    const auto write = [&](std::string_view part) {
        if (!WriteAll(output.Descriptor(), part))
            reason = std::strerror(errno);
        return reason.empty();
    };
    const auto failing = [&](WriteStep step) {
        if (fault && fault(step))
            reason = std::strerror(EIO);
        return !reason.empty();
    };
    if (!output.Ready())
        reason = output.Error();
    else if (write(bytes.substr(0, half)) && !failing(WriteStep::WriteBytes) && write(bytes.substr(half)) &&
             !output.Finish())
        reason = output.Error();
    return reason.empty();
}

}  // namespace FileSystem
