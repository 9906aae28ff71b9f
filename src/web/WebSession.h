#pragma once
// One run of the program in a page: the settings kept in the browser's
// storage, the options, the catalogue, the open document and the recent
// files, started as the desktop program starts; and the document's ways in
// and out as bytes, since the page holds the user's files, not a folder.
// The window cores of the bindings all work on one session.

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/OpenFlow.h"
#include "document/RecentFiles.h"
#include "platform/SettingsStore.h"
#include "web/WebMessageHost.h"

#include <optional>
#include <string>
#include <string_view>

class WebSession {
public:
    WebSession();
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    // The catalogues in the desktop's order with its messages, then the
    // first-start defaults or the stored units, the current panel and a new
    // document. False when a catalogue failed to load.
    bool Start();

    // Opens the bytes of a ".QLX" file as the file `name` through the open
    // flow, with its progress, questions and messages.
    OpenOutcome Open(const std::string& name, std::string_view bytes, bool readOnly);
    // Saves to the document's own file (a new site's name as a file name
    // when it has none); the bytes written, nothing when the save failed
    // (and said why) or was refused.
    std::optional<std::string> Save();
    // Saves as the file `name`, asking first when a file of the longer name
    // (".QLX" added) was saved before; the file saved becomes the document's
    // and the first of the recent files.
    std::optional<std::string> SaveAs(const std::string& name);
    // A new, empty document for the current panel.
    void New();
    // Before New, Open or leaving: a changed document asks "Configuration
    // data has not been saved." first; false when the user stays. A save the
    // user asks for there goes through `save` (the page's own Save).
    bool CheckSaved();

    // "The file 'name' could not be taken into the page."
    void TellNotTakenIn(const std::string& name);
    // The bytes of the file the page gave as `name`, written into `folder`
    // under the last part of that name; the path, or nothing once told why.
    std::optional<std::string> TakeIn(const std::string& folder, const std::string& name, std::string_view bytes);

    // Where the page's files live in the module's file system.
    static std::string DocumentFile(const std::string& name);

    Catalogue& catalogue() { return catalogue_; }
    Options& options() { return options_; }
    Document& document() { return document_; }
    RecentFiles& recentFiles() { return recent_; }
    const DataFiles& files() const { return files_; }
    const std::string& settingsPath() const { return store_.Path(); }
    MessageHost& host() { return host_; }
    BusyPointer& pointer() { return pointer_; }
    const std::string& localeId() const { return localeId_; }

private:
    std::optional<std::string> SaveTo(const std::string& path);

    WebMessageHost host_;
    WebBusyPointer pointer_;
    std::string localeId_;
    DataFiles files_;
    SettingsStore store_;
    Options options_;
    Catalogue catalogue_;
    Document document_;
    RecentFiles recent_;
};
