#include "document/PowerSection.h"

#include "document/DocumentWriter.h"
#include "support/DocumentFixture.h"

#include <gtest/gtest.h>

// Only the keys that differ from the defaults are written, in a section of
// their own after the loops.
TEST(PowerSection, OnlyWhatDiffersFromTheDefaultsIsWritten)
{
    DocumentFixture f;
    Document document = f.NewEmptyDocument();
    const std::string plain = DocumentText(document);
    EXPECT_EQ(plain.find("[Power]"), std::string::npos);

    document.Power.Rule = PowerRule::NFPA2019;
    document.Power.VoiceEvacuation = true;
    document.Power.FittedBattery = 1200;
    document.Power.Loads = {{"Relay", 3, *Currency::FromDouble(0.5), Currency::FromInteger(25)}};
    const std::string text = DocumentText(document);
    EXPECT_EQ(text.substr(text.find("[Power]")),
              "[Power]\r\nRule=\"NFPA 72 2019\"\r\nVoiceEvacuation=True\r\nFittedBattery=12\r\nLoad1=3,0.5,25,\"Relay\"\r\n");
    EXPECT_EQ(text.substr(0, text.find("[Power]")), plain);
}

// A refused value gets its message and leaves the default; a file without the
// section, as every older one, opens with the defaults.
TEST(PowerSection, RefusedValuesKeepTheDefaultsAndOlderFilesOpenWithThem)
{
    DocumentFixture f;
    const std::string path = f.WriteVersion1File("power.QLX",
                                                 "[Power]\r\nRule=\"EN 54\"\r\nStandbyMinutes=0\r\nAlarmMinutes=30\r\n"
                                                 "Factor=x\r\nPanelAlarmCurrent=-1\r\nFittedBattery=7\r\n"
                                                 "Load1=0,1,2,\"None\"\r\nLoad2=1,1,lots\r\nLoad3=2,1,2,\"Kept\"\r\n");
    Document document = f.NewEmptyDocument();
    ASSERT_EQ(f.Read(document, path).Outcome, ReadOutcome::Opened);
    EXPECT_EQ(f.messages.Texts(), (std::vector<std::string>{
                                      "Unknown power supply rule 'EN 54'; the calculation uses the default rule.",
                                      "Invalid numeric value for power supply standby period",
                                      "Numeric value expected for power supply derating factor",
                                      "Invalid numeric value for panel alarm current",
                                      "Invalid numeric value for quantity of ancillary load 1",
                                      "Numeric value expected for alarm current of ancillary load 2",
                                  }));
    PowerSettings expected;
    expected.AlarmMinutes = 30;
    expected.FittedBattery = 700;
    expected.Loads = {{"Kept", 2, Currency::FromInteger(1), Currency::FromInteger(2)}};
    EXPECT_TRUE(document.Power == expected);

    const std::string older = f.WriteVersion1File("older.QLX", "[Loop1]\r\nName=\"A\"\r\n");
    ASSERT_EQ(f.Read(document, older).Outcome, ReadOutcome::Opened);
    EXPECT_TRUE(document.Power == PowerSettings{});
}
