#include "platform/Folders.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <pwd.h>
#include <unistd.h>

#ifndef FERROLUX_SOURCE_DATA_DIR
#define FERROLUX_SOURCE_DATA_DIR ""
#endif

namespace fs = std::filesystem;

namespace Folders {

namespace {

constexpr const char* CompanyFolder = "Harvex";

// An unset and an empty variable mean the same, as POSIX has it.
std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeOfProcess()
{
    std::string home = Variable("HOME");
    if (!home.empty())
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return user->pw_dir;
    return "/";
}

std::string ExecutableFolderOfProcess()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

bool IsFolder(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

// An XDG base folder: the variable when it holds an absolute path (relative
// ones are invalid and ignored), else the fallback under home.
std::string BaseFolder(const std::string& variable, const Environment& env, const char* fallback)
{
    if (!variable.empty() && variable.front() == '/')
        return variable;
    return (fs::path(env.Home) / fallback).string();
}

// The documents entry of user-dirs.dirs: XDG_DOCUMENTS_DIR="$HOME/Documents"
// or an absolute path; anything else is not a valid entry.
std::string DocumentsEntry(const Environment& env)
{
    const std::string file = (fs::path(BaseFolder(env.ConfigHome, env, ".config")) / "user-dirs.dirs").string();
    const auto text = FileSystem::ReadFileBytes(file);
    if (!text)
        return {};
    std::istringstream lines(*text);
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key, 0) != 0)
            continue;
        const size_t close = line.find('"', key.size());
        if (close == std::string::npos)
            return {};
        std::string value = line.substr(key.size(), close - key.size());
        if (value.rfind("$HOME", 0) == 0)
            value = env.Home + value.substr(5);
        return value.empty() || value.front() != '/' ? std::string() : value;
    }
    return {};
}

}  // namespace

Environment Environment::OfProcess()
{
    Environment env;
    env.DataRootOverride = Variable("HARVEX_DATA_ROOT");
    env.ConfigHome = Variable("XDG_CONFIG_HOME");
    env.DataHome = Variable("XDG_DATA_HOME");
    env.Home = HomeOfProcess();
    env.ExecutableFolder = ExecutableFolderOfProcess();
    env.SourceDataFolder = FERROLUX_SOURCE_DATA_DIR;
    return env;
}

std::string DataRoot(const Environment& env)
{
    if (!env.DataRootOverride.empty())
        return env.DataRootOverride;
    if (!env.ExecutableFolder.empty()) {
        const fs::path installed = (fs::path(env.ExecutableFolder) / ".." / "share").lexically_normal();
        if (IsFolder((installed / CompanyFolder).string()))
            return installed.string();
    }
    return IsFolder(env.SourceDataFolder) ? env.SourceDataFolder : std::string();
}

std::string ConfigFolder(const Environment& env)
{
    return (fs::path(BaseFolder(env.ConfigHome, env, ".config")) / CompanyFolder).string();
}

std::string UserDataFolder(const Environment& env)
{
    return (fs::path(BaseFolder(env.DataHome, env, ".local/share")) / CompanyFolder).string();
}

std::string DocumentsFolder(const Environment& env)
{
    const std::string documents = DocumentsEntry(env);
    return IsFolder(documents) ? documents : env.Home;
}

std::string OldSettingsFile(const Environment& env)
{
    return (fs::path(ConfigFolder(env)) / "QUELLAR.INI").string();
}

std::string DataRoot() { return DataRoot(Environment::OfProcess()); }
std::string ConfigFolder() { return ConfigFolder(Environment::OfProcess()); }
std::string UserDataFolder() { return UserDataFolder(Environment::OfProcess()); }
std::string DocumentsFolder() { return DocumentsFolder(Environment::OfProcess()); }
std::string OldSettingsFile() { return OldSettingsFile(Environment::OfProcess()); }

}  // namespace Folders
