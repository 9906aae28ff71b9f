#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"

#include "support/DocumentFixture.h"
#include "support/LoopRecount.h"
#include "support/SameLoop.h"

#include <gtest/gtest.h>

namespace {

// A document that uses every part of the format.
void FillRichDocument(Document& d, const DocumentCatalogue& c)
{
    d.SiteName = "  Harbour Road Depot, Block \"B\"  ";
    d.CreatedDate = {2021, 11, 30, 23, 59, 58};
    d.ModifiedDate = {2024, 2, 29, 0, 0, 1};

    d.LoopName(1) = "  North wing  ";
    clsCalculator& l1 = d.Loop(1);
    l1.SetCableImpedance(740);
    l1.SetCableFirst(125);
    l1.SetCableTotal(12345);
    l1.SetCalcType(CalculationType::SmallestCable);
    l1.SetMaxOutput(50);
    l1.SetDINLEDsDisabled(true);
    l1.SetDeviceType(1, c.optical);
    l1.SetDeviceOtherType(1, c.beacon);
    l1.SetDeviceOtherBaseType(1, c.relayBase);
    d.SetAddressTag(1, 1, -5);
    l1.SetDeviceType(2, c.heat);
    l1.SetDeviceOtherType(2, c.customStrobe);
    l1.SetDeviceOtherBaseType(2, c.customBase);
    l1.SetDeviceType(3, c.customSensor);
    l1.SetDeviceOtherType(3, c.sounder);
    d.SetAddressTag(1, 3, 32767);
    d.SetEavesdropping(1, 3, 1);
    l1.SetDeviceType(10, c.master);
    l1.SetDeviceType(11, c.optical);
    l1.SetDeviceBaseType(11, c.slaveBase);
    l1.SetDeviceBaseAddr(11, 10);
    l1.SetDeviceType(20, c.remoteModule);
    l1.SetDeviceOtherType(20, c.remoteIndicator);
    l1.SetAddressOrder(100, 3);  // an empty address moved along the cable
    l1.SetAddressOrder(50, 150);
    d.SetAddressTag(1, 254, -32768);
    l1.SetDeviceType(254, c.NewRelay);

    clsCalculator& l2 = d.Loop(2);
    l2.SetIgnoreIsolators(true);
    l2.SetDeviceType(5, c.master);
    for (int a = 6; a <= 8; ++a)
        l2.SetDeviceType(a, c.optical);
    l2.DeviceStandaloneTypeAndAddress(6, 2, c.callPoint, 5);
    l2.DeviceStandaloneTypeAndAddress(6, 4, c.lineIsolator, 0);  // slot 3 left empty
    l2.DeviceStandaloneTypeAndAddress(7, 125, c.customStrobe, 255);
    l2.DeviceStandaloneTypeAndAddress(0, 60, c.callPoint, 5);  // at an address without a device
    l2.SetDeviceOtherType(9, c.beacon);  // without a device, as a file with an unknown type name leaves it
    // Devices wired in another order than their addresses: 10, 14, 13, 11, 12.
    for (int a = 10; a <= 14; ++a)
        l2.SetDeviceType(a, c.optical);
    l2.SetAddressOrder(14, 11);
    l2.SetAddressOrder(13, 12);
    l2.SetAddressOrder(11, 13);
    // Distances along the cable: every device's, and a standalone device's own.
    l2.SetCableTotal(5000);
    for (int a = 5; a <= 14; ++a)
        if (a != 9)
            l2.SetCablePosition(a, l2.AddressOrder(a) * 100);
    l2.SetStandaloneCablePosition(6, 4, 650);
    // Locations with blanks around them, commas and quotes, a standalone device's own.
    l2.SetLocation(5, "  Room 1.12, \"east\" corridor ");
    l2.SetStandaloneLocation(6, 4, "Riser, level 2");
    l2.SetStandaloneLocation(0, 60, "Yard gate");

    d.LoopName(5) = "Plant room – Büro";

    clsCalculator& l8 = d.Loop(8);
    l8.SetCableImpedance(0);
    l8.SetCableFirst(327670);
    l8.SetCableTotal(30000);
    l8.SetMaxOutput(0);

    d.Power = {PowerRule::Custom, 4320, 15, 1375, true, *Currency::FromDouble(80.5), Currency::FromInteger(0),
               {{"Sounder circuit, \"east\"", 2, *Currency::FromDouble(0.0125), Currency::FromInteger(150)},
                {"", 1, Currency::FromInteger(0), Currency::FromInteger(20)}},
               720};
}

}  // namespace

TEST(DocumentRoundTrip, ARichDocumentReadsBackAsItWasSaved)
{
    DocumentFixture f;
    Document saved = f.NewEmptyDocument();
    FillRichDocument(saved, f.catalogue);
    saved.Dirty = true;
    const std::string path = f.folder.Path("rich.QLX");
    ASSERT_TRUE(WriteDocument(saved, path, "0809", f.messages));

    Document read = f.NewEmptyDocument();
    const DocumentReadResult result = f.Read(read, path);

    ASSERT_EQ(result.Outcome, ReadOutcome::Opened);
    EXPECT_EQ(read.SiteName, saved.SiteName);
    EXPECT_EQ(read.CreatedDate, saved.CreatedDate);
    EXPECT_EQ(result.ModifiedDate, saved.ModifiedDate);
    EXPECT_FALSE(result.DataChanged);  // what the open does with the document itself is the open flow's
    // Only what the site holds is told: loop 8's cable without resistance.
    ASSERT_EQ(f.messages.boxes.size(), 1u);
    EXPECT_TRUE(f.messages.boxes[0].Text.starts_with("The cable impedance for loop 8 is 0"));
    EXPECT_EQ(f.host.questions, 0);
    saved.Power.Loads[0].Description = "Sounder circuit, 'east'";  // a field holds no double quote
    EXPECT_TRUE(read.Power == saved.Power);
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        SCOPED_TRACE(loop);
        EXPECT_EQ(read.LoopName(loop), saved.LoopName(loop));
        EXPECT_TRUE(SameLoop(read.Loop(loop), saved.Loop(loop), f.catalogue));
        EXPECT_EQ(RunningSums(read.Loop(loop)), RecountSums(read.Loop(loop), f.catalogue));
        for (int a = 0; a < clsCalculator::AddressCount; ++a) {
            EXPECT_EQ(read.AddressTag(loop, a), saved.AddressTag(loop, a)) << a;
            EXPECT_EQ(read.Eavesdropping(loop, a) != 0, saved.Eavesdropping(loop, a) != 0) << a;
        }
    }

    // Saving what was read (with the modified date the open flow restores)
    // writes the same file again.
    read.ModifiedDate = result.ModifiedDate;
    EXPECT_EQ(DocumentText(read, "0809"), f.folder.Read("rich.QLX"));
}
