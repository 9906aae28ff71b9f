#include "document/PowerText.h"

#include "document/PowerSettings.h"
#include "text/DecimalText.h"

#include <cctype>
#include <cstdlib>

namespace {

// Divides, rounding halves away from zero as displayed figures do.
int64_t DivideRounded(int64_t value, int64_t divisor)
{
    const int64_t half = divisor / 2;
    return value < 0 ? -((-value + half) / divisor) : (value + half) / divisor;
}

constexpr int64_t ScaledPerHundredthMilliamp = 1000 * Currency::Scale / 100;

std::string Capitalized(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string Ah(int32_t hundredths) { return HundredthsText(hundredths) + " Ah"; }
std::string AhRequired(int32_t hundredths) { return AmpHoursText(hundredths) + " Ah"; }
std::string MA(Currency microamps) { return MilliampsText(microamps) + " mA"; }
std::string Hours(int32_t minutes) { return HoursText(minutes) + " h"; }

std::string BatteryPart(const PowerInputs& in, const PowerResult& r)
{
    if (in.FittedBattery)
        return Ah(*in.FittedBattery) + " fitted" + (*r.FittedCovers ? "" : " is too small");
    if (r.StandardBattery)
        return "smallest standard battery " + Ah(*r.StandardBattery);
    if (in.BatterySizes.empty())
        return in.NoBatterySizes;
    return "more than the largest standard battery";
}

std::string CurrentsLine(const char* name, Currency panel, Currency loops, Currency ancillary, Currency total)
{
    return std::string(name) + " = " + MA(panel) + " (panel) + " + MA(loops) + " (loops) + " + MA(ancillary) +
           " (ancillary) = " + MA(total);
}

std::string FormulaInNumbers(const PowerInputs& in, const PowerResult& r)
{
    const bool bs = in.Rule == PowerRule::BS5839;
    const std::string alarmTerm = (bs ? HundredthsText(r.DHundredths) + " × " : std::string()) + MA(r.AlarmCurrent) +
                                  " × " + Hours(in.AlarmMinutes);
    return "C = " + ThousandthsText(r.FactorThousandths) + " × (" + Hours(in.StandbyMinutes) + " × " + MA(r.StandbyCurrent) +
           " + " + alarmTerm + ") / 1000 = " + AhRequired(r.Required) + " (rounded up)";
}

std::string DeratingLine(const PowerResult& r)
{
    const std::string c1 = "C₁ = " + AhRequired(r.PlainRequired) + " is the capacity with D = 1";
    if (r.DHundredths == 100)
        return "D = 1: I2 is no more than C₁ / 20 h, where " + c1;
    return "D = " + HundredthsText(r.DHundredths) + ": I2 is more than C₁ / 20 h, where " + c1;
}

std::string StandardLine(const PowerInputs& in, const PowerResult& r)
{
    if (r.StandardBattery)
        return "Smallest standard battery that covers it: " + Ah(*r.StandardBattery);
    if (in.BatterySizes.empty())
        return Capitalized(in.NoBatterySizes);
    return "No standard battery covers " + AhRequired(r.Required) + ": the largest is " + Ah(in.BatterySizes.back());
}

std::string FittedLine(const PowerInputs& in, const PowerResult& r)
{
    if (!in.FittedBattery)
        return "Fitted battery: none chosen";
    return "Fitted battery: " + Ah(*in.FittedBattery) +
           (*r.FittedCovers ? ", covers the requirement" : ", too small for " + AhRequired(r.Required));
}

std::string PanelLine(const PowerInputs& in, const PowerResult& r)
{
    if (!r.FitsPanel)
        return "The panel gives no largest battery: not checked";
    return "Largest battery the panel holds: " + Ah(*in.PanelMaxBattery) + "; " + Ah(r.CheckedBattery) +
           (*r.FitsPanel ? " fits" : " does not fit");
}

std::string ChargerLine(const PowerInputs& in, const PowerResult& r)
{
    const std::string needed = "Charger: I1 + 0.8 × " + Ah(r.CheckedBattery) + " / 24 h = " + MA(r.StandbyCurrent) + " + " +
                               MA(r.ChargerNeeded - r.StandbyCurrent) + " = " + MA(r.ChargerNeeded) + " needed";
    if (!r.ChargerOk)
        return needed + "; the panel gives no charger current: not checked";
    return needed + ", " + std::to_string(*in.ChargerMilliamps) + " mA given: " + (*r.ChargerOk ? "passes" : "too small");
}

}  // namespace

std::string AmpHoursText(int32_t hundredths) { return DecimalText::Format(hundredths, 2, false); }
std::string HundredthsText(int32_t hundredths) { return DecimalText::Format(hundredths, 2, true); }
std::string ThousandthsText(int32_t thousandths) { return DecimalText::Format(thousandths, PowerLimits::FactorDecimals, true); }

std::string MilliampsText(Currency microamps)
{
    return DecimalText::Format(DivideRounded(microamps.Scaled(), ScaledPerHundredthMilliamp), 2, false);
}

std::string MilliampsExact(Currency microamps) { return DecimalText::Format(microamps.Scaled(), 7, true); }

std::string HoursText(int32_t minutes)
{
    // Exact whenever minutes / 60 ends, for then it ends within two decimals.
    return DecimalText::Format(DivideRounded(int64_t{minutes} * 10000, 60), 4, true);
}

bool PowerPasses(const PowerResult& r)
{
    const bool covered = r.FittedCovers ? *r.FittedCovers : r.StandardBattery.has_value();
    return covered && r.PanelCurrentsKnown && r.FitsPanel.value_or(true) && r.ChargerOk.value_or(true);
}

std::string PowerSummaryLine(const PowerInputs& in, const PowerResult& r)
{
    std::string line = "Standby battery: " + AhRequired(r.Required) + " required (" + PowerRuleName(in.Rule) + "), " +
                       BatteryPart(in, r);
    if (!r.PanelCurrentsKnown)
        line += ", without the panel's own currents";
    if (r.FitsPanel == false)
        line += ", more than the panel holds (" + Ah(*in.PanelMaxBattery) + ")";
    if (r.ChargerOk == false)
        line += ", charger too small (" + MA(r.ChargerNeeded) + " needed)";
    return line;
}

PowerLine PowerLineFor(const Document& document, std::string_view localeId)
{
    const PowerInputs inputs = PowerInputsFor(document, localeId);
    const PowerResult result = CalculatePower(inputs);
    return {PowerSummaryLine(inputs, result), PowerPasses(result)};
}

std::vector<std::string> PowerWorking(const PowerInputs& in, const PowerResult& r)
{
    const bool bs = in.Rule == PowerRule::BS5839;
    std::vector<std::string> lines = {
        "Rule: " + PowerRuleName(in.Rule) + ", standby T1 = " + Hours(in.StandbyMinutes) + ", alarm T2 = " +
            Hours(in.AlarmMinutes) + (in.Rule == PowerRule::Custom ? ", factor F = " + ThousandthsText(in.FactorThousandths) : ""),
        CurrentsLine("I1", in.PanelStandby, in.LoopsQuiescent, in.AncillaryStandby, r.StandbyCurrent),
        CurrentsLine("I2", in.PanelAlarm, in.LoopsAlarm, in.AncillaryAlarm, r.AlarmCurrent),
        bs ? "C = 1.25 × (T1 × I1 + D × I2 × T2)" : "C = F × (T1 × I1 + I2 × T2)",
        FormulaInNumbers(in, r),
    };
    if (!r.PanelCurrentsKnown)
        lines.insert(lines.begin() + 1, "The panel gives no standby or alarm current of its own: type them");
    if (bs)
        lines.push_back(DeratingLine(r));
    lines.push_back(StandardLine(in, r));
    lines.push_back(FittedLine(in, r));
    lines.push_back(PanelLine(in, r));
    lines.push_back(ChargerLine(in, r));
    if (r.MaxStandby)
        lines.push_back("Largest standby current the " + Ah(*in.FittedBattery) + " battery allows: " + MA(*r.MaxStandby));
    lines.push_back("12 V batteries, in pairs for a 24 V panel");
    return lines;
}
