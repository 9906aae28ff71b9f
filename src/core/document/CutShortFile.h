#pragma once
// A document file cut short (a copy stopped part-way, a full disk, a
// download broken off) opens with what it holds, and the user is told. The
// writer ends every line, the last one too, and always writes the sections
// [Loop1] to [Loop8]: a last line without its line end, or the header
// section [Dralon] with none of the loop sections, means the end is missing.

#include "text/ProfileText.h"
#include "text/WinINI.h"

#include <string>
#include <string_view>

// A file's bytes, read once for one open: whether they were cut short, and
// the keys of their finished lines for the document reader. An unfinished
// last line is left out, since its value may have lost its end (a total run
// of "12" cut from "1200"); a key that is absent reads as its default.
class OpenedFileText : public WinINI::ProfileReader {
public:
    explicit OpenedFileText(std::string_view bytes);

    bool CutShort() const { return cutShort_; }

    // Every key comes from these bytes, whatever the file.
    std::string ReadKey(const std::string& file, const std::string& section, const std::string& key) override;
    int LastNumberedKey(const std::string& file, const std::string& section, const std::string& word) override;

private:
    WinINI::ProfileText profile_;
    bool cutShort_ = false;
};

// Shown after such a file has been opened; `file` as the other messages of
// the open show it.
std::string CutShortWarning(const std::string& file);
