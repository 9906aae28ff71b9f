#pragma once
// The current user's settings: named values of two kinds, text or 32-bit
// number, kept in one per-user file. Names match in any case; the spelling of
// the first write is kept. The values are held in memory and the file is read
// again only when it changed on disk. Every write replaces the whole file
// atomically, so it is never half-written; a failed write leaves the file
// and the values as they were.
//
// Several processes may write at once (the desktop program beside the
// headless calculator): a write takes an advisory lock, reads the file
// afresh, changes only the values this process wrote and writes it back, so
// no process undoes another's changes.
//
// File format, one value a line (lines beginning with ";" are comments):
//   "Form Width"=dword:00000320
//   "LastPanel"="Example 2-loop"
// Inside the quotes a backslash escapes \ " and the controls \n \r \t.

#include "platform/FileSystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class SettingsStore {
public:
    explicit SettingsStore(std::string path, FileSystem::WriteFault fault = {});

    // $XDG_CONFIG_HOME/Harvex/Harvex Ferrolux.conf (~/.config when unset).
    static std::string DefaultPath();
    const std::string& Path() const { return path_; }

    // Whether the text is a settings file: every line a value, a comment or
    // blank, and one value at least.
    static bool IsSettingsText(std::string_view text);

    // The value when it exists and is of that kind.
    std::optional<std::string> ReadString(const std::string& name) const;
    std::optional<int32_t> ReadNumber(const std::string& name) const;
    bool Exists(const std::string& name) const;

    // Holds the writes made while it lives (one step's, such as the
    // defaults of a start) and writes them in one write of the file when the
    // outermost batch ends. Reads meanwhile answer with the values written.
    class Batch {
    public:
        explicit Batch(SettingsStore& store) : store_(store) { ++store_.batches_; }
        ~Batch()
        {
            if (--store_.batches_ == 0)
                store_.Commit();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& store_;
    };

    // Writing the value a name already holds (same kind, same value) writes
    // nothing and succeeds.
    bool WriteString(const std::string& name, const std::string& text);
    bool WriteNumber(const std::string& name, int32_t value);
    // Deleting a missing value writes nothing and succeeds.
    bool Delete(const std::string& name);

private:
    struct Value {
        std::string Name;  // as first written
        bool IsNumber = false;
        std::string Text;
        int32_t Number = 0;
        bool operator==(const Value&) const = default;
    };
    using Values = std::map<std::string, Value>;  // by folded name
    using Changes = std::map<std::string, std::optional<Value>>;  // by folded name; none: deleted

    // A line's value; nothing for a blank line, a comment or a damaged line
    // (`damaged` tells those apart).
    static std::optional<Value> ParseLine(std::string_view line, bool& damaged);
    // Brings the values up to date with the file; false when the file exists
    // but cannot be read (a write would then destroy it).
    bool Refresh() const;
    const Value* Find(const std::string& name) const;
    bool Change(const std::string& name, std::optional<Value> value);
    // Writes the pending changes over the file as it is under the lock.
    bool Commit();
    bool Save(const Values& values);

    std::string path_;
    FileSystem::WriteFault fault_;
    mutable Values values_;
    mutable std::optional<FileSystem::FileStamp> stamp_;
    Changes pending_;  // written, not yet in the file
    int batches_ = 0;
};
