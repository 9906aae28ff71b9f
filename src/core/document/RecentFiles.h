#pragma once
// The recent-file list of the File menu: up to four full paths, most recent
// first, kept in the options as "mFileRecent1" to "mFileRecent4".

#include <array>
#include <functional>
#include <string>

class MessageHost;
class Options;

// The path as the current folder shows it: without that folder and its "/"
// when the path lies in it, else the whole path.
std::string PathShownFrom(const std::string& path, const std::string& currentFolder);

// A path fitted into `characters` characters, as a menu in a fixed-pitch
// font shows it: the middle of its folders gives way to "..." first, so that
// the file name (from its "/") stays whole while it fits, else the middle of
// the whole path.
std::string ShortenPathMiddle(const std::string& path, int characters);

// A recent file the program can reach only when it is given the file again (a
// browser keeps no access to a file it was handed, or the file has moved):
// asks before the file chooser opens; true for OK.
bool AskToChooseAgain(MessageHost& host, const std::string& path);

class RecentFiles {
public:
    static constexpr size_t Count = 4;
    // Tells the desktop's recently-used list; failures are silent.
    using ShellNotifier = std::function<void(const std::string& path)>;

    explicit RecentFiles(Options& options, ShellNotifier notify = {});

    // Reads the stored list, stopping at the first empty entry.
    void Load();
    // Puts the path first, listed once, and stores the list. A relative path
    // is made absolute against the current folder, so that the entry opens
    // the same file from wherever the program is started next.
    void Add(const std::string& path);

    const std::array<std::string, Count>& Paths() const { return paths_; }
    // The menu caption of entry i (0-based): "&1 " and the whole path,
    // shortened to 40 characters (ShortenPathMiddle); empty for an unused entry.
    std::string Caption(size_t i) const;
    bool AnyShown() const { return !paths_[0].empty(); }

private:
    void Store();

    Options& options_;
    ShellNotifier notify_;
    std::array<std::string, Count> paths_;
};
