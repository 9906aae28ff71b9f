#include "forms/PanelEditorCore.h"

#include "text/Blanks.h"
#include "document/CalculationSupport.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "catalogues/AddressRanges.h"
#include "catalogues/PanelCatalogue.h"
#include "document/NewDocument.h"
#include "platform/CaseFold.h"

#include <vector>

namespace {

using Field = PanelEditorCore::Field;
using Outcome = PanelEditorCore::Outcome;

constexpr int WarningStyle = MsgStyle::OKOnly + MsgStyle::Exclamation;

size_t Index(Field box)
{
    return static_cast<size_t>(box);
}

Outcome Stay(Field focus, bool changed = false)
{
    return {false, focus, changed};
}

std::string Number(int value)
{
    return std::to_string(value);
}

// Hundredths as the boxes show them ("#########0.00").
std::string Hundredths(int value)
{
    return Rounding::FormatFixed(value / 100.0, 2);
}

// The value to the nearest whole, halves to even; the checks before keep it
// within the field's type.
template <typename Whole>
Whole Nearest(double value)
{
    return static_cast<Whole>(Rounding::RoundHalfEven(value));
}

}  // namespace

// One number box: its limits, its message and where its value goes, with
// the question some values raise once the box has passed. A figure the panel
// need not give (Given) may be left empty, which stores none; its value is
// kept in units of 1/Scale.
struct PanelEditorCore::NumberRule {
    Field Box;
    double Minimum;
    double Maximum;
    std::string Message;
    void (*Store)(PanelRecord&, double) = nullptr;
    bool (*Asks)(double) = nullptr;
    const char* Question = nullptr;
    std::optional<int32_t> PanelRecord::*Given = nullptr;
    int Scale = 1;
};

PanelEditorCore::KeyAction PanelEditorCore::KeyPressed(Field box, char32_t key)
{
    if (key == U'\r')
        return KeyAction::NextBox;
    if (box == Field::Name || box == Field::Manufacturer)
        return KeyAction::Accept;
    if (key == U'\b' || (key >= U'0' && key <= U'9'))
        return KeyAction::Accept;
    if (key == U'.' && (box == Field::Impedance || box == Field::Voltage || box == Field::MaxBattery))
        return KeyAction::Accept;
    return KeyAction::Refuse;
}

PanelEditorCore::Field PanelEditorCore::NextField(Field box)
{
    switch (box) {
    case Field::Name:
    case Field::Manufacturer:  // display only, and out of the Enter order
        return Field::Loops;
    case Field::OKButton:
        return Field::OKButton;
    default:
        return static_cast<Field>(static_cast<int>(box) + 1);
    }
}

bool PanelEditorCore::Open(int panelNum)
{
    const Catalogue& catalogue = s_.catalogue;
    const auto isPanel = [&](int p) { return p >= 0 && static_cast<size_t>(p) < catalogue.Panels.size(); };
    panelNum_ = panelNum;
    if (panelNum == -1) {
        copy_ = isPanel(catalogue.DefaultPanel) ? catalogue.Panels[static_cast<size_t>(catalogue.DefaultPanel)]
                                                : PanelRecord{};
        copy_.Name = NewPanelName;
        copy_.IsStandard = false;
        copy_.Manufacturer = static_cast<int16_t>(catalogue.UserDefinedManufacturer);
        copy_.Section.clear();
        return true;
    }
    if (!isPanel(panelNum)) {
        MsgBox(s_.host, "Internal error: invalid control panel", WarningStyle);
        return false;
    }
    copy_ = catalogue.Panels[static_cast<size_t>(panelNum)];
    return true;
}

std::string PanelEditorCore::NotesText() const
{
    return IsReadOnly() ? "This is a 'standard' panel.  Its parameters cannot be edited."
                        : "This is a 'user-defined' panel.  Its parameters may be edited.";
}

std::string PanelEditorCore::CloseCaption() const
{
    return IsReadOnly() ? "Close" : "Cancel";
}

std::string PanelEditorCore::ManufacturerName() const
{
    const auto& manufacturers = s_.catalogue.PanelManufacturers;
    return copy_.Manufacturer >= 0 && static_cast<size_t>(copy_.Manufacturer) < manufacturers.size()
               ? manufacturers[static_cast<size_t>(copy_.Manufacturer)].Name
               : std::string();
}

PanelEditorCore::Entries PanelEditorCore::Boxes() const
{
    Entries boxes;
    boxes[Index(Field::Name)] = copy_.Name;
    boxes[Index(Field::Manufacturer)] = ManufacturerName();
    boxes[Index(Field::Loops)] = Number(copy_.Loops);
    boxes[Index(Field::Impedance)] = Hundredths(copy_.DriverImpedance);
    boxes[Index(Field::LED)] = Number(copy_.AlarmLEDs);
    boxes[Index(Field::RemoteLED)] = Number(copy_.RemoteLEDs);
    boxes[Index(Field::Output)] = Number(copy_.Outputs);
    boxes[Index(Field::LoopCurrent)] = Number(copy_.MaxLoopCurrent);
    boxes[Index(Field::TotalCurrent)] = Number(copy_.MaxTotalCurrent);
    boxes[Index(Field::Voltage)] = Hundredths(copy_.MinLoopVoltage);
    boxes[Index(Field::IsolatorPoints)] = Number(copy_.MaxPointsBetweenIsolators);
    const auto given = [](const std::optional<int32_t>& value, std::string (*format)(int)) {
        return value ? format(*value) : std::string();
    };
    boxes[Index(Field::StandbyCurrent)] = given(copy_.StandbyCurrent, Number);
    boxes[Index(Field::AlarmCurrent)] = given(copy_.AlarmCurrent, Number);
    boxes[Index(Field::MaxBattery)] = given(copy_.MaxBattery, Hundredths);
    boxes[Index(Field::ChargerCurrent)] = given(copy_.ChargerCurrent, Number);
    return boxes;
}

std::string PanelEditorCore::TrimmedName(std::string_view text)
{
    return std::string(Blanks::Trim(text));
}

PanelEditorCore::Outcome PanelEditorCore::OK(const Entries& entries)
{
    if (IsReadOnly())  // a standard panel is never stored
        return {true, Field::Name, false};
    const std::string name = TrimmedName(entries[Index(Field::Name)]);
    if (const auto refusal = CheckName(name))
        return *refusal;
    copy_.Name = name;
    if (const auto refusal = CheckNumbers(entries))
        return *refusal;
    return Save();
}

std::optional<PanelEditorCore::Outcome> PanelEditorCore::CheckName(const std::string& name) const
{
    // An empty name would mark the panel's slot in the user's panel file as
    // free, so the panel would be gone at the next start: it is refused as
    // the unchosen name is.
    if (name == NewPanelName || name.empty()) {
        MsgBox(s_.host, "A panel name has not been chosen!", WarningStyle);
        return Stay(Field::Name);
    }
    // Deleted panels count too: they stay in the catalogue for the rest of the
    // run, and selecting a panel by name could find the deleted one first.
    const std::string folded = FoldCase(name);
    const auto& panels = s_.catalogue.Panels;
    for (size_t p = 0; p < panels.size(); ++p)
        if (static_cast<int>(p) != panelNum_ && FoldCase(panels[p].Name) == folded) {
            MsgBox(s_.host,
                   "Each control panel must have unique name.\n\nThere is already a control panel with this name!",
                   WarningStyle);
            return Stay(Field::Name);
        }
    return std::nullopt;
}

std::optional<PanelEditorCore::Outcome> PanelEditorCore::CheckNumbers(const Entries& entries)
{
    const int addresses = LoopAddressLimit(s_.catalogue);
    const double limit = addresses;
    const std::string leds = Number(addresses);
    const std::vector<NumberRule> rules = {
        {Field::Loops, 1, 8, "A Number of Loops between 1 and 8 must be chosen!",
         [](PanelRecord& panel, double value) { panel.Loops = Nearest<uint8_t>(value); }},
        {Field::Impedance, 0, 320, "A Loop Driver Impedance between 0 and 320 ohms must be chosen!",
         [](PanelRecord& panel, double value) { panel.DriverImpedance = Nearest<int16_t>(value * 100); },
         [](double value) { return value < 0.01; }, "Is the Loop Driver Impedance really this low?"},
        {Field::LED, 1, limit,
         "A maximum Number of LED's in alarm between 1 and " + leds + " (normally not more than 20) must be chosen!",
         [](PanelRecord& panel, double value) { panel.AlarmLEDs = Nearest<uint8_t>(value); },
         [](double value) { return value > 20; }, "Can this panel really turn on more than 20 LED's?"},
        {Field::RemoteLED, 1, limit,
         "A maximum Number of Remote LED's in alarm between 1 and " + leds + " must be chosen!",
         [](PanelRecord& panel, double value) { panel.RemoteLEDs = Nearest<uint8_t>(value); }},
        {Field::Output, 1, limit,
         "A maximum Number of Outputs in alarm between 1 and " + leds + " must be chosen!",
         [](PanelRecord& panel, double value) { panel.Outputs = Nearest<uint8_t>(value); }},
        {Field::LoopCurrent, 1, 10000, "A maximum Loop Current between 1 and 10000 mA must be chosen!",
         [](PanelRecord& panel, double value) { panel.MaxLoopCurrent = Nearest<int16_t>(value); }},
        {Field::TotalCurrent, 1, 32000, "A total maximum Loop Current between 1 and 32000 mA must be chosen!",
         [](PanelRecord& panel, double value) { panel.MaxTotalCurrent = Nearest<int16_t>(value); }},
        {Field::Voltage, 14, 36, "A minimum Loop Driver Voltage between 14 and 36 V must be chosen!",
         [](PanelRecord& panel, double value) { panel.MinLoopVoltage = Nearest<int16_t>(value * 100); }},
        {Field::IsolatorPoints, 1, 252,
         "A maximum Number of points between isolators between 1 and 252 (normally 32) must be chosen!",
         [](PanelRecord& panel, double value) { panel.MaxPointsBetweenIsolators = Nearest<int16_t>(value); }},
        {.Box = Field::StandbyCurrent, .Minimum = 0, .Maximum = 10000,
         .Message = "A panel Standby Current between 0 and 10000 mA must be chosen, or the box left empty!",
         .Given = &PanelRecord::StandbyCurrent},
        {.Box = Field::AlarmCurrent, .Minimum = 0, .Maximum = 10000,
         .Message = "A panel Alarm Current between 0 and 10000 mA must be chosen, or the box left empty!",
         .Given = &PanelRecord::AlarmCurrent},
        {.Box = Field::MaxBattery, .Minimum = 0.01, .Maximum = 1000,
         .Message = "A maximum Battery Capacity between 0.01 and 1000 Ah must be chosen, or the box left empty!",
         .Given = &PanelRecord::MaxBattery, .Scale = 100},
        {.Box = Field::ChargerCurrent, .Minimum = 1, .Maximum = 32000,
         .Message = "A Charger Current between 1 and 32000 mA must be chosen, or the box left empty!",
         .Given = &PanelRecord::ChargerCurrent},
    };
    for (const NumberRule& rule : rules) {
        const std::string& text = entries[Index(rule.Box)];
        if (rule.Given && Blanks::Trim(text).empty()) {
            copy_.*rule.Given = std::nullopt;
            continue;
        }
        const double value = LeadingNumber(text);
        if (text.empty() || value < rule.Minimum || value > rule.Maximum) {
            MsgBox(s_.host, rule.Message, WarningStyle);
            return Stay(rule.Box);
        }
        if (rule.Given)
            copy_.*rule.Given = Nearest<int32_t>(value * rule.Scale);
        else
            rule.Store(copy_, value);
        if (rule.Asks && rule.Asks(value) &&
            MsgBox(s_.host, rule.Question, MsgStyle::YesNoCancel + MsgStyle::Question) != MsgResult::Yes)
            return Stay(rule.Box);
    }
    return std::nullopt;
}

PanelEditorCore::Outcome PanelEditorCore::Save()
{
    if (panelNum_ == -1) {
        BusyPointer::Scope busy(s_.pointer);
        return Stored(AddUserDefinedPanel(s_.catalogue, s_.files, copy_), false);
    }
    if (panelNum_ == s_.catalogue.CurrentPanel)
        return SaveCurrentPanel();
    BusyPointer::Scope busy(s_.pointer);
    return Stored(UpdateUserDefinedPanel(s_.catalogue, s_.files, panelNum_, copy_), false);
}

PanelEditorCore::Outcome PanelEditorCore::SaveCurrentPanel()
{
    // The loops are fitted against the panel as it is still stored: a loop
    // emptied here takes that panel's outputs, as on any change of panel.
    const PanelRecord& stored = s_.catalogue.Panels[static_cast<size_t>(panelNum_)];
    const CalculationSupport::LoopDefaults defaults = CurrentLoopDefaults(s_.options, s_.catalogue);
    CalculationSupport::ClampMaxOutputs(s_.document, copy_.Outputs);  // never refuses
    if (!CalculationSupport::CheckLoopCountChange(s_.document, s_.host, stored.Loops, copy_.Loops, defaults))
        return Stay(Field::Loops);

    bool written = false;
    {
        BusyPointer::Scope busy(s_.pointer);
        written = UpdateUserDefinedPanel(s_.catalogue, s_.files, panelNum_, copy_);
        // The panel stays current under its new name, which the next start
        // looks for.
        if (written)
            s_.options.SetSettingString(SettingName::LastPanel, copy_.Name);
        // Loops may have been emptied even when the panel could not be written.
        s_.document.MarkChanged();
        CalculationSupport::RecalculateAll(s_.document);
        // The steps so far were worked out against the panel as it was, and
        // the panel file is no part of the document: undo stops here.
        s_.document.History.Clear(false);
    }
    return Stored(written, true);
}

PanelEditorCore::Outcome PanelEditorCore::Stored(bool stored, bool changed)
{
    if (stored)
        return {true, Field::Name, true};
    MsgBox(s_.host, PanelSaveFailure(s_.files), WarningStyle);
    return Stay(Field::Name, changed);
}
