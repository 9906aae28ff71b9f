#include "forms/MainWindowCore.h"

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "catalogues/PanelCatalogue.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "document/NewDocument.h"
#include "document/RecentFiles.h"
#include "document/SaveWithBackup.h"
#include "platform/MessageHost.h"
#include "platform/OutputFile.h"

#include <filesystem>
#include <string_view>

namespace MainWindowCore {

namespace {

constexpr const char* CopyLoopCaption = "Copy Loop";
constexpr const char* ClearLoopCaption = "Clear Loop";

std::string LoopWord(int loop) { return "Loop " + std::to_string(loop); }

std::string DevicesWord(int32_t count) { return std::to_string(count) + (count == 1 ? " device" : " devices"); }

// Why the current panel cannot take the copy; empty when it can.
std::string CopyRefusal(const Document& document, int from, int to)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    if (!panel)
        return "No control panel is chosen. Nothing was copied.";
    for (const int loop : {from, to})
        if (!LoopRowShown(document.Catalog(), loop))
            return "The " + panel->Name + " panel has no loop " + std::to_string(loop) + ". Nothing was copied.";
    const int32_t devices = document.Loop(from).QtyDevices();
    if (devices > panel->MaxDevicesPerLoop)
        return LoopWord(from) + " holds " + DevicesWord(devices) + ", more than the " +
               std::to_string(panel->MaxDevicesPerLoop) + " the " + panel->Name +
               " panel allows on a loop. Nothing was copied.";
    return {};
}

}  // namespace

PanelChange ChangePanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host, int panel,
                        bool startingUp)
{
    if (panel < 0 || static_cast<size_t>(panel) >= catalogue.Panels.size())
        return PanelChange::Unchanged;
    if (!startingUp && panel == catalogue.CurrentPanel)
        return PanelChange::Unchanged;

    const PanelRecord* current = catalogue.CurrentPanelRecord();
    const PanelRecord before = current ? *current : PanelRecord{};
    const PanelRecord chosen = catalogue.Panels[static_cast<size_t>(panel)];
    DocumentEdit edit(document, DocumentEdit::AllLoops());
    CalculationSupport::ClampMaxOutputs(document, chosen.Outputs);
    if (!CalculationSupport::CheckLoopCountChange(document, host, before.Loops, chosen.Loops,
                                                  CurrentLoopDefaults(options, catalogue)) ||
        !CalculationSupport::CheckDeviceLimitChange(document, host, before.MaxDevicesPerLoop,
                                                    chosen.MaxDevicesPerLoop)) {
        // The outputs already lowered to the chosen panel's stay lowered:
        // a step of their own, so that undo and redo pass over them too.
        edit.Commit("Activated Outputs for " + chosen.Name);
        return PanelChange::Abandoned;
    }

    SetCurrentPanel(catalogue, options, panel);
    CalculationSupport::RecalculateAll(document);
    if (!startingUp) {
        document.MarkChanged();
        edit.Commit("Control Panel " + chosen.Name);
    }
    return PanelChange::Applied;
}

void SetSiteName(Document& document, std::string_view text)
{
    DocumentEdit edit(document, {});
    const size_t first = text.find_first_not_of(' ');
    document.SiteName = first == std::string_view::npos
                            ? std::string()
                            : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
    document.MarkChanged();
    // The keys of one name typed in a row are one step.
    edit.Commit("Site Name", "site name");
}

bool CopyLoop(Document& document, MessageHost& host, int from, int to)
{
    if (from == to)
        return false;
    if (const std::string refusal = CopyRefusal(document, from, to); !refusal.empty()) {
        MsgBox(host, refusal, MsgStyle::Exclamation, CopyLoopCaption);
        return false;
    }
    const int32_t held = document.Loop(to).QtyDevices();
    if (held > 0 && MsgBox(host,
                           LoopWord(to) + " holds " + DevicesWord(held) + ". Replace them with a copy of loop " +
                               std::to_string(from) + "?",
                           MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                           CopyLoopCaption) != MsgResult::Yes)
        return false;

    DocumentEdit edit(document, {to});
    LoopState copy = CaptureLoop(document, from);
    copy.Loop = to;
    copy.Name = (copy.Name.empty() ? LoopWord(from) : copy.Name) + " (copy)";
    RestoreLoop(document, copy);
    CalculationSupport::RecalculateLoop(document, to);
    document.MarkChanged();
    edit.Commit("Copy " + LoopWord(from) + " to " + LoopWord(to));
    return true;
}

bool ClearLoop(Document& document, MessageHost& host, int loop, const CalculationSupport::LoopDefaults& defaults)
{
    const int32_t held = document.Loop(loop).QtyDevices();
    if (held > 0 && MsgBox(host,
                           "Clear loop " + std::to_string(loop) + "? Its " + DevicesWord(held) +
                               " and its cable and name are removed.",
                           MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                           ClearLoopCaption) != MsgResult::Yes)
        return false;
    DocumentEdit edit(document, {loop});
    CalculationSupport::ClearLoop(document, loop, defaults);
    CalculationSupport::RecalculateLoop(document, loop);
    // A loop that was empty already leaves the document as it was.
    if (CaptureLoop(document, loop) == edit.Before().Loops.front())
        return false;
    document.MarkChanged();
    edit.Commit("Clear " + LoopWord(loop));
    return true;
}

bool LoopRowShown(const Catalogue& catalogue, int loop)
{
    const PanelRecord* panel = catalogue.CurrentPanelRecord();
    return panel && loop >= 1 && loop <= panel->Loops;
}

int NextShownLoop(const Catalogue& catalogue, int loop)
{
    for (int step = 1; step < Document::LoopCount; ++step) {
        const int next = (loop - 1 + step) % Document::LoopCount + 1;
        if (LoopRowShown(catalogue, next))
            return next;
    }
    return loop;
}

std::vector<LoopChoice> LoopChoices(const Document& document)
{
    std::vector<LoopChoice> choices;
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        if (!LoopRowShown(document.Catalog(), loop))
            continue;
        const std::string& name = document.LoopName(loop);
        choices.push_back({loop, std::to_string(loop) + (name.empty() ? "" : "  " + name)});
    }
    return choices;
}

std::string AlarmNotesCaption(const Catalogue& catalogue)
{
    const PanelRecord* panel = catalogue.CurrentPanelRecord();
    return "(max. permissible = " + std::to_string(panel ? panel->MaxTotalCurrent : 0) + " mA)";
}

std::string ReadOnlySaveMessage()
{
    return "The configuration data was Opened as 'Read Only'.\n\nIt cannot be saved.";
}

bool OutputRefused(const Document& document, const std::string& what, const std::string& path, MessageHost& host)
{
    const auto clash = FileSystem::FindOutputClash({{"the open document", document.Path}}, {{"The " + what, path}});
    if (!clash)
        return false;
    MsgBox(host,
           clash->Text() + ".\n\nWriting the " + what +
               " there would replace the document. Nothing was written: choose another file.",
           MsgStyle::Exclamation);
    return true;
}

std::string ReadOnlyPrintMessage()
{
    return "The configuration data was Opened as 'Read Only'.\n\nIt cannot be printed after it has been changed.";
}

bool PrintRefused(const Document& document) { return document.ReadOnly && document.Dirty; }

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string DialogStartFolder(const Options& options, const std::string& documentsFolder)
{
    const std::string stored = options.GetSettingString(SettingName::QlxPath);
    return stored.empty() ? documentsFolder : stored;
}

std::string FileNameForSite(std::string_view siteName)
{
    constexpr std::string_view forbidden = "\\/:*?\"<>|";
    std::string name;
    for (const char c : siteName) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        name += control || forbidden.find(c) != std::string_view::npos ? '_' : c;
    }
    // A name may not end in a blank or a dot on every desktop.
    name.erase(name.find_last_not_of(" .") + 1);
    return name.empty() ? "" : name + ".QLX";
}

std::string SavePreset(const Document& document, const std::string& currentFolder)
{
    if (document.Path.empty())
        return FileNameForSite(document.SiteName);
    return PathShownFrom(document.Path, currentFolder);
}

std::optional<std::string> SaveAsPath(const std::string& chosen, MessageHost& host)
{
    const std::string path = DocumentPath(chosen);
    std::error_code error;
    if (path == chosen || !std::filesystem::exists(path, error))
        return path;
    if (MsgBox(host, ReplaceFileQuestion(path), MsgStyle::YesNo + MsgStyle::Exclamation + MsgStyle::DefaultButton2) !=
        MsgResult::Yes)
        return std::nullopt;
    return path;
}

std::string ReplaceFileQuestion(const std::string& path)
{
    return "'" + path + "' already exists.\n\nDo you want to replace it?";
}

}  // namespace MainWindowCore
