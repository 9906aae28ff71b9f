// The user's own files to JavaScript: the user-defined panels and the
// settings handed out as the bytes the program keeps, and taken back in
// through the core's import rules. The imports may ask; every question comes
// before the first write, so that a call made again writes nothing twice.

#include "catalogues/SharedFiles.h"
#include "platform/FileSystem.h"
#include "web/WebBytes.h"
#include "web/WebSession.h"

#include <emscripten/bind.h>

#include <optional>
#include <string>

namespace {

using emscripten::val;

val Exported(WebSession& session, const SharedFiles::SharedFile& file)
{
    const auto bytes = SharedFiles::ReadForExport(session.host(), file);
    if (!bytes)
        return val::null();
    val shared = val::object();
    shared.set("name", file.Name);
    shared.set("bytes", BytesToJs(*bytes));
    return shared;
}

class WebSharedFiles {
public:
    explicit WebSharedFiles(WebSession& session) : session_(session) {}

    val ExportPanels() { return Exported(session_, SharedFiles::UserPanels(session_.files())); }
    val ExportOptions() { return Exported(session_, SharedFiles::Settings(session_.settingsPath())); }

    // Null when the file was refused (and said why); else what was stored.
    val ImportPanels(const std::string& name, const std::string& bytes)
    {
        const std::optional<std::string> path = session_.TakeIn("/imports/", name, bytes);
        if (!path)
            return val::null();
        const auto panels = SharedFiles::ReadPanelImport(session_.host(), session_.catalogue(), *path, name);
        if (!panels)
            return val::null();
        const SharedFiles::ImportOutcome outcome =
            SharedFiles::ImportPanels(session_.catalogue(), session_.host(), session_.files(), *panels);
        val done = val::object();
        done.set("added", outcome.Added);
        done.set("replaced", outcome.Replaced);
        done.set("changed", outcome.Changed());
        done.set("failure", outcome.Failure);
        done.set("caption", std::string(SharedFiles::ImportPanelsCaption));
        return done;
    }

    // True once the settings file is replaced: the page starts again to use it.
    bool ImportOptions(const std::string& name, const std::string& bytes)
    {
        if (!SharedFiles::CheckSettingsImport(session_.host(), bytes, name))
            return false;
        if (FileSystem::WriteFileAtomically(session_.settingsPath(), bytes))
            return true;
        session_.TellNotTakenIn(name);
        return false;
    }

private:
    WebSession& session_;
};

val MenuItems()
{
    val items = val::object();
    items.set("exportPanels", std::string(SharedFiles::ExportPanelsItem));
    items.set("importPanels", std::string(SharedFiles::ImportPanelsItem));
    items.set("exportOptions", std::string(SharedFiles::ExportOptionsItem));
    items.set("importOptions", std::string(SharedFiles::ImportOptionsItem));
    return items;
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_shared_files)
{
    using namespace emscripten;
    function("sharedFileItems", &MenuItems);
    class_<WebSharedFiles>("SharedFiles")
        .constructor<WebSession&>()
        .function("exportPanels", &WebSharedFiles::ExportPanels)
        .function("exportOptions", &WebSharedFiles::ExportOptions)
        .function("importPanels", &WebSharedFiles::ImportPanels)
        .function("importOptions", &WebSharedFiles::ImportOptions);
}
