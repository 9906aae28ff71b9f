// Random setter sequences on one loop: after every step the running sums and
// counts must equal a recount, the address order must match a plain list
// model, and a Copy of the calculated loop must read the same in every way.

#include "loop/clsCalculator.h"
#include "support/LoopRecount.h"
#include "support/SameLoop.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct RandomCatalogue : TestCatalogue {
    int16_t led = AddOutputBit(1);
    int16_t output = AddOutputBit(2);
    int16_t remote = AddOutputBit(3);
    int16_t interface = 8;
    std::vector<int16_t> deviceTypes{
        AddDeviceType({.Name = "Detector", .Quiescent = 250, .Alarm = 3500, .AlarmLedDisabled = 600,
                       .MinimumVoltage = 1700, .Surge = 300, .Outputs = {{led, 3000}}}),
        AddDeviceType({.Name = "Sounder", .Quiescent = 400, .Alarm = 8000, .MinimumVoltage = 1800, .Surge = 500,
                       .Outputs = {{output, 6000}, {led, 1000}}}),
        AddDeviceType({.Name = "Isolator", .Quiescent = 100, .Alarm = 120, .Resistance = 15, .Surge = 150,
                       .MaxSurge = 6000, .NoOtherDevices = true}),
        AddDeviceType({.Name = "Master", .Quiescent = 500, .Alarm = 900, .Surge = 700, .NoOtherDevices = true,
                       .IsMaster = true, .Outputs = {{remote, 0}, {output, 2500}}}),
        AddDeviceType({.Name = "Master Base", .Quiescent = 60, .Alarm = 60, .Surge = 40, .IsMaster = true}),
        AddDeviceType({.Name = "Isolating Slave Base", .Quiescent = 80, .Alarm = 150, .Resistance = 4,
                       .Surge = 60, .NoOtherDevices = true, .IsSlave = true}),
        AddDeviceType({.Name = "Slave Base", .Quiescent = 90, .Alarm = 90, .IsSlave = true}),
        AddDeviceType({.Name = "Interface", .Quiescent = 1500, .Alarm = 1500, .MaxDependents = 2}),
        AddDeviceType({.Name = "Dependent", .Quiescent = 200, .Alarm = 400, .DependsOn = interface}),
    };
    std::vector<int16_t> others{
        AddOtherDevice({.Name = "Beacon", .Quiescent = 120, .Alarm = 9000}),
        AddOtherDevice({.Name = "Remote LED", .Alarm = 2000, .FromRemote = true, .FromRemote2 = true}),
        AddOtherDevice({.Name = "Remote Sounder", .Quiescent = 50, .Alarm = 7000, .FromRemote = true}),
        AddOtherDevice({.Name = "Relay Base", .Quiescent = 30, .Alarm = 30, .Impedance = 6, .IsBase = true}),
        AddOtherDevice({.Name = "Isolating Base", .Quiescent = 20, .Alarm = 20, .Impedance = 12, .Surge = 90,
                        .MaxSurge = 5000, .IsBase = true}),
    };
    std::vector<int16_t> standalones{
        AddOtherDevice({.Name = "Call Point", .Quiescent = 35, .Alarm = 35, .Surge = 100, .IsStandalone = true}),
        AddOtherDevice({.Name = "Standalone Isolator", .Quiescent = 10, .Alarm = 10, .Impedance = 10,
                        .MaxSurge = 4000, .IsStandalone = true}),
        AddOtherDevice({.Name = "Standalone Sounder", .Quiescent = 300, .Alarm = 5000, .Impedance = 2,
                        .MinVolts = 1900, .IsStandalone = true}),
    };
    RandomCatalogue()
    {
        for (const int16_t impedance : {3000, 2000, 1500, 1210, 800, 500})
            AddCable("Cable " + std::to_string(impedance), impedance, true);
        AddCable("Disabled", 1000, false);
    }
};


class RandomLoop {
public:
    explicit RandomLoop(const RandomCatalogue& catalogue) : c_(catalogue), loop_(catalogue)
    {
        loop_.ClearData();
        ResetOrder();
    }

    const clsCalculator& Loop() const { return loop_; }
    const std::vector<int>& OrderModel() const { return addressAt_; }

    // One random setter call; the addresses cluster so that they meet often.
    void Step()
    {
        const int a = Address();
        switch (Draw(20)) {
        case 0: case 1: case 2: case 3:
            loop_.SetDeviceType(a, Pick(c_.deviceTypes));
            break;
        case 4: case 5:
            loop_.SetDeviceBaseType(a, Pick(c_.deviceTypes));
            break;
        case 6: case 7:
            loop_.SetDeviceOtherType(a, Pick(c_.others));
            break;
        case 8:
            loop_.SetDeviceOtherBaseType(a, Pick(c_.others));
            break;
        case 9: case 10:
            loop_.DeviceStandaloneTypeAndAddress(a, Slot(), Pick(c_.standalones), Address());
            break;
        case 11:
            loop_.SetDeviceStandalone(a, Slot(), Pick(c_.standalones));
            break;
        case 12:
            loop_.SetDeviceStandaloneAddress(a, Slot(), Address());
            break;
        case 13: case 14: case 15: {
            // Now and then an address or position outside the loop, which is ignored.
            const int address = Draw(40) == 0 ? Outside() : a;
            const int position = Draw(40) == 0 ? Outside() : Address();
            loop_.SetAddressOrder(address, position);
            MoveInOrderModel(address, position);
            break;
        }
        case 16: case 17:
            loop_.SetDeviceBaseAddr(a, Address());
            break;
        case 18:
            loop_.SetDeviceType(a, 0);
            break;
        default:
            if (Draw(25) == 0) {
                loop_.ClearData();
                ResetOrder();
            }
            break;
        }
    }

    // Random cable, panel and calculation settings, then Calculate.
    void Calculate()
    {
        loop_.SetCalcType(static_cast<CalculationType>(Draw(4)));  // 3 is no calculation type: volt drop 0
        loop_.SetCableTotal(Draw(30001));
        loop_.SetCableFirst(Draw(4) == 0 ? Draw(30001) : Draw(2000));
        loop_.SetCableImpedance(static_cast<int16_t>(Draw(8) == 0 ? 0 : 300 + Draw(3000)));
        loop_.SetMaxOutput(Draw(6));
        loop_.SetDINLEDsDisabled(Draw(2) == 0);
        loop_.SetIgnoreIsolators(Draw(6) == 0);
        const auto loopCurrent = static_cast<int16_t>(Draw(8) == 0 ? 1 + Draw(4) : 50 + Draw(450));
        loop_.SetPanelData(Draw(30), Draw(5), Draw(10), static_cast<int16_t>(1800 + Draw(1200)), loopCurrent,
                           static_cast<int16_t>(Draw(300)));
        loop_.Calculate(Draw(2) == 0, static_cast<int16_t>(Draw(101)), Draw(4) == 0);
    }

private:
    int Draw(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    int Address() { return Draw(4) == 0 ? Draw(256) : Draw(12); }
    int Outside() { return Draw(2) == 0 ? -1 : 256; }
    int Slot() { return clsCalculator::FirstSlot + (Draw(3) == 0 ? Draw(124) : Draw(4)); }
    int16_t Pick(const std::vector<int16_t>& types)
    {
        const int i = Draw(static_cast<int>(types.size()) + 1);
        return i == 0 ? 0 : types[static_cast<size_t>(i - 1)];
    }
    void ResetOrder()
    {
        addressAt_.resize(clsCalculator::AddressCount);
        for (int p = 0; p < clsCalculator::AddressCount; ++p)
            addressAt_[static_cast<size_t>(p)] = p;
    }
    // The order as a plain list: take the address out and put it back at its
    // new position.
    void MoveInOrderModel(int address, int position)
    {
        if (address < 0 || address > 255 || position < 0 || position > 255)
            return;
        addressAt_.erase(std::find(addressAt_.begin(), addressAt_.end(), address));
        addressAt_.insert(addressAt_.begin() + position, address);
    }

    const RandomCatalogue& c_;
    clsCalculator loop_;
    std::vector<int> addressAt_;  // position -> address
    std::mt19937 random_{20240611};
};

TEST(LoopModelRandom, SumsCountsAndOrderMatchARecountAndCopiesMatchTheOriginal)
{
    const RandomCatalogue catalogue;
    RandomLoop random(catalogue);
    std::vector<int> verdicts(9, 0);

    for (int step = 1; step <= 3000; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        random.Step();
        const clsCalculator& loop = random.Loop();

        ASSERT_EQ(RunningSums(loop), RecountSums(loop, catalogue));
        int bases = 0;
        for (int a = 0; a < clsCalculator::AddressCount; ++a) {
            bases += loop.DeviceBaseType(a) != 0 ? 1 : 0;
            int occupied = 0;
            for (int s = clsCalculator::FirstSlot; s <= clsCalculator::LastSlot; ++s)
                occupied += loop.DeviceStandalone(a, s) != 0 ? 1 : 0;
            ASSERT_EQ(loop.DeviceStandaloneCount(a), occupied) << "address " << a;
            ASSERT_EQ(loop.AddressAtPosition(loop.AddressOrder(a)), a) << "address " << a;
        }
        ASSERT_EQ(loop.QtyAddressableSlaveBases(), bases);
        for (int p = 0; p < clsCalculator::AddressCount; ++p)
            ASSERT_EQ(loop.AddressAtPosition(p), random.OrderModel()[static_cast<size_t>(p)]) << "position " << p;

        if (step % 25 == 0) {
            random.Calculate();
            ++verdicts[static_cast<size_t>(loop.LoopDesign())];
            const clsCalculator copy = loop.Copy();
            ASSERT_TRUE(SameLoop(copy, loop, catalogue));
        }
    }
    // The random loops reached every device check and passed them too.
    for (const LoopDesignCode code : {LoopDesignCode::Satisfactory, LoopDesignCode::SurgeCurrentTooHigh,
                               LoopDesignCode::IsolatorBetweenMasterAndSlave, LoopDesignCode::DependentDeviceMissing})
        EXPECT_GT(verdicts[static_cast<size_t>(code)], 0) << "verdict " << static_cast<int>(code);
}

}  // namespace
