// Calculate: currents under the worst alarm condition the panel allows, the
// permissible and actual volt drop, the cable limit of the calculation type
// and the verdict. Each formula keeps its order of operations, since the
// rounding of the results depends on it.

#include "loop/clsCalculator.h"

#include "text/Rounding.h"
#include "catalogues/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

struct clsCalculator::Working {
    std::vector<int32_t> LedCurrents;
    std::vector<int32_t> OutputCurrents;
    std::vector<int32_t> RemoteLedCurrents;
    int32_t DistributionCount = 0;  // devices plus their standalone devices
    int16_t HighestMinimumVoltage = 0;
    bool LedsLimited = false;
    bool OutputsLimited = false;
    bool NoValidCableLength = false;
};

namespace {

// Keeps the `limit` largest currents of the list and returns the sum of the
// currents dropped.
Currency DropSmallestBeyond(std::vector<int32_t>& currents, int32_t limit)
{
    std::sort(currents.begin(), currents.end(), std::greater<>());
    Currency dropped;
    while (!currents.empty() && static_cast<int64_t>(currents.size()) > limit) {
        dropped += Currency::FromInteger(currents.back());
        currents.pop_back();
    }
    return dropped;
}

// The share of the cable that carries the whole current when N devices are
// spread evenly along it.
double EvenDistributionFactor(int32_t n)
{
    return n < 1 ? 1.0 : (static_cast<double>(n) + 1) / n / 2;
}

// A computed cable length goes through the Currency type, whose conversion
// fails on overflow; any failure gives the 3000 m ceiling.
double AsCurrencyLength(double length)
{
    const std::optional<Currency> value = Currency::FromDouble(length);
    return value ? value->ToDouble() : clsCalculator::MaxCableLength;
}

}  // namespace

void clsCalculator::Calculate(bool useSlider, int16_t sliderPercent, bool skipDeviceChecks)
{
    lastUseSlider_ = useSlider;
    lastSliderPercent_ = sliderPercent;
    lastSkipDeviceChecks_ = skipDeviceChecks;
    // Every result comes from this call alone: diagnostics of a device check
    // that does not run this time must not survive from an earlier call.
    surge_ = SurgeDiagnostics{};
    masterSlave_ = MasterSlaveDiagnostics{};
    dependent_ = DependentDiagnostics{};

    Working work;
    CountDevices(work);
    LimitPanelLedsAndOutputs(work);
    AddOtherDevices(work);
    AddStandaloneDevicesAndRemoteLeds(work);

    // The permissible volt drop: the subtraction is in 16 bits, as stored.
    const auto headroom = static_cast<int16_t>(panelMinLoopVoltage_ - work.HighestMinimumVoltage);
    maxVoltDrop_ = Currency::FromScaled(int64_t{headroom} * (Currency::Scale / 100));

    ApplyCalculationType(work, useSlider, sliderPercent);
    loopDesign_ = Verdict(work, skipDeviceChecks);

    if (work.LedsLimited && work.OutputsLimited)
        panelLimitText_ = "with panel-limited LEDs and outputs";
    else if (work.LedsLimited)
        panelLimitText_ = "with panel-limited LEDs";
    else if (work.OutputsLimited)
        panelLimitText_ = "with panel-limited outputs";
    else
        panelLimitText_.clear();
}

void clsCalculator::CountDevices(Working& work)
{
    qtyDevices_ = 0;
    for (int a = 0; a < AddressCount; ++a) {
        const int16_t type = DeviceType(a);
        if (type == 0)
            continue;
        const DeviceTypeRecord& record = DeviceRecord(type);
        ++qtyDevices_;
        work.DistributionCount += 1 + DeviceStandaloneCount(a);
        work.HighestMinimumVoltage = std::max(work.HighestMinimumVoltage, record.MinimumVoltage);
        // With interface LEDs disabled, a type with an LED-disabled current
        // lights no LED: its alarm current already leaves the LED out, so the
        // panel's LED limit must not take it off a second time.
        const bool ledUnlit = dinLedsDisabled_ && record.HasLedDisabledCurrent;
        for (size_t bit = 0; bit < record.OutputUse.size(); ++bit) {
            const int16_t group = catalogue_->OutputBit(record.OutputUse[bit]).Group;
            if (group == 1 && !ledUnlit)
                work.LedCurrents.push_back(record.OutputBitCurrent[bit]);
            else if (group == 2)
                work.OutputCurrents.push_back(record.OutputBitCurrent[bit]);
        }
    }
}

void clsCalculator::LimitPanelLedsAndOutputs(Working& work)
{
    alarmCurrentDevices_ = dinLedsDisabled_ ? ledDisabledAlarmSum_ : alarmSum_;

    // The LEDs that stay lit are the ones with the largest currents.
    if (static_cast<int64_t>(work.LedCurrents.size()) > panelAlarmLeds_) {
        work.LedsLimited = true;
        alarmCurrentDevices_ -= DropSmallestBeyond(work.LedCurrents, panelAlarmLeds_);
    }
    const int32_t outputLimit = std::min(maxOutput_, panelOutputs_);
    if (static_cast<int64_t>(work.OutputCurrents.size()) > outputLimit) {
        work.OutputsLimited = true;
        alarmCurrentDevices_ -= DropSmallestBeyond(work.OutputCurrents, outputLimit);
    }

    if (alarmCurrentDevices_ < Currency())
        alarmCurrentDevices_ = Currency();
    quiescentCurrentTotal_ = quiescentCurrentDevices_;
    alarmCurrentTotal_ = alarmCurrentDevices_;
}

void clsCalculator::AddOtherDevices(Working& work)
{
    for (int a = 0; a < AddressCount; ++a) {
        for (const int16_t type : {DeviceOtherType(a), DeviceOtherBaseType(a)}) {
            if (type == 0)
                continue;
            const OtherDeviceRecord& other = OtherRecord(type);
            quiescentCurrentTotal_ += Currency::FromInteger(other.QuiescentCurrent);
            if (!other.FromRemote) {
                alarmCurrentTotal_ += Currency::FromInteger(other.AlarmCurrent);
            } else if (DeviceType(a) != 0) {
                // Driven from a remote output: only a device can switch it on.
                alarmCurrentTotal_ += Currency::FromInteger(other.AlarmCurrent);
                if (other.FromRemote2)
                    work.RemoteLedCurrents.push_back(other.AlarmCurrent);
            }
            work.HighestMinimumVoltage = std::max(work.HighestMinimumVoltage, other.MinVolts);
        }
    }
}

void clsCalculator::AddStandaloneDevicesAndRemoteLeds(Working& work)
{
    quiescentCurrentTotal_ += standaloneQuiescentSum_;
    alarmCurrentTotal_ += standaloneAlarmSum_;
    if (static_cast<int64_t>(work.RemoteLedCurrents.size()) > panelRemoteLeds_) {
        work.LedsLimited = true;
        alarmCurrentTotal_ -= DropSmallestBeyond(work.RemoteLedCurrents, panelRemoteLeds_);
        if (alarmCurrentTotal_ < Currency())
            alarmCurrentTotal_ = Currency();
    }
}

// The volt drop in tenths of a volt, before rounding, of the loop's cable with
// the devices spread evenly beyond the first run and the whole alarm current
// flowing from one end.
double clsCalculator::UncappedVoltDrop(const Working& work) const
{
    const double r = cableImpedance_ / 1000.0;
    double f = EvenDistributionFactor(work.DistributionCount);
    const double length = cableTotal_;
    const double first = cableFirst_;
    if (cableTotal_ != 0)
        f = ((length - first) / length) * f + first / length;
    // Hundredths of an ohm; length × r / 5 is both cores of the whole cable.
    const double resistance = ((length * r) / 5 + seriesResistance_) * f + panelDriverImpedance_;
    return alarmCurrentTotal_.ToDouble() * resistance / 10000000.0;
}

// The volt drop in tenths of a volt, never more than the panel's voltage.
double clsCalculator::VoltDropFunction(const Working& work) const
{
    const double volts = UncappedVoltDrop(work);
    return std::min(volts, panelMinLoopVoltage_ / 10.0);
}

void clsCalculator::ApplyCalculationType(Working& work, bool useSlider, int16_t sliderPercent)
{
    switch (calcType_) {
    case CalculationType::MaxVoltDrop:
        voltDrop_ = Rounding::ToInt16Saturated(VoltDropFunction(work));
        break;
    case CalculationType::MaxCableRun:
        CalculateMaximumCableRun(work, useSlider, sliderPercent);
        voltDrop_ = Rounding::ToInt16Saturated(VoltDropFunction(work));
        break;
    case CalculationType::SmallestCable:
        CalculateSmallestCable(work);
        break;
    default:
        voltDrop_ = 0;
        break;
    }
    lumpedVoltDrop_ = UncappedVoltDrop(work) / 10;
}

void clsCalculator::CalculateMaximumCableRun(Working& work, bool useSlider, int16_t sliderPercent)
{
    const double r = cableImpedance_ / 1000.0;
    if (alarmCurrentTotal_.IsZero()) {
        cableTotal_ = MaxCableLength;
    } else {
        // The resistance left for cable and devices, hundredths of an ohm.
        const double available =
            maxVoltDrop_.ToDouble() / alarmCurrentTotal_.ToDouble() * 100000000.0 - panelDriverImpedance_;
        const double series = seriesResistance_;
        double f = EvenDistributionFactor(work.DistributionCount);
        double length = 0;
        if (useSlider) {
            const double p = sliderPercent / 100.0;
            f = p + (1 - p) * f;
            if (f == 0)
                f = 1;
            const double cable = available / f - series;
            length = r == 0 ? MaxCableLength : AsCurrencyLength(cable / r * 5);
        } else {
            // The positive root of the quadratic that makes the volt drop equal
            // the permissible one, with the first run as entered.
            const double first = cableFirst_;
            const double b = 2 * r * first / 10 * (1 - f) + series * f - available;
            const double d = b * b - 8 * r * f * series * first * (1 - f) / 10;
            if (d < 0) {
                length = 0;
                work.NoValidCableLength = true;
            } else if (r != 0 && f != 0) {
                length = AsCurrencyLength((std::sqrt(d) - b) / (4 * r * f) * 10);
            } else {
                length = MaxCableLength;
            }
        }
        if (length >= 0) {
            cableTotal_ = length <= MaxCableLength ? Rounding::ToInt32Saturated(length) : MaxCableLength;
        } else {
            cableTotal_ = 0;
            work.NoValidCableLength = true;
        }
    }
    if (useSlider)
        cableFirst_ = Rounding::ToInt16Saturated(static_cast<double>(cableTotal_) * sliderPercent / 100);
}

// Walks the cables from the thinnest to the thickest and keeps the first whose
// volt drop is permissible (or the last enabled one when none is).
void clsCalculator::CalculateSmallestCable(Working& work)
{
    for (const CableRecord& cable : catalogue_->Cables) {
        if (!cable.Enabled)
            continue;
        cableImpedance_ = cable.Impedance;
        voltDrop_ = Rounding::ToInt16Saturated(VoltDropFunction(work));
        if (VoltDrop() <= maxVoltDrop_)
            break;
    }
}

LoopDesignCode clsCalculator::Verdict(const Working& work, bool skipDeviceChecks)
{
    const Currency loopLimit = Currency::FromInteger(int64_t{panelMaxLoopCurrent_} * 1000);
    if (quiescentCurrentTotal_ > loopLimit)
        return LoopDesignCode::QuiescentTooHigh;
    if (alarmCurrentTotal_ > loopLimit)
        return LoopDesignCode::AlarmCurrentTooHigh;
    if (VoltDrop() > maxVoltDrop_)
        return LoopDesignCode::VoltDropTooHigh;
    if (work.NoValidCableLength)
        return LoopDesignCode::NoValidCableLength;
    if (cableFirst_ > cableTotal_)
        return LoopDesignCode::FirstCableRunTooLong;
    if (skipDeviceChecks || ignoreIsolators_)
        return LoopDesignCode::Satisfactory;
    if (SurgeCheckFails())
        return LoopDesignCode::SurgeCurrentTooHigh;
    if (MasterSlaveCheckFails())
        return LoopDesignCode::IsolatorBetweenMasterAndSlave;
    if (DependentDeviceCheckFails())
        return LoopDesignCode::DependentDeviceMissing;
    return LoopDesignCode::Satisfactory;
}
