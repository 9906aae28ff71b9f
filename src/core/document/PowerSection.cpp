#include "document/PowerSection.h"

#include "document/PowerSupply.h"
#include "document/PowerText.h"
#include "platform/MessageHost.h"
#include "text/Blanks.h"
#include "text/CSV.h"
#include "text/ProfileText.h"
#include "text/WinINI.h"

#include <algorithm>

namespace {

constexpr const char* Section = "Power";
constexpr PowerRule Rules[] = {PowerRule::BS5839, PowerRule::NFPA2022, PowerRule::NFPA2019, PowerRule::Custom};
const Currency LargestCurrent = Currency::FromInteger(PowerLimits::LargestMilliamps);

class SectionReader {
public:
    SectionReader(WinINI::ProfileReader& profile, const std::string& path, MessageHost& host)
        : profile_(profile), path_(path), host_(host)
    {
    }

    PowerSettings Read()
    {
        PowerSettings settings;
        if (const std::string rule = CSV::GetCSVField(Key("Rule"), 1); !rule.empty()) {
            const auto* found = std::find_if(std::begin(Rules), std::end(Rules),
                                             [&](PowerRule r) { return PowerRuleName(r) == rule; });
            if (found != std::end(Rules))
                settings.Rule = *found;
            else
                MsgBox(host_, "Unknown power supply rule '" + rule + "'; the calculation uses the default rule.",
                       MsgStyle::OKOnly + MsgStyle::Exclamation);
        }
        settings.StandbyMinutes = Whole("StandbyMinutes", 1, PowerLimits::LongestStandbyMinutes, "power supply standby period");
        settings.AlarmMinutes = Whole("AlarmMinutes", 1, PowerLimits::LongestAlarmMinutes, "power supply alarm period");
        settings.FactorThousandths = Factor();
        settings.VoiceEvacuation = Blanks::BeginsWithT(Key("VoiceEvacuation"));
        settings.PanelStandbyMilliamps = Current(CSV::GetCSVField(Key("PanelStandbyCurrent"), 1), "panel standby current");
        settings.PanelAlarmMilliamps = Current(CSV::GetCSVField(Key("PanelAlarmCurrent"), 1), "panel alarm current");
        settings.FittedBattery = Hundredths("FittedBattery", 1, PowerLimits::LargestBattery, "fitted battery");
        const int last = profile_.LastNumberedKey(path_, Section, "Load");
        for (int n = 1; n <= last; ++n) {
            const std::string value = Key("Load" + std::to_string(n));
            if (value.empty())
                MsgBox(host_, "Ancillary load " + std::to_string(n) + " is missing; the loads after it are read.",
                       MsgStyle::OKOnly + MsgStyle::Exclamation);
            else if (auto load = Load(value, n); load && Fits(settings.Loads, *load, n))
                settings.Loads.push_back(*load);
        }
        return settings;
    }

private:
    std::string Key(const std::string& key) { return profile_.ReadKey(path_, Section, key); }

    std::optional<int32_t> Whole(const char* key, int32_t minimum, int32_t maximum, const std::string& what)
    {
        int32_t value = 0;
        const std::string text = Key(key);
        if (text.empty() || !CSV::ReadLongField(host_, text, 1, value, minimum, maximum, what))
            return std::nullopt;
        return value;
    }

    std::optional<int32_t> Hundredths(const char* key, int32_t minimum, int32_t maximum, const std::string& what)
    {
        int32_t value = 0;
        const std::string text = CSV::GetCSVField(Key(key), 1);
        if (text.empty() || !CSV::ReadHundredthsValue(host_, text, value, minimum, maximum, what))
            return std::nullopt;
        return value;
    }

    std::optional<int32_t> Factor()
    {
        int32_t value = 0;
        const std::string text = CSV::GetCSVField(Key("Factor"), 1);
        if (text.empty() || !CSV::ReadDecimalValue(host_, text, value, PowerLimits::FactorDecimals, PowerLimits::SmallestFactor,
                                                   PowerLimits::LargestFactor, "power supply derating factor"))
            return std::nullopt;
        return value;
    }

    std::optional<Currency> Current(const std::string& field, const std::string& what)
    {
        Currency value;
        if (field.empty() || !CSV::ReadCurrencyValue(host_, field, value, Currency(), LargestCurrent, what))
            return std::nullopt;
        return value;
    }

    std::optional<AncillaryLoad> Load(const std::string& value, int n)
    {
        const std::string what = " of ancillary load " + std::to_string(n);
        const std::vector<std::string> fields = CSV::GetCSVFields(value, 4);
        AncillaryLoad load;
        load.Description = fields[3];
        if (!CSV::ReadLongValue(host_, fields[0], load.Quantity, 1, PowerLimits::MostUnits, "quantity" + what) ||
            !CSV::ReadCurrencyValue(host_, fields[1], load.StandbyMilliamps, Currency(), LargestCurrent, "standby current" + what) ||
            !CSV::ReadCurrencyValue(host_, fields[2], load.AlarmMilliamps, Currency(), LargestCurrent, "alarm current" + what))
            return std::nullopt;
        return load;
    }

    bool Fits(const std::vector<AncillaryLoad>& accepted, const AncillaryLoad& load, int n)
    {
        const std::optional<bool> tooLarge = LoadTooLarge(accepted, load);
        if (tooLarge)
            MsgBox(host_, *tooLarge ? "Invalid numeric value for total current of ancillary loads 1 to " + std::to_string(n)
                                    : "Invalid numeric value for total current of ancillary load " + std::to_string(n),
                   MsgStyle::OKOnly + MsgStyle::Exclamation);
        return !tooLarge;
    }

    WinINI::ProfileReader& profile_;
    const std::string& path_;
    MessageHost& host_;
};

}  // namespace

PowerSettings ReadPowerSection(WinINI::ProfileReader& profile, const std::string& path, MessageHost& host)
{
    return SectionReader(profile, path, host).Read();
}

void WritePowerSection(WinINI::ProfileText& profile, const PowerSettings& settings)
{
    if (settings == PowerSettings{})
        return;
    const auto write = [&](const char* key, const std::string& value) { profile.Write(Section, key, value); };
    if (settings.Rule)
        write("Rule", "\"" + PowerRuleName(*settings.Rule) + "\"");
    if (settings.StandbyMinutes)
        write("StandbyMinutes", std::to_string(*settings.StandbyMinutes));
    if (settings.AlarmMinutes)
        write("AlarmMinutes", std::to_string(*settings.AlarmMinutes));
    if (settings.FactorThousandths)
        write("Factor", ThousandthsText(*settings.FactorThousandths));
    if (settings.VoiceEvacuation)
        write("VoiceEvacuation", "True");
    if (settings.PanelStandbyMilliamps)
        write("PanelStandbyCurrent", settings.PanelStandbyMilliamps->ToString());
    if (settings.PanelAlarmMilliamps)
        write("PanelAlarmCurrent", settings.PanelAlarmMilliamps->ToString());
    if (settings.FittedBattery)
        write("FittedBattery", HundredthsText(*settings.FittedBattery));
    for (size_t n = 0; n < settings.Loads.size(); ++n) {
        const AncillaryLoad& load = settings.Loads[n];
        // A field has no escape for a quote: the description's become apostrophes.
        std::string description = load.Description;
        std::replace(description.begin(), description.end(), '"', '\'');
        write(("Load" + std::to_string(n + 1)).c_str(), std::to_string(load.Quantity) + "," + load.StandbyMilliamps.ToString() +
                                                           "," + load.AlarmMilliamps.ToString() + ",\"" + description + "\"");
    }
}
