#include "forms/PowerCore.h"

#include "document/Document.h"
#include "document/PowerText.h"
#include "platform/MessageHost.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct PowerSite {
    TestCatalogue catalogue;
    Document document{catalogue};

    PowerSite()
    {
        PanelRecord panel;
        panel.Loops = 2;
        panel.StandbyCurrent = 120;
        catalogue.AddCurrentPanel(panel);
        catalogue.BatterySizes = {700, 1200};
    }
};

PowerCore::Entries Valid()
{
    PowerCore::Entries e = PowerCore::WithRule({}, PowerRule::Custom, false);
    e.Loads = {{"Sounders", "2", "1.5", "150"}};
    return e;
}

}  // namespace

// Each box refused on its own, with its message and the box to correct.
TEST(PowerCore, EachBadBoxIsNamedWithItsMessage)
{
    using F = PowerCore::Field;
    const struct {
        void (*spoil)(PowerCore::Entries&);
        PowerCore::Refusal refusal;
    } rows[] = {
        {[](auto& e) { e.StandbyHours = "168.01"; }, {F::StandbyHours, -1, "A standby period of at least one minute and at most 168 hours must be chosen!"}},
        {[](auto& e) { e.AlarmMinutes = "1441"; }, {F::AlarmMinutes, -1, "An alarm period between 1 and 1440 whole minutes must be chosen!"}},
        {[](auto& e) { e.Factor = "0.99"; }, {F::Factor, -1, "A factor between 1 and 10, with at most three decimals, must be chosen!"}},
        {[](auto& e) { e.Factor = "1.3755"; }, {F::Factor, -1, "A factor between 1 and 10, with at most three decimals, must be chosen!"}},
        {[](auto& e) { e.PanelStandby = "1.2.3"; },
         {F::PanelStandby, -1, "A panel standby current between 0 and 100000 mA must be typed, or the box left empty for the panel's own!"}},
        {[](auto& e) { e.PanelAlarm = "100000.0001"; },
         {F::PanelAlarm, -1, "A panel alarm current between 0 and 100000 mA must be typed, or the box left empty for the panel's own!"}},
        {[](auto& e) { e.Loads[0].Quantity = "0"; }, {F::LoadQuantity, 0, "The quantity of ancillary load 1 must be a whole number between 1 and 10000!"}},
        {[](auto& e) { e.Loads[0].Standby = ""; }, {F::LoadStandby, 0, "The standby current of ancillary load 1 must be between 0 and 100000 mA!"}},
        {[](auto& e) { e.Loads[0].Alarm = "1e3"; }, {F::LoadAlarm, 0, "The alarm current of ancillary load 1 must be between 0 and 100000 mA!"}},
        {[](auto& e) { e.Loads[0].Quantity = "1001"; e.Loads[0].Alarm = "100"; },
         {F::LoadQuantity, 0, "The quantity of ancillary load 1 times its larger current must not exceed 100000 mA!"}},
        {[](auto& e) { e.Loads.push_back({"Bells", "10000", "10", "9.97"}); },
         {F::LoadQuantity, 1, "The ancillary loads together must not draw more than 100000 mA!"}},
        {[](auto& e) { e.Fitted = "0"; }, {F::Fitted, -1, "A fitted battery between 0.01 and 1000 Ah, or None, must be chosen!"}},
    };
    PowerSite site;
    const PowerCore core(site.document, "0809");
    for (const auto& row : rows) {
        PowerCore::Entries entries = Valid();
        row.spoil(entries);
        PowerSettings settings;
        const auto refusal = core.Read(entries, settings);
        ASSERT_TRUE(refusal.has_value()) << row.refusal.Message;
        EXPECT_EQ(*refusal, row.refusal);
        EXPECT_EQ(settings, PowerSettings{}) << "a refused read stores nothing";
    }
}

// The rule is kept as chosen; a period or factor only where it differs from
// the rule's own, so that a later change of rule brings the new rule's.
TEST(PowerCore, ReadingKeepsOnlyWhatDiffersFromTheRule)
{
    PowerSite site;
    PowerCore core(site.document, "0409");
    PowerCore::Entries entries = core.Boxes();
    EXPECT_EQ(entries.Rule, PowerRule::NFPA2022);
    EXPECT_EQ(entries.StandbyHours + "/" + entries.AlarmMinutes + "/" + entries.Factor + "/" + entries.Fitted, "24/5/1.25/None");
    EXPECT_EQ(core.PanelStandbyHint(), "Panel's own: 120 mA");
    EXPECT_EQ(core.PanelAlarmHint(), "The panel gives none: type it");
    EXPECT_EQ(core.BatteryChoices(), (std::vector<std::string>{"None", "7", "12"}));

    entries = PowerCore::WithRule(entries, PowerRule::NFPA2019, true);
    EXPECT_EQ(entries.AlarmMinutes + "/" + entries.Factor, "15/1.2");
    entries.StandbyHours = " 24.0167 ";
    entries.PanelAlarm = "80.5";
    entries.Fitted = "0.01";
    entries.Loads = {{" Relays ", "3", "0", "25.25"}};
    PowerSettings settings;
    ASSERT_FALSE(core.Read(entries, settings));
    PowerSettings expected;
    expected.Rule = PowerRule::NFPA2019;
    expected.VoiceEvacuation = true;
    expected.StandbyMinutes = 1441;
    expected.PanelAlarmMilliamps = *Currency::FromDouble(80.5);
    expected.FittedBattery = 1;
    expected.Loads = {{"Relays", 3, Currency(), *Currency::FromDouble(25.25)}};
    EXPECT_EQ(settings, expected);

    // Stored, the boxes show it back; voice evacuation means nothing outside NFPA 72.
    ApplyPowerSettings(site.document, settings);
    EXPECT_TRUE(site.document.Dirty);
    EXPECT_EQ(core.Read(core.Boxes(), settings), std::nullopt);
    EXPECT_EQ(settings, expected);
    EXPECT_FALSE(PowerCore::WithRule(entries, PowerRule::BS5839, true).VoiceEvacuation);
    site.document.Power.Rule = PowerRule::BS5839;
    EXPECT_FALSE(core.Boxes().VoiceEvacuation);

    // A Custom factor is kept to the thousandth and shown back as typed.
    entries = PowerCore::WithRule(entries, PowerRule::Custom, false);
    entries.Factor = "1.375";
    ASSERT_EQ(core.Read(entries, settings), std::nullopt);
    EXPECT_EQ(settings.FactorThousandths, 1375);
    ApplyPowerSettings(site.document, settings);
    EXPECT_EQ(core.Boxes().Factor, "1.375");
}

// OK stores the boxes as one step, or tells the box to correct; Cancel asks
// only once something changed. The result shown follows the boxes.
TEST(PowerCore, OKStoresOneStepAndCancelAsksAfterAChange)
{
    PowerSite site;
    ScriptedMessageHost host;
    PowerCore core(site.document, "0809");
    EXPECT_TRUE(core.MayDiscard(host, core.Boxes()));
    EXPECT_FALSE(PowerCore::VoiceEvacuationOffered(PowerRule::BS5839));
    EXPECT_TRUE(PowerCore::VoiceEvacuationOffered(PowerRule::NFPA2019));
    EXPECT_TRUE(PowerCore::FactorEditable(PowerRule::Custom));
    EXPECT_FALSE(PowerCore::FactorEditable(PowerRule::NFPA2022));

    PowerCore::Entries entries = core.Boxes();
    entries.Loads.push_back(PowerCore::NewLoad());
    entries.Loads[0].Quantity = "0";
    const PowerCore::Result refused = core.ResultFor(entries);
    ASSERT_TRUE(refused.Refused.has_value());
    EXPECT_EQ(refused.Summary, refused.Refused->Message);
    EXPECT_TRUE(refused.Working.empty());
    EXPECT_EQ(core.OK(host, entries), refused.Refused);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{refused.Summary});
    EXPECT_EQ(host.boxes.front().Style, MsgStyle::Exclamation);
    EXPECT_FALSE(core.MayDiscard(host, entries)) << "Keep Editing is the default";

    entries.Loads[0].Quantity = "2";
    entries.Loads[0].Alarm = "100";
    const PowerCore::Result shown = core.ResultFor(entries);
    EXPECT_FALSE(shown.Refused);
    EXPECT_FALSE(shown.Working.empty());
    EXPECT_EQ(core.OK(host, entries), std::nullopt);
    EXPECT_EQ(PowerLineFor(site.document, "0809").Text, shown.Summary);
    EXPECT_EQ(site.document.History.UndoName(), "Power Supply and Battery");
    EXPECT_EQ(site.document.History.Size(), 1U);
}
