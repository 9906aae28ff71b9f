#include "cli/HeadlessOpenProgress.h"

#include "support/DocumentFixture.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(HeadlessOpenProgress, UnknownDeviceTypesArePrintedOnOneLineAndLeftEmpty)
{
    DocumentFixture f;
    Document document = f.NewEmptyDocument();
    std::ostringstream messages;
    HeadlessOpenProgress progress(messages);
    OpenFlow flow(document, f.catalogue, f.options, f.messages, progress);
    const std::string type = std::to_string(f.catalogue.unselectable);
    const std::string path = f.WriteVersion1File("old.QLX", "[Loop2]\nDevice5=" + type + ",0,0,5,5,0\nDevice6=" + type +
                                                                ",0,0,6,6,0\nDevice7=1,0,0,7,7,0\n");

    EXPECT_TRUE(flow.DoMenuOpen(path, false));
    EXPECT_EQ(flow.Outcome(), OpenOutcome::Opened);
    EXPECT_EQ(messages.str(), "Unknown Device Type: This file has an unknown device type (" + type +
                                  ") at address 5 on loop 2.  Set this address to 'No Device'?\n"
                                  "Unknown Device Type: This file has an unknown device type (" + type +
                                  ") at address 6 on loop 2.  Set this address to 'No Device'?\n");
    EXPECT_EQ(document.Loop(2).DeviceType(5), 0);
    EXPECT_EQ(document.Loop(2).DeviceType(7), f.catalogue.optical);
    EXPECT_TRUE(f.messages.boxes.empty());
}
