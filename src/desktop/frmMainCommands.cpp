// The main window's commands: new, open, save, print, export, the loop
// editor, undo and redo, copying and clearing loops, the options and the help.

#include "desktop/frmMain.h"

#include "desktop/frmImportDeviceList.h"
#include "document/DeviceList.h"
#include "forms/DeviceListImportCore.h"

#include "document/CalculationSupport.h"
#include "catalogues/Options.h"
#include "document/DocumentEdits.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "document/OpenFlow.h"
#include "desktop/frmOpenProgress.h"
#include "document/RecentFiles.h"
#include "document/Shell.h"
#include "desktop/frmLoop.h"
#include "platform/MessageHost.h"
#include "report/PrintCalcData.h"
#include "report/PrintChoices.h"
#include "desktop/QtPdfOutput.h"
#include "desktop/QtPrinter.h"
#include "desktop/frmPrintCalc.h"
#include "desktop/waitPrint.h"
#include "forms/FileChooser.h"
#include "forms/MainWindowCore.h"
#include "desktop/QtBusyPointer.h"
#include "desktop/dlgAbout.h"
#include "desktop/dlgCopyLoop.h"
#include "desktop/frmDeletePanels.h"
#include "desktop/frmDeviceType.h"
#include "desktop/frmOptions.h"
#include "desktop/frmPanel.h"
#include "desktop/frmPower.h"
#include "desktop/frmProjectProperties.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>

#include <filesystem>

namespace {

constexpr const char* OpenTitle = "Open Configuration Data";
constexpr const char* SaveTitle = "Save Configuration Data";

}  // namespace

void frmMain::NewDocument()
{
    ::NewDocument(context_.document, CurrentLoopDefaults(context_.options, context_.catalogue));
    txtName_->clear();
    UpdateTitle();
    UpdateEditMenu();
}

void frmMain::MenuNew()
{
    if (!Shell::CheckSaved(context_.document, context_.host, [this] { return DoMenuSave(); }))
        return;
    NewDocument();
    CalculationSupport::RecalculateAll(context_.document);
}

bool frmMain::DoMenuSave()
{
    if (context_.document.ReadOnly) {
        MsgBox(context_.host, MainWindowCore::ReadOnlySaveMessage(), MsgStyle::Exclamation);
        return false;
    }
    if (context_.document.Path.empty())
        return SaveAs();
    return SaveTo(context_.document.Path);
}

bool frmMain::SaveTo(const std::string& path)
{
    return WriteDocument(context_.document, path, context_.localeId, context_.host);
}

bool frmMain::SaveAs()
{
    if (context_.document.ReadOnly) {
        MsgBox(context_.host, MainWindowCore::ReadOnlySaveMessage(), MsgStyle::Exclamation);
        return false;
    }
    const std::string folder = MainWindowCore::DialogStartFolder(context_.options, context_.documentsFolder);
    const std::string preset = MainWindowCore::SavePreset(context_.document, QDir::currentPath().toStdString());
    std::optional<std::string> path;
    do {
        const std::optional<std::string> chosen = context_.chooser.ChooseFileToSave(SaveTitle, folder, preset);
        if (!chosen)
            return false;
        path = MainWindowCore::SaveAsPath(*chosen, context_.host);
    } while (!path || !SaveTo(*path));

    context_.options.SetSettingString(SettingName::QlxPath, MainWindowCore::FolderOf(*path));
    context_.document.Path = *path;
    context_.recent.Add(*path);
    RefreshRecentMenu();
    UpdateTitle();
    return true;
}

void frmMain::MenuOpen()
{
    if (!Shell::CheckSaved(context_.document, context_.host, [this] { return DoMenuSave(); }))
        return;
    const std::string folder = MainWindowCore::DialogStartFolder(context_.options, context_.documentsFolder);
    const std::optional<OpenChoice> chosen = context_.chooser.ChooseFileToOpen(OpenTitle, folder);
    if (!chosen)
        return;
    context_.options.SetSettingString(SettingName::QlxPath, MainWindowCore::FolderOf(chosen->Path));
    OpenDocument(chosen->Path, chosen->ReadOnly);
}

void frmMain::OpenRecent(int item)
{
    const std::string path = mFileRecent_[static_cast<size_t>(item)]->data().toString().toStdString();
    if (path.empty() || !Shell::CheckSaved(context_.document, context_.host, [this] { return DoMenuSave(); }))
        return;
    OpenDocument(path, false);
}

void frmMain::ShowOptions()
{
    frmOptions options(context_.catalogue, context_.options, context_.host, this);
    options.exec();
}

void frmMain::ShowPowerSupply()
{
    {
        frmPower power(context_.document, context_.options, context_.localeId, context_.host, this);
        power.exec();
    }
    ShowPowerLine();
    UpdateEditMenu();
}

void frmMain::ShowProjectProperties()
{
    {
        frmProjectProperties project(context_.document, context_.host, this);
        project.exec();
    }
    // The spare asked of every loop may have changed with them.
    ShowWholeDocument();
}

void frmMain::AddUserPanel()
{
    UserPanelsChanged(frmPanel::AddPanel(context_.document, context_.catalogue, context_.options, context_.host,
                                         context_.files, this));
}

void frmMain::EditUserPanel()
{
    UserPanelsChanged(frmDeletePanels::EditPanel(context_.document, context_.catalogue, context_.options,
                                                 context_.host, context_.files, this));
}

void frmMain::DeleteUserPanels()
{
    UserPanelsChanged(frmDeletePanels::DeletePanels(context_.document, context_.catalogue, context_.options,
                                                    context_.host, context_.files, this));
}

void frmMain::UserPanelsChanged(bool changed)
{
    if (!changed)
        return;
    FillPanelChooser();
    CheckCustomPanelMenu();
    UpdateEditMenu();
}

void frmMain::ShowAbout()
{
    dlgAbout about(this);
    about.exec();
}

void frmMain::PrintCurrentDocument()
{
    if (MainWindowCore::PrintRefused(context_.document)) {
        MsgBox(context_.host, MainWindowCore::ReadOnlyPrintMessage(), MsgStyle::Exclamation);
        return;
    }
    // The print dialog and the progress window are modal: the main window
    // takes no input until the report is done.
    const bool printerInstalled = context_.printerInstalled();
    frmPrintCalc dialog(context_.document, *printer_, printerInstalled, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<int> loops = dialog.SelectedLoops();
    if (printerInstalled) {
        // The print dialog may have sent the report to a file.
        if (PrintReport(*printer_, loops) && !printer_->outputFileName().isEmpty())
            TellWritten(PdfWrittenMessage(printer_->outputFileName().toStdString()));
        return;
    }
    const std::string suggested =
        context_.document.Path.empty()
            ? MainWindowCore::DialogStartFolder(context_.options, context_.documentsFolder) + "/Loop Calculation.pdf"
            : PdfPathFor(context_.document.Path);
    const std::optional<std::string> pdf = context_.chooser.ChoosePdfFile("Save Report as PDF", suggested);
    if (pdf && PrintToPdf(*pdf, loops))
        TellWritten(PdfWrittenMessage(*pdf));
}

void frmMain::ExportSchedule(Schedules::Schedule schedule)
{
    const std::string folder = MainWindowCore::DialogStartFolder(context_.options, context_.documentsFolder);
    const std::optional<std::string> path =
        context_.chooser.ChooseCsvFile(schedule == Schedules::Schedule::Devices ? "Export Device Schedule"
                                                                                 : "Export Address Schedule",
                                       Schedules::SuggestedPath(context_.document, folder, schedule));
    if (!path ||
        MainWindowCore::OutputRefused(context_.document, Schedules::ScheduleName(schedule), *path, context_.host))
        return;
    std::string error;
    if (Schedules::WriteSchedule(context_.document, schedule, *path, error))
        TellWritten(Schedules::ScheduleWrittenMessage(schedule, *path));
    else
        MsgBox(context_.host, error, MsgStyle::Exclamation);
}

void frmMain::ImportDeviceList()
{
    const std::optional<std::string> path = context_.chooser.ChooseListToImport(
        "Import Device List", MainWindowCore::DialogStartFolder(context_.options, context_.documentsFolder));
    if (!path)
        return;
    DeviceList::List list = DeviceList::ReadFile(*path);
    if (!list.Failure.empty()) {
        MsgBox(context_.host, list.Failure, MsgStyle::Exclamation);
        return;
    }
    DeviceListImportCore core(context_.document, context_.options, std::move(list),
                              std::filesystem::path(*path).filename().string());
    frmImportDeviceList window(core, this);
    if (window.exec() == QDialog::Accepted)
        ShowWholeDocument();
    UpdateEditMenu();
}

void frmMain::TellWritten(const std::string& text) { statusBar()->showMessage(QString::fromStdString(text)); }

void frmMain::PrintWithoutDialog(const std::string& file)
{
    const std::vector<int> loops = DefaultPrintLoops(context_.document);
    if (context_.printerInstalled()) {
        PrintReport(*printer_, loops);
        return;
    }
    const std::string pdf = PdfPathFor(file);
    if (PrintToPdf(pdf, loops))
        MsgBox(context_.host, PdfSavedMessage(pdf), MsgStyle::Information);
}

bool frmMain::PrintToPdf(const std::string& pdf, const std::vector<int>& loops)
{
    if (MainWindowCore::OutputRefused(context_.document, "PDF", pdf, context_.host))
        return false;
    QtPdfOutput output(pdf);
    if (output.Ready() && !PrintReport(output.Printer(), loops, QString::fromStdString(pdf)))
        return false;  // cancelled: nothing to tell
    if (output.Finish())
        return true;
    MsgBox(context_.host, PdfFailedMessage(pdf, output.Error()), MsgStyle::Exclamation);
    return false;
}

bool frmMain::PrintReport(QPrinter& printer, const std::vector<int>& loops, const QString& shownFile)
{
    QtPrinter target(printer, shownFile);
    waitPrint progress(this);
    // A cancelled report is abandoned: nothing of it is printed, and the
    // window simply goes on.
    return PrintCalcData::PrintCalculation(context_.document, context_.options.Units(), loops, target, progress) == 0;
}

void frmMain::ShowLoopEditor(int loop)
{
    lastLoop_ = loop;
    {
        frmLoop editor(context_.document, context_.options, context_.host, loop,
                       [this](QWidget* over) {
                           return frmDeviceType::ChooseDeviceType(context_.catalogue, context_.host, over);
                       },
                       this);
        editor.exec();
    }
    ShowLoopName(loop);
    UpdateEditMenu();
    // On to the next loop's button, when that loop is shown.
    if (loop < Document::LoopCount && rows_[static_cast<size_t>(loop + 1)].btnChange->isVisible())
        rows_[static_cast<size_t>(loop + 1)].btnChange->setFocus(Qt::OtherFocusReason);
}

bool frmMain::OpenDocument(const std::string& path, bool readOnly)
{
    frmOpenProgress progress(context_.host, this);
    OpenFlowShell shell{[this](const std::string& opened) {
                            context_.recent.Add(opened);
                            RefreshRecentMenu();
                        },
                        [this](const std::string& title) { setWindowTitle(QString::fromStdString(title)); },
                        [this] { FillPanelChooser(); }};
    OpenFlow flow(context_.document, context_.catalogue, context_.options, context_.host, progress, std::move(shell));
    const bool result = flow.DoMenuOpen(path, readOnly);
    txtName_->setText(QString::fromStdString(context_.document.SiteName));
    UpdateEditMenu();
    return result;
}

void frmMain::UndoStep()
{
    if (UndoEdit(context_.document, context_.catalogue, context_.options))
        ShowWholeDocument();
}

void frmMain::RedoStep()
{
    if (RedoEdit(context_.document, context_.catalogue, context_.options))
        ShowWholeDocument();
}

int frmMain::CurrentLoop() const
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        if (rows_[static_cast<size_t>(loop)].btnChange->hasFocus())
            return loop;
    return MainWindowCore::LoopRowShown(context_.catalogue, lastLoop_) ? lastLoop_ : 1;
}

void frmMain::CopyLoopTo(int from)
{
    // The copied loop's row follows its recalculation (LoopRecalculated).
    if (const auto loops = dlgCopyLoop::ChooseCopy(context_.document, from, this))
        MainWindowCore::CopyLoop(context_.document, context_.host, loops->first, loops->second);
    UpdateEditMenu();
}

void frmMain::ClearLoop(int loop)
{
    MainWindowCore::ClearLoop(context_.document, context_.host, loop,
                              CurrentLoopDefaults(context_.options, context_.catalogue));
    UpdateEditMenu();
}
