#include "document/DocumentReader.h"

#include "text/Blanks.h"
#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/Scaling.h"
#include "catalogues/AddressRanges.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "catalogues/PanelCatalogue.h"
#include "text/RunTimeError.h"
#include "text/WinINI.h"
#include "document/CablePositionRefusals.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "document/LoopPlacement.h"
#include "platform/CaseFold.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"
#include "document/PowerSection.h"
#include "document/ProjectSection.h"

#include <algorithm>
#include <charconv>
#include <array>
#include <cassert>
#include <set>
#include <utility>
#include <vector>

int OpenProgressPercent(int loop, int address) { return ((loop - 1) * 256 + address) * 100 / 2048; }

namespace {

using std::to_string;

constexpr const char* HeaderSection = "Dralon";
constexpr const char* CustomDeviceSection = "CustomDevice";
constexpr const char* CustomOtherSection = "CustomOther";
constexpr int AddressCount = clsCalculator::AddressCount;

// Older device types and what replaces them: the new type, and the Other
// Device (by Number) that goes into standalone slot 2 of the address.
struct OlderType {
    int16_t Old;
    int16_t New;
    int StandaloneNumber;
};
constexpr std::array<OlderType, 2> OlderTypes{{{47, 57, 9}, {78, 79, 10}}};

// Thrown inside the reader only and caught where the reading ends, as is a
// RunTimeError (a conversion that cannot be stored, which the open flow
// reports as the run-time error it is): a stop asked for by the user or at a
// prompt.
struct Stopped {};

[[noreturn]] void Overflow() { throw RunTimeError(RunTimeError::Overflow, "Overflow"); }

// A whole number read leniently (text that is no number reads 0), rounded
// halves to even; a number the value cannot hold is an overflow.
int32_t WholeLong(std::string_view text)
{
    const auto value = Rounding::ToInt32(LeadingNumber(text));
    if (!value)
        Overflow();
    return *value;
}

int16_t WholeInteger(std::string_view text)
{
    const auto value = Rounding::ToInt16(LeadingNumber(text));
    if (!value)
        Overflow();
    return *value;
}

// The Other Devices of a device record's field 3 or of a standalone slot,
// as catalogue positions (0 for none).
struct OtherDeviceEntries {
    int16_t Attached = 0;
    int16_t Base = 0;
    int32_t AssociatedAddress = 0;
};

class ReadingPass {
public:
    ReadingPass(Document& document, const std::string& path, const DocumentReadServices& services,
                WinINI::ProfileReader& profile)
        : document_(document), path_(path), catalogue_(services.catalogue), services_(services), profile_(profile)
    {
        assert(&services.catalogue == &document.Catalog());
    }

    DocumentReadResult Run(bool readOnlyRequest)
    {
        DocumentReadResult result;
        if (!VersionAccepted())
            return result;
        bool stopped = true;
        try {
            NewDocument(document_, CurrentLoopDefaults(services_.options, catalogue_));
            document_.SiteName = Read(HeaderSection, "SiteName");
            const auto created = DateTime::Parse(Read(HeaderSection, "CreatedDate"));
            document_.CreatedDate = created ? *created : document_.Now();
            const auto modified = DateTime::Parse(Read(HeaderSection, "ModifiedDate"));
            result.ModifiedDate = modified ? *modified : document_.CreatedDate;
            // The file's panel, else "Unknown Panel"; remembered as the last panel.
            const std::string panel = Read(HeaderSection, "PanelType");
            if (!SelectPanelOrDefault(catalogue_, services_.options, services_.messages, panel)) {
                result.Outcome = ReadOutcome::NoPanel;
                return result;
            }
            ReportReplacedPanel(panel);
            for (int loop = 1; loop <= Document::LoopCount; ++loop)
                ReadLoop(loop);
            document_.Power = ReadPowerSection(profile_, path_, services_.messages);
            document_.Project = ReadProjectSection(profile_, path_, services_.messages);
            stopped = false;
        } catch (const Stopped&) {
            result.Outcome = ReadOutcome::Cancelled;
        } catch (const RunTimeError& error) {
            result.Outcome = ReadOutcome::Failed;
            result.ErrorNumber = error.Number();
            result.ErrorDescription = error.what();
        }
        if (stopped) {
            // Nothing of the file is kept.
            NewDocument(document_, CurrentLoopDefaults(services_.options, catalogue_));
            return result;
        }
        document_.Path = path_;
        document_.ReadOnly = readOnlyRequest || FileSystem::IsReadOnly(path_);
        result.Outcome = ReadOutcome::Opened;
        result.DataChanged = dataChanged_;
        result.Dropped = std::move(dropped_);
        return result;
    }

private:
    std::string Read(const std::string& section, const std::string& key)
    {
        return profile_.ReadKey(path_, section, key);
    }

    void Message(const std::string& text)
    {
        MsgBox(services_.messages, text, MsgStyle::OKOnly + MsgStyle::Exclamation);
    }

    bool VersionAccepted()
    {
        const std::string format = Read(HeaderSection, "DataFormat");
        const double version = format.empty() ? 0 : Rounding::RoundHalfEven(LeadingNumber(format));
        if (version == 0) {
            Message("File format is not recognised, unable to open '" + path_ + "'.");
            return false;
        }
        if (version > 1) {
            Message(std::string("The data in this file has been generated by a version of ") + ApplicationTitle +
                    " that is newer than this version.\n\nUnable to open '" + path_ + "'.");
            return false;
        }
        return true;
    }

    // Another panel's limits decide the verdicts: the user must know.
    void ReportReplacedPanel(const std::string& name)
    {
        const PanelRecord* used = catalogue_.CurrentPanelRecord();
        if (!used || FoldCase(used->Name) == FoldCase(name))
            return;
        const std::string missing = name.empty() ? "The control panel is not named in this file"
                                                 : "The control panel " + name + " is not in the catalogue";
        Message(missing + "; the calculation uses " + used->Name + ".");
    }

    // A device named in the file that the catalogues do not hold.
    void Drop(DroppedKind kind, std::string read)
    {
        droppedAt_.insert({readingLoop_, readingAddress_});
        dropped_.Add({readingLoop_, readingAddress_, kind, std::move(read)});
    }

    void ReadLoop(int loop)
    {
        const std::string section = "Loop" + to_string(loop);
        document_.LoopName(loop) = Read(section, "Name");
        ReadCalculationKeys(loop, section);
        otherDeviceMark_ = false;
        for (int a = 0; a < AddressCount; ++a)
            wantedPosition_[static_cast<size_t>(a)] = a;
        for (int a = 0; a < AddressCount; ++a)
            ReadAddress(loop, section, a);
        ApplyAddressOrder(loop);
        ReadStandaloneLists(loop, section);
        StoreBases(loop);
        ReadCablePositions(loop, section);
        ReadLocations(loop, section);
        if (!otherDeviceMark_)
            AttachOlderCounts(loop, section);
    }

    // A length in decimetres, or else in whole metres from the key older
    // versions read; 0 when absent or refused.
    int32_t ReadLength(const std::string& section, const char* decimetreKey, const char* metreKey,
                       const std::string& what)
    {
        MessageHost& host = services_.messages;
        if (const std::string value = Read(section, decimetreKey); !value.empty()) {
            int32_t decimetres = 0;
            CSV::ReadLongField(host, value, 1, decimetres, 0, 327670, what);
            return decimetres;
        }
        if (const std::string value = Read(section, metreKey); !value.empty()) {
            int16_t metres = 0;
            CSV::ReadIntegerField(host, value, 1, metres, 0, 32767, what);
            return metres * 10;
        }
        return 0;
    }

    std::string ImpedanceText(int16_t impedance) const
    {
        const int units = services_.options.Units();
        return Scaling::FormatImpedance(impedance, units) + " " + Scaling::ImpedanceUnitsText(units);
    }

    void ReadCalculationKeys(int loop, const std::string& section)
    {
        MessageHost& host = services_.messages;
        clsCalculator& model = document_.Loop(loop);
        const std::string forLoop = " for loop " + to_string(loop);

        auto impedance = static_cast<int16_t>(catalogue_.DefaultCableImpedance());
        if (const std::string value = Read(section, "CableImpedance"); !value.empty()) {
            // Told with the value the loop is calculated with: a refused one
            // gives way to the default, and no cable has none.
            if (!CSV::ReadIntegerField(host, value, 1, impedance, 0, 32767, "cable impedance" + forLoop))
                Message("Loop " + to_string(loop) + " is calculated with the default cable impedance, " +
                        ImpedanceText(impedance) + ".");
        }
        model.SetCableImpedance(impedance);

        model.SetCableFirst(ReadLength(section, "CableFirstLength", "CableFirstRun", "cable first run" + forLoop));
        model.SetCableTotal(ReadLength(section, "CableTotalLength", "CableMaxRun", "cable length" + forLoop));
        if (impedance == 0 && model.CableTotal() > 0)
            Message("The cable impedance for loop " + to_string(loop) + " is " + ImpedanceText(0) +
                    ": the loop is calculated without any resistance in its cable.");

        int32_t calcType = 0;
        if (const std::string value = Read(section, "Calculation"); !value.empty())
            CSV::ReadLongField(host, value, 1, calcType, StoredNumber(MinCalcType), StoredNumber(MaxCalcType),
                               "calculation type" + forLoop);
        model.SetCalcType(static_cast<CalculationType>(calcType));

        const PanelRecord* panel = catalogue_.CurrentPanelRecord();
        const int32_t panelOutputs = panel ? panel->Outputs : 0;
        int32_t maxOutput = panelOutputs;
        if (const std::string value = Read(section, "MaxOutputs"); !value.empty()) {
            int32_t read = 0;
            const int32_t limit = LoopAddressLimit(catalogue_);
            if (CSV::ReadLongField(host, value, 1, read, 0, limit, "maximum outputs activated on loop " + to_string(loop)))
                maxOutput = std::min(read, panelOutputs);
        }
        model.SetMaxOutput(maxOutput);

        model.SetDINLEDsDisabled(Blanks::BeginsWithT(Read(section, "DINLEDsDisabled")));
        model.SetIgnoreIsolators(Blanks::BeginsWithT(Read(section, "IgnoreIsolators")));
    }

    void ClearAddress(int loop, int a)
    {
        clsCalculator& model = document_.Loop(loop);
        model.SetDeviceType(a, 0);
        model.SetDeviceOtherType(a, 0);
        model.SetDeviceOtherBaseType(a, 0);
        document_.SetAddressTag(loop, a, 0);
        document_.SetEavesdropping(loop, a, 0);
        wantedPosition_[static_cast<size_t>(a)] = a;
    }

    // The positions are applied once every address is read, in the order of
    // the positions: placing them address by address, each move shifting the
    // others, would not give back the order the file was saved with.
    void ApplyAddressOrder(int loop)
    {
        std::array<int, AddressCount> byPosition{};
        for (int a = 0; a < AddressCount; ++a)
            byPosition[static_cast<size_t>(a)] = a;
        // An address the file moves comes before one that keeps its own place.
        const auto key = [this](int a) {
            const int32_t wanted = wantedPosition_[static_cast<size_t>(a)];
            return std::pair{wanted, wanted == a};
        };
        std::stable_sort(byPosition.begin(), byPosition.end(), [&](int x, int y) { return key(x) < key(y); });
        clsCalculator& model = document_.Loop(loop);
        for (int p = 0; p < AddressCount; ++p)
            model.SetAddressOrder(byPosition[static_cast<size_t>(p)], p);
    }

    // A device-type number present in the catalogue, "C" and the number of a
    // [CustomDevice] key holding the type's name, or a name; 0 otherwise.
    int16_t DeviceTypeField(const std::string& field)
    {
        if (field.empty())
            return 0;
        if (IsNumericText(field)) {
            const auto number = Rounding::ToInt16(LeadingNumber(field));
            if (number && catalogue_.IsValidDeviceType(*number))
                return *number;
            if (!number || *number != 0)
                Drop(DroppedKind::DeviceType, field);
            return 0;
        }
        const bool custom = field.front() == 'C';
        const std::string name =
            custom ? Read(CustomDeviceSection, "Device" + to_string(WholeLong(field.substr(1)))) : field;
        const auto type = static_cast<int16_t>(catalogue_.FindDeviceType(name));
        if (type == 0)
            Drop(custom ? DroppedKind::CustomDeviceType : DroppedKind::DeviceType, name.empty() ? field : name);
        return type;
    }

    int16_t FindOtherBySingleName(const std::string& name) const
    {
        if (name.empty())
            return 0;
        for (size_t i = 1; i < catalogue_.OtherDevices.size(); ++i)
            if (catalogue_.OtherDevices[i].SingleName == name)
                return static_cast<int16_t>(i);
        return 0;
    }

    // An Other Device by its Number, by "C" and the number of a [CustomOther]
    // key holding its name, or by its name; 0 when not found.
    int16_t ResolveOther(std::string_view entry)
    {
        if (IsNumericText(entry)) {
            const auto number = Rounding::ToInt32(LeadingNumber(entry));
            const int position = number ? catalogue_.FindOtherDeviceByNumber(*number) : 0;
            if (catalogue_.IsValidOtherDevice(position))
                return static_cast<int16_t>(position);
            if (!number || *number != 0)
                Drop(DroppedKind::OtherDevice, std::string(entry));
            return 0;
        }
        const bool custom = entry.front() == 'C' && IsNumericText(entry.substr(1));
        const std::string name =
            custom ? Read(CustomOtherSection, "Other" + to_string(WholeLong(entry.substr(1)))) : std::string(entry);
        const int16_t other = FindOtherBySingleName(name);
        if (other == 0)
            Drop(custom ? DroppedKind::CustomOtherDevice : DroppedKind::OtherDevice,
                 name.empty() ? std::string(entry) : name);
        return other;
    }

    // "attached+base (associated address)"; a non-empty text marks the loop
    // as one saved with its Other Devices per address.
    OtherDeviceEntries ParseOthers(std::string_view text)
    {
        OtherDeviceEntries result;
        if (text.empty())
            return result;
        otherDeviceMark_ = true;
        if (const size_t bracket = text.find('('); bracket != std::string_view::npos) {
            result.AssociatedAddress = WholeLong(text.substr(bracket + 1));
            text = text.substr(0, bracket);
        }
        const size_t plus = text.find('+');
        const std::array<std::string_view, 2> entries{
            Blanks::Trim(text.substr(0, plus)),
            plus == std::string_view::npos ? std::string_view() : Blanks::Trim(text.substr(plus + 1))};
        for (const std::string_view entry : entries) {
            if (entry.empty())
                continue;
            if (const int16_t other = ResolveOther(entry); other != 0)
                (catalogue_.OtherDevice(other).IsBase ? result.Base : result.Attached) = other;
        }
        return result;
    }

    void ReadAddress(int loop, const std::string& section, int a)
    {
        if (services_.host.CancelRequested(loop, a))
            throw Stopped{};
        readingLoop_ = loop;
        readingAddress_ = a;
        baseAddress_[static_cast<size_t>(a)] = a;
        baseType_[static_cast<size_t>(a)] = 0;

        std::string record = Read(section, "Device" + to_string(a));
        const bool eavesdropping = record.empty();
        if (eavesdropping)
            record = Read(section, "EavesdroppingDevice" + to_string(a));
        if (record.empty()) {
            ClearAddress(loop, a);
            return;
        }

        // Fields 1 to 6, and 20 and 22 that tell the older layout.
        const std::vector<std::string> fields = CSV::GetCSVFields(record, 22);
        auto field = [&fields](int n) -> const std::string& { return fields[static_cast<size_t>(n - 1)]; };
        int16_t type = DeviceTypeField(field(1));
        const OtherDeviceEntries others = ParseOthers(field(3));
        const std::string& positionField = field(4);
        int32_t position = a;
        if (IsNumericText(positionField)) {
            const double read = LeadingNumber(positionField);
            if (read > 0 && read < 255)
                position = WholeLong(positionField);
        }
        type = ConvertOlderType(loop, a, type);

        // Records of an older layout carry no base fields.
        const bool olderLayout = !field(20).empty() && field(22).empty();
        if (!olderLayout) {
            if (const int32_t baseAddress = WholeLong(field(5)); baseAddress != 0) {
                baseAddress_[static_cast<size_t>(a)] = baseAddress;
                baseType_[static_cast<size_t>(a)] = WholeInteger(field(6));
            }
        }
        const int16_t tag = WholeInteger(field(2));
        StoreAddress(loop, a, type, tag, eavesdropping, others, position);
    }

    int16_t ConvertOlderType(int loop, int a, int16_t type)
    {
        for (const OlderType& older : OlderTypes) {
            if (type != older.Old)
                continue;
            const auto other = static_cast<int16_t>(catalogue_.FindOtherDeviceByNumber(older.StandaloneNumber));
            document_.Loop(loop).DeviceStandaloneTypeAndAddress(a, clsCalculator::FirstSlot, other, 0);
            return older.New;
        }
        if (catalogue_.DeviceType(type).IsSlave)
            ClearAddress(loop, a);
        return type;
    }

    void StoreAddress(int loop, int a, int16_t type, int16_t tag, bool eavesdropping, const OtherDeviceEntries& others,
                      int32_t position)
    {
        clsCalculator& model = document_.Loop(loop);
        wantedPosition_[static_cast<size_t>(a)] = position;
        if (!catalogue_.IsSelectableDeviceType(type)) {
            AskAboutUnknownType(loop, a, type);
            return;
        }
        model.SetDeviceType(a, type);
        document_.SetAddressTag(loop, a, tag);
        document_.SetEavesdropping(loop, a, eavesdropping ? 1 : 0);
        const int16_t attached = KeepIfCompatible(loop, type, others.Attached);
        const int16_t base = KeepIfCompatible(loop, type, others.Base);
        model.SetDeviceOtherType(a, attached);
        model.SetDeviceOtherBaseType(a, base);
        // Type 0 (no device) belongs to no family.
        if (type != 0)
            ShowFamily(catalogue_.DeviceType(type).Family);
        ShowFamilyOf(catalogue_.OtherDevice(attached));
    }

    void AskAboutUnknownType(int loop, int a, int16_t type)
    {
        if (ignoreUnknownTypes_)
            return;
        switch (services_.host.UnknownDeviceType(loop, a, type)) {
        case UnknownDeviceAnswer::LeaveEmpty:
            break;
        case UnknownDeviceAnswer::LeaveAllEmpty:
            ignoreUnknownTypes_ = true;
            break;
        case UnknownDeviceAnswer::Cancel:
            throw Stopped{};
        }
    }

    int16_t KeepIfCompatible(int loop, int16_t type, int16_t other)
    {
        if (catalogue_.CanAttachOther(type, other))
            return other;
        if (!services_.host.DropIncompatibleOther(loop, other, type))
            throw Stopped{};
        return 0;
    }

    void ShowFamily(int family) { services_.options.SetFamilyShown(catalogue_, family, true); }

    // An Other Device whose Family is 0 belongs to no family.
    void ShowFamilyOf(const OtherDeviceRecord& other)
    {
        if (other.Family != 0)
            ShowFamily(other.Family);
    }

    void ReadStandaloneLists(int loop, const std::string& section)
    {
        clsCalculator& model = document_.Loop(loop);
        for (int a = 0; a < AddressCount; ++a) {
            const std::string list = Read(section, "DeviceBetween" + to_string(a));
            if (list.empty())
                continue;
            readingAddress_ = a;
            // Slot s is field s - 1.
            const std::vector<std::string> fields = CSV::GetCSVFields(list, clsCalculator::LastSlot - 1);
            for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot) {
                const OtherDeviceEntries entries = ParseOthers(fields[static_cast<size_t>(slot - 2)]);
                model.DeviceStandaloneTypeAndAddress(a, slot, entries.Attached, entries.AssociatedAddress);
            }
        }
    }

    // A distance along the cable in whole decimetres; NoPosition for none,
    // and for text that is none (named among the refused).
    int32_t CablePositionField(std::string_view text, int address, int slot, CablePositionRefusals& refused)
    {
        text = Blanks::Trim(text);
        if (text.empty())
            return clsCalculator::NoPosition;
        int32_t decimetres = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimetres);
        if (error != std::errc() || end != text.data() + text.size() || decimetres < 0) {
            refused.Add(address, slot, "not a number");
            return clsCalculator::NoPosition;
        }
        return decimetres;
    }

    // The distances along the cable, once the devices are in place; any that
    // cannot be used are left out with one message for the loop naming them.
    // The distance of a device left out for its type goes with it unsaid:
    // the device's own message has told of it.
    void ReadCablePositions(int loop, const std::string& section)
    {
        clsCalculator& model = document_.Loop(loop);
        CablePositionRefusals refused;
        for (int a = 0; a < AddressCount; ++a) {
            model.SetCablePosition(a, CablePositionField(Read(section, "CablePosition" + to_string(a)), a, 0, refused));
            const std::string list = Read(section, "CablePositionBetween" + to_string(a));
            if (list.empty())
                continue;
            const std::vector<std::string> fields = CSV::GetCSVFields(list, clsCalculator::LastSlot - 1);
            for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot) {
                const int32_t position = CablePositionField(fields[static_cast<size_t>(slot - 2)], a, slot, refused);
                if (position != clsCalculator::NoPosition && model.DeviceStandalone(a, slot) == 0) {
                    if (!droppedAt_.contains({loop, a}))
                        refused.Add(a, slot, "no device there");
                } else {
                    model.SetStandaloneCablePosition(a, slot, position);
                }
            }
        }
        for (const DroppedCablePosition& dropped : model.DropMisplacedCablePositions())
            if (dropped.Reason != DroppedCablePosition::Why::NoDevice || !droppedAt_.contains({loop, dropped.Address}))
                refused.Add(dropped.Address, dropped.Slot, CablePositionRefusals::Reason(dropped.Reason));
        if (!refused.Empty())
            Message(refused.Text(loop));
    }

    // The locations, once the devices are in place; one where there is no
    // device is left out as a distance is. Slots are read at the addresses
    // that hold standalone devices only, so that a loop costs no more reads
    // than its devices need.
    void ReadLocations(int loop, const std::string& section)
    {
        clsCalculator& model = document_.Loop(loop);
        CablePositionRefusals refused(CablePositionRefusals::Subject::Location);
        for (int a = 0; a < AddressCount; ++a) {
            const std::string address = to_string(a);
            const bool quiet = droppedAt_.contains({loop, a});
            if (std::string text = Read(section, "Location" + address); !text.empty()) {
                if (model.DeviceType(a) != 0)
                    model.SetLocation(a, std::move(text));
                else if (!quiet)
                    refused.Add(a, 0, "no device there");
            }
            if (model.DeviceStandaloneCount(a) == 0)
                continue;
            for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot) {
                std::string text = Read(section, "LocationBetween" + address + "-" + to_string(slot));
                if (text.empty())
                    continue;
                if (model.DeviceStandalone(a, slot) != 0)
                    model.SetStandaloneLocation(a, slot, std::move(text));
                else if (!quiet)
                    refused.Add(a, slot, "no device there");
            }
        }
        if (!refused.Empty())
            Message(refused.Text(loop));
    }

    // A base of a type that stands for a standalone Other Device becomes one
    // such Other Device on the loop instead.
    void StoreBases(int loop)
    {
        clsCalculator& model = document_.Loop(loop);
        for (int a = 0; a < AddressCount; ++a) {
            const int32_t baseAddress = baseAddress_[static_cast<size_t>(a)];
            const int16_t baseType = baseType_[static_cast<size_t>(a)];
            if (baseAddress == a)
                continue;
            if (const int16_t other = catalogue_.DeviceType(baseType).StandaloneOther; other != 0) {
                Attach(loop, other, 1);
                continue;
            }
            if (!model.SetDeviceBaseAddr(a, baseAddress))
                Overflow();
            model.SetDeviceBaseType(a, baseType);
        }
    }

    // Files from before Other Devices were stored per address keep a count
    // per loop under each Other Device's Id.
    void AttachOlderCounts(int loop, const std::string& section)
    {
        for (size_t other = 1; other < catalogue_.OtherDevices.size(); ++other) {
            const OtherDeviceRecord& record = catalogue_.OtherDevices[other];
            const double count = Rounding::RoundHalfEven(LeadingNumber(Read(section, record.Id)));
            if (count > 255)
                Overflow();
            if (count <= 0)
                continue;
            Attach(loop, static_cast<int>(other), static_cast<int32_t>(count));
            ShowFamilyOf(record);
        }
    }

    void Attach(int loop, int other, int32_t count)
    {
        const auto outcome = LoopPlacement::AttachOthers(document_, loop, other, count, LoopPlacement::AttachMode::Apply);
        if (outcome.Shortfall > 0) {
            services_.host.OthersNotPlaced(loop, other, outcome.Shortfall);
            dataChanged_ = true;
        }
    }

    Document& document_;
    const std::string& path_;
    Catalogue& catalogue_;
    const DocumentReadServices& services_;
    WinINI::ProfileReader& profile_;
    bool ignoreUnknownTypes_ = false;
    bool otherDeviceMark_ = false;
    std::array<int32_t, AddressCount> wantedPosition_{};  // of the loop being read
    bool dataChanged_ = false;
    // What the catalogues do not hold, and the record being read.
    DroppedRecords dropped_;
    std::set<std::pair<int, int>> droppedAt_;  // loop and address of every record left out
    int readingLoop_ = 0;
    int readingAddress_ = 0;
    // The working base of each address of the loop being read.
    std::array<int32_t, AddressCount> baseAddress_{};
    std::array<int16_t, AddressCount> baseType_{};
};

}  // namespace

DocumentReadResult ReadDocument(Document& document, const std::string& path, bool readOnlyRequest,
                                const DocumentReadServices& services)
{
    // The file is parsed once and every key is a lookup.
    WinINI::ProfileCache profile;
    const WinINI::ProfileCache::Pass pass(profile);
    return ReadDocument(document, path, readOnlyRequest, services, profile);
}

DocumentReadResult ReadDocument(Document& document, const std::string& path, bool readOnlyRequest,
                                const DocumentReadServices& services, WinINI::ProfileReader& profile)
{
    return ReadingPass(document, path, services, profile).Run(readOnlyRequest);
}

std::string ReadSiteName(const std::string& path) { return WinINI::ReadProfileKey(path, HeaderSection, "SiteName"); }
