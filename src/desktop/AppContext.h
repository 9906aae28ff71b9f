#pragma once
// The desktop program: the one catalogue, options, document and data files of
// a run, the main window over them, and the start-up around it: the splash
// window, the catalogues, the first-start or new-version dialog and the
// command line.

#include "desktop/AppEnvironment.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/RecentFiles.h"
#include "platform/SettingsStore.h"
#include "desktop/QtHelp.h"
#include "desktop/QtHelpKey.h"

#include <functional>
#include <memory>

class FileChooser;
class MessageHost;
class QtBusyPointer;
class dlgAbout;
class frmMain;

class AppContext {
public:
    // What the run talks to the user through; the defaults are the desktop's
    // own (the browser for help, the print system for printers).
    struct Hosts {
        MessageHost& messages;
        FileChooser& files;
        QtHelp::Opener openHelp = {};
        std::function<bool()> printerInstalled = {};
    };

    AppContext(AppEnvironment environment, Hosts hosts);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // The main window's load: splash window, recent files, the catalogues
    // (with the settings carried over from the older release), the current
    // panel and a new document. False when a catalogue failed to load: its
    // messages have been shown and the run ends.
    bool Load();
    // Shows the main window at its remembered size; its first activation
    // finishes the start-up.
    void Show();
    // Closes the splash window, shows the welcome or new-version dialog and
    // carries out the command line. Runs once.
    void FirstActivation();
    // True once the command line has ended the run (printed, or an unknown
    // option).
    bool Ended() const { return ended_; }

    frmMain& MainWindow() { return *main_; }
    Catalogue& catalogue() { return catalogue_; }
    Options& options() { return options_; }
    Document& document() { return document_; }
    RecentFiles& recentFiles() { return recent_; }

private:
    void HandleCommandLine();

    AppEnvironment environment_;
    Hosts hosts_;
    SettingsStore store_;
    Options options_;
    Catalogue catalogue_;
    Document document_;
    RecentFiles recent_;
    QtHelp help_;
    QtHelpKey helpKey_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<dlgAbout> splash_;
    std::unique_ptr<QtBusyPointer> loading_;
    bool ended_ = false;
};
