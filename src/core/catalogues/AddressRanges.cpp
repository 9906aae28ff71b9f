#include "catalogues/AddressRanges.h"

#include "catalogues/DeviceFile.h"
#include "text/WinINI.h"

#include <algorithm>

namespace {

constexpr int HighestLowAddress = 126;
constexpr int LastAddress = 255;

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The definition of a range: the device file's, else the custom file's,
// else the built-in meaning of "L", "H" and "A"; empty when there is none.
std::string RangeDefinition(const DeviceFile& file, const std::string& name)
{
    const std::string key = "Range" + name;
    std::string definition = file.Read("Ranges", key);
    if (definition.empty())
        definition = WinINI::ReadProfileKey(file.files.CustomDevicesFile, "Ranges", key);
    if (!definition.empty())
        return definition;
    if (name == "L")
        return "1-63";
    if (name == "H")
        return "64-126";
    if (name == "A")
        return "1-126";
    return {};
}

// Scans a definition into the range record: a run of digits is an address,
// "-" right after it starts a run to the next number; anything else between
// numbers is skipped.
class RangeScanner {
public:
    RangeScanner(const DeviceFile& file, const std::string& name, AddressRangeRecord& range)
        : file_(file), name_(name), range_(range)
    {
    }

    bool Scan(const std::string& definition)
    {
        text_ = definition;
        i_ = 0;
        while (i_ < text_.size()) {
            if (!IsDigit(text_[i_])) {
                ++i_;
                continue;
            }
            const long a = Number();
            if (a == 0 || a == 127 || a == 128 || a == LastAddress)
                return Invalid(a);
            if (a <= LastAddress)
                Mark(a);
            if (i_ < text_.size() && text_[i_] == '-') {
                ++i_;
                const long b = Number();  // 0 when no digits follow
                if (b == 0)
                    return Invalid(0);
                for (long address = a + 1; address <= std::min(b, static_cast<long>(LastAddress)); ++address)
                    Mark(address);
            }
        }
        return true;
    }

private:
    // The digit run at the scan position; values past any address are capped.
    long Number()
    {
        long value = 0;
        for (; i_ < text_.size() && IsDigit(text_[i_]); ++i_)
            value = std::min(value * 10 + (text_[i_] - '0'), 100000L);
        return value;
    }

    void Mark(long address)
    {
        range_.Valid[static_cast<size_t>(address)] = true;
        ++range_.Count;  // repeats count too
        if (address > HighestLowAddress) {
            range_.HasHighAddress = true;
            file_.catalogue.AnyHighAddress = true;
        }
    }

    bool Invalid(long address) const
    {
        return file_.Fail("Address " + std::to_string(address) + " is not a valid address for Range" + name_ +
                          " in '" + file_.files.DevicesFile + "'.");
    }

    const DeviceFile& file_;
    const std::string& name_;
    AddressRangeRecord& range_;
    std::string text_;
    size_t i_ = 0;
};

}  // namespace

void ResetAddressRanges(Catalogue& catalogue)
{
    AddressRangeRecord full;
    full.Name = " full";
    full.Valid.fill(true);
    full.Count = LastAddress + 1;
    catalogue.AddressRanges.assign(1, full);
    catalogue.AnyHighAddress = false;
}

std::optional<int32_t> AddressRangeFor(const DeviceFile& file, const std::string& name)
{
    std::vector<AddressRangeRecord>& ranges = file.catalogue.AddressRanges;
    for (size_t i = 0; i < ranges.size(); ++i)
        if (ranges[i].Name == name)
            return static_cast<int32_t>(i);

    const std::string definition = RangeDefinition(file, name);
    if (definition.empty()) {
        file.Fail("Invalid Address Range '" + name + "' in '" + file.files.DevicesFile + "'.");
        return std::nullopt;
    }
    ranges.emplace_back();
    ranges.back().Name = name;
    if (!RangeScanner(file, name, ranges.back()).Scan(definition))
        return std::nullopt;
    return static_cast<int32_t>(ranges.size() - 1);
}

bool IsAddressValidForType(const Catalogue& catalogue, int type, int address)
{
    if (type < 0 || static_cast<size_t>(type) >= catalogue.DeviceTypes.size() || address < 0 ||
        address > LastAddress)
        return false;
    const int32_t range = catalogue.DeviceTypes[static_cast<size_t>(type)].AddressRange;
    if (range < 0 || static_cast<size_t>(range) >= catalogue.AddressRanges.size())
        return false;
    return catalogue.AddressRanges[static_cast<size_t>(range)].Valid[static_cast<size_t>(address)];
}

int LoopAddressLimit(const Catalogue& catalogue)
{
    return catalogue.AnyHighAddress ? 252 : 126;
}
