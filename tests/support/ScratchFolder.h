#pragma once
// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ferrolux-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        root_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& name) const { return root_ + "/" + name; }

    // Writes the bytes exactly as given (folders created) and returns the path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = Path(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // The sorted names in the folder (not recursive), so a test can see that
    // no temporary file was left behind.
    std::string Listing(const std::string& folder = "") const
    {
        std::set<std::string> sorted;
        for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? root_ : Path(folder)))
            sorted.insert(entry.path().filename().string());
        std::string names;
        for (const std::string& name : sorted)
            names += name + ";";
        return names;
    }

private:
    std::string root_;
};
