#include "document/DeviceListImport.h"

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "platform/CaseFold.h"

#include <algorithm>

// The names mapped in the import window, kept in the settings by the
// entries' names so that a catalogue read again finds them.
namespace DeviceListImport {

namespace {

constexpr const char* MappingCount = "DeviceListNames";
constexpr size_t RememberedNames = 200;

std::string NameSetting(size_t i) { return "DeviceListName" + std::to_string(i); }
std::string EntrySetting(size_t i) { return "DeviceListEntry" + std::to_string(i); }

// "Device:<name>", "Other:<single name>" or "" (left out).
std::string EntryText(const Catalogue& catalogue, const std::optional<Entry>& entry)
{
    if (!entry)
        return "";
    return (entry->Of == Entry::Kind::Device ? "Device:" : "Other:") + EntryName(catalogue, *entry);
}

std::optional<std::optional<Entry>> EntryFromText(const EntryIndex& names, const std::string& text)
{
    if (text.empty())
        return std::optional<Entry>();
    const size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::optional<Entry> entry = names.Find(text.substr(colon + 1));
    const Entry::Kind kind = text.substr(0, colon) == "Device" ? Entry::Kind::Device : Entry::Kind::Other;
    if (!entry || entry->Of != kind)
        return std::nullopt;
    return std::optional<Entry>(entry);
}

}  // namespace

Mapping RememberedMapping(const Options& options, const Catalogue& catalogue)
{
    Mapping mapping;
    const EntryIndex names(catalogue);
    const auto count = static_cast<size_t>(std::max(options.GetSettingLong(MappingCount), 0));
    for (size_t i = 1; i <= std::min(count, RememberedNames); ++i) {
        const std::string name = FoldCase(options.GetSettingString(NameSetting(i)));
        if (const auto entry = EntryFromText(names, options.GetSettingString(EntrySetting(i))); entry && !name.empty())
            mapping[name] = *entry;
    }
    return mapping;
}

void RememberMapping(Options& options, const Catalogue& catalogue, const Mapping& mapping)
{
    Mapping kept = RememberedMapping(options, catalogue);
    for (const auto& [name, entry] : mapping)
        kept[name] = entry;
    const auto batch = options.WritesTogether();
    size_t i = 0;
    for (const auto& [name, entry] : kept) {
        if (++i > RememberedNames)
            break;
        options.SetSettingString(NameSetting(i), name);
        options.SetSettingString(EntrySetting(i), EntryText(catalogue, entry));
    }
    options.SetSettingLong(MappingCount, static_cast<int32_t>(std::min(i, RememberedNames)));
}

}  // namespace DeviceListImport
