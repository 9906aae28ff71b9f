#include "support/SameLoop.h"

#include "catalogues/Catalogue.h"

#include <sstream>
#include <type_traits>

namespace {
#define SAME(reader)                                                                     \
    if (!(a.reader == b.reader))                                                         \
        return ::testing::AssertionFailure() << #reader << " differs: " << Show(a.reader) \
                                             << " against " << Show(b.reader);

template <typename T>
std::string Show(const T& value)
{
    std::ostringstream out;
    if constexpr (std::is_same_v<T, Currency>)
        out << value.ToString();
    else if constexpr (std::is_enum_v<T>)
        out << static_cast<int32_t>(value);
    else
        out << value;
    return out.str();
}

}  // namespace

// Every reader of the two loops, the per-address ones over the whole loop.
::testing::AssertionResult SameLoop(const clsCalculator& a, const clsCalculator& b, const Catalogue& c)
{
    SAME(QtyDevices());
    SAME(QuiescentCurrentTotal());
    SAME(AlarmCurrentTotal());
    SAME(QuiescentCurrentDevices());
    SAME(AlarmCurrentDevices());
    SAME(VoltDrop());
    SAME(MaxVoltDrop());
    SAME(PanelLimitText());
    SAME(LoopDesign());
    SAME(DesignIsSatisfactory());
    SAME(LoopDesignShort());
    SAME(LoopDesignLong());
    SAME(DesignExplanation());
    SAME(Surge().StartAddress);
    SAME(Surge().EndAddress);
    SAME(Surge().Total);
    SAME(MasterSlave().MasterAddress);
    SAME(MasterSlave().WiredWithAddress);
    SAME(MasterSlave().SlaveAddress);
    SAME(MasterSlave().SlaveIsStandalone);
    SAME(MasterSlave().NeighbourAddress);
    SAME(Dependent().Address);
    SAME(Dependent().MasterType);
    SAME(CalcType());
    SAME(CableFirst());
    SAME(CableTotal());
    SAME(CableImpedance());
    SAME(MaxOutput());
    SAME(DINLEDsDisabled());
    SAME(IgnoreIsolators());
    SAME(QtyAddressableSlaveBases());
    SAME(AlarmSum());
    SAME(LedDisabledAlarmSum());
    SAME(StandaloneQuiescentSum());
    SAME(StandaloneAlarmSum());
    SAME(SeriesResistance());
    for (int t = 0; t < static_cast<int>(c.OtherDevices.size()); ++t) {
        SAME(QtyOthers(t));
    }
    for (int x = 0; x < clsCalculator::AddressCount; ++x) {
        SAME(DeviceType(x));
        SAME(DeviceOtherType(x));
        SAME(DeviceOtherBaseType(x));
        SAME(DeviceBaseType(x));
        SAME(DeviceBaseAddr(x));
        SAME(AddressOrder(x));
        SAME(DeviceStandaloneCount(x));
        SAME(CablePosition(x));
        SAME(Location(x));
        for (int s = clsCalculator::FirstSlot; s <= clsCalculator::LastSlot; ++s) {
            SAME(DeviceStandalone(x, s));
            SAME(DeviceStandaloneAddress(x, s));
            SAME(StandaloneCablePosition(x, s));
            SAME(StandaloneLocation(x, s));
        }
    }
    return ::testing::AssertionSuccess();
}

#undef SAME
