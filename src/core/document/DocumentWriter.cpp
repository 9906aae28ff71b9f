#include "document/DocumentWriter.h"

#include "catalogues/Catalogue.h"
#include "text/ProfileText.h"
#include "document/Document.h"
#include "document/PowerSection.h"
#include "document/PowerSupply.h"
#include "document/ProjectSection.h"
#include "platform/MessageHost.h"

#include <vector>

namespace {

using std::to_string;

constexpr const char* CommentLine = ";Configuration data for Harvex Zephan Dralonix";
constexpr const char* HeaderSection = "Dralon";
constexpr const char* CustomDeviceSection = "CustomDevice";
constexpr const char* CustomOtherSection = "CustomOther";

// Quotes keep leading and trailing blanks through a read.
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Boolean(bool value) { return value ? "True" : "False"; }
// Decimetres as whole metres, halves up, for the keys older versions read.
std::string Metres(int32_t decimetres) { return to_string((int64_t{decimetres} + 5) / 10); }

// Builds the file with the same writes and deletions, in the same order, as
// saving key by key through the profile functions would make, so that the
// text (section order included) is the same.
class FileBuilder {
public:
    FileBuilder(const Document& document, std::string_view localeId)
        : document_(document), catalogue_(document.Catalog()), profile_(std::vector<std::string>{CommentLine}),
          localeId_(localeId)
    {
    }

    std::string Build()
    {
        WriteHeader();
        for (int loop = 1; loop <= Document::LoopCount; ++loop)
            WriteLoop(loop);
        PowerSettings power = document_.Power;
        power.Rule = power.Rule.value_or(DefaultPowerRule(localeId_));
        WritePowerSection(profile_, power);
        WriteProjectSection(profile_, document_.Project);
        if (!usedCustomDevice_)
            profile_.DeleteSection(CustomDeviceSection);
        if (!usedCustomOther_)
            profile_.DeleteSection(CustomOtherSection);
        return profile_.Text();
    }

private:
    void WriteOrDelete(const std::string& section, const std::string& key, const std::string& value)
    {
        if (value.empty())
            profile_.DeleteKey(section, key);
        else
            profile_.Write(section, key, value);
    }

    void WriteHeader()
    {
        const PanelRecord* panel = catalogue_.CurrentPanelRecord();
        profile_.Write(HeaderSection, "CreatedDate", document_.CreatedDate.ToText());
        profile_.Write(HeaderSection, "DataFormat", "1");
        profile_.Write(HeaderSection, "SiteName", Quoted(document_.SiteName));
        profile_.Write(HeaderSection, "ModifiedDate", document_.ModifiedDate.ToText());
        profile_.Write(HeaderSection, "PanelType", Quoted(panel ? panel->Name : std::string()));
    }

    void WriteLoop(int loop)
    {
        const std::string section = "Loop" + to_string(loop);
        const clsCalculator& model = document_.Loop(loop);
        const std::string& name = document_.LoopName(loop);
        WriteOrDelete(section, "Name", name.empty() ? std::string() : Quoted(name));
        WriteCalculationKeys(section, model);

        uses_.assign(catalogue_.OtherDevices.size(), 0);
        for (int a = 0; a < clsCalculator::AddressCount; ++a) {
            const std::string address = to_string(a);
            const std::string record = HoldsRecord(loop, a) ? DeviceRecord(loop, a) : std::string();
            if (document_.Eavesdropping(loop, a) != 0) {
                profile_.DeleteKey(section, "Device" + address);
                WriteOrDelete(section, "EavesdroppingDevice" + address, record);
            } else {
                WriteOrDelete(section, "Device" + address, record);
                profile_.DeleteKey(section, "EavesdroppingDevice" + address);
            }
            WriteOrDelete(section, "DeviceBetween" + address, StandaloneList(model, a));
            WriteOrDelete(section, "CablePosition" + address, PositionText(model.CablePosition(a)));
            WriteOrDelete(section, "CablePositionBetween" + address, StandalonePositionList(model, a));
            WriteLocations(section, model, a);
        }
        WriteOtherDeviceCounts(section);
    }

    void WriteCalculationKeys(const std::string& section, const clsCalculator& model)
    {
        profile_.Write(section, "CableImpedance", to_string(model.CableImpedance()));
        profile_.Write(section, "CableFirstRun", Metres(model.CableFirst()));
        profile_.Write(section, "CableFirstLength", to_string(model.CableFirst()));
        profile_.Write(section, "CableMaxRun", Metres(model.CableTotal()));
        profile_.Write(section, "CableTotalLength", to_string(model.CableTotal()));
        profile_.Write(section, "Calculation", to_string(StoredNumber(model.CalcType())));
        profile_.Write(section, "MaxOutputs", to_string(model.MaxOutput()));
        profile_.Write(section, "DINLEDsDisabled", Boolean(model.DINLEDsDisabled()));
        profile_.Write(section, "IgnoreIsolators", Boolean(model.IgnoreIsolators()));
    }

    // Whether the address holds anything its record carries. An address
    // without a device type can still hold Other Devices, a tag or a base
    // (a file may give them so, and they count in the calculation): leaving
    // its record out would lose them on the next open.
    bool HoldsRecord(int loop, int a) const
    {
        const clsCalculator& model = document_.Loop(loop);
        return model.DeviceType(a) != 0 || model.AddressOrder(a) != a || model.DeviceOtherType(a) != 0 ||
               model.DeviceOtherBaseType(a) != 0 || model.DeviceBaseAddr(a) != a || model.DeviceBaseType(a) != 0 ||
               document_.AddressTag(loop, a) != 0 || document_.Eavesdropping(loop, a) != 0;
    }

    // Type, address tag, Other Devices, address order, base address, base type.
    std::string DeviceRecord(int loop, int a)
    {
        const clsCalculator& model = document_.Loop(loop);
        const int16_t type = model.DeviceType(a);
        const DeviceTypeRecord& record = catalogue_.DeviceType(type);
        std::string text;
        if (record.IsCustom) {
            // Written at once, so the section may land between loop sections.
            profile_.Write(CustomDeviceSection, "Device" + to_string(type), record.Name);
            usedCustomDevice_ = true;
            text = "C";
        }
        text += to_string(type) + "," + to_string(document_.AddressTag(loop, a)) + ",";
        text += OtherDeviceReference(model.DeviceOtherType(a));
        if (model.DeviceOtherBaseType(a) != 0)
            text += "+" + OtherDeviceReference(model.DeviceOtherBaseType(a));
        text += "," + to_string(model.AddressOrder(a)) + "," + to_string(model.DeviceBaseAddr(a)) + "," +
                to_string(model.DeviceBaseType(a));
        return text;
    }

    // Slots 2 to 125 separated by commas, each slot's field (an empty slot
    // as nothing), without the trailing commas.
    template <typename Field>
    static std::string SlotList(const clsCalculator& model, int a, Field field)
    {
        std::string list;
        if (model.DeviceStandaloneCount(a) == 0)
            return list;
        size_t kept = 0;  // the length up to the last slot with a field
        for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot) {
            if (slot > clsCalculator::FirstSlot)
                list += ",";
            const std::string text = field(slot);
            list += text;
            if (!text.empty())
                kept = list.size();
        }
        list.resize(kept);
        return list;
    }

    std::string StandaloneList(const clsCalculator& model, int a)
    {
        return SlotList(model, a, [&](int slot) {
            const int16_t other = model.DeviceStandalone(a, slot);
            if (other == 0)
                return std::string();
            std::string text = OtherDeviceReference(other);
            if (const int32_t associated = model.DeviceStandaloneAddress(a, slot); associated != 0)
                text += " (" + to_string(associated) + ")";
            return text;
        });
    }

    static std::string PositionText(int32_t decimetres)
    {
        return decimetres == clsCalculator::NoPosition ? std::string() : to_string(decimetres);
    }

    // The standalone devices' own distances along the cable, by slot.
    static std::string StandalonePositionList(const clsCalculator& model, int a)
    {
        return SlotList(model, a, [&](int slot) { return PositionText(model.StandaloneCablePosition(a, slot)); });
    }

    // Each in quotes, as the loop's name is, so that its blanks and commas
    // come back; one key per standalone slot, since a location may hold commas.
    void WriteLocations(const std::string& section, const clsCalculator& model, int a)
    {
        const std::string address = to_string(a);
        const std::string& own = model.Location(a);
        WriteOrDelete(section, "Location" + address, own.empty() ? std::string() : Quoted(own));
        if (model.DeviceStandaloneCount(a) == 0)
            return;
        for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot)
            if (const std::string& text = model.StandaloneLocation(a, slot); !text.empty())
                profile_.Write(section, "LocationBetween" + address + "-" + to_string(slot), Quoted(text));
    }

    // An Other Device by its Number, "C" first for a custom one; each use is
    // counted for the loop's count keys.
    std::string OtherDeviceReference(int other)
    {
        const OtherDeviceRecord& record = catalogue_.OtherDevice(other);
        if (other > 0 && static_cast<size_t>(other) < uses_.size()) {
            ++uses_[static_cast<size_t>(other)];
            usedCustomOther_ = usedCustomOther_ || record.IsCustom;
        }
        return (record.IsCustom ? "C" : "") + to_string(record.Number);
    }

    void WriteOtherDeviceCounts(const std::string& section)
    {
        for (size_t other = 1; other < uses_.size(); ++other) {
            const OtherDeviceRecord& record = catalogue_.OtherDevices[other];
            if (uses_[other] == 0) {
                profile_.DeleteKey(section, record.Id);
                continue;
            }
            profile_.Write(section, record.Id, to_string(uses_[other]));
            if (record.IsCustom)
                profile_.Write(CustomOtherSection, "Other" + to_string(record.Number), record.SingleName);
        }
    }

    const Document& document_;
    const Catalogue& catalogue_;
    WinINI::ProfileText profile_;
    std::vector<int32_t> uses_;  // per Other Device position, on the current loop
    bool usedCustomDevice_ = false;
    bool usedCustomOther_ = false;
    std::string_view localeId_;
};

}  // namespace

std::string DocumentText(const Document& document, std::string_view localeId)
{
    return FileBuilder(document, localeId).Build();
}

std::string SaveFailedText(const SaveFailure& failure)
{
    return "Unable to save the configuration data\n\n'" + failure.File + "': " + failure.Reason + ".";
}

bool WriteDocument(Document& document, const std::string& path, std::string_view localeId, MessageHost& host,
                   const SaveFault& fault)
{
    SaveFailure failure;
    if (!SaveWithBackup(path, DocumentText(document, localeId), failure, fault)) {
        MsgBox(host, SaveFailedText(failure), MsgStyle::OKOnly + MsgStyle::Exclamation);
        return false;
    }
    document.Dirty = false;
    document.History.MarkSaved();
    return true;
}
