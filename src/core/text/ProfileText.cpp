#include "text/ProfileText.h"

#include "platform/CaseFold.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <optional>

namespace WinINI {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

// The section a header line names, or nullopt when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trimmed(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view Name;
    std::string_view RawValue;
};

// A key line inside a section; comments, blank lines and lines without an
// equals sign are not keys.
std::optional<KeyLine> ParseKeyLine(std::string_view line)
{
    line = Trimmed(line);
    if (line.empty() || line.front() == ';')
        return std::nullopt;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = Trimmed(line.substr(0, equals));
    if (name.empty())
        return std::nullopt;
    return KeyLine{name, Trimmed(line.substr(equals + 1))};
}

std::string ValueAsRead(std::string_view raw)
{
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.substr(1, raw.size() - 2);
    return std::string(TextEncoding::FirstCharacters(raw, MaxValueLength));
}

bool IsBlank(const std::string& line) { return Trimmed(line).empty(); }

// Whether a line written for a key is read back as that key: not when the
// name has blanks around it, an equals sign, or begins like a comment or a
// section header. Only such lines take the slow path of a full index.
std::optional<std::string> PlainKeyValue(const std::string& line, const std::string& foldedKey)
{
    if (HeaderName(line))
        return std::nullopt;
    const auto parsed = ParseKeyLine(line);
    if (!parsed || FoldCase(parsed->Name) != foldedKey)
        return std::nullopt;
    return ValueAsRead(parsed->RawValue);
}

}  // namespace

ProfileText::ProfileText(std::vector<std::string> lines) : lines_(std::move(lines)) { Index(); }

ProfileText ProfileText::FromText(const std::string& text) { return ProfileText(SplitLines(text)); }

void ProfileText::Index()
{
    sections_.clear();
    Section* open = nullptr;  // the section whose keys are being read
    Section* last = nullptr;  // the section the current lines belong to
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (const auto name = HeaderName(line)) {
            if (last)
                last->End = i;
            // A repeated section is never read: the first one answers.
            const auto [section, isNew] = sections_.try_emplace(FoldCase(*name), Section{i, 0, {}});
            open = isNew ? &section->second : nullptr;
            last = open;
            continue;
        }
        if (!open)
            continue;
        if (const auto key = ParseKeyLine(line))
            open->Keys.try_emplace(FoldCase(key->Name), Key{i, ValueAsRead(key->RawValue)});
    }
    if (last)
        last->End = lines_.size();
}

const ProfileText::Key* ProfileText::FindKey(std::string_view section, std::string_view key) const
{
    const auto foundSection = sections_.find(FoldCase(section));
    if (foundSection == sections_.end())
        return nullptr;
    const auto foundKey = foundSection->second.Keys.find(FoldCase(key));
    return foundKey == foundSection->second.Keys.end() ? nullptr : &foundKey->second;
}

std::string ProfileText::Read(std::string_view section, std::string_view key) const
{
    const Key* found = FindKey(section, key);
    return found ? found->Value : std::string();
}

bool ProfileText::HasSection(std::string_view section) const { return sections_.count(FoldCase(section)) > 0; }

int ProfileText::LastNumberedKey(std::string_view section, std::string_view word) const
{
    const auto found = sections_.find(FoldCase(section));
    if (found == sections_.end())
        return -1;
    const std::string folded = FoldCase(word);
    int last = -1;
    for (const auto& [name, key] : found->second.Keys) {
        if (!std::string_view(name).starts_with(folded))
            continue;
        const std::string_view digits = std::string_view(name).substr(folded.size());
        // Only a name that reading word + n finds again.
        if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == '0') ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        last = std::max(last, std::stoi(std::string(digits)));
    }
    return last;
}

void ProfileText::InsertKeyLine(Section& section, size_t at, std::string line, const std::string& foldedKey)
{
    std::optional<std::string> value = PlainKeyValue(line, foldedKey);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    if (!value) {
        Index();
        return;
    }
    // Every line from `at` on moves down one place. A section that ends at
    // `at` (the one a key is appended to) has no key line to move, and
    // skipping its keys keeps a long run of appends linear.
    for (auto& [name, other] : sections_) {
        if (other.End < at)
            continue;
        const bool keysMove = other.End > at;
        if (other.Header >= at)
            ++other.Header;
        ++other.End;
        if (!keysMove)
            continue;
        for (auto& [keyName, key] : other.Keys)
            if (key.Line >= at)
                ++key.Line;
    }
    section.Keys.emplace(foldedKey, Key{at, std::move(*value)});
}

bool ProfileText::Write(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string foldedSection = FoldCase(section);
    const std::string foldedKey = FoldCase(key);
    const auto found = sections_.find(foldedSection);
    if (found == sections_.end()) {
        const size_t header = lines_.size();
        lines_.push_back("[" + section + "]");
        lines_.push_back(key + "=" + value);
        const auto name = HeaderName(lines_[header]);
        const auto read = PlainKeyValue(lines_.back(), foldedKey);
        if (name && FoldCase(*name) == foldedSection && read)
            sections_.emplace(foldedSection, Section{header, lines_.size(), {{foldedKey, Key{header + 1, *read}}}});
        else
            Index();
        return true;
    }

    Section& target = found->second;
    if (const auto existing = target.Keys.find(foldedKey); existing != target.Keys.end()) {
        // The key keeps the spelling it has in the file.
        std::string& line = lines_[existing->second.Line];
        std::string replaced = std::string(ParseKeyLine(line)->Name) + "=" + value;
        if (replaced == line)
            return false;
        line = std::move(replaced);
        existing->second.Value = ValueAsRead(ParseKeyLine(line)->RawValue);
        return true;
    }

    // After the section's last line that is not blank, so that blank lines
    // separating it from the next section stay where they are.
    size_t after = target.End;
    while (after > target.Header + 1 && IsBlank(lines_[after - 1]))
        --after;
    InsertKeyLine(target, after, key + "=" + value, foldedKey);
    return true;
}

bool ProfileText::DeleteKey(std::string_view section, std::string_view key)
{
    const Key* existing = FindKey(section, key);
    if (!existing)
        return false;
    // A later repeat of the key may answer from now on: index afresh.
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(existing->Line));
    Index();
    return true;
}

bool ProfileText::DeleteSection(std::string_view section)
{
    const std::string folded = FoldCase(section);
    if (sections_.count(folded) == 0)
        return false;
    std::vector<std::string> kept;
    bool inside = false;
    for (const std::string& line : lines_) {
        if (const auto name = HeaderName(line))
            inside = FoldCase(*name) == folded;
        if (!inside)
            kept.push_back(line);
    }
    lines_ = std::move(kept);
    Index();
    return true;
}

std::string ProfileText::Text() const
{
    std::string text;
    for (const std::string& line : lines_)
        text.append(line).append("\r\n");
    return text;
}

}  // namespace WinINI
