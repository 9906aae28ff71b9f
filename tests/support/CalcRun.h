#pragma once
// Runs the built ferrolux-calc as a user would, with a home, settings and
// data folders of the test's own and an English (United Kingdom) locale, and
// keeps what it printed and its exit status. Free of any test framework, so
// that the Qt tests can use it too.

#include "support/ScratchFolder.h"

#include <map>
#include <string>
#include <vector>

struct CalcRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

class CalcRunner {
public:
    // Environment variables for the next runs; an empty value unsets one.
    std::map<std::string, std::string> Environment;
    // The largest file the next runs may write, in blocks of 512 bytes, as
    // a full disk would stop them (0: no limit).
    int FileSizeLimit = 0;
    // A command the next runs go through ("setpriv ..."); empty: none.
    std::string Through;

    CalcRunner();
    CalcRun Run(const std::vector<std::string>& arguments) const;

    ScratchFolder folder;
};

// The path of an example site.
std::string ExamplePath(const std::string& name);
// A file `name` in the folder holding the first 300 bytes of an example
// site, as a copy broken off leaves it; its path.
std::string WriteCutShortSite(const ScratchFolder& folder, const std::string& name);
