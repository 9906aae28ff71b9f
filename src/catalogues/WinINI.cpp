#include "catalogues/WinINI.h"

#include "platform/CaseFold.h"
#include "platform/TextEncoding.h"

#include <string_view>

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

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
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

}  // namespace

ProfileCache::Profile* ProfileCache::Fresh(const std::string& file)
{
    const auto stamp = FileSystem::Stamp(file);
    const auto cached = profiles_.find(file);
    if (cached != profiles_.end() && cached->second.Stamp == stamp)
        return &cached->second;

    Profile profile;
    if (stamp) {
        const auto bytes = FileSystem::ReadFileBytes(file);
        if (!bytes) {
            if (cached != profiles_.end())
                profiles_.erase(cached);
            return nullptr;
        }
        profile.Lines = SplitLines(TextEncoding::DecodeFileText(*bytes));
        profile.Stamp = stamp;
        Index(profile);
    }
    Profile& slot = profiles_[file];
    slot = std::move(profile);
    return &slot;
}

void ProfileCache::Index(Profile& profile)
{
    profile.Sections.clear();
    Section* open = nullptr;  // the section whose keys are being read
    Section* last = nullptr;  // the section the current lines belong to
    for (size_t i = 0; i < profile.Lines.size(); ++i) {
        const std::string& line = profile.Lines[i];
        if (const auto name = HeaderName(line)) {
            if (last)
                last->End = i;
            // A repeated section is never read: the first one answers.
            const auto [section, isNew] = profile.Sections.try_emplace(FoldCase(*name), Section{i, 0, {}});
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
        last->End = profile.Lines.size();
}

const ProfileCache::Key* ProfileCache::FindKey(const Profile& profile, const std::string& section,
                                               const std::string& key)
{
    const auto foundSection = profile.Sections.find(FoldCase(section));
    if (foundSection == profile.Sections.end())
        return nullptr;
    const auto foundKey = foundSection->second.Keys.find(FoldCase(key));
    return foundKey == foundSection->second.Keys.end() ? nullptr : &foundKey->second;
}

bool ProfileCache::Store(const std::string& file, Profile& profile, std::vector<std::string> lines)
{
    if (!FileSystem::WriteFileAtomically(file, JoinLines(lines), fault_))
        return false;
    profile.Lines = std::move(lines);
    profile.Stamp = FileSystem::Stamp(file);
    Index(profile);
    return true;
}

std::string ProfileCache::ReadKey(const std::string& file, const std::string& section, const std::string& key)
{
    const Profile* profile = Fresh(file);
    const Key* found = profile ? FindKey(*profile, section, key) : nullptr;
    return found ? found->Value : std::string();
}

bool ProfileCache::WriteKey(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value)
{
    Profile* profile = Fresh(file);
    if (!profile)
        return false;
    std::vector<std::string> lines = profile->Lines;
    if (const Key* existing = FindKey(*profile, section, key)) {
        // The key keeps the spelling it has in the file.
        std::string line = std::string(ParseKeyLine(lines[existing->Line])->Name) + "=" + value;
        if (line == lines[existing->Line])
            return true;
        lines[existing->Line] = std::move(line);
    } else if (const auto found = profile->Sections.find(FoldCase(section)); found != profile->Sections.end()) {
        // After the section's last line that is not blank, so that blank
        // lines separating it from the next section stay where they are.
        size_t after = found->second.End;
        while (after > found->second.Header + 1 && IsBlank(lines[after - 1]))
            --after;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after), key + "=" + value);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(key + "=" + value);
    }
    return Store(file, *profile, std::move(lines));
}

bool ProfileCache::DeleteKey(const std::string& file, const std::string& section, const std::string& key)
{
    Profile* profile = Fresh(file);
    if (!profile)
        return false;
    const Key* existing = FindKey(*profile, section, key);
    if (!existing)
        return true;
    std::vector<std::string> lines = profile->Lines;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(existing->Line));
    return Store(file, *profile, std::move(lines));
}

bool ProfileCache::DeleteSection(const std::string& file, const std::string& section)
{
    Profile* profile = Fresh(file);
    if (!profile)
        return false;
    const std::string folded = FoldCase(section);
    if (profile->Sections.count(folded) == 0)
        return true;
    // Every section of that name goes, repeats included, so that no older
    // copy of it can surface afterwards.
    std::vector<std::string> lines;
    bool inside = false;
    for (const std::string& line : profile->Lines) {
        if (const auto name = HeaderName(line))
            inside = FoldCase(*name) == folded;
        if (!inside)
            lines.push_back(line);
    }
    return Store(file, *profile, std::move(lines));
}

ProfileCache& SharedProfileCache()
{
    static ProfileCache cache;
    return cache;
}

std::string ReadProfileKey(const std::string& file, const std::string& section, const std::string& key)
{
    return SharedProfileCache().ReadKey(file, section, key);
}

bool WriteProfileKey(const std::string& file, const std::string& section, const std::string& key, const std::string& value)
{
    return SharedProfileCache().WriteKey(file, section, key, value);
}

bool WriteOrDeleteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value)
{
    if (value.empty() || value == "\"\"")
        return DeleteProfileKey(file, section, key);
    return WriteProfileKey(file, section, key, value);
}

bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key)
{
    return SharedProfileCache().DeleteKey(file, section, key);
}

bool DeleteProfileSection(const std::string& file, const std::string& section)
{
    return SharedProfileCache().DeleteSection(file, section);
}

std::string ReadWinIniKey(const std::string&, const std::string&)
{
    return {};
}

}  // namespace WinINI
