#pragma once
// One profile file held in memory: its lines and an index of its sections and
// keys, edited with exactly the behaviour described in WinINI.h (names in any
// case, quoted values, the 1023-character cut, a new section appended at the
// end, a new key at the end of its section, an existing key replaced in
// place). The profile cache keeps one per file on disk; the document writer
// builds a whole file in one, so that thousands of keys cost one disk write.
//
// Reads are hash lookups, and writing a key updates the index in place
// instead of parsing every line again.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace WinINI {

inline constexpr size_t MaxValueLength = 1023;

class ProfileText {
public:
    ProfileText() = default;
    // Lines without their line ends.
    explicit ProfileText(std::vector<std::string> lines);
    // A file's text (UTF-8), LF or CRLF line ends.
    static ProfileText FromText(const std::string& text);

    // The value as read: without one pair of enclosing quotes, cut to 1023
    // characters; empty for a missing section or key.
    std::string Read(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // The largest n of the keys `word` + n (n in decimal, no sign or leading
    // zero) in the section, or -1 when there is none: how far a numbered
    // list reaches, gaps and all.
    int LastNumberedKey(std::string_view section, std::string_view word) const;

    // Each returns true when the text changed.
    bool Write(const std::string& section, const std::string& key, const std::string& value);
    bool DeleteKey(std::string_view section, std::string_view key);
    // Every section of that name goes, repeats included, so that no older
    // copy of it can surface afterwards.
    bool DeleteSection(std::string_view section);

    const std::vector<std::string>& Lines() const { return lines_; }
    // The whole text, every line ended by CR LF.
    std::string Text() const;

private:
    struct Key {
        size_t Line = 0;
        std::string Value;  // as read: unquoted and cut
    };
    struct Section {
        size_t Header = 0;
        size_t End = 0;  // the next section's header line, or the line count
        std::unordered_map<std::string, Key> Keys;  // by folded name
    };

    void Index();
    const Key* FindKey(std::string_view section, std::string_view key) const;
    // Inserts a key line written into an existing section, keeping the index.
    void InsertKeyLine(Section& section, size_t at, std::string line, const std::string& foldedKey);

    std::vector<std::string> lines_;
    std::unordered_map<std::string, Section> sections_;  // by folded name; the first of duplicates
};

}  // namespace WinINI
