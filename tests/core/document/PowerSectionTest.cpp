#include "document/PowerSection.h"

#include "document/DocumentWriter.h"
#include "document/PowerSupply.h"
#include "support/DocumentFixture.h"

#include <gtest/gtest.h>

// Every saved site names the rule it was calculated with, so that it gives
// the same battery under any locale; the other keys only where they differ
// from the rule's defaults, in a section of their own after the loops.
TEST(PowerSection, EverySiteNamesItsRuleAndOnlyWhatDiffersFromItsDefaults)
{
    {  // saved under a locale whose default is NFPA 72, read under one whose default is BS 5839-1
        DocumentFixture f;
        Document document = f.NewEmptyDocument();
        const std::string text = DocumentText(document, "0409");
        EXPECT_EQ(text.substr(text.find("[Power]")), "[Power]\r\nRule=\"NFPA 72 2022\"\r\n");
        f.folder.Write("site.QLX", text);
        Document read = f.NewEmptyDocument();
        ASSERT_EQ(f.Read(read, f.folder.Path("site.QLX")).Outcome, ReadOutcome::Opened);
        EXPECT_EQ(PowerInputsFor(read, "0809").Rule, PowerRule::NFPA2022);
        EXPECT_EQ(DocumentText(read, "0809"), text);
    }

    DocumentFixture f;
    Document document = f.NewEmptyDocument();
    document.Power.Rule = PowerRule::Custom;
    document.Power.FactorThousandths = 1375;
    document.Power.VoiceEvacuation = true;
    document.Power.FittedBattery = 1200;
    document.Power.Loads = {{"Relay", 3, *Currency::FromDouble(0.5), Currency::FromInteger(25)}};
    const std::string text = DocumentText(document, "0409");
    EXPECT_EQ(text.substr(text.find("[Power]")), "[Power]\r\nRule=\"Custom\"\r\nFactor=1.375\r\nVoiceEvacuation=True\r\n"
                                                 "FittedBattery=12\r\nLoad1=3,0.5,25,\"Relay\"\r\n");
}

// A factor is kept exactly to the thousandth; more decimals are refused,
// never rounded.
TEST(PowerSection, TheFactorIsReadExactlyToTheThousandth)
{
    const struct {
        const char* value;
        std::optional<int32_t> thousandths;
        const char* message;
    } rows[] = {
        {"1.375", 1375, nullptr},
        {"10", 10000, nullptr},
        {"1.3755", {}, "Invalid numeric value for power supply derating factor (at most 3 decimals)"},
        {"0.999", {}, "Invalid numeric value for power supply derating factor"},
        {"1.2e0", {}, "Invalid numeric value for power supply derating factor"},
    };
    for (const auto& row : rows) {
        DocumentFixture f;
        const std::string path = f.WriteVersion1File("power.QLX", std::string("[Power]\r\nRule=\"Custom\"\r\nFactor=") + row.value + "\r\n");
        Document document = f.NewEmptyDocument();
        ASSERT_EQ(f.Read(document, path).Outcome, ReadOutcome::Opened);
        EXPECT_EQ(document.Power.FactorThousandths, row.thousandths) << row.value;
        EXPECT_EQ(f.messages.Texts(), row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{}) << row.value;
    }
}

// A refused value gets its message and leaves the default; a gap in the
// loads is told and the loads after it read; loads too large to carry
// exactly are refused. A file without the section, as every older one,
// opens with the defaults.
TEST(PowerSection, RefusedValuesKeepTheDefaultsAndOlderFilesOpenWithThem)
{
    DocumentFixture f;
    const std::string path = f.WriteVersion1File("power.QLX",
                                                 "[Power]\r\nRule=\"EN 54\"\r\nStandbyMinutes=0\r\nAlarmMinutes=30\r\n"
                                                 "Factor=x\r\nPanelAlarmCurrent=-1\r\nFittedBattery=7\r\n"
                                                 "Load1=0,1,2,\"None\"\r\nLoad2=1,1,lots\r\nLoad3=2,1,2,\"Kept\"\r\n"
                                                 "Load5=10000,100000,100000\r\nLoad6=999,100,0,\"Also kept\"\r\nLoad7=1,100,0\r\n");
    Document document = f.NewEmptyDocument();
    ASSERT_EQ(f.Read(document, path).Outcome, ReadOutcome::Opened);
    EXPECT_EQ(f.messages.Texts(), (std::vector<std::string>{
                                      "Unknown power supply rule 'EN 54'; the calculation uses the default rule.",
                                      "Invalid numeric value for power supply standby period",
                                      "Numeric value expected for power supply derating factor",
                                      "Invalid numeric value for panel alarm current",
                                      "Invalid numeric value for quantity of ancillary load 1",
                                      "Numeric value expected for alarm current of ancillary load 2",
                                      "Ancillary load 4 is missing; the loads after it are read.",
                                      "Invalid numeric value for total current of ancillary load 5",
                                      "Invalid numeric value for total current of ancillary loads 1 to 7",
                                  }));
    PowerSettings expected;
    expected.AlarmMinutes = 30;
    expected.FittedBattery = 700;
    expected.Loads = {{"Kept", 2, Currency::FromInteger(1), Currency::FromInteger(2)},
                      {"Also kept", 999, Currency::FromInteger(100), Currency()}};
    EXPECT_TRUE(document.Power == expected);

    const std::string older = f.WriteVersion1File("older.QLX", "[Loop1]\r\nName=\"A\"\r\n");
    ASSERT_EQ(f.Read(document, older).Outcome, ReadOutcome::Opened);
    EXPECT_TRUE(document.Power == PowerSettings{});
}
