#include "desktop/AppContext.h"

#include "catalogues/CatalogueStartup.h"
#include "document/CommandLine.h"
#include "document/FirstStart.h"
#include "document/Shell.h"
#include "platform/MessageHost.h"
#include "platform/RecentlyUsed.h"
#include "desktop/QtBusyPointer.h"
#include "desktop/QtWindowGeometry.h"
#include "desktop/dlgAbout.h"
#include "desktop/frmMain.h"
#include "desktop/frmNewVersion.h"
#include "desktop/frmWelcome.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTimer>

namespace {

RecentFiles::ShellNotifier TellDesktop(const std::string& list)
{
    if (list.empty())
        return {};
    return [list](const std::string& path) {
        RecentlyUsed::AddFile(list, path, ApplicationTitle, "ferrolux %f", RecentlyUsed::TimestampNow());
    };
}

bool AnyPrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

}  // namespace

AppContext::AppContext(AppEnvironment environment, Hosts hosts)
    : environment_(std::move(environment)),
      hosts_(std::move(hosts)),
      store_(environment_.SettingsFile),
      options_(store_),
      document_(catalogue_),
      recent_(options_, TellDesktop(environment_.RecentlyUsedList)),
      help_(QString::fromStdString(environment_.HelpIndex), options_, hosts_.openHelp),
      helpKey_(help_)
{
    if (!hosts_.printerInstalled)
        hosts_.printerInstalled = AnyPrinterInstalled;
    main_ = std::make_unique<frmMain>(MainWindowContext{catalogue_, options_, document_, environment_.Files,
                                                        hosts_.messages, recent_, hosts_.files, help_,
                                                        environment_.DocumentsFolder, hosts_.printerInstalled,
                                                        environment_.LocaleId});
    main_->SetFirstActivation([this] { FirstActivation(); });
}

AppContext::~AppContext() = default;

bool AppContext::Load()
{
    loading_ = std::make_unique<QtBusyPointer>();
    splash_ = std::make_unique<dlgAbout>(nullptr, dlgAbout::Role::Splash);
    splash_->show();
    splash_->repaint();
    QApplication::processEvents();

    recent_.Load();
    main_->RefreshRecentMenu();

    const CatalogueStartup startup{environment_.Files, environment_.OldSettingsFile, environment_.LocaleId};
    if (!LoadCatalogues(catalogue_, options_, hosts_.messages, startup)) {
        splash_.reset();
        loading_.reset();
        main_->CheckCustomPanelMenu();
        return false;
    }
    main_->CheckCustomPanelMenu();

    main_->FillPanelChooser();
    main_->ChangePanel(catalogue_.CurrentPanel);
    main_->NewDocument();
    return true;
}

void AppContext::Show()
{
    QtWindowGeometry geometry(*main_);
    options_.RestoreFormSize(geometry, false, true);
    main_->show();
    // Where the window system never activates the window, its first turn of
    // the event loop stands in for the first activation.
    QTimer::singleShot(0, main_.get(), [this] { FirstActivation(); });
}

void AppContext::FirstActivation()
{
    if (!main_->StartingUp())
        return;
    main_->FinishStartUp();
    splash_.reset();
    loading_.reset();

    if (FirstStart::IsFirstStart(options_)) {
        Shell::ApplyFirstStartDefaults(catalogue_, options_, environment_.LocaleId, environment_.IMeasure);
        frmWelcome welcome(options_, help_, main_.get());
        welcome.exec();
    } else {
        options_.LoadUnits(hosts_.messages);
        if (FirstStart::NewVersionDue(options_)) {
            frmNewVersion newVersion(options_, help_, main_.get());
            newVersion.exec();
        }
    }
    HandleCommandLine();
}

void AppContext::HandleCommandLine()
{
    const CommandLineRequest request = ParseCommandLine(environment_.CommandLine);
    switch (request.What) {
    case CommandLineRequest::Action::None:
        document_.Dirty = false;
        return;
    case CommandLineRequest::Action::Open:
        main_->OpenDocument(request.File, false);
        document_.Dirty = false;
        return;
    case CommandLineRequest::Action::Print:
        if (main_->OpenDocument(request.File, false))
            main_->PrintWithoutDialog(request.File);
        break;
    case CommandLineRequest::Action::UnknownOption:
        MsgBox(hosts_.messages, UnknownOptionMessage(request.Option), MsgStyle::Exclamation);
        break;
    }
    ended_ = true;
    main_->Unload();
}
