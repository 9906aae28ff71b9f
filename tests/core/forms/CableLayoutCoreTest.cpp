#include "forms/CableLayoutCore.h"

#include "document/CalculationSupport.h"
#include "loop/DeviceLocation.h"
#include "support/LoopEditorSite.h"
#include "text/Scaling.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Detectors at addresses 1 to 4 and a standalone sounder in slot 2 of
// address 3, on a 100 m cable whose first run is 10 m: five points.
struct LayoutSite : LoopEditorSite {
    LayoutSite()
    {
        for (int a = 1; a <= 4; ++a)
            Loop().SetDeviceType(a, detector);
        Loop().DeviceStandaloneTypeAndAddress(3, 2, standaloneSlave, 3);
        Loop().SetCableTotal(1000);
        Loop().SetCableFirst(100);
    }
    CableLayoutCore Open() { return CableLayoutCore(document, Scaling::Metric, host, 1); }
};

std::vector<std::string> Column(const CableLayoutCore& layout, std::string CableLayoutCore::RowTexts::*column)
{
    std::vector<std::string> texts;
    for (size_t row = 0; row < layout.Rows().size(); ++row)
        texts.push_back(layout.Texts(row).*column);
    return texts;
}

}  // namespace

TEST(CableLayoutCore, EditsKeepTheDistancesInCableOrderAndSayWhyNot)
{
    LayoutSite site;
    CableLayoutCore layout = site.Open();
    EXPECT_EQ(Column(layout, &CableLayoutCore::RowTexts::Address), (std::vector<std::string>{"1", "2", "3", "3", "4"}));

    using Texts = CableLayoutCore::RowTexts;
    const struct {
        std::function<bool()> edit;
        std::string message;  // empty when accepted
    } steps[] = {
        {[&] { return layout.CommitDistance(0, "10"); }, ""},
        {[&] { return layout.CommitLength(1, " 5.5"); }, ""},
        {[&] { return layout.CommitDistance(3, "12"); },
         "Point 4 cannot be nearer the panel than point 2, which comes before it at 15.5 m!"},
        {[&] { return layout.CommitDistance(0, "20"); },
         "Point 1 cannot be farther from the panel than point 2, which comes after it at 15.5 m!"},
        {[&] { return layout.CommitDistance(4, "100.1"); },
         "Point 5 cannot be 100.1 m from the panel: the cable is only 100.0 m long!"},
        {[&] { return layout.CommitLength(4, "abc"); },
         "The length from the point before must be a number of metres (m), 0 or more!"},
        {[&] { return layout.CommitDistance(2, "-1"); },
         "The distance from the panel must be a number of metres (m), 0 or more!"},
        // Counted from the nearest point before it with a distance.
        {[&] { return layout.CommitLength(4, "20"); }, ""},
        {[&] { return layout.CommitDistance(1, ""); }, ""},
        // A location, blanks around it dropped, on a device and a standalone device.
        {[&] { return layout.CommitLocation(4, "  Stair B, landing "); }, ""},
        {[&] { return layout.CommitLocation(3, "Riser"); }, ""},
        {[&] { return layout.CommitLocation(3, "Riser\ncupboard"); }, DeviceLocation::Refusal("\n")},
        // Address 4 passes addresses without distances, not address 1.
        {[&] { return layout.Move(4, -1) == size_t{2} && layout.Move(2, -1) == size_t{1}; }, ""},
        {[&] { return layout.Move(1, -1).has_value(); },
         "Address 4 cannot pass address 1 along the cable: their distances from the panel (35.5 m and 10.0 m) would be "
         "out of order!\n\nChange or clear one of them first."},
    };
    for (const auto& step : steps) {
        site.host.boxes.clear();
        EXPECT_EQ(step.edit(), step.message.empty()) << step.message;
        EXPECT_EQ(site.LastMessage(), step.message);
    }
    EXPECT_EQ(Column(layout, &Texts::Address), (std::vector<std::string>{"1", "4", "2", "3", "3"}));
    EXPECT_EQ(Column(layout, &Texts::Distance), (std::vector<std::string>{"10.0", "35.5", "", "", ""}));
    EXPECT_EQ(Column(layout, &Texts::Length), (std::vector<std::string>{"10.0", "25.5", "", "", ""}));
    EXPECT_EQ(Column(layout, &Texts::Location), (std::vector<std::string>{"", "Stair B, landing", "", "", "Riser"}));
    // The analysis places the points without a distance between the others.
    EXPECT_EQ(layout.Texts(2).Others, CableLayoutCore::PlacedBetweenNote);
    EXPECT_EQ(layout.Texts(4).Others, std::string("standalone, slot 2; ") + CableLayoutCore::PlacedBetweenNote);
    EXPECT_FALSE(layout.CanMove(0, -1));
    EXPECT_FALSE(layout.CanMove(4, 1));

    // Spacing evenly asks before it replaces the two distances given;
    // Cancel keeps them.
    site.host.Answer(MsgResult::Cancel);
    EXPECT_FALSE(layout.SpaceEvenly());
    EXPECT_EQ(site.LastMessage(),
              "Spacing the points evenly replaces the distances from the panel given for 2 points.\n\n"
              "Do you want to replace them?");
    EXPECT_EQ(site.host.boxes.back().Style, MsgStyle::OKCancel + MsgStyle::Question + MsgStyle::DefaultButton2);
    EXPECT_EQ(Column(layout, &Texts::Distance), (std::vector<std::string>{"10.0", "35.5", "", "", ""}));
    EXPECT_EQ(CableLayoutCore::SpaceEvenlyQuestion(1),
              "Spacing the points evenly replaces the distance from the panel given for 1 point.\n\n"
              "Do you want to replace it?");

    // Where the lumped volt drop takes them: 10 m, then 90 m in five steps;
    // spaced so, nothing is lost by spacing them again.
    site.host.Answer(MsgResult::OK);
    ASSERT_TRUE(layout.SpaceEvenly());
    EXPECT_EQ(Column(layout, &Texts::Distance), (std::vector<std::string>{"28.0", "46.0", "64.0", "82.0", "100.0"}));
    site.host.boxes.clear();
    ASSERT_TRUE(layout.SpaceEvenly());
    EXPECT_TRUE(site.host.boxes.empty());
    EXPECT_EQ(site.Loop().CablePosition(1), clsCalculator::NoPosition);  // nothing before OK

    site.document.Dirty = false;
    layout.Apply();
    EXPECT_TRUE(site.document.Dirty);
    EXPECT_EQ(site.Loop().AddressAtPosition(2), 4);
    EXPECT_EQ(site.Loop().StandaloneCablePosition(3, 2), 1000);
    EXPECT_EQ(site.Loop().Location(4), "Stair B, landing");
    EXPECT_EQ(site.Loop().StandaloneLocation(3, 2), "Riser");
    EXPECT_TRUE(CalculationSupport::AnalyseAlongCable(site.document, 1).Positioned);

    site.Loop().SetCableTotal(0);
    EXPECT_FALSE(site.Open().SpaceEvenly());
    EXPECT_EQ(site.LastMessage(), CableLayoutCore::NoCableMessage);
}

TEST(CableLayoutCore, PasteTakesTheUsableRowsAndListsTheOthers)
{
    LayoutSite site;
    site.Loop().SetCablePosition(2, 200);
    site.Loop().SetCablePosition(4, 900);
    CableLayoutCore layout = site.Open();
    layout.Paste("Address,Distance\r\n1,5\r\n2,x\r\n300,1\r\n3,\"95\"\r\n4,101\r\n\r\n4,2\r\n");
    EXPECT_EQ(site.LastMessage(), "These rows of the clipboard could not be used:\n\n"
                                  "row 3 (2, x): the distance is not a number of metres (m), 0 or more\n"
                                  "row 4 (300, 1): not an address with a device on this loop\n"
                                  "row 6 (4, 101): beyond the end of the cable (100.0 m)\n"
                                  "row 8 (4, 2): out of order along the cable\n\n"
                                  "The distances of 1 other point, out of order with the pasted ones, have been cleared.");
    // Address 2 keeps its 20 m between the pasted 5 m and 95 m; 90 m at
    // address 4 would come before 95 m.
    EXPECT_EQ(Column(layout, &CableLayoutCore::RowTexts::Distance),
              (std::vector<std::string>{"5.0", "20.0", "95.0", "", ""}));

    site.host.boxes.clear();
    layout.Paste("Address\tDistance\n");
    layout.Paste("1,5\n2,\"7\n");
    EXPECT_EQ(site.host.Texts(), (std::vector<std::string>{CableLayoutCore::NothingToPasteMessage,
                                                           "The clipboard's rows cannot be read: a quoted field has no "
                                                           "closing quote (line 2)."}));
}

TEST(CableLayoutCore, UndoAndRedoPutBackEachEditExactly)
{
    LayoutSite site;
    CableLayoutCore layout = site.Open();
    EXPECT_FALSE(layout.HasChanges());
    EXPECT_EQ(layout.DiscardQuestion(), "Discard the changes to the cable layout of loop 1?");

    const struct {
        std::function<bool()> edit;
        std::string name;  // empty when refused: no step
    } edits[] = {
        {[&] { return layout.CommitDistance(2, "12.5"); }, "Distance of point 3 12.5 m"},
        {[&] { return layout.CommitDistance(1, "20"); }, ""},
        {[&] { return layout.CommitLength(4, "30"); }, "Length to point 5 30.0 m"},
        {[&] { return layout.CommitDistance(2, ""); }, "Clear distance of point 3"},
        {[&] { return layout.CommitLocation(3, "Riser"); }, "Location of point 4"},
        {[&] { return layout.CommitLocation(3, std::string(201, 'x')); }, ""},
        {[&] { return layout.CommitLocation(3, ""); }, "Clear location of point 4"},
        {[&] { return layout.Move(4, -1).has_value(); }, "Move address 4 nearer the panel"},
        {[&] { return layout.Move(0, 1).has_value(); }, "Move address 1 farther from the panel"},
        {[&] { return site.host.Answer(MsgResult::Cancel), layout.SpaceEvenly(); }, ""},
        {[&] { return site.host.Answer(MsgResult::OK), layout.SpaceEvenly(); }, "Space Evenly"},
        {[&] { return layout.Paste("3,10\n"), true; }, "Paste"},
    };
    // The rows and everything the table shows of them.
    using Shown = std::pair<std::vector<CableLayoutCore::Row>, std::vector<std::string>>;
    const auto shown = [&] {
        Shown now{layout.Rows(), {}};
        for (size_t row = 0; row < layout.Rows().size(); ++row) {
            const CableLayoutCore::RowTexts texts = layout.Texts(row);
            now.second.push_back(texts.Address + "|" + texts.Others + "|" + texts.Distance + "|" + texts.Length);
        }
        return now;
    };
    std::vector<Shown> states{shown()};
    std::vector<std::string> names;
    for (const auto& edit : edits) {
        EXPECT_EQ(edit.edit(), !edit.name.empty()) << edit.name;
        if (!edit.name.empty()) {
            names.push_back(edit.name);
            states.push_back(shown());
        }
        EXPECT_EQ(layout.History().Size(), names.size()) << edit.name;
        EXPECT_EQ(layout.History().UndoName(), names.back());
    }
    EXPECT_TRUE(layout.HasChanges());

    for (size_t step = names.size(); step-- > 0;) {
        ASSERT_TRUE(layout.Undo());
        EXPECT_EQ(layout.History().RedoName(), names[step]);
        EXPECT_EQ(shown(), states[step]) << "undone to " << step;
    }
    EXPECT_FALSE(layout.Undo() || layout.HasChanges());
    while (layout.Redo())
        continue;
    EXPECT_EQ(shown(), states.back());

    // Undone to where it opened, OK writes the cable order as it was.
    const clsCalculator before = site.Loop().Copy();
    while (layout.Undo())
        continue;
    layout.Apply();
    for (int p = 0; p < clsCalculator::AddressCount; ++p)
        EXPECT_EQ(site.Loop().AddressAtPosition(p), before.AddressAtPosition(p));
}
