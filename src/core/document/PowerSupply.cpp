#include "document/PowerSupply.h"

#include "catalogues/Catalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "text/Scaling.h"

#include <algorithm>
#include <limits>

namespace {

// Products of currents, periods and factors outgrow 64 bits.
__extension__ typedef __int128 Wide;

constexpr int64_t ScaledPerMilliamp = 1000 * Currency::Scale;
constexpr int32_t OneHundredth = 100;
constexpr int32_t AlarmDerating = 175;
// N = F × (T1 × I1 × 100 + D × I2 × T2), with F in thousandths, D in
// hundredths, periods in minutes and currents in scaled µA, is this many times
// the capacity in hundredths of an Ah:
// 1000 (F) × 100 (D) × 60 (minutes) × 10^7 (scaled µA per mA) × 1000 (mAh per Ah) / 100.
constexpr Wide NPerHundredthAh = Wide(60) * 1000 * 10000000 * 1000;

Wide CapacityTimesN(const PowerInputs& in, Currency i1, Currency i2, int32_t d)
{
    return Wide(in.FactorThousandths) *
           (Wide(in.StandbyMinutes) * i1.Scaled() * OneHundredth + Wide(d) * i2.Scaled() * in.AlarmMinutes);
}

Wide CeilDivide(Wide numerator, Wide denominator)
{
    return numerator <= 0 ? numerator / denominator : (numerator + denominator - 1) / denominator;
}

// N as hundredths of an Ah, rounded up. The inputs' limits keep it far
// inside 32 bits; past them it saturates rather than wraps, so that no
// capacity is ever shown negative or small.
int32_t CapacityInHundredths(Wide n)
{
    const Wide hundredths = CeilDivide(n, NPerHundredthAh);
    return static_cast<int32_t>(std::clamp<Wide>(hundredths, 0, std::numeric_limits<int32_t>::max()));
}

// BS 5839-1 derates the alarm load of batteries discharged fast: I2 (A)
// above a twentieth of the capacity C (Ah).
bool DischargedFast(Currency i2, Wide capacityTimesN)
{
    // I2 / 10^10 A > (N / NPerHundredthAh / 100) / 20
    return Wide(i2.Scaled()) * NPerHundredthAh * 100 * 20 > capacityTimesN * 10000000000LL;
}

Currency FromMilliamps(int64_t milliamps) { return Currency::FromScaled(milliamps * ScaledPerMilliamp); }
Currency MilliampsToMicroamps(Currency milliamps) { return Currency::FromScaled(milliamps.Scaled() * 1000); }

std::optional<Currency> MaxStandbyFor(const PowerInputs& in, int32_t fitted, Currency i2)
{
    if (in.StandbyMinutes <= 0 || in.FactorThousandths <= 0)
        return std::nullopt;
    // At the limit, the capacity with D = 1 is the fitted battery itself.
    const bool derated = in.Rule == PowerRule::BS5839 && DischargedFast(i2, Wide(fitted) * NPerHundredthAh);
    const int32_t d = derated ? AlarmDerating : OneHundredth;
    const Wide spare = Wide(fitted) * NPerHundredthAh - Wide(in.FactorThousandths) * d * i2.Scaled() * in.AlarmMinutes;
    if (spare <= 0)
        return Currency();
    return Currency::FromScaled(static_cast<int64_t>(spare / (Wide(in.FactorThousandths) * in.StandbyMinutes * OneHundredth)));
}

// The larger of a load's two currents times its quantity, mA.
Currency LoadMilliamps(const AncillaryLoad& load)
{
    return Currency::FromScaled(std::max(load.StandbyMilliamps, load.AlarmMilliamps).Scaled() * load.Quantity);
}

}  // namespace

std::optional<bool> LoadTooLarge(const std::vector<AncillaryLoad>& accepted, const AncillaryLoad& next)
{
    const Currency largest = Currency::FromInteger(PowerLimits::LargestLoadsMilliamps);
    const Currency own = LoadMilliamps(next);
    if (own > largest)
        return false;
    Currency together = own;
    for (const AncillaryLoad& load : accepted)
        together += LoadMilliamps(load);
    if (together > largest)
        return true;
    return std::nullopt;
}

std::string PowerRuleName(PowerRule rule)
{
    switch (rule) {
    case PowerRule::BS5839: return "BS 5839-1";
    case PowerRule::NFPA2022: return "NFPA 72 2022";
    case PowerRule::NFPA2019: return "NFPA 72 2019";
    case PowerRule::Custom: return "Custom";
    }
    return "";
}

PowerRule DefaultPowerRule(std::string_view localeId)
{
    return Scaling::IsAmericanLocale(localeId) ? PowerRule::NFPA2022 : PowerRule::BS5839;
}

int32_t DefaultAlarmMinutes(PowerRule rule, bool voiceEvacuation)
{
    if (rule == PowerRule::NFPA2022 || rule == PowerRule::NFPA2019)
        return voiceEvacuation ? 15 : 5;
    return 30;
}

int32_t DefaultFactor(PowerRule rule) { return rule == PowerRule::NFPA2019 ? 1200 : 1250; }

PowerInputs PowerInputsFor(const Document& document, std::string_view localeId)
{
    return PowerInputsFor(document, document.Power, localeId);
}

PowerInputs PowerInputsFor(const Document& document, const PowerSettings& settings, std::string_view localeId)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    PowerInputs in;
    in.Rule = settings.Rule.value_or(DefaultPowerRule(localeId));
    in.StandbyMinutes = settings.StandbyMinutes.value_or(DefaultStandbyMinutes);
    in.AlarmMinutes = settings.AlarmMinutes.value_or(DefaultAlarmMinutes(in.Rule, settings.VoiceEvacuation));
    in.FactorThousandths = in.Rule == PowerRule::Custom ? settings.FactorThousandths.value_or(DefaultFactor(in.Rule))
                                                       : DefaultFactor(in.Rule);
    const auto panelCurrent = [&](const std::optional<Currency>& typed, std::optional<int32_t> PanelRecord::*given) {
        if (typed)
            return MilliampsToMicroamps(*typed);
        if (panel && (panel->*given))
            return FromMilliamps(*(panel->*given));
        in.PanelCurrentsKnown = false;
        return Currency();
    };
    in.PanelStandby = panelCurrent(settings.PanelStandbyMilliamps, &PanelRecord::StandbyCurrent);
    in.PanelAlarm = panelCurrent(settings.PanelAlarmMilliamps, &PanelRecord::AlarmCurrent);
    in.LoopsQuiescent = CalculationSupport::TotalQuiescentCurrent(document);
    in.LoopsAlarm = CalculationSupport::TotalAlarmCurrent(document);
    for (const AncillaryLoad& load : settings.Loads) {
        in.AncillaryStandby += Currency::FromScaled(MilliampsToMicroamps(load.StandbyMilliamps).Scaled() * load.Quantity);
        in.AncillaryAlarm += Currency::FromScaled(MilliampsToMicroamps(load.AlarmMilliamps).Scaled() * load.Quantity);
    }
    in.FittedBattery = settings.FittedBattery;
    if (panel) {
        in.PanelMaxBattery = panel->MaxBattery;
        in.ChargerMilliamps = panel->ChargerCurrent;
    }
    in.BatterySizes = document.Catalog().BatterySizes;
    in.NoBatterySizes = document.Catalog().NoBatterySizes;
    return in;
}

PowerResult CalculatePower(const PowerInputs& in)
{
    PowerResult result;
    result.StandbyCurrent = in.PanelStandby + in.LoopsQuiescent + in.AncillaryStandby;
    result.AlarmCurrent = in.PanelAlarm + in.LoopsAlarm + in.AncillaryAlarm;
    result.PanelCurrentsKnown = in.PanelCurrentsKnown;
    result.FactorThousandths = in.FactorThousandths;

    const Wide plain = CapacityTimesN(in, result.StandbyCurrent, result.AlarmCurrent, OneHundredth);
    result.PlainRequired = CapacityInHundredths(plain);
    if (in.Rule == PowerRule::BS5839 && DischargedFast(result.AlarmCurrent, plain))
        result.DHundredths = AlarmDerating;
    const Wide n = CapacityTimesN(in, result.StandbyCurrent, result.AlarmCurrent, result.DHundredths);
    result.Required = CapacityInHundredths(n);

    for (const int32_t size : in.BatterySizes)
        if (!result.StandardBattery && size >= result.Required)
            result.StandardBattery = size;
    result.CheckedBattery = in.FittedBattery.value_or(result.StandardBattery.value_or(result.Required));
    if (in.FittedBattery)
        result.FittedCovers = *in.FittedBattery >= result.Required;
    if (in.PanelMaxBattery)
        result.FitsPanel = result.CheckedBattery <= *in.PanelMaxBattery;

    // 80 % of C (hundredths of an Ah) in 24 h: C × 10^7 / 3 scaled µA.
    const Wide recharge = CeilDivide(Wide(result.CheckedBattery) * 10000000, 3);
    result.ChargerNeeded = result.StandbyCurrent + Currency::FromScaled(static_cast<int64_t>(recharge));
    if (in.ChargerMilliamps)
        result.ChargerOk = FromMilliamps(*in.ChargerMilliamps) >= result.ChargerNeeded;

    if (in.FittedBattery)
        result.MaxStandby = MaxStandbyFor(in, *in.FittedBattery, result.AlarmCurrent);
    return result;
}
