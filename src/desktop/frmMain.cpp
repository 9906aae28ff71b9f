#include "desktop/frmMain.h"

#include "document/AlongCableVerdict.h"
#include "document/SpareCapacity.h"
#include "document/LoopResults.h"
#include "document/PowerText.h"
#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "catalogues/PanelLists.h"
#include "document/RecentFiles.h"
#include "document/Shell.h"
#include "platform/MessageHost.h"
#include "forms/MainWindowCore.h"
#include "forms/UndoTexts.h"
#include "desktop/QtPanelChooser.h"
#include "desktop/QtWindowGeometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Tints a verdict by whether the design passes.
void ShowVerdict(QLabel* label, const std::string& text, bool satisfactory)
{
    label->setText(Text(text));
    label->setStyleSheet(satisfactory ? "color: #17692e;" : "color: #a50e0e;");
}

}  // namespace

std::array<QWidget*, 9> frmMain::LoopRow::Controls() const
{
    return {lblLoop, lblLoopName, lblDevice, lblQuiescent, lblAlarm, lblPassFail, lblAlongCable, lblSpare, btnChange};
}

frmMain::frmMain(MainWindowContext context, QWidget* parent)
    : QMainWindow(parent), context_(std::move(context)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("frmMain");
    setWindowTitle(ApplicationTitle);
    BuildMenus();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(BuildSiteAndPanel());
    layout->addWidget(BuildLoopTable());
    layout->addStretch(1);
    layout->addWidget(BuildButtons());
    setCentralWidget(central);
    // Where a file written at the user's asking (a report, a schedule) is told.
    statusBar()->setObjectName("sbrStatus");
    InstallSiteNameEnter();

    context_.document.AddObserver(this);
    // Wide enough at first for every column's text on one line.
    resize(sizeHint().expandedTo(QSize(1040, 520)));
}

frmMain::~frmMain() { context_.document.RemoveObserver(this); }

void frmMain::FillPanelChooser()
{
    const PanelOutline outline = FillPanelOutline(context_.catalogue);
    cmbPanel_->Fill(outline);
    lblManufacturer_->setText(outline.SelectedManufacturer >= 0
                                  ? Text(outline.Manufacturers[static_cast<size_t>(outline.SelectedManufacturer)].Name)
                                  : QString());
    ShowPanelRows();
}

void frmMain::ChangePanel(int position)
{
    const MainWindowCore::PanelChange change = MainWindowCore::ChangePanel(
        context_.document, context_.catalogue, context_.options, context_.host, position, startingUp_);
    if (change == MainWindowCore::PanelChange::Applied)
        FillPanelChooser();
    else
        cmbPanel_->ShowPanel(context_.catalogue.CurrentPanel);
    UpdateEditMenu();
}

void frmMain::ShowPanelRows()
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        const LoopRow& row = rows_[static_cast<size_t>(loop)];
        const bool shown = MainWindowCore::LoopRowShown(context_.catalogue, loop);
        for (QWidget* control : row.Controls())
            control->setVisible(shown);
    }
    lblAlarmNotes_->setText(Text(MainWindowCore::AlarmNotesCaption(context_.catalogue)));
}

void frmMain::CheckCustomPanelMenu()
{
    const bool any = !FillUserDefinedPanelList(context_.catalogue).Items.empty();
    mnuPanelEdit_->setEnabled(any);
    mnuPanelDelete_->setEnabled(any);
}

void frmMain::LoopRecalculated(int loop)
{
    ShowLoopResults(loop);
    UpdateMainTotals();
}

void frmMain::ShowLoopResults(int loop)
{
    if (loop < 1 || loop > Document::LoopCount)
        return;
    const MainLoopRow results = MainLoopRowFor(context_.document.Loop(loop));
    const LoopRow& row = rows_[static_cast<size_t>(loop)];
    ShowLoopName(loop);
    row.lblDevice->setText(Text(results.Devices));
    row.lblQuiescent->setText(Text(results.Quiescent));
    row.lblAlarm->setText(Text(results.Alarm));
    ShowVerdict(row.lblPassFail, results.PassFail, results.Satisfactory);
    ShowAlongCable(loop);
    ShowSpare(row.lblSpare, SpareCellFor(context_.document, loop));
}

// Red when short of the spare the project asks for; every limit in the tooltip.
void frmMain::ShowSpare(QLabel* label, const SpareCell& cell)
{
    label->setText(Text(cell.Text));
    QStringList details;
    for (const std::string& line : cell.Details)
        details << Text(line);
    label->setToolTip(details.join('\n'));
    label->setStyleSheet(cell.Below ? "color: #a50e0e; font-weight: bold;" : "");
}

// Red with the first failing check; grey where the devices are only placed
// evenly and every check passes: the loop's verdict is then the measure, and
// this a hint. The tooltip lists every check.
void frmMain::ShowAlongCable(int loop)
{
    const AlongCableVerdict along = AlongCableVerdictFor(context_.document, loop);
    QLabel* label = rows_[static_cast<size_t>(loop)].lblAlongCable;
    QStringList details;
    for (const std::string& line : AlongCableDetails(along))
        details << Text(line);
    label->setToolTip(details.join('\n'));
    if (!along.Hint()) {
        label->setForegroundRole(QPalette::WindowText);
        ShowVerdict(label, along.Text, along.Pass());
    } else {
        label->setText(Text(along.Text));
        label->setStyleSheet({});
        label->setForegroundRole(QPalette::PlaceholderText);
    }
}

// A long name is cut short in its column; the whole of it is the tooltip.
void frmMain::ShowLoopName(int loop)
{
    QLabel* label = rows_[static_cast<size_t>(loop)].lblLoopName;
    const QString name = Text(context_.document.LoopName(loop));
    const int room = label->fontMetrics().averageCharWidth() * 28;
    label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, room));
    label->setToolTip(name);
}

void frmMain::UpdateMainTotals()
{
    const MainTotals totals = MainTotalsFor(context_.document);
    lblAlarmNotes_->setVisible(totals.AlarmNoteVisible);
    totals_.lblDevice->setText(Text(totals.Devices));
    totals_.lblQuiescent->setText(Text(totals.Quiescent));
    totals_.lblAlarm->setText(Text(totals.Alarm));
    ShowVerdict(totals_.lblPassFail, totals.PassFail, totals.Satisfactory);
    ShowSpare(totals_.lblSpare, SpareTotalsFor(context_.document));
    ShowPowerLine();
}

void frmMain::ShowPowerLine()
{
    const PowerLine line = PowerLineFor(context_.document, context_.localeId);
    ShowVerdict(lblPower_, line.Text, line.Pass);
}

void frmMain::ShowWholeDocument()
{
    const QString siteName = Text(context_.document.SiteName);
    if (txtName_->text() != siteName)
        txtName_->setText(siteName);
    FillPanelChooser();
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        ShowLoopResults(loop);
    UpdateMainTotals();
    UpdateTitle();
    UpdateEditMenu();
}

void frmMain::UpdateEditMenu()
{
    const auto& history = context_.document.History;
    mnuUndo_->setText(Text(UndoTexts::UndoItem(history.UndoName())));
    mnuUndo_->setEnabled(history.CanUndo());
    mnuRedo_->setText(Text(UndoTexts::RedoItem(history.RedoName())));
    mnuRedo_->setEnabled(history.CanRedo());
}

void frmMain::UpdateTitle() { setWindowTitle(Text(Shell::WindowTitle(context_.document.Path))); }

void frmMain::RefreshRecentMenu()
{
    bool any = false;
    for (size_t i = 0; i < RecentFiles::Count; ++i) {
        QAction* item = mFileRecent_[i + 1];
        const std::string caption = context_.recent.Caption(i);
        item->setText(Text(caption));
        item->setData(Text(context_.recent.Paths()[i]));
        item->setVisible(!caption.empty());
        any = any || !caption.empty();
    }
    mFileRecent_[0]->setVisible(any);
}

void frmMain::SiteNameEdited(const QString& text)
{
    MainWindowCore::SetSiteName(context_.document, text.toStdString());
    UpdateEditMenu();
}

void frmMain::Unload()
{
    unloading_ = true;
    close();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && startingUp_ && firstActivation_)
        firstActivation_();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!unloading_ && !Shell::CheckSaved(context_.document, context_.host, [this] { return DoMenuSave(); })) {
        event->ignore();
        return;
    }
    unloading_ = true;
    QtWindowGeometry geometry(*this);
    context_.options.SaveFormSize(geometry);
    // Every other window goes with the main one.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    event->accept();
}
