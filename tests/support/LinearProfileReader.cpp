#include "support/LinearProfileReader.h"

#include "platform/CaseFold.h"
#include "platform/FileSystem.h"
#include "platform/TextEncoding.h"

namespace {

bool SameName(std::string_view a, std::string_view b) { return FoldCase(a) == FoldCase(b); }

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string LinearProfileRead(std::string_view text, std::string_view section, std::string_view key)
{
    bool inside = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = TrimBlanks(line);

        if (!line.empty() && line.front() == '[') {
            if (inside)
                return {};  // the first section of the name ended without the key
            inside = SameName(TrimBlanks(line.substr(1, line.find(']') - 1)), section);
            continue;
        }
        if (!inside || line.empty() || line.front() == ';')
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || !SameName(TrimBlanks(line.substr(0, equals)), key) ||
            TrimBlanks(line.substr(0, equals)).empty())
            continue;
        std::string_view value = TrimBlanks(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return std::string(TextEncoding::FirstCharacters(value, WinINI::MaxValueLength));
    }
    return {};
}

int RereadingProfileReader::LastNumberedKey(const std::string& file, const std::string& section, const std::string& word)
{
    const auto bytes = FileSystem::ReadFileBytes(file);
    return bytes ? WinINI::ProfileText::FromText(TextEncoding::DecodeFileText(*bytes)).LastNumberedKey(section, word) : -1;
}

std::string RereadingProfileReader::ReadKey(const std::string& file, const std::string& section, const std::string& key)
{
    const auto bytes = FileSystem::ReadFileBytes(file);
    return bytes ? LinearProfileRead(TextEncoding::DecodeFileText(*bytes), section, key) : std::string();
}
