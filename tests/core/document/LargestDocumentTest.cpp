#include "support/LargestDocument.h"

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/DocumentFixture.h"
#include "support/LinearProfileReader.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

struct LargestDocument : ::testing::Test {
    ScratchFolder folder;
    SettingsStore settings{folder.Path("settings.conf")};
    Options options{settings};
    ScriptedMessageHost messages;
    Catalogue catalogue;
    RecordingReadHost host;

    void SetUp() override
    {
        ASSERT_TRUE(LoadBundledCatalogues(catalogue, options, messages, FERROLUX_TEST_DATA_DIR, folder.Root()));
    }
};

}  // namespace

// The document the benchmarks and fuzzing seeds are built on holds what its
// description promises, and survives a save and an open unchanged.
TEST_F(LargestDocument, FillsEveryAddressOfEveryLoopAndReadsBackUnchanged)
{
    Document document(catalogue);
    std::string failure;
    ASSERT_TRUE(BuildLargestDocument(document, catalogue, options, messages, failure)) << failure;
    ASSERT_TRUE(messages.boxes.empty()) << messages.boxes[0].Text;

    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        SCOPED_TRACE(loop);
        const clsCalculator& model = document.Loop(loop);
        EXPECT_EQ(model.QtyDevices(), 252);
        int used = 0;
        for (int a = 0; a < clsCalculator::AddressCount; ++a)
            used += model.DeviceType(a) != 0 ? 1 : 0;
        EXPECT_EQ(used, 252);
        EXPECT_EQ(model.DeviceType(127), 0);
        EXPECT_EQ(model.DeviceType(128), 0);
        EXPECT_NE(model.DeviceType(254), 0);
        EXPECT_GT(model.DeviceStandaloneCount(1), 0);
    }
    const std::string text = DocumentText(document);
    for (const char* key : {"DeviceBetween1=", "RelayBase=20", "RemoteIndicator=20", "SlaveBeacon=12", "Device254="})
        EXPECT_NE(text.find(key), std::string::npos) << key;

    const std::string path = folder.Path("largest.QLX");
    ASSERT_TRUE(WriteDocument(document, path, messages));
    Document read(catalogue);
    const DocumentReadServices services{catalogue, options, messages, host};
    const DocumentReadResult result = ReadDocument(read, path, false, services);
    ASSERT_EQ(result.Outcome, ReadOutcome::Opened);
    EXPECT_FALSE(result.DataChanged);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(host.unknownAsked.empty());
    EXPECT_TRUE(host.dropAsked.empty());
    read.ModifiedDate = result.ModifiedDate;
    EXPECT_EQ(DocumentText(read), text);

    // A reader that goes back to the file for every key reads the same.
    Document reread(catalogue);
    RereadingProfileReader profile;
    ASSERT_EQ(ReadDocument(reread, path, false, services, profile).Outcome, ReadOutcome::Opened);
    reread.ModifiedDate = result.ModifiedDate;
    EXPECT_EQ(DocumentText(reread), text);
}
