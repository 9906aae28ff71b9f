#include "cli/CalcFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsQlx(const fs::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".qlx";
}

// The ".QLX" names in the folder and below it, in name order; a folder that
// cannot be read (this one or one below it) in its place, with the reason.
void AddFolder(const fs::path& folder, std::vector<CalcFile>& files)
{
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    if (error) {
        files.push_back({folder.string(), "unable to read the folder '" + folder.string() + "': " + error.message()});
        return;
    }
    std::sort(entries.begin(), entries.end());
    for (const fs::directory_entry& entry : entries) {
        std::error_code kind;
        if (!entry.is_symlink(kind) && entry.is_directory(kind))
            AddFolder(entry.path(), files);
        else if (IsQlx(entry.path()) && !fs::is_directory(entry.path(), kind))
            files.push_back({entry.path().string(), ""});
    }
}

}  // namespace

CalcFileList ListCalcFiles(const std::vector<std::string>& paths)
{
    CalcFileList list;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            list.Files.push_back({path, ""});
            continue;
        }
        const size_t before = list.Files.size();
        AddFolder(path, list.Files);
        if (list.Files.size() == before)
            list.Problems.push_back("no .QLX file in the folder '" + path + "'");
    }
    return list;
}

bool ManyFiles(const std::vector<std::string>& paths)
{
    std::error_code error;
    return paths.size() > 1 || (paths.size() == 1 && fs::is_directory(paths.front(), error));
}
