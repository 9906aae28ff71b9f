#include "report/Schedules.h"

#include "catalogues/Catalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/ProjectText.h"
#include "platform/OutputFile.h"
#include "report/LoopContents.h"
#include "text/CsvWriter.h"

#include <algorithm>
#include <filesystem>

namespace Schedules {

namespace {

std::string Microamps(Currency value) { return value.ToString(); }
std::string Microamps(int32_t value) { return std::to_string(value); }

// Exactly, from whole decimetres: "12.5", "40".
std::string Metres(int32_t decimetres) { return Currency::FromScaled(int64_t{decimetres} * 1000).ToString(); }

const char* KindText(LoopContents::Kind kind)
{
    return kind == LoopContents::Kind::Device ? "Device" : "Other Device";
}

void AddContentRows(CsvWriter& csv, const Document& document, int loop)
{
    for (const auto& rows : {LoopContents::DeviceRows(document, loop), LoopContents::OtherDeviceRows(document, loop)})
        for (const LoopContents::Row& row : rows)
            csv.AddRow({std::to_string(loop), document.LoopName(loop), KindText(row.Of), row.Name,
                        std::to_string(row.Quantity), Microamps(row.QuiescentEach), Microamps(row.AlarmEach),
                        Microamps(row.QuiescentTotal()), Microamps(row.AlarmTotal()), ""});
}

bool AddressInUse(const clsCalculator& model, int address)
{
    return model.DeviceType(address) != 0 || model.DeviceBaseType(address) != 0 ||
           model.DeviceOtherType(address) != 0 || model.DeviceOtherBaseType(address) != 0 ||
           model.DeviceStandaloneCount(address) > 0;
}

std::string DeviceName(const Catalogue& catalogue, int type)
{
    return type == 0 ? std::string() : catalogue.DeviceType(type).Name;
}

std::string OtherName(const Catalogue& catalogue, int type)
{
    return type == 0 ? std::string() : catalogue.OtherDevice(type).SingleName;
}

std::string PositionText(int32_t decimetres)
{
    return decimetres == clsCalculator::NoPosition ? std::string() : Metres(decimetres);
}

// A row per point in cable order: the address's own, then one per
// standalone device wired after it, by slot, with the same loop and address.
void AddAddressRows(CsvWriter& csv, const Document& document, int loop)
{
    const Catalogue& catalogue = document.Catalog();
    const clsCalculator& model = document.Loop(loop);
    const std::string loopText = std::to_string(loop);
    for (int position = 0; position < clsCalculator::AddressCount; ++position) {
        const int a = model.AddressAtPosition(position);
        if (!AddressInUse(model, a))
            continue;
        const std::string address = std::to_string(a);
        csv.AddRow({loopText, PositionText(model.CablePosition(a)), address, DeviceName(catalogue, model.DeviceType(a)),
                    DeviceName(catalogue, model.DeviceBaseType(a)), OtherName(catalogue, model.DeviceOtherBaseType(a)),
                    OtherName(catalogue, model.DeviceOtherType(a)), "", std::to_string(document.AddressTag(loop, a)),
                    model.Location(a)});
        if (model.DeviceStandaloneCount(a) == 0)
            continue;
        for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot)
            if (const int16_t type = model.DeviceStandalone(a, slot); type != 0)
                csv.AddRow({loopText, PositionText(model.StandaloneCablePosition(a, slot)), address, "", "", "", "",
                            OtherName(catalogue, type), "", model.StandaloneLocation(a, slot)});
    }
}

// The project's fields above the table, a row each where a spreadsheet keeps
// them, then a blank row; nothing for a site without a project. The notes,
// which may run to several lines, are left to the file and the report.
void AddProjectRows(CsvWriter& csv, const Document& document)
{
    bool any = false;
    for (const ProjectLine& line : ProjectLines(document.Project)) {
        if (line.Label == "Notes")
            continue;
        csv.AddRow({line.Label, line.Value});
        any = true;
    }
    if (any)
        csv.AddRow({""});
}

}  // namespace

const char* ScheduleName(Schedule schedule)
{
    return schedule == Schedule::Devices ? "device schedule" : "address schedule";
}

std::string DeviceScheduleCsv(const Document& document)
{
    CsvWriter csv;
    AddProjectRows(csv, document);
    csv.AddRow({"Loop", "Loop Name", "Kind", "Name", "Quantity", "Quiescent Each (µA)", "Alarm Each (µA)",
                "Quiescent Total (µA)", "Alarm Total (µA)", "Verdict"});
    const int loops = CalculationSupport::PanelLoops(document);
    for (int loop = 1; loop <= loops; ++loop)
        AddContentRows(csv, document, loop);
    for (int loop = 1; loop <= loops; ++loop) {
        const clsCalculator& model = document.Loop(loop);
        csv.AddRow({std::to_string(loop), document.LoopName(loop), "Loop Total", "",
                    std::to_string(model.DevicesOnLoop()), "", "", Microamps(model.QuiescentCurrentTotal()),
                    Microamps(model.AlarmCurrentTotal()), model.LoopDesignShort()});
    }
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    csv.AddRow({"", "", "Panel Total", panel ? panel->Name : "",
                std::to_string(CalculationSupport::TotalDevices(document)), "", "",
                Microamps(CalculationSupport::TotalQuiescentCurrent(document)),
                Microamps(CalculationSupport::TotalAlarmCurrent(document)),
                CalculationSupport::OverallDesignText(document)});
    return csv.Text();
}

std::string AddressScheduleCsv(const Document& document)
{
    CsvWriter csv;
    AddProjectRows(csv, document);
    csv.AddRow({"Loop", "Position (m)", "Address", "Device Type", "Slave Base", "Base Other Device",
                "Attached Other Device", "Standalone Device", "Address Tag", "Location"});
    const int loops = CalculationSupport::PanelLoops(document);
    for (int loop = 1; loop <= loops; ++loop)
        AddAddressRows(csv, document, loop);
    return csv.Text();
}

std::string ScheduleCsv(const Document& document, Schedule schedule)
{
    return schedule == Schedule::Devices ? DeviceScheduleCsv(document) : AddressScheduleCsv(document);
}

std::string SuggestedPath(const Document& document, const std::string& folder, Schedule schedule)
{
    const std::string suffix = schedule == Schedule::Devices ? " - Devices.csv" : " - Addresses.csv";
    if (document.Path.empty())
        return (std::filesystem::path(folder) / ("Loop Calculation" + suffix)).string();
    std::filesystem::path path(document.Path);
    return path.replace_filename(path.stem().string() + suffix).string();
}

bool WriteSchedule(const Document& document, Schedule schedule, const std::string& path, std::string& error,
                   const FileSystem::WriteFault& fault)
{
    std::string reason;
    if (FileSystem::WriteOutputFile(path, ScheduleCsv(document, schedule), reason, fault))
        return true;
    error = std::string("The ") + ScheduleName(schedule) + " could not be written to '" + path + "': " + reason + ".";
    return false;
}

std::string ScheduleWrittenMessage(Schedule schedule, const std::string& path)
{
    return std::string("The ") + ScheduleName(schedule) + " has been written to '" + path + "'.";
}

}  // namespace Schedules
