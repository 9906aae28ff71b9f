#include "document/RecentFiles.h"

#include "catalogues/Options.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace {

std::string SettingFor(size_t i) { return SettingName::RecentFile + std::to_string(i + 1); }

}  // namespace

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

std::string RecentFiles::Caption(size_t i, const Shortener& shorten) const
{
    if (i >= Count || paths_[i].empty())
        return "";
    std::string shown = paths_[i];
    if (shorten)
        shown = shorten(shown, 40);
    return "&" + std::to_string(i + 1) + " " + shown;
}
