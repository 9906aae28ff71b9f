// The sample sites in examples/ open on the bundled catalogues without a
// single message and show what each is there to show.

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/DocumentWriter.h"
#include "document/OpenFlow.h"
#include "document/LoopPlacement.h"
#include "support/ExampleSites.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class SilentProgress : public OpenProgressHost {
public:
    void Show() override {}
    void SetFileText(const std::string&) override {}
    void SetPercent(int) override {}
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    std::string UnknownResponse(int, int, int) override
    {
        ++unknownAsked;
        return "C";
    }
    void Close() override {}
    int unknownAsked = 0;
};

struct ExampleSitesTest : ::testing::Test {
    BundledCatalogue bundled;
    Document document{bundled.catalogue};
    SilentProgress progress;

    std::string PathOf(const std::string& name) { return std::string(FERROLUX_EXAMPLES_DIR) + "/" + name; }

    // Opens the example as the desktop does; every box shown fails the test.
    void Open(const std::string& name)
    {
        ASSERT_TRUE(bundled.Loaded);
        bundled.messages.boxes.clear();
        OpenFlow flow(document, bundled.catalogue, bundled.options, bundled.messages, progress);
        EXPECT_TRUE(flow.DoMenuOpen(PathOf(name), false));
        EXPECT_EQ(flow.Outcome(), OpenOutcome::Opened) << name;
        EXPECT_EQ(bundled.messages.Texts(), std::vector<std::string>{}) << name;
        EXPECT_EQ(progress.unknownAsked, 0);
        EXPECT_FALSE(document.Dirty);
    }

    int Count(int loop, const std::string& typeName)
    {
        return LoopPlacement::CountOfType(document, loop, bundled.catalogue.FindDeviceType(typeName));
    }
    int Others(int loop, const std::string& singleName)
    {
        const auto& others = bundled.catalogue.OtherDevices;
        for (size_t other = 1; other < others.size(); ++other)
            if (others[other].SingleName == singleName)
                return document.Loop(loop).QtyOthers(static_cast<int>(other));
        return -1;
    }
};

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_F(ExampleSitesTest, EachSiteIsBuiltByTheEditingRulesAndSavedAsTheWriterWritesIt)
{
    ASSERT_TRUE(bundled.Loaded);
    for (const ExampleSite& site : ExampleSites()) {
        std::string problem;
        Document built(bundled.catalogue);
        EXPECT_TRUE(site.Build(built, bundled, problem)) << site.FileName << ": " << problem;

        // The shipped file reads back to a document the writer writes byte for byte.
        Open(site.FileName);
        EXPECT_EQ(DocumentText(document), FileText(PathOf(site.FileName))) << site.FileName;
    }
}

TEST_F(ExampleSitesTest, HarbourHotelUsesOtherDevicesStandaloneDevicesAndSlaveBases)
{
    Open("Harbour-Hotel.QLX");
    EXPECT_EQ(Others(1, "Remote Indicator"), 20);
    EXPECT_EQ(Others(2, "Sounder Base"), 6);
    EXPECT_EQ(Others(1, "Slave Wall Sounder"), 3);
    EXPECT_EQ(Others(1, "Line Isolator Module"), 2);
    EXPECT_EQ(Count(1, "Master Sounder Base"), 2);
    EXPECT_EQ(Count(1, "Slave Sounder Base"), 8);
    EXPECT_GE(document.Loop(1).QtyAddressableSlaveBases(), 8);
    EXPECT_EQ(CalculationSupport::OverallDesignText(document), "Design Satisfactory");

    // The standalone devices sit in the slots of an address, tied to a Master.
    int standalone = 0;
    for (int a = 0; a < clsCalculator::AddressCount; ++a)
        standalone += document.Loop(1).DeviceStandaloneCount(a);
    EXPECT_EQ(standalone, 5);
}
