// ferrolux-calc's manual page and bash completion offer exactly the options
// its usage text names: a new option must reach all three.

#include "cli/CalcArguments.h"
#include "support/ManualPage.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

constexpr const char* BashCompletion = "/usr/share/bash-completion/bash_completion";

// The long options the usage text names, in its synopsis and its list alike.
// The usage text does not name the help options that print it.
std::set<std::string> UsageOptions()
{
    const std::string usage = CalcUsage();
    const std::regex option(R"((^|[\s\[])(--[a-z][a-z0-9-]*))");
    std::set<std::string> options{"--help"};
    for (std::sregex_iterator it(usage.begin(), usage.end(), option), end; it != end; ++it)
        options.insert((*it)[2]);
    return options;
}

// What bash-completion, with our completion loaded, offers for `line` typed
// in the scratch folder's "sites" (the cursor at its end).
std::set<std::string> Completions(const ScratchFolder& scratch, const std::string& line)
{
    const std::string folder = scratch.Path("sites");
    const std::string script = std::string("source ") + BashCompletion + " && source '" + FERROLUX_BASH_COMPLETION +
                               "' && cd '" + folder + R"(' && line=')" + line + R"(' &&
        COMP_LINE=$line COMP_POINT=${#line} && read -ra COMP_WORDS <<<"$line" &&
        { [[ $line != *' ' ]] || COMP_WORDS+=(''); } && COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) &&
        _ferrolux_calc ferrolux-calc "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" &&
        printf '%s\n' "${COMPREPLY[@]}")";
    const std::string scriptFile = scratch.Write("complete.sh", script);
    std::set<std::string> offered;
    if (FILE* bash = ::popen(("bash '" + scriptFile + "'").c_str(), "r")) {
        std::string out;
        char buffer[256];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, bash)) > 0;)
            out.append(buffer, n);
        ::pclose(bash);
        std::istringstream lines(out);
        for (std::string word; std::getline(lines, word);)
            if (!word.empty())
                offered.insert(word);
    }
    return offered;
}

}  // namespace

TEST(CalcManual, TheManualPageNamesTheUsageTextsOptions)
{
    std::set<std::string> expected = UsageOptions();
    expected.insert("-h");
    EXPECT_EQ(ManualPageOptions(ManualPagePath("ferrolux-calc")), expected);
}

TEST(CalcManual, TheCompletionOffersTheOptionsThenFoldersPdfsOrSites)
{
    if (!std::filesystem::exists(BashCompletion))
        GTEST_SKIP() << "bash-completion is not installed (scripts/setup.sh installs it)";
    ScratchFolder scratch;
    for (const char* file : {"site.QLX", "old.qlx", "notes.txt", "report.pdf", "plots/Loop1.svg", "-odd.QLX"})
        scratch.Write(std::string("sites/") + file, "");

    EXPECT_EQ(Completions(scratch, "ferrolux-calc -"), UsageOptions());
    const std::pair<std::string, std::set<std::string>> cases[] = {
        {"ferrolux-calc --pl", {"--plot", "--plot-png"}},
        {"ferrolux-calc --json ", {"site.QLX", "old.qlx", "-odd.QLX", "plots"}},
        {"ferrolux-calc --plot ", {"plots"}},
        {"ferrolux-calc --data-root ", {"plots"}},
        {"ferrolux-calc --pdf ", {"report.pdf", "plots"}},
        {"ferrolux-calc -- -", {"-odd.QLX"}},
    };
    for (const auto& [line, offered] : cases)
        EXPECT_EQ(Completions(scratch, line), offered) << line;
}
