#include "web/WebSession.h"

#include "catalogues/CatalogueStartup.h"
#include "document/DocumentWriter.h"
#include "document/FirstStart.h"
#include "document/NewDocument.h"
#include "document/SaveWithBackup.h"
#include "document/Shell.h"
#include "forms/MainWindowCore.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Locale.h"

#include <filesystem>

namespace {

constexpr const char* DocumentsFolder = "/documents/";

// Only the last part of a name the page gives counts: files stay in one folder.
std::string FileIn(const std::string& folder, const std::string& name)
{
    const size_t slash = name.find_last_of("/\\");
    return folder + (slash == std::string::npos ? name : name.substr(slash + 1));
}

}  // namespace

WebSession::WebSession()
    : localeId_(Locale::LocaleIdentifier()),
      files_(DataFiles::Locate()),
      store_(SettingsStore::DefaultPath()),
      options_(store_),
      document_(catalogue_),
      recent_(options_)
{
}

bool WebSession::Start()
{
    recent_.Load();
    if (!LoadCatalogues(catalogue_, options_, host_, {files_, Folders::OldSettingsFile(), localeId_}))
        return false;
    if (FirstStart::IsFirstStart(options_))
        Shell::ApplyFirstStartDefaults(catalogue_, options_, localeId_, Locale::IMeasure());
    else
        options_.LoadUnits(host_);
    MainWindowCore::ChangePanel(document_, catalogue_, options_, host_, catalogue_.CurrentPanel, true);
    New();
    return true;
}

void WebSession::TellNotTakenIn(const std::string& name)
{
    MsgBox(host_, "The file '" + name + "' could not be taken into the page.", MsgStyle::Critical);
}

std::optional<std::string> WebSession::TakeIn(const std::string& folder, const std::string& name,
                                              std::string_view bytes)
{
    const std::string path = FileIn(folder, name);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (FileSystem::WriteFileAtomically(path, bytes))
        return path;
    TellNotTakenIn(name);
    return std::nullopt;
}

std::string WebSession::DocumentFile(const std::string& name) { return FileIn(DocumentsFolder, name); }

OpenOutcome WebSession::Open(const std::string& name, std::string_view bytes, bool readOnly)
{
    const std::optional<std::string> taken = TakeIn(DocumentsFolder, name, bytes);
    if (!taken)
        return OpenOutcome::Refused;
    const std::string& path = *taken;
    WebOpenProgress progress;
    OpenFlowShell shell{[this](const std::string& opened) { recent_.Add(opened); }, {}, {}};
    OpenFlow flow(document_, catalogue_, options_, host_, progress, std::move(shell));
    flow.DoMenuOpen(path, readOnly);
    return flow.Outcome();
}

std::optional<std::string> WebSession::SaveTo(const std::string& path)
{
    if (!WriteDocument(document_, path, localeId_, host_))
        return std::nullopt;
    return FileSystem::ReadFileBytes(path);
}

std::optional<std::string> WebSession::Save()
{
    if (document_.ReadOnly) {
        MsgBox(host_, MainWindowCore::ReadOnlySaveMessage(), MsgStyle::Exclamation);
        return std::nullopt;
    }
    if (document_.Path.empty()) {
        // A new site: saved under the name the desktop's save dialog offers first.
        const std::string preset = MainWindowCore::SavePreset(document_, DocumentsFolder);
        return SaveAs(preset.empty() ? "Untitled.QLX" : preset);
    }
    return SaveTo(document_.Path);
}

std::optional<std::string> WebSession::SaveAs(const std::string& name)
{
    if (document_.ReadOnly) {
        MsgBox(host_, MainWindowCore::ReadOnlySaveMessage(), MsgStyle::Exclamation);
        return std::nullopt;
    }
    const std::optional<std::string> path = MainWindowCore::SaveAsPath(DocumentFile(name), host_);
    if (!path)
        return std::nullopt;
    std::optional<std::string> bytes = SaveTo(*path);
    if (bytes) {
        // The file saved becomes the document's, as the desktop's Save As makes it.
        document_.Path = *path;
        recent_.Add(*path);
    }
    return bytes;
}

void WebSession::New() { NewDocument(document_, CurrentLoopDefaults(options_, catalogue_)); }

bool WebSession::CheckSaved()
{
    return Shell::CheckSaved(document_, host_, [this] { return Save().has_value(); });
}
