// The main window to JavaScript: what each loop row, the totals and the
// battery line show, the panel chooser and the change of panel, the site
// name, Copy Loop To and Clear Loop, Undo and Redo with their captions, the
// recent files and the window title, as frmMain shows and does them.

#include "catalogues/Catalogue.h"
#include "catalogues/PanelLists.h"
#include "document/AlongCableVerdict.h"
#include "document/SpareCapacity.h"
#include "document/DocumentEdits.h"
#include "document/LoopResults.h"
#include "document/NewDocument.h"
#include "document/PowerText.h"
#include "document/RecentFiles.h"
#include "document/Shell.h"
#include "forms/MainWindowCore.h"
#include "web/WebHistory.h"
#include "web/WebSession.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

namespace {

using emscripten::val;

bool IsLoop(int loop) { return loop >= 1 && loop <= Document::LoopCount; }

const char* PanelChangeName(MainWindowCore::PanelChange change)
{
    switch (change) {
    case MainWindowCore::PanelChange::Unchanged: return "unchanged";
    case MainWindowCore::PanelChange::Abandoned: return "abandoned";
    case MainWindowCore::PanelChange::Applied: return "applied";
    }
    return "unchanged";
}

val PanelItemToJs(const PanelListItem& item)
{
    val panel = val::object();
    panel.set("name", item.Name);
    panel.set("position", item.Position);
    return panel;
}

void SetSpare(val& row, const SpareCell& cell)
{
    row.set("spare", cell.Text);
    row.set("spareBelow", cell.Below);
    row.set("spareDetails", StringsToJs(cell.Details));
}

// frmMain's handlers over the session; the session outlives it.
class MainWindow {
public:
    explicit MainWindow(WebSession& session) : session_(session) {}

    // A loop row (1 to 8) as the window shows it; null for another number.
    val LoopRow(int loop) const
    {
        if (!IsLoop(loop))
            return val::null();
        const Document& document = session_.document();
        const MainLoopRow results = MainLoopRowFor(document.Loop(loop));
        const AlongCableVerdict along = AlongCableVerdictFor(document, loop);
        val row = val::object();
        row.set("loop", loop);
        row.set("shown", MainWindowCore::LoopRowShown(session_.catalogue(), loop));
        row.set("name", document.LoopName(loop));
        row.set("devices", results.Devices);
        row.set("quiescent", results.Quiescent);
        row.set("alarm", results.Alarm);
        row.set("passFail", results.PassFail);
        row.set("satisfactory", results.Satisfactory);
        row.set("alongCable", along.Text);
        row.set("alongCablePass", along.Pass());
        row.set("alongCableHint", along.Hint());
        row.set("alongCableDetails", StringsToJs(AlongCableDetails(along)));
        SetSpare(row, SpareCellFor(document, loop));
        return row;
    }

    val Totals() const
    {
        const MainTotals totals = MainTotalsFor(session_.document());
        val row = val::object();
        row.set("devices", totals.Devices);
        row.set("quiescent", totals.Quiescent);
        row.set("alarm", totals.Alarm);
        row.set("passFail", totals.PassFail);
        row.set("satisfactory", totals.Satisfactory);
        row.set("alarmNoteVisible", totals.AlarmNoteVisible);
        row.set("alarmNotes", MainWindowCore::AlarmNotesCaption(session_.catalogue()));
        SetSpare(row, SpareTotalsFor(session_.document()));
        return row;
    }

    val PowerLine() const
    {
        const ::PowerLine line = PowerLineFor(session_.document(), session_.localeId());
        val shown = val::object();
        shown.set("text", line.Text);
        shown.set("pass", line.Pass);
        return shown;
    }

    // The chooser's outline: each manufacturer with its panels, the user's own
    // among them, and where the current panel is.
    val PanelOutline() const
    {
        const ::PanelOutline outline = FillPanelOutline(session_.catalogue());
        val shown = val::object();
        shown.set("manufacturers", ArrayOf(outline.Manufacturers, [](const PanelOutlineManufacturer& maker) {
                      val item = val::object();
                      item.set("name", maker.Name);
                      item.set("position", maker.Position);
                      item.set("panels", ArrayOf(maker.Panels, PanelItemToJs));
                      return item;
                  }));
        shown.set("selectedManufacturer", outline.SelectedManufacturer);
        shown.set("selectedPanel", outline.SelectedPanel);
        shown.set("manufacturer", outline.SelectedManufacturer >= 0
                                      ? outline.Manufacturers[static_cast<size_t>(outline.SelectedManufacturer)].Name
                                      : std::string());
        return shown;
    }

    int CurrentPanel() const { return session_.catalogue().CurrentPanel; }

    std::string ChangePanel(int position)
    {
        return PanelChangeName(MainWindowCore::ChangePanel(session_.document(), session_.catalogue(),
                                                           session_.options(), session_.host(), position, false));
    }

    std::string SiteName() const { return session_.document().SiteName; }
    void SetSiteName(const std::string& text) { MainWindowCore::SetSiteName(session_.document(), text); }

    bool LoopRowShown(int loop) const { return MainWindowCore::LoopRowShown(session_.catalogue(), loop); }
    int NextShownLoop(int loop) const { return MainWindowCore::NextShownLoop(session_.catalogue(), loop); }
    val LoopChoices() const
    {
        return ArrayOf(MainWindowCore::LoopChoices(session_.document()), [](const MainWindowCore::LoopChoice& choice) {
            val item = val::object();
            item.set("loop", choice.Loop);
            item.set("text", choice.Text);
            return item;
        });
    }
    bool CopyLoop(int from, int to) { return MainWindowCore::CopyLoop(session_.document(), session_.host(), from, to); }
    bool ClearLoop(int loop)
    {
        return IsLoop(loop) &&
               MainWindowCore::ClearLoop(session_.document(), session_.host(), loop,
                                         CurrentLoopDefaults(session_.options(), session_.catalogue()));
    }

    bool Undo() { return UndoEdit(session_.document(), session_.catalogue(), session_.options()); }
    bool Redo() { return RedoEdit(session_.document(), session_.catalogue(), session_.options()); }
    HistoryTexts History() const { return HistoryTextsOf(session_.document().History); }

    // The File menu's recent entries: a caption and a path each, unused ones empty.
    val RecentFiles() const
    {
        const ::RecentFiles& recent = session_.recentFiles();
        return JsArray(::RecentFiles::Count, [&](size_t i) {
            val item = val::object();
            item.set("caption", recent.Caption(i));
            item.set("path", recent.Paths()[i]);
            return item;
        });
    }

    std::string WindowTitle() const { return Shell::WindowTitle(session_.document().Path); }

    bool AskToChooseAgain(const std::string& path) { return ::AskToChooseAgain(session_.host(), path); }

private:
    WebSession& session_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_main_window)
{
    using namespace emscripten;
    class_<MainWindow>("MainWindow")
        .constructor<WebSession&>()
        .function("loopRow", &MainWindow::LoopRow)
        .function("totals", &MainWindow::Totals)
        .function("powerLine", &MainWindow::PowerLine)
        .function("panelOutline", &MainWindow::PanelOutline)
        .function("currentPanel", &MainWindow::CurrentPanel)
        .function("changePanel", &MainWindow::ChangePanel)
        .function("siteName", &MainWindow::SiteName)
        .function("setSiteName", &MainWindow::SetSiteName)
        .function("loopRowShown", &MainWindow::LoopRowShown)
        .function("nextShownLoop", &MainWindow::NextShownLoop)
        .function("loopChoices", &MainWindow::LoopChoices)
        .function("copyLoop", &MainWindow::CopyLoop)
        .function("clearLoop", &MainWindow::ClearLoop)
        .function("undo", &MainWindow::Undo)
        .function("redo", &MainWindow::Redo)
        .function("history", &MainWindow::History)
        .function("recentFiles", &MainWindow::RecentFiles)
        .function("windowTitle", &MainWindow::WindowTitle)
        .function("askToChooseAgain", &MainWindow::AskToChooseAgain);
}
