// Walks through the native window cores, as the desktop windows take them,
// for the module's walk (walk.test.mjs) and the browser app's (web/tests)
// to save the same bytes as:
//
//   ferrolux_native_walk SAVED.QLX            a new site named, a two-loop
//     panel chosen, loop 1 designed with its cable laid out, loop 2 given
//     devices, the power supply set, then saved
//   ferrolux_native_walk --from-nothing SAVED.QLX    a new site named, a
//     two-loop panel, loop 1 named, given four types and an isolator, its
//     cable and calculation type chosen, then saved
//
// Starts as ferrolux-calc and the module start, from the settings of the
// environment. Every box is answered with its default button but the one
// question the walk answers Yes; each box is written to stderr as one line,
// "CAPTION: TEXT", for the test to hold against the module's.

#include "catalogues/Catalogue.h"
#include "catalogues/CatalogueStartup.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/DocumentWriter.h"
#include "document/FirstStart.h"
#include "document/NewDocument.h"
#include "document/Shell.h"
#include "forms/CableLayoutCore.h"
#include "forms/LoopEditorCore.h"
#include "forms/LoopParameters.h"
#include "forms/MainWindowCore.h"
#include "forms/PowerCore.h"
#include "platform/Folders.h"
#include "platform/Locale.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <iostream>
#include <string>

namespace {

// What the module's session holds.
struct Site {
    SettingsStore store{SettingsStore::DefaultPath()};
    Options options{store};
    Catalogue catalogue;
    Document document{catalogue};
    ScriptedMessageHost host;
    std::string localeId = Locale::LocaleIdentifier();

    // The catalogues, the first-start defaults and the current panel, as WebSession::Start.
    bool Start()
    {
        if (!LoadCatalogues(catalogue, options, host, {DataFiles::Locate(), Folders::OldSettingsFile(), localeId}))
            return false;
        if (FirstStart::IsFirstStart(options))
            Shell::ApplyFirstStartDefaults(catalogue, options, localeId, Locale::IMeasure());
        else
            options.LoadUnits(host);
        MainWindowCore::ChangePanel(document, catalogue, options, host, catalogue.CurrentPanel, true);
        NewSite();
        return true;
    }
    void NewSite() { NewDocument(document, CurrentLoopDefaults(options, catalogue)); }

    int PanelNamed(const std::string& name) const
    {
        const auto found = std::ranges::find(catalogue.Panels, name, &PanelRecord::Name);
        return found == catalogue.Panels.end() ? -1 : static_cast<int>(found - catalogue.Panels.begin());
    }
};

// The loop editor opened on a loop, as frmLoop fills its controls.
struct Editor {
    LoopEditorCore core;
    LoopParameters parameters;

    Editor(Site& site, int loop)
        : core(site.document, site.options, site.host, loop), parameters(core, site.options.Units())
    {
        core.Activate();
        parameters.Load();
        core.AcceptChange(false);
    }
    bool Quantity(size_t shownRow, const std::string& text)
    {
        return core.CommitDeviceQuantity(core.ShownDeviceRows().at(shownRow), LoopEditorCore::QuantityFromText(text));
    }
    bool Quantity(const std::string& type, const std::string& text)
    {
        const auto& shown = core.ShownDeviceRows();
        const auto found = std::ranges::find(shown, type, [&](size_t row) { return core.DeviceRowTexts(row).Name; });
        return found != shown.end() &&
               core.CommitDeviceQuantity(*found, LoopEditorCore::QuantityFromText(text));
    }
    bool OtherQuantity(size_t row, const std::string& text)
    {
        return core.CommitOtherQuantity(row, LoopEditorCore::QuantityFromText(text));
    }
    bool ChooseCable(const std::string& name)
    {
        const auto cables = parameters.CableList();
        const auto found = std::ranges::find(cables, name, &LoopParameters::CableEntry::Name);
        if (found == cables.end() || found->Cable < 0)
            return false;
        parameters.ChooseCable(found->Cable);
        return true;
    }
    // The cable layout window opened from the editor, the distances pasted, then OK.
    void PasteLayout(const std::string& text)
    {
        LoopEditorCore::EditorState before = core.Snapshot();
        CableLayoutCore layout(core.Doc(), parameters.Units(), core.Host(), core.LoopNum());
        layout.Paste(text);
        layout.Apply();
        core.RecordStep(std::move(before), LoopEditorCore::CableLayoutStep);
    }
    bool Ok()
    {
        if (!core.ConfirmOK())
            return false;
        core.Accept();
        return true;
    }
};

// A new site named, a character at a time, on the two-loop panel.
bool NewTwoLoopSite(Site& site, const std::string& name)
{
    site.NewSite();
    for (size_t typed = 1; typed <= name.size(); ++typed)
        if (typed == name.size() || (name[typed] & 0xC0) != 0x80)  // a whole character typed
            MainWindowCore::SetSiteName(site.document, name.substr(0, typed));
    return MainWindowCore::ChangePanel(site.document, site.catalogue, site.options, site.host,
                                       site.PanelNamed("Brannoch B200 Two Loop"), false) ==
           MainWindowCore::PanelChange::Applied;
}

bool FromNothing(Site& site)
{
    if (!NewTwoLoopSite(site, "Canal Street Depot"))
        return false;
    Editor loop(site, 1);
    loop.core.SetLoopName("Ground floor");
    if (!loop.Quantity("Optical Smoke Detector", "20") || !loop.Quantity("Manual Call Point", "6") ||
        !loop.Quantity("Wall Sounder", "8") || !loop.Quantity("Heat Detector Fixed 78C", "4") ||
        !loop.Quantity("Loop Isolator Module", "2") || !loop.ChooseCable("2.5 mm²"))
        return false;
    loop.parameters.SetCalcType(CalculationType::MaxCableRun);
    return loop.Ok();
}

bool Walk(Site& site)
{
    if (!NewTwoLoopSite(site, "Quai Saint-Rémy Depot"))
        return false;

    {
        Editor loop(site, 1);
        if (!loop.Quantity(0, "24") || !loop.Quantity(1, "6") || !loop.OtherQuantity(0, "3") ||
            !loop.ChooseCable("1.5 mm²") || !loop.parameters.CommitTotalLength("420"))
            return false;
        loop.PasteLayout("Address\tDistance\n1\t15\n2\t32.5\n3,60\n");
        if (!loop.Ok())
            return false;
    }
    {
        // No total cable run on loop 2: the question is answered Yes.
        Editor loop(site, 2);
        if (!loop.Quantity(0, "12"))
            return false;
        site.host.Answer(MsgResult::Yes);
        if (!loop.Ok())
            return false;
    }
    PowerCore power(site.document, site.localeId);
    PowerCore::Entries boxes = PowerCore::WithRule(power.Boxes(), PowerRule::NFPA2022, false);
    boxes.Loads.push_back({"Door holders", "4", "25", "25"});
    boxes.Fitted = power.BatteryChoices().at(3);
    return !power.OK(site.host, boxes);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool fromNothing = argc == 3 && std::string(argv[1]) == "--from-nothing";
    if (argc != 2 && !fromNothing) {
        std::cerr << "usage: ferrolux_native_walk [--from-nothing] SAVED.QLX\n";
        return 2;
    }
    Site site;
    const bool walked = site.Start() && (fromNothing ? FromNothing(site) : Walk(site)) &&
                        WriteDocument(site.document, argv[argc - 1], site.localeId, site.host);
    for (const ScriptedMessageHost::Box& box : site.host.boxes)
        std::cerr << OneLineMessage(box.Caption, box.Text) << '\n';
    if (!walked)
        std::cerr << "ferrolux_native_walk: the walk stopped part-way\n";
    return walked ? 0 : 1;
}
