#include "support/ManualPage.h"

#include <fstream>
#include <regex>

std::string ManualPagePath(const std::string& program)
{
    return std::string(FERROLUX_MANUAL_DIR) + "/" + program + ".1.in";
}

namespace {

// A tag line as it reads: font changes dropped, "\-" a hyphen, the macro's name gone.
std::string PlainTag(std::string line)
{
    line = std::regex_replace(line, std::regex(R"(\\f(\(..|\[[^\]]*\]|.))"), "");
    line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
    return std::regex_replace(line, std::regex(R"(^\.[A-Z]+\s*)"), "");
}

}  // namespace

std::set<std::string> ManualPageOptions(const std::string& path)
{
    std::ifstream file(path);
    std::set<std::string> options;
    const std::regex option(R"((^|[\s",])((--?|/)[A-Za-z][A-Za-z0-9-]*))");
    bool inOptions = false;
    bool tagFollows = false;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(".SH", 0) == 0) {
            inOptions = line.find("OPTIONS") != std::string::npos;
            continue;
        }
        if (inOptions && tagFollows) {
            const std::string tag = PlainTag(line);
            for (std::sregex_iterator it(tag.begin(), tag.end(), option), end; it != end; ++it)
                options.insert((*it)[2]);
        }
        tagFollows = inOptions && line.rfind(".TP", 0) == 0;
    }
    return options;
}
