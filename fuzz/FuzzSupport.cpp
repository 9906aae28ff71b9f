#include "FuzzSupport.h"

#include "platform/Folders.h"
#include "LargestDocument.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

FuzzFolder::FuzzFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ferrolux-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    root_ = pattern;
}

FuzzFolder::~FuzzFolder()
{
    std::error_code error;
    std::filesystem::remove_all(root_, error);
}

void WriteVersion(const std::string& path, std::string_view bytes)
{
    // From a fixed time, so that a run does not depend on when it starts.
    static auto version = std::filesystem::file_time_type(std::chrono::hours(24 * 365 * 30));
    version += std::chrono::seconds(1);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::filesystem::last_write_time(path, version);
}

FileSystem::WriteFault NeverWrite()
{
    return [](FileSystem::WriteStep) { return true; };
}

void FuzzCheckFailed(const std::string& what)
{
    std::fprintf(stderr, "\n*** fuzz check failed: %s\n", what.c_str());
    std::abort();
}

BundledCatalogue::BundledCatalogue()
{
    if (!LoadBundledCatalogues(catalogue, options, messages, Folders::DataRoot(), folder.Root()))
        FuzzCheckFailed("the bundled catalogues do not load from '" + Folders::DataRoot() + "'");
}
