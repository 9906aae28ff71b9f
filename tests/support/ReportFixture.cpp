#include "support/ReportFixture.h"

#include "document/CalculationSupport.h"
#include "report/PrintCalcData.h"
#include "report/Printing.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

DateTime FixedNow() { return {2026, 12, 6, 9, 30, 0}; }

}  // namespace

bool ScriptedProgress::CancelRequested() const
{
    return cancelAfterPageTexts >= 0 && static_cast<int>(pageTexts.size()) >= cancelAfterPageTexts;
}

ReportScenario::ReportScenario() : document(catalogue, FixedNow)
{
    catalogue.AddDeviceType({.Name = "Optical Detector", .Quiescent = 300, .Alarm = 5000, .MinimumVoltage = 1700});
    catalogue.AddDeviceType({.Name = "Heat Detector", .Quiescent = 250, .Alarm = 4500, .MinimumVoltage = 1700});
    catalogue.AddDeviceType(
        {.Name = "Input Unit", .Quiescent = 400, .Alarm = 6000, .AlarmLedDisabled = 1500, .MinimumVoltage = 1700});
    catalogue.DeviceTypeOrder = {0, HeatDetector, InputUnit, OpticalDetector};

    catalogue.AddOtherDevice({.Name = "Remote Indicator", .Alarm = 3000});
    catalogue.AddOtherDevice({.Name = "Conventional Sounder", .Quiescent = 100, .Alarm = 20000});
    for (size_t i = 1; i < catalogue.OtherDevices.size(); ++i)
        catalogue.OtherDevices[i].Name = catalogue.OtherDevices[i].SingleName + "s";  // plural names

    catalogue.PanelManufacturers.push_back({"Harvex Controls", "Harvex"});
    catalogue.AddCurrentPanel({.IsStandard = true, .Name = "HX-400", .Section = {}, .Loops = 4, .AlarmLEDs = 255,
                               .RemoteLEDs = 255, .Outputs = 255, .MaxLoopCurrent = 400, .MaxTotalCurrent = 1000,
                               .MinLoopVoltage = 2000});

    catalogue.CableGroups.push_back({"Fire cable", "ALL", true});
    catalogue.Cables.push_back({"1.5mm FR", CatalogueCableImpedance, true, 0});

    document.SiteName = "Northgate Depot";
    document.ModifiedDate = FixedNow();
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        document.Loop(loop).SetCableImpedance(CatalogueCableImpedance);
        document.Loop(loop).SetCableTotal(5000);
    }
}

// The first `count` addresses from 1 whose reader gives 0 get the value.
template <typename Read, typename Write>
void FillFreeAddresses(int count, Read read, Write write)
{
    for (int a = 1; a < clsCalculator::AddressCount && count > 0; ++a)
        if (read(a) == 0) {
            write(a);
            --count;
        }
}

void ReportScenario::AddDevices(int loop, int type, int count)
{
    clsCalculator& model = document.Loop(loop);
    FillFreeAddresses(count, [&](int a) { return model.DeviceType(a); },
                      [&](int a) { model.SetDeviceType(a, static_cast<int16_t>(type)); });
}

void ReportScenario::AddOthers(int loop, int other, int count)
{
    clsCalculator& model = document.Loop(loop);
    FillFreeAddresses(count, [&](int a) { return model.DeviceOtherType(a); },
                      [&](int a) { model.SetDeviceOtherType(a, static_cast<int16_t>(other)); });
}

int ReportScenario::Print(const std::vector<int>& loops, ReportPrinter& target, int units)
{
    CalculationSupport::RecalculateAll(document);
    return PrintCalcData::PrintCalculation(document, units, loops, target, progress);
}

std::vector<std::string> ReportScenario::PageLines(int page) const
{
    std::map<int, std::vector<const RecordingPrinter::PrintedText*>> rows;
    for (const RecordingPrinter::PrintedText& piece : printer.Printed()) {
        if (piece.Page != page)
            continue;
        const double lineHeight = printer.TextHeight("Hg");
        rows[static_cast<int>(std::lround((piece.Y - Printing::Margin) / lineHeight))].push_back(&piece);
    }
    std::vector<std::string> lines;
    for (auto& [row, pieces] : rows) {
        lines.resize(static_cast<size_t>(row) + 1);
        std::sort(pieces.begin(), pieces.end(), [](auto* a, auto* b) { return a->X < b->X; });
        std::string& line = lines[static_cast<size_t>(row)];
        for (const RecordingPrinter::PrintedText* piece : pieces) {
            const double characterWidth = piece->TextFont.Size * 10;
            const auto column = static_cast<size_t>(std::lround((piece->X - Printing::Margin) / characterWidth));
            const size_t length = RecordingPrinter::CharacterCount(line);
            if (length < column)
                line.append(column - length, ' ');
            line += piece->Text;
        }
    }
    return lines;
}

std::vector<std::string> ReportScenario::LinesBetween(int page, std::string_view first, std::string_view end) const
{
    const std::vector<std::string> lines = PageLines(page);
    auto startsWith = [](std::string_view line, std::string_view start) {
        const size_t text = line.find_first_not_of(' ');
        return text != std::string_view::npos && line.substr(text).starts_with(start);
    };
    auto from = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return startsWith(l, first); });
    if (from == lines.end())
        return {};
    auto to = std::find_if(from + 1, lines.end(), [&](const std::string& l) { return startsWith(l, end); });
    return {from, to};
}

const RecordingPrinter::PrintedText* ReportScenario::Find(std::string_view text) const
{
    for (const RecordingPrinter::PrintedText& piece : printer.Printed())
        if (piece.Text == text)
            return &piece;
    return nullptr;
}

int ReportScenario::LastPage() const { return printer.Printed().empty() ? 0 : printer.Printed().back().Page; }
