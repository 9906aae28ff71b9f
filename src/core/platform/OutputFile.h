#pragma once
// The files the program writes for the user beside the document (the report
// as a PDF, the schedules, the plots), and the one rule for their targets:
//
// - Before anything is written, an output that is one of the run's input
//   files, or the same file as another of its outputs, is refused. Files are
//   compared as the system resolves them, not by their names: the same
//   device and inode where the file exists, else the same canonical path, so
//   a symbolic link, a hard link or "./x" names the file it leads to.
// - A target that exists and is not a regular file (a FIFO, a character
//   device such as /dev/null, an open descriptor such as /dev/stdout) is
//   opened and written as it stands, never renamed over.
// - A regular file, or a new one, is replaced whole through a temporary file
//   beside it, keeping the old file's permission bits and, where the process
//   may, its owner.

#include "platform/FileSystem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace FileSystem {

// A file a run reads or writes, with what it is to the user ("--pdf", "the
// input file", "the open document").
struct RunFile {
    std::string Role;
    std::string Path;
};

// An output that would overwrite one of the run's inputs or another output.
struct OutputClash {
    RunFile Output;
    RunFile With;
    // "--pdf 'site.QLX' is the same file as the input file 'site.QLX'"
    std::string Text() const;
};

// True when the two names lead to one file (see above). An empty name is no
// file.
bool SameFile(const std::string& one, const std::string& other);

// The first output (in their order) that is one of the inputs or the same
// file as an output before it; nullopt when each output is a file of its own.
// Outputs with an empty path are skipped.
std::optional<OutputClash> FindOutputClash(const std::vector<RunFile>& inputs, const std::vector<RunFile>& outputs);

// One output being written. The contents go to Descriptor(), or to whoever
// opens TemporaryPath() (a printer writing a PDF by name); Finish() puts
// them in place. Destroyed without Finish, nothing reaches the target and
// no temporary file is left.
//
// A regular or a new target: the contents are a Replacement beside it, and
// Finish gives them the old file's owner and permission bits, flushes them,
// renames them over the target and flushes the folder. A target written in
// place: the contents gather in a scratch file in the system's temporary
// folder and Finish copies them into the target, opened when the object is
// made (so a FIFO waits for its reader there). A name leading to one of this
// process's own descriptors (/dev/stdout, /dev/fd/N) is written through that
// descriptor, after whatever was written to it before.
class OutputFile {
public:
    explicit OutputFile(const std::string& path, const WriteFault& fault = {});
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when the contents cannot be written: the reason is in Error().
    bool Ready() const { return error_.empty(); }
    bool InPlace() const { return inPlace_; }
    int Descriptor() const;
    const std::string& TemporaryPath() const;

    bool Finish();
    // Why a step failed, as the system says it ("No space left on device").
    const std::string& Error() const { return error_; }

private:
    bool Fail(int number);
    bool Fails(WriteStep step);
    bool CopyIntoTarget();

    WriteFault fault_;
    bool inPlace_ = false;
    std::optional<Replacement> replacement_;
    int target_ = -1;           // in place: the target, open for writing
    int scratch_ = -1;          // in place: where the contents gather
    std::string scratchPath_;
    std::string error_;
};

// The bytes written to the path by the rule above, the folders of a new file
// made when missing; false with the system's reason. The test hook fails the
// steps of an atomic write (in place: the temporary file and the bytes).
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& reason,
                     const WriteFault& fault = {});

}  // namespace FileSystem
