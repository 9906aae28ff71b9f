#pragma once
// Profile files: sections in square brackets and key=value lines, read and
// written one value at a time with the behaviour the data files and the
// document format rely on:
//
// - section and key names match in any case; lines beginning with ";" are
//   comments; blanks around names and values do not count;
// - a missing file, section or key reads as the empty text;
// - a value that begins and ends with a double quote loses those two quotes
//   (so a quoted value keeps its inner leading and trailing blanks), and a
//   value is cut to 1023 characters;
// - writing a key of a missing section appends the section at the end of the
//   file; a new key goes to the end of its section; an existing key is
//   replaced in place; deleting what is absent changes nothing.
//
// Files are read as UTF-8, or as Windows-1252 when they are not valid UTF-8,
// with LF or CRLF line ends; they are written as UTF-8 with CRLF. Every write
// replaces the whole file atomically, so a failed write returns false and
// leaves the old file as it was. A missing folder is created on writing.

#include "text/ProfileText.h"
#include "platform/FileSystem.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace WinINI {

// Where reads of profile files come from: the cache below in the program; a
// reader that goes back to the file for every key, as the desktop's own
// profile functions do, where the cost of that is measured.
class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    virtual std::string ReadKey(const std::string& file, const std::string& section, const std::string& key) = 0;
    // ProfileText::LastNumberedKey of the file: a list is read to its last
    // entry, so that a gap in it is told instead of ending it.
    virtual int LastNumberedKey(const std::string& file, const std::string& section, const std::string& word) = 0;
};

// Parses each file once and answers reads from memory (a hash lookup) until
// the file changes on disk, which a stat of the file tells.
class ProfileCache : public ProfileReader {
public:
    explicit ProfileCache(FileSystem::WriteFault fault = {}) : fault_(std::move(fault)) {}

    // While a pass is held, a file is checked against the disk at its first
    // read only, and later reads answer from that version (writes through
    // the cache still go to the disk and are seen). For a pass that reads
    // many keys in a moment (loading the catalogues, opening a document),
    // where a check before every key would cost more than the reads.
    class Pass {
    public:
        explicit Pass(ProfileCache& cache) : cache_(cache) { ++cache_.passes_; }
        ~Pass()
        {
            if (--cache_.passes_ == 0)
                cache_.checked_.clear();
        }
        Pass(const Pass&) = delete;
        Pass& operator=(const Pass&) = delete;

    private:
        ProfileCache& cache_;
    };

    std::string ReadKey(const std::string& file, const std::string& section, const std::string& key) override;
    int LastNumberedKey(const std::string& file, const std::string& section, const std::string& word) override;
    // Applies a batch of edits to the file's text and writes the result in
    // one write of the file, so that either all of them are on disk or none
    // is (nothing is written when they change nothing). False when the file
    // exists but cannot be read, or the write fails.
    using Edits = std::function<void(ProfileText&)>;
    bool Edit(const std::string& file, const Edits& edits);
    bool WriteKey(const std::string& file, const std::string& section, const std::string& key, const std::string& value);
    bool DeleteKey(const std::string& file, const std::string& section, const std::string& key);
    bool DeleteSection(const std::string& file, const std::string& section);

private:
    struct Profile {
        ProfileText Text;
        std::optional<FileSystem::FileStamp> Stamp;  // none for a missing file
    };

    // The file as it is on disk now: an empty profile for a missing file,
    // nullptr for a file that exists but cannot be read.
    Profile* Fresh(const std::string& file);
    FileSystem::WriteFault fault_;
    std::unordered_map<std::string, Profile> profiles_;
    int passes_ = 0;
    std::unordered_set<std::string> checked_;  // files checked in the current pass
};

// The cache the free functions use. One instance for the process is safe:
// it holds nothing of the program's state, only copies of files that it checks
// against the disk before every use, so no caller can tell it is there.
ProfileCache& SharedProfileCache();

std::string ReadProfileKey(const std::string& file, const std::string& section, const std::string& key);
int LastNumberedProfileKey(const std::string& file, const std::string& section, const std::string& word);
bool WriteProfileKey(const std::string& file, const std::string& section, const std::string& key, const std::string& value);
// Deletes the key when the value is empty or is two double quotes.
bool WriteOrDeleteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value);
bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key);
bool DeleteProfileSection(const std::string& file, const std::string& section);

// The desktop's own WIN.INI does not exist here: every read is empty.
std::string ReadWinIniKey(const std::string& section, const std::string& key);

}  // namespace WinINI
