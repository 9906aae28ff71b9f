#pragma once
// The results of a recalculated Loop Calculation gathered in one place, for
// the headless calculator's text and JSON output.

#include "document/ProjectProperties.h"
#include "document/AlongCableVerdict.h"
#include "document/CableComparison.h"
#include "document/HowManyMore.h"
#include "document/PowerSupply.h"
#include "document/SpareCapacity.h"
#include "loop/AlongCable.h"
#include "loop/clsCalculator.h"
#include "text/Currency.h"

#include <array>
#include <optional>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;

// How many more of one device type or Other Device the loop takes.
struct MoreSummary {
    std::string Item;  // its name
    HowManyMore::Placement Placement = HowManyMore::Placement::Evenly;
    HowManyMore::Answer Answer;
};

struct LoopSummary {
    int Loop = 0;
    std::string Name;
    int32_t Devices = 0;  // addressable devices and slave bases
    Currency QuiescentDevices;  // µA
    Currency AlarmDevices;
    Currency Quiescent;  // µA, with the Other Devices
    Currency Alarm;
    Currency VoltDrop;     // V
    Currency MaxVoltDrop;  // V
    CalculationType CalcType = CalculationType::MaxVoltDrop;
    int16_t CableImpedance = 0;  // hundredths of an ohm per km per core
    std::string CableName;       // "User-Defined" when no catalogue cable has that impedance
    int32_t CableTotal = 0;      // dm
    int32_t CableFirst = 0;      // dm
    LoopDesignCode LoopDesign = LoopDesignCode::Satisfactory;
    bool Satisfactory = true;
    std::string DesignShort;
    std::string DesignLong;
    std::string Explanation;
    std::string PanelLimitText;
    AlongCableResult AlongCable;
    AlongCableVerdict AlongCableChecks;  // every check of AlongCable, judged
    std::vector<std::string> PointTypes;  // each point's device type or Other Device by name
    LoopSpare Spare;
    std::string SpareText;  // against the spare required
    bool BelowRequiredSpare = false;
    std::optional<CableComparison> Cables;  // every enabled cable on the loop, when asked for
    std::optional<MoreSummary> HowManyMore;  // when asked
};

struct CalcSummary {
    std::string File;
    std::string SiteName;
    ProjectProperties Project;
    std::string Panel;
    int PanelLoops = 0;
    std::array<LoopSummary, 8> Loops;  // loops 1 to 8, whatever the panel's loops
    int32_t TotalDevices = 0;
    Currency TotalQuiescent;
    Currency TotalAlarm;
    std::string Overall;
    bool Satisfactory = false;
    // "Loop 1 fails along the cable"; empty when every loop passes there.
    std::string AlongCableFailures;
    int32_t SpareRequired = 0;  // percent; 0 when none is asked
    // "Loop 3 is below the 20 % spare required"; empty when every loop keeps it.
    std::string SpareShortfall;
    // The standby battery calculation on the totals above.
    PowerInputs BatteryInputs;
    PowerResult Battery;
};

// The summary of the document as last calculated; `file` is the name given
// for it on the command line, `localeId` the user's locale, whose rule the
// battery calculation follows when the site names none. With `compareCables`,
// each loop of the panel has every enabled cable tried on it.
CalcSummary SummarizeDocument(const Document& document, const std::string& file, std::string_view localeId,
                              bool compareCables = false);

// Each of the panel's loops told how many more of the item it takes.
void AddHowManyMore(CalcSummary& summary, const Document& document, HowManyMore::Item item,
                    HowManyMore::Placement placement);

// The exit status of a checked file: the verdict's; with `allChecks`, also
// 1 when a loop fails along the cable, a loop is below the spare required
// or the battery calculation fails.
int CheckedStatus(const CalcSummary& summary, bool allChecks);

// A point's figure for the feed.
inline double ForFeed(const std::array<double, FeedCount>& byFeed, Feed feed)
{
    return byFeed[static_cast<size_t>(feed)];
}
