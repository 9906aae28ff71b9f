#pragma once
// The main window: the site name, the control-panel chooser, one row per loop
// of the panel with its devices, currents and verdict and a Details... button
// for the loop editor, the totals, and the File, Edit and Help menus. It owns
// the save operations, the change of control panel, undo and redo, and
// copying and clearing loops; the document tells it when loops have been
// recalculated.

#include <QMainWindow>

#ifndef Q_MOC_RUN
#include "document/Document.h"
#include "report/Schedules.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#endif

class Catalogue;
class FileChooser;
class MessageHost;
class Options;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QtHelp;
class QtPanelChooser;
class RecentFiles;
struct DataFiles;
struct SpareCell;

// What the main window works with; all of it outlives the window.
struct MainWindowContext {
    Catalogue& catalogue;
    Options& options;
    Document& document;
    const DataFiles& files;
    MessageHost& host;
    RecentFiles& recent;
    FileChooser& chooser;
    const QtHelp& help;
    // Where the open and save dialogs start while "QLX Path" is empty.
    std::string documentsFolder;
    // Whether the machine has a printer; without one reports become PDF files.
    std::function<bool()> printerInstalled;
    // The user's locale, which chooses the default battery rule.
    std::string localeId;
};

class frmMain : public QMainWindow, private DocumentObserver {
    Q_OBJECT

public:
    explicit frmMain(MainWindowContext context, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: set from creation until the first activation has been handled.
    bool StartingUp() const { return startingUp_; }
    void FinishStartUp() { startingUp_ = false; }

    // Lists the panels in the chooser with the current one shown, and shows
    // the rows of its loops.
    void FillPanelChooser();
    // Applies a newly chosen panel (a catalogue position); an abandoned
    // change shows the current panel again.
    void ChangePanel(int position);
    // Shows the rows of the current panel's loops and the alarm note's text.
    void ShowPanelRows();
    // Enables editing and deleting user-defined panels when there is one.
    void CheckCustomPanelMenu();

    // Saves to the document's path, or asks for one; refused when read-only.
    bool DoMenuSave();
    bool SaveAs();
    // A new, empty Loop Calculation, recalculated.
    void NewDocument();
    void UpdateTitle();
    void RefreshRecentMenu();
    // Prints through the print dialog, unless the document may not be printed.
    void PrintCurrentDocument();
    // Prints the loops that hold devices without a dialog (the command line);
    // without a printer the report becomes a PDF beside `file`.
    void PrintWithoutDialog(const std::string& file);

    // Opens a Loop Calculation file in place of the current one (the open
    // progress window, its prompts and the recalculation); false only after
    // a run-time error while reading.
    bool OpenDocument(const std::string& path, bool readOnly);

    // Ends the run without asking to save.
    void Unload();

    // Reports the first time the window is activated while starting up.
    void SetFirstActivation(std::function<void()> handler) { firstActivation_ = std::move(handler); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct LoopRow {
        QLabel* lblLoop = nullptr;
        QLabel* lblLoopName = nullptr;
        QLabel* lblDevice = nullptr;
        QLabel* lblQuiescent = nullptr;
        QLabel* lblAlarm = nullptr;
        QLabel* lblPassFail = nullptr;
        QLabel* lblAlongCable = nullptr;  // none in the totals row
        QLabel* lblSpare = nullptr;
        QPushButton* btnChange = nullptr;
        std::array<QWidget*, 9> Controls() const;
    };

    void LoopRecalculated(int loop) override;
    void ShowLoopResults(int loop);
    void ShowLoopName(int loop);
    void ShowAlongCable(int loop);
    void ShowSpare(QLabel* label, const SpareCell& cell);
    void UpdateMainTotals();
    void ShowPowerLine();
    // Every part of the document on show again, as after an undo.
    void ShowWholeDocument();
    // Undo and Redo say the steps they would take, greyed when there is none.
    void UpdateEditMenu();

    // Building the window (frmMainLayout.cpp).
    void BuildMenus();
    QWidget* BuildSiteAndPanel();
    QWidget* BuildLoopTable();
    QWidget* BuildButtons();
    void BuildEditMenu();
    QAction* AddAction(QMenu* menu, const char* text, const char* name);
    void InstallSiteNameEnter();
    void InstallLoopRowMenus(QWidget* table);

    // Commands (frmMainCommands.cpp).
    void MenuNew();
    void MenuOpen();
    void OpenRecent(int item);
    void SiteNameEdited(const QString& text);
    void ShowLoopEditor(int loop);
    void UndoStep();
    void RedoStep();
    // The loop commands act on the row last used (its Details... button or
    // its context menu) unless another row's button has the focus.
    int CurrentLoop() const;
    void CopyLoopTo(int from);
    void ClearLoop(int loop);
    void ShowLoopRowMenu(int loop, const QPoint& where);
    void ShowOptions();
    void ShowPowerSupply();
    void ShowProjectProperties();
    // Writes a schedule as CSV where the user chooses; where it went, or
    // why it did not, is told.
    void ExportSchedule(Schedules::Schedule schedule);
    // File > Import Device List: a list chosen, previewed and placed as one step.
    void ImportDeviceList();
    // A file written at the user's asking, in the status bar.
    void TellWritten(const std::string& text);
    // The user-defined panels; the chooser and the menu follow any change.
    void AddUserPanel();
    void EditUserPanel();
    void DeleteUserPanels();
    void UserPanelsChanged(bool changed);
    void ShowAbout();
    bool SaveTo(const std::string& path);
    // True when the report came out whole (not cancelled, not failed).
    bool PrintReport(QPrinter& printer, const std::vector<int>& loops, const QString& shownFile = {});
    // The report as a PDF file; a failure to write it, or a file that is
    // the open document (not written), is told. True when the file is in place.
    bool PrintToPdf(const std::string& pdf, const std::vector<int>& loops);

    MainWindowContext context_;
    bool startingUp_ = true;
    bool unloading_ = false;
    std::function<void()> firstActivation_;
    std::unique_ptr<QPrinter> printer_;

    QLineEdit* txtName_ = nullptr;
    QtPanelChooser* cmbPanel_ = nullptr;
    QLabel* lblManufacturer_ = nullptr;
    std::array<LoopRow, Document::LoopCount + 1> rows_{};  // 0 holds the headings
    LoopRow totals_;
    QLabel* lblAlarmNotes_ = nullptr;
    QLabel* lblPower_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnClose_ = nullptr;

    int lastLoop_ = 1;

    QAction* mnuUndo_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    QAction* mnuPanelEdit_ = nullptr;
    QAction* mnuPanelDelete_ = nullptr;
    std::array<QAction*, 5> mFileRecent_{};
};
