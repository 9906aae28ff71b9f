// The options dialog to JavaScript: the family, Standard Devices and cable
// group lists as the user changes them, the unit system and its captions,
// and OK, which refuses (with its box and the tab to show) or stores, as
// frmOptions uses OptionsDialogCore. Nothing is stored before OK.

#include "forms/OptionsDialogCore.h"
#include "web/WebSession.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

namespace {

using emscripten::val;

val EntriesToJs(const std::vector<OptionsDialogCore::ListEntry>& entries)
{
    return ArrayOf(entries, [](const OptionsDialogCore::ListEntry& entry) {
        val item = val::object();
        item.set("text", entry.Text);
        item.set("number", entry.Number);
        item.set("selected", entry.Selected);
        return item;
    });
}

// frmOptions over the session's catalogue and options; the session outlives it.
class OptionsDialog {
public:
    explicit OptionsDialog(WebSession& session) : session_(session), core_(session.catalogue(), session.options()) {}

    std::string Caption() const { return OptionsDialogCore::Caption; }
    val Families() const { return EntriesToJs(core_.Families()); }
    val StandardDevices() const { return EntriesToJs(core_.StandardDevices()); }
    val CableGroups() const
    {
        return ArrayOf(core_.CableGroups(), [](const CableGroupChoice& choice) {
            val item = val::object();
            item.set("name", choice.Name);
            item.set("group", choice.Group);
            item.set("enabled", choice.Enabled);
            return item;
        });
    }
    int Units() const { return core_.Units(); }

    void SetFamilySelected(size_t entry, bool selected) { core_.SetFamilySelected(entry, selected); }
    void SetStandardSelected(size_t entry, bool selected) { core_.SetStandardSelected(entry, selected); }
    void SetCableGroupEnabled(size_t entry, bool enabled) { core_.SetCableGroupEnabled(entry, enabled); }
    void SetUnits(int units) { core_.SetUnits(units); }

    std::string FamilyCountText() const { return core_.FamilyCountText(); }
    std::string StandardCountText() const { return core_.StandardCountText(); }
    val UnitLabels(int units) const
    {
        const OptionsDialogCore::UnitTexts texts = OptionsDialogCore::UnitLabels(units);
        val labels = val::object();
        labels.set("length", texts.Length);
        labels.set("impedance", texts.Impedance);
        labels.set("impedanceTemp", texts.ImpedanceTemp);
        return labels;
    }
    int HelpTopic(int tab) const { return OptionsDialogCore::HelpTopic(tab); }

    // OK: null once stored, else the refusal told and the tab to show.
    val OK()
    {
        if (const auto refusal = core_.CheckOK()) {
            OptionsDialogCore::ShowRefusal(session_.host(), *refusal);
            val shown = val::object();
            shown.set("tab", static_cast<int>(refusal->ShowTab));
            shown.set("message", refusal->Message);
            return shown;
        }
        const BusyPointer::Scope busy(session_.pointer());
        core_.Store();
        return val::null();
    }

private:
    WebSession& session_;
    OptionsDialogCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_options)
{
    using namespace emscripten;
    class_<OptionsDialog>("OptionsDialog")
        .constructor<WebSession&>()
        .function("caption", &OptionsDialog::Caption)
        .function("families", &OptionsDialog::Families)
        .function("standardDevices", &OptionsDialog::StandardDevices)
        .function("cableGroups", &OptionsDialog::CableGroups)
        .function("units", &OptionsDialog::Units)
        .function("setFamilySelected", &OptionsDialog::SetFamilySelected)
        .function("setStandardSelected", &OptionsDialog::SetStandardSelected)
        .function("setCableGroupEnabled", &OptionsDialog::SetCableGroupEnabled)
        .function("setUnits", &OptionsDialog::SetUnits)
        .function("familyCountText", &OptionsDialog::FamilyCountText)
        .function("standardCountText", &OptionsDialog::StandardCountText)
        .function("unitLabels", &OptionsDialog::UnitLabels)
        .function("helpTopic", &OptionsDialog::HelpTopic)
        .function("ok", &OptionsDialog::OK);
}
