#include "support/LoopRecount.h"

#include "loop/clsCalculator.h"
#include "catalogues/Catalogue.h"

std::ostream& operator<<(std::ostream& out, const LoopSums& s)
{
    return out << "{quiescent " << s.QuiescentCurrentDevices.ToString() << ", alarm " << s.AlarmSum.ToString()
               << ", LED-disabled alarm " << s.LedDisabledAlarmSum.ToString() << ", standalone quiescent "
               << s.StandaloneQuiescentSum.ToString() << ", standalone alarm " << s.StandaloneAlarmSum.ToString()
               << ", resistance " << s.SeriesResistance << "}";
}

LoopSums RunningSums(const clsCalculator& loop)
{
    return {loop.QuiescentCurrentDevices(), loop.AlarmSum(),           loop.LedDisabledAlarmSum(),
            loop.StandaloneQuiescentSum(),  loop.StandaloneAlarmSum(), loop.SeriesResistance()};
}

LoopSums Sums(int64_t quiescent, int64_t alarm, int64_t ledDisabledAlarm, int64_t standaloneQuiescent,
              int64_t standaloneAlarm, double resistance)
{
    return {Currency::FromInteger(quiescent),           Currency::FromInteger(alarm),
            Currency::FromInteger(ledDisabledAlarm),    Currency::FromInteger(standaloneQuiescent),
            Currency::FromInteger(standaloneAlarm),     resistance};
}

LoopSums RecountSums(const clsCalculator& loop, const Catalogue& catalogue)
{
    int64_t quiescent = 0, alarm = 0, ledDisabled = 0, standaloneQuiescent = 0, standaloneAlarm = 0;
    double resistance = 0;
    auto addDevice = [&](const DeviceTypeRecord& d) {
        quiescent += d.QuiescentCurrent;
        alarm += d.AlarmCurrent;
        ledDisabled += d.HasLedDisabledCurrent ? d.AlarmCurrentLedDisabled : d.AlarmCurrent;
        resistance += d.InternalResistance;
    };
    for (int a = 0; a < clsCalculator::AddressCount; ++a) {
        if (loop.DeviceType(a) != 0)
            addDevice(catalogue.DeviceType(loop.DeviceType(a)));
        const DeviceTypeRecord& base = catalogue.DeviceType(loop.DeviceBaseType(a));
        if (loop.DeviceBaseType(a) != 0 && base.NoOtherDevices && base.IsSlave)
            addDevice(base);
        if (loop.DeviceOtherType(a) != 0)
            resistance += catalogue.OtherDevice(loop.DeviceOtherType(a)).Impedance;
        if (loop.DeviceOtherBaseType(a) != 0)
            resistance += catalogue.OtherDevice(loop.DeviceOtherBaseType(a)).Impedance;
        for (int slot = clsCalculator::FirstSlot; slot <= clsCalculator::LastSlot; ++slot) {
            if (loop.DeviceStandalone(a, slot) == 0)
                continue;
            const OtherDeviceRecord& other = catalogue.OtherDevice(loop.DeviceStandalone(a, slot));
            standaloneQuiescent += other.QuiescentCurrent;
            standaloneAlarm += other.AlarmCurrent;
            resistance += other.Impedance;
        }
    }
    return Sums(quiescent, alarm, ledDisabled, standaloneQuiescent, standaloneAlarm, resistance);
}
