#pragma once
// The power supply window without its window: the texts of its boxes for the
// site's settings, what a change of rule resets, and the reading of the boxes
// into settings, refused with a message and the box to correct. The result
// shown as the boxes change is that of the settings read, so the window and
// the main window never disagree.

#include "document/PowerSupply.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Document;
class MessageHost;

class PowerCore {
public:
    static constexpr const char* Caption = "Power Supply and Battery";
    // The choices of the rule box, in order.
    static constexpr PowerRule Rules[] = {PowerRule::BS5839, PowerRule::NFPA2022, PowerRule::NFPA2019, PowerRule::Custom};
    static constexpr const char* NoBattery = "None";
    static constexpr const char* DiscardQuestion = "Discard the changes to the power supply and battery?";

    enum class Field { StandbyHours, AlarmMinutes, Factor, PanelStandby, PanelAlarm, LoadQuantity, LoadStandby, LoadAlarm, Fitted };

    struct LoadEntries {
        std::string Description, Quantity, Standby, Alarm;
        bool operator==(const LoadEntries&) const = default;
    };
    // What the boxes hold.
    struct Entries {
        PowerRule Rule = PowerRule::BS5839;
        std::string StandbyHours, AlarmMinutes, Factor;
        bool VoiceEvacuation = false;
        std::string PanelStandby, PanelAlarm;  // empty: the panel's own
        std::vector<LoadEntries> Loads;
        std::string Fitted;  // "None" or empty: no battery chosen
        bool operator==(const Entries&) const = default;
    };
    struct Refusal {
        Field Box = Field::StandbyHours;
        int Row = -1;  // the load, for its boxes
        std::string Message;
        bool operator==(const Refusal&) const = default;
    };

    // What the window shows for the boxes as they are: the settings read,
    // summed up (green when they pass) and worked out line by line; or, while
    // a box needs correcting, its message alone.
    struct Result {
        std::optional<Refusal> Refused;
        std::string Summary;
        bool Pass = false;
        std::vector<std::string> Working;
    };

    PowerCore(Document& document, std::string localeId);

    // The boxes for the site's settings, the rule's defaults filled in.
    Entries Boxes() const;
    // A new rule, or voice evacuation ticked or cleared: the periods and the
    // factor become the rule's own.
    static Entries WithRule(Entries entries, PowerRule rule, bool voiceEvacuation);
    // Voice evacuation is a choice under NFPA 72 only; the factor is typed
    // only for a rule of the user's own.
    static bool VoiceEvacuationOffered(PowerRule rule);
    static bool FactorEditable(PowerRule rule);
    // The boxes of a load just added: one unit drawing nothing yet.
    static LoadEntries NewLoad() { return {"", "1", "0", "0"}; }
    // The panel's own currents, shown where the boxes are empty: "120 mA"
    // or, when the panel gives none, a request to type one.
    std::string PanelStandbyHint() const;
    std::string PanelAlarmHint() const;
    // The fitted battery box's choices: "None" and the standard sizes.
    std::vector<std::string> BatteryChoices() const;

    // Whether the boxes differ from what they showed for the site's settings.
    bool HasChanges(const Entries& entries) const { return !(entries == Boxes()); }

    // The boxes as settings, or the first box that needs correcting.
    std::optional<Refusal> Read(const Entries& entries, PowerSettings& settings) const;
    PowerInputs InputsFor(const PowerSettings& settings) const;
    Result ResultFor(const Entries& entries) const;

    // OK: the boxes stored as one step of the history, or the box to correct
    // after its message has been shown (exclamation).
    std::optional<Refusal> OK(MessageHost& host, const Entries& entries);
    // Cancel: true when the window may close (nothing changed, or the user
    // chose to discard the changes).
    bool MayDiscard(MessageHost& host, const Entries& entries) const;

private:
    Document& document_;
    std::string localeId_;
};

// Stores the settings; the document is marked changed when they differ.
void ApplyPowerSettings(Document& document, const PowerSettings& settings);
