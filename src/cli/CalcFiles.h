#pragma once
// The files a run of the calculator checks, from the paths on its command
// line: a path that is not a folder as it is given (whether it exists is the
// open's to tell), a folder as every ".QLX" file in it and below it, the
// extension in any case, in name order. Symbolic links to folders are not
// followed, so a link back up cannot make the walk endless.

#include <string>
#include <vector>

struct CalcFileList {
    std::vector<std::string> Files;
    // One line per folder that could not be read or holds no ".QLX" file.
    std::vector<std::string> Problems;
};

CalcFileList ListCalcFiles(const std::vector<std::string>& paths);

// True when the paths ask for a run over many files: more than one path, or a folder.
bool ManyFiles(const std::vector<std::string>& paths);
