#pragma once
// The recent-file list of the File menu: up to four full paths, most recent
// first, kept in the options as "mFileRecent1" to "mFileRecent4".

#include <array>
#include <functional>
#include <string>

class Options;

class RecentFiles {
public:
    static constexpr size_t Count = 4;
    // Shortens a shown path to fit n characters (the window supplies the
    // platform's middle-ellipsis rule).
    using Shortener = std::function<std::string(const std::string& path, int characters)>;
    // Tells the desktop's recently-used list; failures are silent.
    using ShellNotifier = std::function<void(const std::string& path)>;

    explicit RecentFiles(Options& options, ShellNotifier notify = {});

    // Reads the stored list, stopping at the first empty entry.
    void Load();
    // Puts the path first, listed once, and stores the list.
    void Add(const std::string& path);

    const std::array<std::string, Count>& Paths() const { return paths_; }
    // The menu caption of entry i (0-based): "&1 " and the path, without the
    // current folder when it lies in it, shortened to 40 characters; empty
    // for an unused entry.
    std::string Caption(size_t i, const std::string& currentFolder, const Shortener& shorten) const;
    bool AnyShown() const { return !paths_[0].empty(); }

private:
    void Store();

    Options& options_;
    ShellNotifier notify_;
    std::array<std::string, Count> paths_;
};
