#include "document/IsolatorPlacement.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "support/BundledCatalogue.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using IsolatorPlacement::Kind;
using IsolatorPlacement::Mode;
using IsolatorPlacement::Placement;

// Check mode foresees what Apply does and leaves the loop alone; Apply keeps
// every section within the limit, each new isolator just before the point it
// was put in for (on it, when fitted), and nothing more to place after it (the
// isolators it put in count); a refusal leaves the loop as it was.
Placement PlaceAndCheck(Document& document, int loop, const Kind& kind, int32_t limit)
{
    const clsCalculator before = document.Loop(loop);
    const Placement check = IsolatorPlacement::PlaceEvery(document, loop, kind, limit, Mode::Check);
    EXPECT_TRUE(document.Loop(loop) == before);
    Placement placement = IsolatorPlacement::PlaceEvery(document, loop, kind, limit, Mode::Apply);
    EXPECT_EQ(check.Added, placement.Added);
    const clsCalculator& model = document.Loop(loop);
    if (!placement.Outcome) {
        EXPECT_TRUE(model == before);
        return placement;
    }
    const auto sections = model.AnalyseAlongCable(limit).Sections;
    EXPECT_TRUE(std::ranges::all_of(sections, [&](const IsolatorSection& s) { return s.Points <= limit && s.Pass; }));
    EXPECT_TRUE(IsolatorPlacement::PlaceEvery(document, loop, kind, limit, Mode::Check).Added.empty());
    const bool fitted = kind.IsOther && !document.Catalog().OtherDevice(kind.Code).IsStandalone;
    for (const IsolatorPlacement::NewIsolator& added : placement.Added)
        EXPECT_EQ(model.AddressOrder(added.Address) + (fitted ? 0 : 1), model.AddressOrder(added.Before))
            << "before " << added.Before;
    return placement;
}

struct Site {
    TestCatalogue catalogue;
    int32_t range = catalogue.AddAddressRange("A", {{1, 254}});
    int16_t master = catalogue.AddDeviceType({.Name = "Master", .Quiescent = 300, .IsMaster = true, .AddressRange = range});
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .AddressRange = range});
    int16_t module = catalogue.AddDeviceType({.Name = "Isolator Module", .MaxSurge = 40000, .AddressRange = range});
    int16_t base = catalogue.AddOtherDevice({.Name = "Isolator Base", .MaxSurge = 40000, .IsBase = true});
    int16_t line = catalogue.AddOtherDevice({.Name = "Line Isolator", .MaxSurge = 40000, .IsStandalone = true});
    Document document{catalogue};

    // Loop 1: a Master and 249 detectors at addresses 1 to 250, 2 m apart.
    explicit Site(int16_t panelDevices)
    {
        PanelRecord panel;
        panel.Loops = 1;
        panel.MaxDevicesPerLoop = panelDevices;
        catalogue.AddCurrentPanel(panel);
        clsCalculator& model = document.Loop(1);
        model.SetCableTotal(6000);
        for (int a = 1; a <= 250; ++a) {
            model.SetDeviceType(a, a == 1 ? master : detector);
            model.SetCablePosition(a, 20 * a);
        }
    }
};

}  // namespace

TEST(IsolatorPlacement, EveryNPointsOnALoopOf250)
{
    struct Row {
        const char* what;
        int kind;  // as offered: 0 module, 1 base, 2 line
        int32_t limit;
        int16_t panelDevices;
        std::vector<int> before;  // the points the isolators go in before
        std::string refusal;
    };
    const std::vector<Row> rows{
        {"wired after every 32nd point", 2, 32, 254, {33, 65, 97, 129, 161, 193, 225}, ""},
        {"its own point counts; the panel's last address", 0, 63, 254, {64, 126, 188, 250}, ""},
        {"fitted to the devices", 1, 100, 254, {101, 201}, ""},
        {"no address left", 0, 50, 254, {}, "There is no free address for another Isolator Module on this loop."},
        {"the panel's devices per loop", 0, 63, 252, {},
         "No isolator can go in before address 188: Too many devices on this loop!"},
        {"no room for a point beside its isolator", 0, 1, 254, {},
         "The section at address 2 cannot be brought within 1 points by isolators."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Site site(row.panelDevices);
        const Kind kind = IsolatorPlacement::KindsFor(site.document)[static_cast<size_t>(row.kind)];
        const Placement placement = PlaceAndCheck(site.document, 1, kind, row.limit);
        EXPECT_EQ(placement.Outcome.Message, row.refusal);
        std::vector<int> before;
        for (const IsolatorPlacement::NewIsolator& added : placement.Added) {
            before.push_back(added.Before);
            // Between its neighbours, 2 m apart; on a device, its device's.
            const int32_t expected = row.kind == 1 ? clsCalculator::NoPosition : 20 * added.Before - 10;
            EXPECT_EQ(added.Position, expected);
        }
        EXPECT_EQ(before, row.before);
        EXPECT_EQ(placement.After.size(), placement.Outcome ? row.before.size() + 1 : 1U);
    }
}

TEST(IsolatorPlacement, RiversideRackingLoops)
{
    BundledCatalogue bundled;
    Document document(bundled.catalogue);
    ASSERT_EQ(bundled.Open(document, FERROLUX_EXAMPLES_DIR "/Riverside-Warehouse.QLX"), OpenOutcome::Opened);
    const std::vector<Kind> kinds = IsolatorPlacement::KindsFor(document);
    ASSERT_FALSE(kinds.empty() || kinds.front().IsOther);  // device types come first
    const int32_t panelLimit = IsolatorPlacement::PanelLimit(document);
    for (const auto& [loop, limit, sectionsBefore] : {std::tuple{2, panelLimit, 11}, {2, 4, 11}, {3, 8, 1}}) {
        SCOPED_TRACE("loop " + std::to_string(loop) + " within " + std::to_string(limit));
        const Placement placement = PlaceAndCheck(document, loop, kinds.front(), limit);
        EXPECT_EQ(placement.Before.size(), static_cast<size_t>(sectionsBefore));
        EXPECT_EQ(placement.After.size(), placement.Before.size() + placement.Added.size());
    }
}
