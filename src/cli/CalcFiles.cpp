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

// The ".QLX" files in the folder and below it, in name order; false with
// the reason when the folder could not be read.
bool FilesInFolder(const fs::path& folder, std::vector<std::string>& files, std::string& reason)
{
    std::vector<fs::path> found;
    std::error_code error;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && IsQlx(it->path()))
            found.push_back(it->path());
    }
    if (error) {
        reason = error.message();
        return false;
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& path : found)
        files.push_back(path.string());
    return true;
}

}  // namespace

CalcFileList ListCalcFiles(const std::vector<std::string>& paths)
{
    CalcFileList list;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            list.Files.push_back(path);
            continue;
        }
        const size_t before = list.Files.size();
        std::string reason;
        if (!FilesInFolder(path, list.Files, reason))
            list.Problems.push_back("unable to read the folder '" + path + "': " + reason);
        else if (list.Files.size() == before)
            list.Problems.push_back("no .QLX file in the folder '" + path + "'");
    }
    return list;
}

bool ManyFiles(const std::vector<std::string>& paths)
{
    std::error_code error;
    return paths.size() > 1 || (paths.size() == 1 && fs::is_directory(paths.front(), error));
}
