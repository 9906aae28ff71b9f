#include "text/WinINI.h"

#include "platform/TextEncoding.h"

namespace WinINI {

ProfileCache::Profile* ProfileCache::Fresh(const std::string& file)
{
    const auto cached = profiles_.find(file);
    if (passes_ > 0 && !checked_.insert(file).second)
        return cached == profiles_.end() ? nullptr : &cached->second;  // nullptr: unreadable
    const auto stamp = FileSystem::Stamp(file);
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
        profile.Text = ProfileText::FromText(TextEncoding::DecodeFileText(*bytes));
        profile.Stamp = stamp;
    }
    Profile& slot = profiles_[file];
    slot = std::move(profile);
    return &slot;
}

std::string ProfileCache::ReadKey(const std::string& file, const std::string& section, const std::string& key)
{
    const Profile* profile = Fresh(file);
    return profile ? profile->Text.Read(section, key) : std::string();
}

int ProfileCache::LastNumberedKey(const std::string& file, const std::string& section, const std::string& word)
{
    const Profile* profile = Fresh(file);
    return profile ? profile->Text.LastNumberedKey(section, word) : -1;
}

// The edits work on a copy, so that a failed write leaves the cached
// profile matching the file on disk.
bool ProfileCache::Edit(const std::string& file, const Edits& edits)
{
    Profile* profile = Fresh(file);
    if (!profile)
        return false;
    ProfileText edited = profile->Text;
    edits(edited);
    if (edited.Lines() == profile->Text.Lines())
        return true;
    if (!FileSystem::WriteFileAtomically(file, edited.Text(), fault_))
        return false;
    profile->Text = std::move(edited);
    profile->Stamp = FileSystem::Stamp(file);
    return true;
}

bool ProfileCache::WriteKey(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value)
{
    return Edit(file, [&](ProfileText& text) { text.Write(section, key, value); });
}

bool ProfileCache::DeleteKey(const std::string& file, const std::string& section, const std::string& key)
{
    return Edit(file, [&](ProfileText& text) { text.DeleteKey(section, key); });
}

bool ProfileCache::DeleteSection(const std::string& file, const std::string& section)
{
    return Edit(file, [&](ProfileText& text) { text.DeleteSection(section); });
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

int LastNumberedProfileKey(const std::string& file, const std::string& section, const std::string& word)
{
    return SharedProfileCache().LastNumberedKey(file, section, word);
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
