#include "document/SpareCapacity.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopEditing.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// Where the devices sit: evenly (no distances), in the first or the last
// tenth of the cable, or evenly after a device that needs more volts than
// they do at the first address.
enum class Placed { Evenly, NearOut, NearIn, StrictFirst };

// A 500 mA, 24 V panel and one detector type (17 V minimum) on a 1.0 mm
// cable: each case fills loop 1 and names the limit that binds first.
struct SpareSite {
    TestCatalogue catalogue;
    int32_t range = catalogue.AddAddressRange("A", {{1, 126}});
    Document document{catalogue};

    SpareSite(int16_t devicesPerLoop, int16_t pointsPerSection)
    {
        catalogue.AddCable("1.0 mm", 1810, true);
        PanelRecord panel;
        panel.Loops = 1;
        panel.AlarmLEDs = panel.RemoteLEDs = 250;
        panel.MaxLoopCurrent = 500;
        panel.MinLoopVoltage = 2400;
        panel.MaxDevicesPerLoop = devicesPerLoop;
        panel.MaxPointsBetweenIsolators = pointsPerSection;
        catalogue.AddCurrentPanel(panel);
    }
    void Fill(int32_t devices, int32_t alarm, int32_t cableDm, Placed placed)
    {
        const bool strictFirst = placed == Placed::StrictFirst;
        if (strictFirst) {
            const int sounder = catalogue.AddDeviceType({.Name = "Sounder", .MinimumVoltage = 1700, .AddressRange = range});
            ASSERT_TRUE(LoopEditing::SetDeviceQuantity(document, 1, sounder, 1));
        }
        const int type = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 100, .Alarm = alarm,
                                                  .MinimumVoltage = int16_t(strictFirst ? 1000 : 1700),
                                                  .AddressRange = range});
        ASSERT_TRUE(LoopEditing::SetDeviceQuantity(document, 1, type, devices));
        clsCalculator& loop = document.Loop(1);
        loop.SetCableImpedance(1810);
        loop.SetCableTotal(cableDm);
        const int32_t start = placed == Placed::NearOut ? 0 : cableDm * 9 / 10;
        for (int a = 1; (placed == Placed::NearOut || placed == Placed::NearIn) && a <= devices; ++a)
            loop.SetCablePosition(a, start + a);
        CalculationSupport::RecalculateLoop(document, 1);
    }
};

struct SpareCase {
    const char* what;
    int16_t devicesPerLoop, pointsPerSection;
    int32_t devices, alarm, cableDm;
    Placed placed;
    const char* binding;
    const char* text;  // the binding limit's
    int32_t shownPercent;
};

}  // namespace

// Each limit binds in turn; the spare shown is rounded down, so that a loop
// shown with a percentage keeps it.
TEST(SpareCapacity, EachLimitBindsInTurn)
{
    const std::vector<SpareCase> cases{
        {"alarm current", 254, 200, 80, 5000, 1000, Placed::Evenly, "alarm current", "400.0 of 500 mA", 20},
        {"devices", 100, 200, 90, 1000, 1000, Placed::Evenly, "devices", "90 of 100", 10},
        {"the addresses", 254, 200, 120, 1000, 1000, Placed::Evenly, "devices", "120 of 126", 4},
        {"a section", 254, 32, 30, 1000, 1000, Placed::Evenly, "section 1", "30 of 32 points", 6},
        {"volt drop", 254, 200, 40, 5000, 10000, Placed::StrictFirst, "volt drop", "3.7 of 7.0 V", 47},
        {"open at IN end", 254, 200, 40, 5000, 10000, Placed::NearIn, "open at IN end", "6.53 of 7.00 V", 6},
        {"open at OUT end", 254, 200, 40, 5000, 8000, Placed::NearOut, "open at OUT end", "5.78 of 7.00 V", 17},
    };
    for (const SpareCase& c : cases) {
        SpareSite site(c.devicesPerLoop, c.pointsPerSection);
        site.Fill(c.devices, c.alarm, c.cableDm, c.placed);
        const LoopSpare spare = SpareCapacityFor(site.document, 1);
        ASSERT_NE(spare.Binding(), nullptr) << c.what;
        EXPECT_EQ(spare.Binding()->Name, c.binding) << c.what;
        EXPECT_EQ(spare.Binding()->Text, c.text) << c.what;
        EXPECT_EQ(ShownSparePercent(spare.Binding()->SparePercent()), c.shownPercent) << c.what;
    }
}
// The requirement is held exactly against every limit, and said so in
// every place that shows it.
TEST(SpareCapacity, TheRequirementIsKeptExactly)
{
    SpareSite site(254, 200);
    site.Fill(80, 5000, 1000, Placed::Evenly);  // 20 % of the alarm current left
    const LoopSpare spare = SpareCapacityFor(site.document, 1);
    EXPECT_TRUE(spare.Meets(20));
    EXPECT_FALSE(spare.Meets(21));
    EXPECT_EQ(SpareLine(spare, 0), "Spare capacity: 20 % (alarm current)");
    EXPECT_EQ(SpareLine(spare, 20), "Spare capacity: 20 % (alarm current), 20 % required");
    EXPECT_EQ(SpareLine(spare, 21), "Spare capacity: 20 % (alarm current), below the 21 % required");
    EXPECT_TRUE(LoopsBelowRequiredSpare(site.document).empty());
    EXPECT_EQ(SpareTotalsFor(site.document).Text, "");

    site.document.Project.SpareRequired = 20;
    EXPECT_EQ(SpareTotalsFor(site.document).Text, "Every loop keeps 20 %");
    site.document.Project.SpareRequired = 21;
    EXPECT_EQ(LoopsBelowRequiredSpare(site.document), std::vector<int>{1});
    const SpareCell totals = SpareTotalsFor(site.document);
    EXPECT_EQ(totals.Text, "Loop 1 below 21 %");
    EXPECT_EQ(totals.Details, std::vector<std::string>{"Loop 1 is below the 21 % spare required"});
    EXPECT_TRUE(totals.Below && SpareCellFor(site.document, 1).Below);
    EXPECT_EQ(SpareShortfallText({1, 3}, 25), "Loops 1 and 3 are below the 25 % spare required");

    LoopEditing::ClearDevices(site.document, 1);
    CalculationSupport::RecalculateLoop(site.document, 1);
    EXPECT_EQ(SpareText(SpareCapacityFor(site.document, 1)), "");
    EXPECT_TRUE(LoopsBelowRequiredSpare(site.document).empty());
}

TEST(SpareCapacity, ALimitPassedLeavesNone)
{
    SpareSite site(254, 200);
    site.Fill(40, 5000, 10000, Placed::NearOut);
    EXPECT_EQ(SpareText(SpareCapacityFor(site.document, 1)), "None (open at OUT end over its limit)");
}
