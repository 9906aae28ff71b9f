#include "platform/SettingsStore.h"

#include "platform/CaseFold.h"
#include "platform/Folders.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <utility>

namespace {

constexpr std::string_view NumberPrefix = "dword:";

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted text at the start of `rest` and moves past it.
std::optional<std::string> TakeQuoted(std::string_view& rest)
{
    if (rest.empty() || rest.front() != '"')
        return std::nullopt;
    std::string text;
    for (size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == rest.size())
            return std::nullopt;
        switch (rest[i]) {
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        default: text += rest[i];
        }
    }
    return std::nullopt;
}

std::optional<int32_t> TakeNumber(std::string_view rest)
{
    if (rest.substr(0, NumberPrefix.size()) != NumberPrefix)
        return std::nullopt;
    rest.remove_prefix(NumberPrefix.size());
    uint32_t bits = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), bits, 16);
    if (error != std::errc() || end != rest.data() + rest.size() || rest.empty())
        return std::nullopt;
    return static_cast<int32_t>(bits);
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

SettingsStore::SettingsStore(std::string path, FileSystem::WriteFault fault)
    : path_(std::move(path)), fault_(std::move(fault))
{
}

std::string SettingsStore::DefaultPath()
{
    return (std::filesystem::path(Folders::ConfigFolder()) / "Harvex Ferrolux.conf").string();
}

bool SettingsStore::Refresh() const
{
    const auto stamp = FileSystem::Stamp(path_);
    if (stamp && stamp == stamp_)
        return true;
    values_.clear();
    stamp_.reset();
    if (!stamp)
        return true;
    const auto bytes = FileSystem::ReadFileBytes(path_);
    if (!bytes)
        return false;
    std::istringstream lines(*bytes);
    for (std::string line; std::getline(lines, line);) {
        bool damaged = false;  // a damaged line is dropped, the others stay usable
        if (auto value = ParseLine(line, damaged))
            values_.try_emplace(FoldCase(value->Name), std::move(*value));
    }
    stamp_ = stamp;
    return true;
}

std::optional<SettingsStore::Value> SettingsStore::ParseLine(std::string_view line, bool& damaged)
{
    std::string_view rest = Trimmed(line);
    damaged = false;
    if (rest.empty() || rest.front() == ';')
        return std::nullopt;
    damaged = true;
    Value value;
    const auto name = TakeQuoted(rest);
    rest = Trimmed(rest);
    if (!name || rest.empty() || rest.front() != '=')
        return std::nullopt;
    rest = Trimmed(rest.substr(1));
    value.Name = *name;
    if (auto text = TakeQuoted(rest); text && Trimmed(rest).empty()) {
        value.Text = std::move(*text);
    } else if (const auto number = TakeNumber(rest)) {
        value.IsNumber = true;
        value.Number = *number;
    } else {
        return std::nullopt;
    }
    damaged = false;
    return value;
}

bool SettingsStore::IsSettingsText(std::string_view text)
{
    bool any = false;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        bool damaged = false;
        any = ParseLine(text.substr(0, end), damaged).has_value() || any;
        if (damaged)
            return false;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return any;
}

const SettingsStore::Value* SettingsStore::Find(const std::string& name) const
{
    const std::string key = FoldCase(name);
    if (const auto pending = pending_.find(key); pending != pending_.end())
        return pending->second ? &*pending->second : nullptr;
    Refresh();
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
}

std::optional<std::string> SettingsStore::ReadString(const std::string& name) const
{
    const Value* value = Find(name);
    if (!value || value->IsNumber)
        return std::nullopt;
    return value->Text;
}

std::optional<int32_t> SettingsStore::ReadNumber(const std::string& name) const
{
    const Value* value = Find(name);
    if (!value || !value->IsNumber)
        return std::nullopt;
    return value->Number;
}

bool SettingsStore::Exists(const std::string& name) const
{
    return Find(name) != nullptr;
}

bool SettingsStore::WriteString(const std::string& name, const std::string& text)
{
    return Change(name, Value{name, false, text, 0});
}

bool SettingsStore::WriteNumber(const std::string& name, int32_t number)
{
    return Change(name, Value{name, true, {}, number});
}

bool SettingsStore::Delete(const std::string& name)
{
    return Change(name, std::nullopt);
}

bool SettingsStore::Change(const std::string& name, std::optional<Value> value)
{
    const Value* current = Find(name);
    if (current && value)
        value->Name = current->Name;
    if (current ? value == *current : !value)
        return true;
    pending_[FoldCase(name)] = std::move(value);
    return batches_ > 0 || Commit();
}

bool SettingsStore::Commit()
{
    const Changes changes = std::exchange(pending_, {});
    if (changes.empty())
        return true;
    const FileSystem::FolderLock lock(FileSystem::WriteTarget(path_));
    // Under the lock the file is read whatever its stamp says: another
    // process may have replaced it a moment ago.
    stamp_.reset();
    if (!lock.Held() || !Refresh())
        return false;
    Values merged = values_;
    for (const auto& [key, change] : changes) {
        if (!change) {
            merged.erase(key);
            continue;
        }
        const auto [slot, isNew] = merged.try_emplace(key, *change);
        if (!isNew)
            slot->second = Value{slot->second.Name, change->IsNumber, change->Text, change->Number};
    }
    return merged == values_ || Save(merged);
}

bool SettingsStore::Save(const Values& values)
{
    std::string bytes = "; Harvex Ferrolux user settings\n";
    for (const auto& [key, value] : values) {
        bytes += Quoted(value.Name) + "=";
        if (value.IsNumber) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%08x", static_cast<uint32_t>(value.Number));
            bytes += std::string(NumberPrefix) + hex;
        } else {
            bytes += Quoted(value.Text);
        }
        bytes += '\n';
    }
    if (!FileSystem::WriteFileAtomically(path_, bytes, fault_))
        return false;
    values_ = values;
    stamp_ = FileSystem::Stamp(path_);
    return true;
}
