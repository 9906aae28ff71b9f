#include "support/CalcRun.h"

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

CalcRunner::CalcRunner()
{
    Environment = {{"HOME", folder.Path("home")},
                   {"XDG_CONFIG_HOME", folder.Path("config")},
                   {"XDG_DATA_HOME", folder.Path("data")},
                   {"HARVEX_DATA_ROOT", ""},
                   {"LC_ALL", ""},
                   {"LC_MEASUREMENT", ""},
                   {"LANG", "en_GB.UTF-8"}};
}

CalcRun CalcRunner::Run(const std::vector<std::string>& arguments) const
{
    // env takes its unsettings before the settings.
    // A write past the limit then fails as on a full disk, instead of
    // killing the process.
    std::string command = FileSizeLimit > 0 ? "trap '' XFSZ; ulimit -f " + std::to_string(FileSizeLimit) + "; env" : "env";
    for (const auto& [name, value] : Environment)
        if (value.empty())
            command += " -u " + name;
    for (const auto& [name, value] : Environment)
        if (!value.empty())
            command += " " + name + "=" + Quoted(value);
    if (!Through.empty())
        command += " " + Through;
    command += " " + Quoted(FERROLUX_CALC);
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    command += " >" + Quoted(folder.Path("out")) + " 2>" + Quoted(folder.Path("err"));
    const int status = std::system(command.c_str());
    CalcRun run;
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = folder.Read("out");
    run.Err = folder.Read("err");
    return run;
}

std::string ExamplePath(const std::string& name)
{
    return std::string(FERROLUX_EXAMPLES_DIR) + "/" + name;
}

std::string WriteCutShortSite(const ScratchFolder& folder, const std::string& name)
{
    std::ifstream example(ExamplePath("Northgate-Offices.QLX"), std::ios::binary);
    std::string head(300, '\0');
    example.read(head.data(), static_cast<std::streamsize>(head.size()));
    return folder.Write(name, head);
}
