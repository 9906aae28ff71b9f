#include "document/CutShortFile.h"

#include "platform/TextEncoding.h"

#include <array>

namespace {

constexpr const char* HeaderSection = "Dralon";
constexpr std::array<const char*, 8> LoopSections{"Loop1", "Loop2", "Loop3", "Loop4",
                                                  "Loop5", "Loop6", "Loop7", "Loop8"};

// The bytes up to and including the last line end.
std::string_view FinishedLines(std::string_view bytes)
{
    const size_t lastEnd = bytes.rfind('\n');
    return lastEnd == std::string_view::npos ? std::string_view() : bytes.substr(0, lastEnd + 1);
}

bool HasAnyLoopSection(const WinINI::ProfileText& profile)
{
    for (const char* section : LoopSections)
        if (profile.HasSection(section))
            return true;
    return false;
}

}  // namespace

OpenedFileText::OpenedFileText(std::string_view bytes)
{
    const std::string_view finished = FinishedLines(bytes);
    // Decoded after the cut, so that a character cut in half cannot turn
    // the whole file into another encoding.
    profile_ = WinINI::ProfileText::FromText(TextEncoding::DecodeFileText(finished));
    cutShort_ = finished.size() != bytes.size() || (profile_.HasSection(HeaderSection) && !HasAnyLoopSection(profile_));
}

std::string OpenedFileText::ReadKey(const std::string&, const std::string& section, const std::string& key)
{
    return profile_.Read(section, key);
}

int OpenedFileText::LastNumberedKey(const std::string&, const std::string& section, const std::string& word)
{
    return profile_.LastNumberedKey(section, word);
}

std::string CutShortWarning(const std::string& file)
{
    return "The file '" + file +
           "' appears to be incomplete (it may have been cut short). Check the design before you rely on it.";
}
