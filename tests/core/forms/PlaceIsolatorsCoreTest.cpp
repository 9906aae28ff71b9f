#include "forms/PlaceIsolatorsCore.h"

#include "document/Document.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// Loop 2, "Stores": 70 detectors at addresses 1 to 70, an isolator at 41.
struct Site {
    TestCatalogue catalogue;
    int32_t range = catalogue.AddAddressRange("A", {{1, 126}});
    int16_t detector = catalogue.AddDeviceType({.Name = "Detector", .Quiescent = 300, .AddressRange = range});
    int16_t module = catalogue.AddDeviceType({.Name = "Isolator Module", .MaxSurge = 40000, .AddressRange = range});
    int16_t base = catalogue.AddOtherDevice({.Name = "Isolator Base", .MaxSurge = 40000, .IsBase = true});
    Document document{catalogue};

    Site()
    {
        PanelRecord panel;
        panel.Loops = 2;
        panel.MaxPointsBetweenIsolators = 30;
        catalogue.AddCurrentPanel(panel);
        document.LoopName(2) = "Stores";
        for (int a = 1; a <= 70; ++a)
            document.Loop(2).SetDeviceType(a, a == 41 ? module : detector);
    }
};

}  // namespace

TEST(PlaceIsolatorsCore, ShowsTheSectionsAndWhatOKDoesWithoutTouchingTheLoop)
{
    Site site;
    const clsCalculator before = site.document.Loop(2);
    PlaceIsolatorsCore core(site.document, 2);
    EXPECT_EQ(core.Caption(), "Place Isolators - Loop 2 - Stores");
    EXPECT_EQ(core.Limit(), 30);
    EXPECT_EQ(core.BeforeText(), "2 sections: 40 and 30 points; the largest, 40, is over the limit of 30.");
    struct Row {
        size_t kind;
        int32_t limit;
        std::string after;
        std::string outcome;
    };
    const std::vector<Row> rows{
        {0, 30, "3 sections: 30, 11 and 30 points; the largest, 30, is within the limit of 30.",
         "Adds 1 isolator, before address 31."},
        {1, 20, "4 sections: 20, 20, 20 and 10 points; the largest, 20, is within the limit of 20.",
         "Fits 2 isolators, to the devices at addresses 21 and 61."},
        {0, 0, "", IsolatorPlacement::UnreachableMessage(2, 1)},  // within 1 at the least
        {0, 999, "2 sections: 40 and 30 points; the largest, 40, is within the limit of 252.",
         "No isolator is needed: every section is within 252 points."},
    };
    for (const Row& row : rows) {
        core.SetKind(row.kind);
        core.SetLimit(row.limit);
        EXPECT_EQ(core.AfterText(), row.after) << row.limit;
        EXPECT_EQ(core.OutcomeText(), row.outcome) << row.limit;
        EXPECT_EQ(core.CanApply(), row.outcome.starts_with("Adds") || row.outcome.starts_with("Fits"));
    }
    EXPECT_TRUE(site.document.Loop(2) == before);
    EXPECT_FALSE(core.Apply());
    core.SetLimit(30);
    ASSERT_TRUE(core.Apply());
    EXPECT_EQ(site.document.Loop(2).DeviceType(71), site.module);
    EXPECT_EQ(PlaceIsolatorsCore::SectionsText({}, 30), "No points on the loop.");
}
