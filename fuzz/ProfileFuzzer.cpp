// The profile parser (WinINI): a fuzzed file is parsed, edited and read back.
// Every answer of the parser's index is checked against a plain scan of the
// text it holds, after every edit, so that an index that drifts from its
// lines shows; written keys must read back as written; the profile cache
// must answer as the parser does, from a file on disk.

#include "FuzzSupport.h"

#include "text/ProfileText.h"
#include "text/WinINI.h"
#include "platform/TextEncoding.h"
#include "support/LinearProfileReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::set<std::pair<std::string, std::string>>;

// Each key line's name with the name of the section header above it.
void CollectNames(const std::vector<std::string>& lines, Names& names)
{
    std::string section;
    for (const std::string& line : lines) {
        const std::string_view trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            section = std::string(TrimBlanks(trimmed.substr(1, trimmed.find(']') - 1)));
            continue;
        }
        if (const size_t equals = trimmed.find('='); equals != std::string_view::npos)
            names.emplace(section, TrimBlanks(trimmed.substr(0, equals)));
    }
}

// The index after edits must answer as a fresh parse of its text does, for
// every name; and a fresh parse as a plain scan of the text does, for the
// names just edited and a sample of the others (a scan per name is slow).
void CheckAgainstScan(const WinINI::ProfileText& profile, const Names& names, const Names& edited, const char* after)
{
    const std::string text = profile.Text();
    const WinINI::ProfileText fresh = WinINI::ProfileText::FromText(text);
    if (fresh.Text() != text)
        FuzzCheckFailed(std::string("after ") + after + ", the text does not parse back to itself");
    const size_t stride = names.size() / 32 + 1;
    size_t n = 0;
    for (const auto& name : names) {
        const auto& [section, key] = name;
        const std::string indexed = profile.Read(section, key);
        if (indexed != fresh.Read(section, key))
            FuzzCheckFailed(std::string("after ") + after + ", [" + section + "] " + key + " reads '" + indexed +
                            "' but a fresh parse of the text reads '" + fresh.Read(section, key) + "'");
        if (n++ % stride != 0 && edited.count(name) == 0)
            continue;
        const std::string scanned = LinearProfileRead(text, section, key);
        if (indexed != scanned)
            FuzzCheckFailed(std::string("after ") + after + ", [" + section + "] " + key + " reads '" + indexed +
                            "' but the text holds '" + scanned + "'");
    }
}

// Names and values hold no line breaks (a line cannot) and are UTF-8, as
// everything the program writes is.
std::string LineText(FuzzedDataProvider& input, size_t length)
{
    std::string text = TextEncoding::DecodeFileText(input.ConsumeRandomLengthString(length));
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// A name from the file most of the time, so that edits hit what is there.
std::string PickName(FuzzedDataProvider& input, const std::vector<std::string>& known)
{
    if (!known.empty() && input.ConsumeBool())
        return known[input.ConsumeIntegralInRange<size_t>(0, known.size() - 1)];
    return LineText(input, 16);
}

// A name the profile reads back as the same name.
bool IsPlainSection(std::string_view name)
{
    return !name.empty() && TrimBlanks(name) == name && name.find(']') == std::string_view::npos;
}
bool IsPlainKey(std::string_view name)
{
    return !name.empty() && TrimBlanks(name) == name && name.find('=') == std::string_view::npos && name.front() != ';' &&
           name.front() != '[';
}

std::string ValueAsRead(std::string_view value)
{
    value = TrimBlanks(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(TextEncoding::FirstCharacters(value, WinINI::MaxValueLength));
}

void Edit(FuzzedDataProvider& input, WinINI::ProfileText& profile, Names& names, Names& edited,
          const std::vector<std::string>& sections, const std::vector<std::string>& keys)
{
    const std::string section = PickName(input, sections);
    const std::string key = PickName(input, keys);
    const std::string before = profile.Text();
    bool changed = false;
    const char* what = "";
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
    case 1: {
        const std::string value = LineText(input, 64);
        changed = profile.Write(section, key, value);
        what = "a write";
        if (IsPlainSection(section) && IsPlainKey(key) && profile.Read(section, key) != ValueAsRead(value))
            FuzzCheckFailed("[" + section + "] " + key + " does not read back as written");
        break;
    }
    case 2:
        changed = profile.DeleteKey(section, key);
        what = "deleting a key";
        break;
    default:
        changed = profile.DeleteSection(section);
        what = "deleting a section";
        if (!profile.Read(section, key).empty())
            FuzzCheckFailed("[" + section + "] still answers after its deletion");
        break;
    }
    if (changed == (profile.Text() == before))
        FuzzCheckFailed(std::string(what) + (changed ? " said it changed the text but did not" : " changed the text unsaid"));
    names.emplace(section, key);
    edited.emplace(section, key);
    CheckAgainstScan(profile, names, edited, what);
}

// The cache reads the file from disk and writes through it: it must answer
// as a parser of the file's text does.
void CheckCache(const std::string& file, const std::string& bytes, const Names& names, FuzzedDataProvider& input)
{
    WriteVersion(file, bytes);
    WinINI::ProfileCache cache;
    const WinINI::ProfileText parsed = WinINI::ProfileText::FromText(TextEncoding::DecodeFileText(bytes));
    for (const auto& [section, key] : names)
        if (cache.ReadKey(file, section, key) != parsed.Read(section, key))
            FuzzCheckFailed("the cache reads [" + section + "] " + key + " unlike the parser");
    if (names.empty())
        return;
    const auto& [section, key] = *names.begin();
    const std::string value = LineText(input, 32);
    if (!cache.WriteKey(file, section, key, value))
        FuzzCheckFailed("the cache could not write its file");
    const auto written = FileSystem::ReadFileBytes(file);
    const std::string fromDisk =
        written ? WinINI::ProfileText::FromText(TextEncoding::DecodeFileText(*written)).Read(section, key) : "";
    if (fromDisk != cache.ReadKey(file, section, key))
        FuzzCheckFailed("after a write the cache reads [" + section + "] " + key + " unlike the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFolder folder;
    FuzzedDataProvider input(data, size);
    const std::string bytes = input.ConsumeRandomLengthString(size);
    WinINI::ProfileText profile = WinINI::ProfileText::FromText(TextEncoding::DecodeFileText(bytes));

    Names names;
    CollectNames(profile.Lines(), names);
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    for (const auto& [section, key] : names) {
        sections.push_back(section);
        keys.push_back(key);
    }
    Names edited;
    CheckAgainstScan(profile, names, edited, "parsing");
    for (int edits = 0; edits < 8 && input.remaining_bytes() > 0; ++edits)
        Edit(input, profile, names, edited, sections, keys);
    CheckCache(folder.Path("profile.ini"), bytes, names, input);
    return 0;
}
