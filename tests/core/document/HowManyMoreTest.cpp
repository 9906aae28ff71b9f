#include "document/HowManyMore.h"

#include "document/AlongCableVerdict.h"
#include "document/CalculationSupport.h"
#include "document/DocumentEdits.h"
#include "document/LoopEditing.h"
#include "support/LoopEditorSite.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using HowManyMore::Item;
using HowManyMore::Placement;
using HowManyMore::Stop;

// The site's 24 V, 500 mA panel, without a limit of points between
// isolators unless a row sets one, and a sounder that needs 17 V: 7 V of drop.
struct Site : LoopEditorSite {
    Site() { catalogue.Panels[0].MaxPointsBetweenIsolators = 254; }
    int16_t lowVoltsSounder = catalogue.AddDeviceType(
        {.Name = "17 V Sounder", .Quiescent = 200, .Alarm = 8000, .MinimumVoltage = 1700, .AddressRange = low});
    // 1 km of 18.1 Ω/km cable: 36.2 Ω both cores.
    void Cable(int32_t first)
    {
        Loop().SetCableTotal(10000);
        Loop().SetCableFirst(first);
        Loop().SetCableImpedance(1810);
    }
};

struct Row {
    const char* what;
    std::function<Item(Site&)> setUp;
    Placement placement;
    int32_t more;
    Stop stop;
    std::string check;
};

// What the loop says after `count` more: "" when it passes.
std::string Failure(Site& s, Item item, int32_t count, Placement placement)
{
    const LoopState start = CaptureLoop(s.document, 1);
    std::string failure = HowManyMore::Add(s.document, 1, item, count, placement);
    CalculationSupport::RecalculateLoop(s.document, 1);
    if (failure.empty() && !s.Loop().DesignIsSatisfactory())
        failure = s.Loop().LoopDesignShort();
    if (failure.empty())
        failure = AlongCableVerdictFor(s.document, 1).FirstFailure;
    RestoreLoop(s.document, start);
    return failure;
}

}  // namespace

// Each limit binds in turn on a loop worked out by hand; the answer n is
// then placed through the service and passes, and n + 1 fails by that check.
TEST(HowManyMore, EachLimitBindsInTurn)
{
    const auto detectorTenMetresOut = [](Site& s) {
        s.Cable(100);
        LoopEditing::PlaceDeviceAt(s.document, 1, 120, s.detector);
        s.Loop().SetCablePosition(120, 100);
        return Item{Item::Kind::DeviceType, s.lowVoltsSounder};
    };
    const std::vector<Row> rows{
        // 62 × 8 mA = 496 mA; 504 mA is over the panel's 500.
        {"alarm current", [](Site& s) { return Item{Item::Kind::DeviceType, s.sounder}; }, Placement::Evenly, 62,
         Stop::Verdict, "Alarm Current Too High"},
        // 126 × 3.5 mA = 441 mA: the range's 126 addresses bind first.
        {"addresses", [](Site& s) { return Item{Item::Kind::DeviceType, s.detector}; }, Placement::Evenly, 126,
         Stop::Refused, "Invalid number of devices!  (Must be between 0 and 126)"},
        {"the panel's devices per loop",
         [](Site& s) {
             s.catalogue.Panels[0].MaxDevicesPerLoop = 20;
             return Item{Item::Kind::DeviceType, s.detector};
         },
         Placement::Evenly, 20, Stop::Refused, "Too many devices on this loop!"},
        // All at the end of a 1 km first run: n × 8 mA × 36.2 Ω = 6.95 V at
        // 24, 7.24 V (7.2 V rounded) at 25.
        {"volt drop",
         [](Site& s) {
             s.Cable(10000);
             return Item{Item::Kind::DeviceType, s.lowVoltsSounder};
         },
         Placement::Evenly, 24, Stop::Verdict, "Volt Drop Too High"},
        // A detector 10 m out; the sounders at the far end, fed from OUT
        // alone: 24 × 8 mA × 36.2 Ω = 6.95 V, 25 take 7.24 V. The lumped
        // drop, spread along the cable, is about half.
        {"open at the IN end",
         detectorTenMetresOut,
         Placement::AtFarEnd, 24, Stop::AlongCable, "open at IN end: address 1, 0.24 V below its minimum"},
        // The same loop, the sounders before the detector, within its 10 m:
        // fed from IN alone, (n × 8 + 3.5) mA over 35.8 Ω, then the
        // sounders' own current over the steps between them: 6.75 V at
        // 23, 7.04 V at 24.
        {"open at the OUT end",
         detectorTenMetresOut,
         Placement::Evenly, 23, Stop::AlongCable, "open at OUT end: address 1, 0.04 V below its minimum"},
        {"an isolator section",
         [](Site& s) {
             s.catalogue.Panels[0].MaxPointsBetweenIsolators = 10;
             return Item{Item::Kind::DeviceType, s.detector};
         },
         Placement::Evenly, 10, Stop::Section, "no isolator: 11 points, limit 10"},
        {"an Other Device's most",
         [](Site& s) {
             LoopEditing::SetDeviceQuantity(s.document, 1, s.detector, 5);
             return Item{Item::Kind::OtherDevice, s.beacon};
         },
         Placement::AtFarEnd, 3, Stop::Refused, "Cannot have more than 3 Beacon!"},
    };
    for (const Row& row : rows) {
        Site s;
        const Item item = row.setUp(s);
        CalculationSupport::RecalculateLoop(s.document, 1);
        const HowManyMore::Answer answer = HowManyMore::Find(s.document, 1, item, row.placement);
        EXPECT_EQ(answer.More, row.more) << row.what;
        EXPECT_EQ(answer.StoppedBy, row.stop) << row.what;
        EXPECT_EQ(answer.Check, row.check) << row.what;
        EXPECT_FALSE(answer.AlreadyFails) << row.what;
        EXPECT_EQ(Failure(s, item, answer.More, row.placement), "") << row.what;
        EXPECT_EQ(Failure(s, item, answer.More + 1, row.placement), row.check) << row.what;
    }
}

TEST(HowManyMore, AFailingLoopTakesNone)
{
    Site full;
    LoopEditing::SetDeviceQuantity(full.document, 1, full.sounder, 63);
    CalculationSupport::RecalculateLoop(full.document, 1);
    const HowManyMore::Answer answer =
        HowManyMore::Find(full.document, 1, {Item::Kind::DeviceType, full.detector}, Placement::Evenly);
    EXPECT_TRUE(answer.AlreadyFails);
    EXPECT_EQ(HowManyMore::AnswerText(answer), "None: the loop already fails: Alarm Current Too High");
}
