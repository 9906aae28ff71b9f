#include "report/PlotFiles.h"

#include "document/Document.h"

#include <filesystem>

std::string PlotFilePath(const std::string& folder, int loop, const std::string& extension)
{
    return (std::filesystem::path(folder) / ("Loop" + std::to_string(loop) + "." + extension)).string();
}

std::vector<std::string> PlotFilePaths(const std::string& folder, bool png)
{
    std::vector<std::string> paths;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        paths.push_back(PlotFilePath(folder, loop, "svg"));
        if (png)
            paths.push_back(PlotFilePath(folder, loop, "png"));
    }
    return paths;
}
