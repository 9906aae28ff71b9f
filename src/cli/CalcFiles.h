#pragma once
// The files a run of the calculator checks, from the paths on its command
// line: a path that is not a folder as it is given (whether it exists is the
// open's to tell), a folder as every ".QLX" name in it and below it, the
// extension in any case, in name order: files, and whatever else carries
// such a name (a FIFO, a link to nothing), for the open to refuse, so that
// nothing named like a site is passed over in silence. Symbolic links to
// folders are not followed, so a link back up cannot make the walk endless.

#include <string>
#include <vector>

struct CalcFile {
    std::string Path;
    // Why it cannot be checked, when the walk already knows: a folder that
    // could not be read ("unable to read the folder 'x': Permission denied").
    // Empty for a file to open.
    std::string Problem;
    bool operator==(const CalcFile&) const = default;
};

struct CalcFileList {
    std::vector<CalcFile> Files;
    // One line per folder given that holds no ".QLX" file.
    std::vector<std::string> Problems;
};

CalcFileList ListCalcFiles(const std::vector<std::string>& paths);

// True when the paths ask for a run over many files: more than one path, or a folder.
bool ManyFiles(const std::vector<std::string>& paths);
