// The texts of a loop's verdict: the short and two-line verdicts and the
// explanation sentence with the figures that caused a failure.

#include "loop/clsCalculator.h"

#include "text/CurrentText.h"
#include "catalogues/Catalogue.h"

#include <array>

namespace {

struct VerdictTexts {
    const char* Short;
    const char* LongFirst;
    const char* LongSecond;
};

// Indexed by the verdict code.
constexpr std::array<VerdictTexts, 9> Verdicts{{
    {"Loop Satisfactory", "Loop Design", "Satisfactory"},
    {"Alarm Current Too High", "Alarm Current", "Too High"},
    {"Volt Drop Too High", "Volt Drop", "Too High"},
    {"Quiescent Too High", "Quiescent", "Too High"},
    {"1st Cable Run Too Long", "Cable Run to 1st", "Device Too Long"},
    {"No Valid Cable Length", "No Valid", "Cable Length"},
    {"Surge Current Too High", "Switch-on Surge", "Too High"},
    {"Isolator between Master/Slave", "Isolator between", "Master & Slave"},
    {"Linkbay Loop Interface", "Not enough Linkbay", "Loop Interfaces"},
}};

const VerdictTexts* TextsFor(LoopDesignCode code)
{
    const auto index = static_cast<int32_t>(code);
    return index >= 0 && index < static_cast<int32_t>(Verdicts.size()) ? &Verdicts[static_cast<size_t>(index)] : nullptr;
}

std::string SectionEnd(int address)
{
    return address == 0 ? "control panel" : "isolator at address " + std::to_string(address);
}

}  // namespace

bool clsCalculator::DesignIsSatisfactory() const
{
    return loopDesign_ == LoopDesignCode::Satisfactory;
}

std::string clsCalculator::LoopDesignShort() const
{
    return LoopDesignShortFor(loopDesign_);
}

std::string clsCalculator::LoopDesignLong() const
{
    return LoopDesignLongFor(loopDesign_);
}

std::string clsCalculator::DesignExplanation() const
{
    return DesignExplanationFor(loopDesign_);
}

std::string clsCalculator::LoopDesignShortFor(LoopDesignCode code)
{
    const VerdictTexts* texts = TextsFor(code);
    return texts ? texts->Short : "";
}

std::string clsCalculator::LoopDesignLongFor(LoopDesignCode code)
{
    const VerdictTexts* texts = TextsFor(code);
    return texts ? std::string(texts->LongFirst) + "\n" + texts->LongSecond : "";
}

std::string clsCalculator::DesignExplanationFor(LoopDesignCode code) const
{
    const std::string panelLimit = CurrentText(Currency::FromInteger(int64_t{panelMaxLoopCurrent_} * 1000));
    switch (code) {
    case LoopDesignCode::Satisfactory:
        return "";
    case LoopDesignCode::AlarmCurrentTooHigh:
        return "The total alarm current drawn by the devices on the loop is greater than that permitted by the "
               "control panel (" + panelLimit + ").";
    case LoopDesignCode::VoltDropTooHigh:
        return "The calculated final voltage at a device on the loop is below that required for its operation.";
    case LoopDesignCode::QuiescentTooHigh:
        return "The total quiescent current drawn by the devices on the loop is greater than that permitted by the "
               "control panel (" + panelLimit + ").";
    case LoopDesignCode::FirstCableRunTooLong:
        return "The cable run to the first device is greater than the total cable length!";
    case LoopDesignCode::NoValidCableLength:
        return "While attempting to calculate a maximum cable length, even a cable length of 0 resulted in the volt "
               "drop being too high.";
    case LoopDesignCode::SurgeCurrentTooHigh:
        return "The total switch-on surge current of devices between the " + SectionEnd(surge_.StartAddress) +
               " and the " + SectionEnd(surge_.EndAddress) + " (" + CurrentText(surge_.Total) + ") is too high.";
    case LoopDesignCode::IsolatorBetweenMasterAndSlave: {
        const MasterSlaveDiagnostics& d = masterSlave_;
        std::string text = "There is an Isolator between a Master device";
        if (d.MasterAddress != d.WiredWithAddress)
            text += " wired with detector";
        text += " at address " + std::to_string(d.WiredWithAddress) + " and an associated Slave device";
        if (!d.SlaveIsStandalone)
            text += " wired with detector at address " + std::to_string(d.SlaveAddress);
        else if (d.NeighbourAddress == 0)
            text += " wired between address " + std::to_string(d.SlaveAddress) + " and control panel";
        else
            text += " wired between addresses " + std::to_string(d.SlaveAddress) + " and " +
                    std::to_string(d.NeighbourAddress);
        return text;
    }
    case LoopDesignCode::DependentDeviceMissing:
        if (dependent_.Address > 0) {
            const int master = DeviceRecord(DeviceType(dependent_.Address)).DependsOnDevice;
            return "Device at address " + std::to_string(dependent_.Address) + " does not have a corresponding " +
                   DeviceRecord(master).Name + ".";
        }
        if (dependent_.MasterType >= 1) {
            const DeviceTypeRecord& master = DeviceRecord(dependent_.MasterType);
            return "There are more than " + std::to_string(master.MaxDependents) + " dependent devices per " +
                   master.Name + ".";
        }
        return "Unknown reason";
    default:
        return "Unknown reason";
    }
}
