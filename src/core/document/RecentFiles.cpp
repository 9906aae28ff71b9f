#include "document/RecentFiles.h"

#include "catalogues/Options.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <vector>

namespace {

std::string SettingFor(size_t i) { return SettingName::RecentFile + std::to_string(i + 1); }

// The text's characters, each a whole UTF-8 sequence, so that no cut splits one.
std::vector<std::string_view> CharactersOf(std::string_view text)
{
    std::vector<std::string_view> characters;
    for (size_t start = 0; start < text.size();) {
        size_t end = start + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        characters.push_back(text.substr(start, end - start));
        start = end;
    }
    return characters;
}

std::string Joined(std::vector<std::string_view>::const_iterator first, std::vector<std::string_view>::const_iterator last)
{
    std::string text;
    for (; first != last; ++first)
        text += *first;
    return text;
}

// The characters [begin, end) in `width` characters: their middle gives way to "...".
std::string ElideMiddle(const std::vector<std::string_view>& characters, size_t begin, size_t end, int width)
{
    const size_t kept = static_cast<size_t>(std::max(width - 3, 0));
    const auto first = characters.begin() + static_cast<std::ptrdiff_t>(begin);
    const auto last = characters.begin() + static_cast<std::ptrdiff_t>(end);
    const auto left = static_cast<std::ptrdiff_t>((kept + 1) / 2);
    const auto right = static_cast<std::ptrdiff_t>(kept / 2);
    return Joined(first, first + left) + "..." + Joined(last - right, last);
}

}  // namespace

std::string ShortenPathMiddle(const std::string& path, int characters)
{
    const std::vector<std::string_view> shown = CharactersOf(path);
    if (static_cast<int>(shown.size()) <= characters)
        return path;
    const auto slash = std::find(shown.rbegin(), shown.rend(), "/");
    const size_t nameStart = slash == shown.rend() ? 0 : static_cast<size_t>(shown.rend() - slash - 1);
    const int folderRoom = characters - static_cast<int>(shown.size() - nameStart);
    if (nameStart > 0 && folderRoom >= 6)
        return ElideMiddle(shown, 0, nameStart, folderRoom) + Joined(shown.begin() + static_cast<std::ptrdiff_t>(nameStart), shown.end());
    return ElideMiddle(shown, 0, shown.size(), characters);
}

std::string PathShownFrom(const std::string& path, const std::string& currentFolder)
{
    if (currentFolder.empty())
        return path;
    const std::string prefix = currentFolder.back() == '/' ? currentFolder : currentFolder + "/";
    return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
}

RecentFiles::RecentFiles(Options& options, ShellNotifier notify) : options_(options), notify_(std::move(notify)) {}

void RecentFiles::Load()
{
    paths_.fill("");
    for (size_t i = 0; i < Count; ++i) {
        paths_[i] = options_.GetSettingString(SettingFor(i));
        if (paths_[i].empty())
            break;
    }
}

void RecentFiles::Add(const std::string& given)
{
    const std::string path = FileSystem::AbsolutePath(given);
    if (paths_[0] != path) {
        // The path moves to the top; a copy further down drops out, and when
        // the list is full the oldest entry falls off.
        auto end = std::find(paths_.begin(), paths_.end(), path);
        if (end == paths_.end())
            end = paths_.end() - 1;
        std::move_backward(paths_.begin(), end, end + 1);
        paths_[0] = path;
        Store();
    }
    if (notify_)
        notify_(path);
}

void RecentFiles::Store()
{
    const SettingsStore::Batch settings = options_.WritesTogether();
    for (size_t i = 0; i < Count; ++i)
        options_.SetSettingString(SettingFor(i), paths_[i]);
}

std::string RecentFiles::Caption(size_t i) const
{
    if (i >= Count || paths_[i].empty())
        return "";
    return "&" + std::to_string(i + 1) + " " + ShortenPathMiddle(paths_[i], 40);
}

bool AskToChooseAgain(MessageHost& host, const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::string text = "'" + name + "' cannot be opened again without choosing it: the browser keeps no access "
                             "to it, or the file has moved.\n\nDo you want to choose the file?";
    return MsgBox(host, text, MsgStyle::OKCancel + MsgStyle::Question) == MsgResult::OK;
}
