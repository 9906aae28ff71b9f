#pragma once
// A run of the desktop program in a scratch folder: its own settings file,
// the bundled catalogues with the user-defined panels kept in the scratch
// folder, scripted message boxes and file dialogs, help pages recorded
// instead of opened, and no printer.

#include "desktop/AppContext.h"
#include "desktop/frmMain.h"
#include "document/Shell.h"
#include "platform/MessageHost.h"
#include "support/CalcRun.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedFileChooser.h"

#include <QTest>

#include <filesystem>

struct DesktopSite {
    ScratchFolder folder;
    ScriptedMessageHost host;
    ScriptedFileChooser chooser;
    QList<QUrl> helpOpened;
    AppEnvironment environment;
    std::unique_ptr<AppContext> app;

    // Settings as a user who has seen this version's dialogs has them, or
    // as at the first start.
    explicit DesktopSite(bool seenThisVersion = true)
    {
        environment.SettingsFile = folder.Path("config/Harvex Ferrolux.conf");
        environment.Files = DataFiles::FromRoot(FERROLUX_TEST_DATA_DIR);
        environment.Files.CustomPanelsFile = folder.Path("user/CUSTPAN.DAT");
        environment.DocumentsFolder = folder.Path("Documents");
        if (!seenThisVersion)
            return;
        SettingsStore store(environment.SettingsFile);
        Options options(store);
        options.SetSettingBool(SettingName::FirstTimeDone, true);
        options.SetSettingString(SettingName::LatestVersion, Shell::VersionString());
    }

    AppContext& Start(const std::string& commandLine = "")
    {
        environment.CommandLine = commandLine;
        app = std::make_unique<AppContext>(
            environment, AppContext::Hosts{host, chooser, [this](const QUrl& url) { helpOpened << url; },
                                           [] { return false; }});
        return *app;
    }

    // A copy of a shipped example site at `name` in the scratch folder.
    std::string CopyExample(const std::string& example, const std::string& name) const
    {
        const std::string path = folder.Write(name, "");
        std::filesystem::copy_file(ExamplePath(example), path, std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    // Starts the program on the command line and shows the main window, its
    // start-up over; false when the catalogues do not load or the start-up
    // never ends.
    bool ShowMainWindow(const std::string& commandLine = "")
    {
        if (!Start(commandLine).Load())
            return false;
        app->Show();
        return QTest::qWaitFor([this] { return !app->MainWindow().StartingUp(); });
    }
};
