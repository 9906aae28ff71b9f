#include "forms/PowerCore.h"

#include "document/DocumentEdits.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "document/PowerText.h"
#include "forms/DiscardQuestion.h"
#include "platform/MessageHost.h"
#include "text/Blanks.h"
#include "text/DecimalText.h"

namespace {

std::optional<int64_t> InRange(std::optional<int64_t> value, int64_t minimum, int64_t maximum)
{
    return value && *value >= minimum && *value <= maximum ? value : std::nullopt;
}

const int64_t LargestScaledMilliamps = PowerLimits::LargestMilliamps * Currency::Scale;

std::optional<Currency> Milliamps(std::string_view text)
{
    const auto scaled = InRange(DecimalText::Parse(text, 4), 0, LargestScaledMilliamps);
    return scaled ? std::optional<Currency>(Currency::FromScaled(*scaled)) : std::nullopt;
}

std::string Hint(const PanelRecord* panel, std::optional<int32_t> PanelRecord::*given)
{
    if (panel && panel->*given)
        return "Panel's own: " + std::to_string(*(panel->*given)) + " mA";
    return "The panel gives none: type it";
}

bool IsNfpa(PowerRule rule) { return rule == PowerRule::NFPA2022 || rule == PowerRule::NFPA2019; }

}  // namespace

PowerCore::PowerCore(Document& document, std::string localeId)
    : document_(document), localeId_(std::move(localeId))
{
}

PowerCore::Entries PowerCore::Boxes() const
{
    const PowerSettings& settings = document_.Power;
    const PowerInputs in = PowerInputsFor(document_, localeId_);
    Entries entries;
    entries.Rule = in.Rule;
    entries.StandbyHours = HoursText(in.StandbyMinutes);
    entries.AlarmMinutes = std::to_string(in.AlarmMinutes);
    entries.Factor = ThousandthsText(in.FactorThousandths);
    entries.VoiceEvacuation = settings.VoiceEvacuation && IsNfpa(in.Rule);
    if (settings.PanelStandbyMilliamps)
        entries.PanelStandby = settings.PanelStandbyMilliamps->ToString();
    if (settings.PanelAlarmMilliamps)
        entries.PanelAlarm = settings.PanelAlarmMilliamps->ToString();
    for (const AncillaryLoad& load : settings.Loads)
        entries.Loads.push_back({load.Description, std::to_string(load.Quantity), load.StandbyMilliamps.ToString(),
                                 load.AlarmMilliamps.ToString()});
    entries.Fitted = settings.FittedBattery ? HundredthsText(*settings.FittedBattery) : NoBattery;
    return entries;
}

PowerCore::Entries PowerCore::WithRule(Entries entries, PowerRule rule, bool voiceEvacuation)
{
    entries.Rule = rule;
    entries.VoiceEvacuation = voiceEvacuation && IsNfpa(rule);
    entries.StandbyHours = HoursText(DefaultStandbyMinutes);
    entries.AlarmMinutes = std::to_string(DefaultAlarmMinutes(rule, entries.VoiceEvacuation));
    entries.Factor = ThousandthsText(DefaultFactor(rule));
    return entries;
}

bool PowerCore::VoiceEvacuationOffered(PowerRule rule) { return IsNfpa(rule); }

bool PowerCore::FactorEditable(PowerRule rule) { return rule == PowerRule::Custom; }

std::string PowerCore::PanelStandbyHint() const
{
    return Hint(document_.Catalog().CurrentPanelRecord(), &PanelRecord::StandbyCurrent);
}

std::string PowerCore::PanelAlarmHint() const
{
    return Hint(document_.Catalog().CurrentPanelRecord(), &PanelRecord::AlarmCurrent);
}

std::vector<std::string> PowerCore::BatteryChoices() const
{
    std::vector<std::string> choices = {NoBattery};
    for (const int32_t size : document_.Catalog().BatterySizes)
        choices.push_back(HundredthsText(size));
    return choices;
}

std::optional<PowerCore::Refusal> PowerCore::Read(const Entries& e, PowerSettings& settings) const
{
    PowerSettings read;
    read.Rule = e.Rule;
    read.VoiceEvacuation = e.VoiceEvacuation && IsNfpa(e.Rule);

    // Hours to four decimals, as the box shows a period of odd minutes, to the nearest minute.
    const auto tenThousandths = DecimalText::Parse(e.StandbyHours, 4);
    const auto standby = tenThousandths ? InRange((*tenThousandths * 60 + 5000) / 10000, 1, PowerLimits::LongestStandbyMinutes)
                                        : std::nullopt;
    if (!standby)
        return Refusal{Field::StandbyHours, -1, "A standby period of at least one minute and at most 168 hours must be chosen!"};
    const auto alarm = InRange(DecimalText::Parse(e.AlarmMinutes, 0), 1, PowerLimits::LongestAlarmMinutes);
    if (!alarm)
        return Refusal{Field::AlarmMinutes, -1, "An alarm period between 1 and 1440 whole minutes must be chosen!"};
    if (*standby != DefaultStandbyMinutes)
        read.StandbyMinutes = static_cast<int32_t>(*standby);
    if (*alarm != DefaultAlarmMinutes(e.Rule, read.VoiceEvacuation))
        read.AlarmMinutes = static_cast<int32_t>(*alarm);
    if (FactorEditable(e.Rule)) {
        const auto factor = InRange(DecimalText::Parse(e.Factor, PowerLimits::FactorDecimals), PowerLimits::SmallestFactor,
                                    PowerLimits::LargestFactor);
        if (!factor)
            return Refusal{Field::Factor, -1, "A factor between 1 and 10, with at most three decimals, must be chosen!"};
        if (*factor != DefaultFactor(e.Rule))
            read.FactorThousandths = static_cast<int32_t>(*factor);
    }

    const auto panelCurrent = [](const std::string& text, std::optional<Currency>& target) {
        if (Blanks::Trim(text).empty())
            return true;
        target = Milliamps(text);
        return target.has_value();
    };
    if (!panelCurrent(e.PanelStandby, read.PanelStandbyMilliamps))
        return Refusal{Field::PanelStandby, -1,
                       "A panel standby current between 0 and 100000 mA must be typed, or the box left empty for the panel's own!"};
    if (!panelCurrent(e.PanelAlarm, read.PanelAlarmMilliamps))
        return Refusal{Field::PanelAlarm, -1,
                       "A panel alarm current between 0 and 100000 mA must be typed, or the box left empty for the panel's own!"};

    for (size_t row = 0; row < e.Loads.size(); ++row) {
        const LoadEntries& typed = e.Loads[row];
        const std::string which = " of ancillary load " + std::to_string(row + 1);
        const int index = static_cast<int>(row);
        const auto quantity = InRange(DecimalText::Parse(typed.Quantity, 0), 1, PowerLimits::MostUnits);
        if (!quantity)
            return Refusal{Field::LoadQuantity, index, "The quantity" + which + " must be a whole number between 1 and 10000!"};
        const auto standbyLoad = Milliamps(typed.Standby);
        if (!standbyLoad)
            return Refusal{Field::LoadStandby, index, "The standby current" + which + " must be between 0 and 100000 mA!"};
        const auto alarmLoad = Milliamps(typed.Alarm);
        if (!alarmLoad)
            return Refusal{Field::LoadAlarm, index, "The alarm current" + which + " must be between 0 and 100000 mA!"};
        const AncillaryLoad load{std::string(Blanks::Trim(typed.Description)), static_cast<int32_t>(*quantity), *standbyLoad, *alarmLoad};
        if (const std::optional<bool> tooLarge = LoadTooLarge(read.Loads, load))
            return Refusal{Field::LoadQuantity, index,
                           *tooLarge ? "The ancillary loads together must not draw more than 100000 mA!"
                                     : "The quantity" + which + " times its larger current must not exceed 100000 mA!"};
        read.Loads.push_back(load);
    }

    if (const std::string_view fitted = Blanks::Trim(e.Fitted); !fitted.empty() && fitted != NoBattery) {
        const auto hundredths = InRange(DecimalText::Parse(fitted, 2), 1, PowerLimits::LargestBattery);
        if (!hundredths)
            return Refusal{Field::Fitted, -1, "A fitted battery between 0.01 and 1000 Ah, or None, must be chosen!"};
        read.FittedBattery = static_cast<int32_t>(*hundredths);
    }
    settings = std::move(read);
    return std::nullopt;
}

PowerInputs PowerCore::InputsFor(const PowerSettings& settings) const
{
    return PowerInputsFor(document_, settings, localeId_);
}

PowerCore::Result PowerCore::ResultFor(const Entries& entries) const
{
    Result shown;
    PowerSettings settings;
    if ((shown.Refused = Read(entries, settings))) {
        shown.Summary = shown.Refused->Message;
        return shown;
    }
    const PowerInputs inputs = InputsFor(settings);
    const PowerResult result = CalculatePower(inputs);
    shown.Summary = PowerSummaryLine(inputs, result);
    shown.Pass = PowerPasses(result);
    shown.Working = PowerWorking(inputs, result);
    return shown;
}

std::optional<PowerCore::Refusal> PowerCore::OK(MessageHost& host, const Entries& entries)
{
    PowerSettings settings;
    if (const auto refusal = Read(entries, settings)) {
        MsgBox(host, refusal->Message, MsgStyle::Exclamation);
        return refusal;
    }
    ApplyPowerSettings(document_, settings);
    return std::nullopt;
}

bool PowerCore::MayDiscard(MessageHost& host, const Entries& entries) const
{
    return DiscardQuestion::MayClose(host, HasChanges(entries), DiscardQuestion, Caption);
}

void ApplyPowerSettings(Document& document, const PowerSettings& settings)
{
    if (document.Power == settings)
        return;
    DocumentEdit edit(document, {});
    document.Power = settings;
    document.MarkChanged();
    edit.Commit("Power Supply and Battery");
}
