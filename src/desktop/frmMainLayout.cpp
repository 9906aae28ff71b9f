// Building the main window's controls and menus.

#include "desktop/frmMain.h"

#include "forms/HelpTopics.h"
#include "forms/MainWindowCore.h"
#include "loop/clsCalculator.h"
#include "desktop/QtHelp.h"
#include "desktop/QtPanelChooser.h"
#include "desktop/dlgCopyLoop.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The columns of the loop table. The Details... button comes before the
// verdict, which takes any room to spare, so that it stays by its row however
// wide the window.
enum Column {
    LoopColumn,
    NameColumn,
    DevicesColumn,
    QuiescentColumn,
    AlarmColumn,
    ButtonColumn,
    VerdictColumn,
    AlongCableColumn,
    SpareColumn
};

QString ArrayName(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }

QLabel* Cell(const char* name, int index, Qt::Alignment alignment, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(ArrayName(name, index));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// The width of the longest verdict: a loop's, or the overall one in bold.
int VerdictColumnWidth(const QFontMetrics& loop, const QFontMetrics& overall)
{
    int width = overall.horizontalAdvance("Design Not Satisfactory");
    for (int code = 0;; ++code) {
        const std::string verdict = clsCalculator::LoopDesignShortFor(static_cast<LoopDesignCode>(code));
        if (verdict.empty())
            return width + 2;
        width = std::max(width, loop.horizontalAdvance(QString::fromStdString(verdict)));
    }
}

QLabel* Heading(const char* name, const char* text, Qt::Alignment alignment)
{
    QLabel* label = Cell(name, 0, alignment, text);
    label->setForegroundRole(QPalette::PlaceholderText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Enter in the site name moves on to the first loop's button instead of
// reaching the window.
class EnterMovesFocus : public QObject {
public:
    EnterMovesFocus(QObject* parent, QWidget* target) : QObject(parent), target_(target) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                target_->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* target_;
};

}  // namespace

QAction* frmMain::AddAction(QMenu* menu, const char* text, const char* name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

void frmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* mnuNew = AddAction(file, "&New", "mnuNew");
    mnuNew->setShortcut(QKeySequence::New);
    connect(mnuNew, &QAction::triggered, this, &frmMain::MenuNew);
    QAction* mnuOpen = AddAction(file, "&Open...", "mnuOpen");
    mnuOpen->setShortcut(QKeySequence::Open);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::MenuOpen);
    QAction* mnuSave = AddAction(file, "&Save", "mnuSave");
    mnuSave->setShortcut(QKeySequence::Save);
    connect(mnuSave, &QAction::triggered, this, &frmMain::DoMenuSave);
    QAction* mnuSaveAs = AddAction(file, "Save &As...", "mnuSaveAs");
    connect(mnuSaveAs, &QAction::triggered, this, &frmMain::SaveAs);
    file->addSeparator()->setObjectName("mnuFileSep1");
    QAction* mnuPrint = AddAction(file, "&Print...", "mnuPrint");
    mnuPrint->setShortcut(QKeySequence::Print);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::PrintCurrentDocument);
    QMenu* exports = file->addMenu("&Export");
    exports->setObjectName("mnuExport");
    exports->menuAction()->setObjectName("mnuExport");
    connect(AddAction(exports, "Device &Schedule...", "mnuExportDevices"), &QAction::triggered, this,
            [this] { ExportSchedule(Schedules::Schedule::Devices); });
    connect(AddAction(exports, "&Address Schedule...", "mnuExportAddresses"), &QAction::triggered, this,
            [this] { ExportSchedule(Schedules::Schedule::Addresses); });
    connect(AddAction(file, "&Import Device List...", "mnuImportDeviceList"), &QAction::triggered, this,
            &frmMain::ImportDeviceList);
    file->addSeparator()->setObjectName("mnuFileSep2");
    connect(AddAction(file, "Project P&roperties...", "mnuProjectProperties"), &QAction::triggered, this,
            &frmMain::ShowProjectProperties);
    connect(AddAction(file, "Po&wer Supply...", "mnuPower"), &QAction::triggered, this, &frmMain::ShowPowerSupply);
    connect(AddAction(file, "&Options...", "mnuOptions"), &QAction::triggered, this, &frmMain::ShowOptions);

    QMenu* panels = file->addMenu("&User-Defined Panels");
    panels->setObjectName("mnuPanels");
    panels->menuAction()->setObjectName("mnuPanels");
    connect(AddAction(panels, "&Add...", "mnuPanelAdd"), &QAction::triggered, this, &frmMain::AddUserPanel);
    mnuPanelEdit_ = AddAction(panels, "&Edit...", "mnuPanelEdit");
    connect(mnuPanelEdit_, &QAction::triggered, this, &frmMain::EditUserPanel);
    mnuPanelDelete_ = AddAction(panels, "&Delete...", "mnuPanelDelete");
    connect(mnuPanelDelete_, &QAction::triggered, this, &frmMain::DeleteUserPanels);

    mFileRecent_[0] = file->addSeparator();
    mFileRecent_[0]->setObjectName("mFileRecent_0");
    for (int item = 1; item < static_cast<int>(mFileRecent_.size()); ++item) {
        QAction* action = file->addAction(QString());
        action->setObjectName(ArrayName("mFileRecent", item));
        connect(action, &QAction::triggered, this, [this, item] { OpenRecent(item); });
        mFileRecent_[static_cast<size_t>(item)] = action;
    }
    file->addSeparator()->setObjectName("mnuFileSep3");
    QAction* mnuExit = AddAction(file, "E&xit", "mnuExit");
    connect(mnuExit, &QAction::triggered, this, &frmMain::close);

    BuildEditMenu();

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* contents = AddAction(help, "Help &Topics...", "mnuHelpContents");
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, [this] { context_.help.ShowContents(); });
    connect(AddAction(help, "&Glossary of Terms...", "mnuHelpGlossary"), &QAction::triggered, this,
            [this] { context_.help.ShowTopic(HelpTopic::Glossary); });
    connect(AddAction(help, "&How to use Help...", "mnuHelpHelp"), &QAction::triggered, this,
            [this] { context_.help.ShowHowToUseHelp(); });
    help->addSeparator()->setObjectName("mnuHelpSep1");
    connect(AddAction(help, "Contacting &Harvex...", "mnuHelpContact"), &QAction::triggered, this,
            [this] { context_.help.ShowTopic(HelpTopic::Contact); });
    connect(AddAction(help, "&About Ferrolux...", "mnuAbout"), &QAction::triggered, this, &frmMain::ShowAbout);
}

void frmMain::BuildEditMenu()
{
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    mnuUndo_ = AddAction(edit, "&Undo", "mnuUndo");
    mnuUndo_->setShortcut(QKeySequence::Undo);
    connect(mnuUndo_, &QAction::triggered, this, &frmMain::UndoStep);
    mnuRedo_ = AddAction(edit, "&Redo", "mnuRedo");
    mnuRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mnuRedo_, &QAction::triggered, this, &frmMain::RedoStep);
    edit->addSeparator()->setObjectName("mnuEditSep1");
    connect(AddAction(edit, "&Copy Loop To...", "mnuCopyLoop"), &QAction::triggered, this,
            [this] { CopyLoopTo(CurrentLoop()); });
    connect(AddAction(edit, "C&lear Loop...", "mnuClearLoop"), &QAction::triggered, this, [this] {
        if (const std::optional<int> loop = dlgCopyLoop::ChooseLoopToClear(context_.document, CurrentLoop(), this))
            ClearLoop(*loop);
    });
    connect(edit, &QMenu::aboutToShow, this, &frmMain::UpdateEditMenu);
    UpdateEditMenu();
}

QWidget* frmMain::BuildSiteAndPanel()
{
    auto* lblName = new QLabel("Site &Name:");
    lblName->setObjectName("lblName");
    txtName_ = new QLineEdit;
    txtName_->setObjectName("txtName");
    txtName_->setPlaceholderText("The site this loop design is for");
    lblName->setBuddy(txtName_);
    connect(txtName_, &QLineEdit::textEdited, this, &frmMain::SiteNameEdited);

    auto* lblPanel = new QLabel("Control &Panel:");
    lblPanel->setObjectName("lblPanel");
    cmbPanel_ = new QtPanelChooser;
    cmbPanel_->setMinimumContentsLength(28);
    cmbPanel_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblPanel->setBuddy(cmbPanel_);
    connect(cmbPanel_, &QtPanelChooser::panelChosen, this, &frmMain::ChangePanel);
    lblManufacturer_ = new QLabel;
    lblManufacturer_->setObjectName("lblManufacturer");
    lblManufacturer_->setForegroundRole(QPalette::PlaceholderText);

    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lblName, 0, 0);
    grid->addWidget(txtName_, 0, 1, 1, 2);
    grid->addWidget(lblPanel, 1, 0);
    grid->addWidget(cmbPanel_, 1, 1);
    grid->addWidget(lblManufacturer_, 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    return box;
}

QWidget* frmMain::BuildLoopTable()
{
    auto* group = new QGroupBox("Loops");
    group->setObjectName("fraLoops");
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    const Qt::Alignment number = Qt::AlignRight;

    rows_[0] = {.lblLoop = Heading("lblLoop", "Loop", Qt::AlignLeft),
                .lblDevice = Heading("lblDevice", "Devices", number),
                .lblQuiescent = Heading("lblQuiescent", "Quiescent", number),
                .lblAlarm = Heading("lblAlarm", "Alarm", number),
                .lblAlongCable = Heading("lblAlongCable", "Along the Cable", Qt::AlignLeft)};
    rows_[0].lblAlongCable->setToolTip("Every check along the cable: each device's voltage over its minimum with "
                                       "the loop whole or open at either end, and the points in each isolator "
                                       "section against its limit; the first that fails is shown");
    grid->addWidget(rows_[0].lblAlongCable, 0, AlongCableColumn);
    rows_[0].lblSpare = Heading("lblSpare", "Spare", Qt::AlignLeft);
    rows_[0].lblSpare->setToolTip("What is left of the loop's tightest limit: its alarm current, its devices, its "
                                  "volt drop, the volts along the cable and its fullest isolator section; red "
                                  "below the spare the project asks for");
    grid->addWidget(rows_[0].lblSpare, 0, SpareColumn);
    grid->addWidget(rows_[0].lblLoop, 0, LoopColumn);
    grid->addWidget(rows_[0].lblDevice, 0, DevicesColumn);
    grid->addWidget(rows_[0].lblQuiescent, 0, QuiescentColumn);
    grid->addWidget(rows_[0].lblAlarm, 0, AlarmColumn);

    auto addRow = [&](LoopRow& row, int index, int gridRow) {
        row.lblDevice = Cell("lblDevice", index, number);
        row.lblQuiescent = Cell("lblQuiescent", index, number);
        row.lblAlarm = Cell("lblAlarm", index, number);
        row.lblPassFail = Cell("lblPassFail", index, Qt::AlignLeft);
        row.lblSpare = Cell("lblSpare", index, Qt::AlignLeft);
        grid->addWidget(row.lblSpare, gridRow, SpareColumn);
        grid->addWidget(row.lblLoop, gridRow, LoopColumn);
        grid->addWidget(row.lblDevice, gridRow, DevicesColumn);
        grid->addWidget(row.lblQuiescent, gridRow, QuiescentColumn);
        grid->addWidget(row.lblAlarm, gridRow, AlarmColumn);
        grid->addWidget(row.lblPassFail, gridRow, VerdictColumn);
    };
    for (int loop = 1; loop <= Document::LoopCount; ++loop) {
        LoopRow& row = rows_[static_cast<size_t>(loop)];
        row.lblLoop = Cell("lblLoop", loop, Qt::AlignLeft, QString::number(loop));
        addRow(row, loop, loop);
        row.lblLoopName = Cell("lblLoopName", loop, Qt::AlignLeft);
        row.lblLoopName->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(row.lblLoopName, loop, NameColumn);
        row.btnChange = new QPushButton("Details...");
        row.btnChange->setObjectName(ArrayName("btnChange", loop));
        row.btnChange->setAutoDefault(false);
        row.btnChange->setToolTip(QString("Devices, cable and calculation of loop %1").arg(loop));
        connect(row.btnChange, &QPushButton::clicked, this, [this, loop] { ShowLoopEditor(loop); });
        grid->addWidget(row.btnChange, loop, ButtonColumn);
        // Room for a margin's line; a longer verdict wraps rather than being cut.
        row.lblAlongCable = Cell("lblAlongCable", loop, Qt::AlignLeft);
        // A passing loop's result on one line; a failing check may take two,
        // never cut short.
        row.lblAlongCable->setWordWrap(true);
        row.lblAlongCable->setMinimumWidth(
            row.lblAlongCable->fontMetrics().horizontalAdvance("Placed evenly, 10.00 V margin (all 4 checks pass)"));
        grid->addWidget(row.lblAlongCable, loop, AlongCableColumn);
    }

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    const int totalsRow = Document::LoopCount + 2;
    grid->addWidget(rule, totalsRow - 1, LoopColumn, 1, SpareColumn + 1);

    totals_.lblLoop = Cell("lblLoop", MainWindowCore::TotalsRow, Qt::AlignLeft, "Total");
    addRow(totals_, MainWindowCore::TotalsRow, totalsRow);
    for (QLabel* label : {totals_.lblLoop, totals_.lblDevice, totals_.lblQuiescent, totals_.lblAlarm,
                          totals_.lblPassFail}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    // The verdicts' column holds the longest verdict whole, a loop's or the
    // overall one in bold.
    totals_.lblPassFail->setMinimumWidth(VerdictColumnWidth(rows_[1].lblPassFail->fontMetrics(),
                                                            totals_.lblPassFail->fontMetrics()));
    lblAlarmNotes_ = new QLabel;
    lblAlarmNotes_->setObjectName("lblAlarmNotes");
    lblAlarmNotes_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblAlarmNotes_->setStyleSheet("color: #a50e0e;");
    lblAlarmNotes_->hide();
    grid->addWidget(lblAlarmNotes_, totalsRow + 1, QuiescentColumn, 1, 2);
    // The standby battery, from the loops' totals above it.
    lblPower_ = new QLabel;
    lblPower_->setObjectName("lblPower");
    lblPower_->setWordWrap(true);
    grid->addWidget(lblPower_, totalsRow + 2, LoopColumn, 1, SpareColumn + 1);

    grid->setColumnStretch(AlongCableColumn, 1);
    // As tall as the rows on show: a panel with fewer loops leaves the
    // room below the table.
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    InstallLoopRowMenus(group);
    return group;
}

QWidget* frmMain::BuildButtons()
{
    btnPrint_ = new QPushButton("&Print...");
    btnPrint_->setObjectName("btnPrint");
    btnClose_ = new QPushButton("&Close");
    btnClose_->setObjectName("btnClose");
    auto* btnPower = new QPushButton("Po&wer Supply...");
    btnPower->setObjectName("btnPower");
    btnPower->setToolTip("The standby battery the site needs, by the rule of your standard");
    connect(btnPower, &QPushButton::clicked, this, &frmMain::ShowPowerSupply);
    connect(btnPrint_, &QPushButton::clicked, this, [this] {
        PrintCurrentDocument();
        btnClose_->setFocus(Qt::OtherFocusReason);
    });
    connect(btnClose_, &QPushButton::clicked, this, &frmMain::close);

    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(btnPower);
    row->addStretch();
    row->addWidget(btnPrint_);
    row->addWidget(btnClose_);
    return box;
}

// A right-click on any part of a loop's row opens that loop's menu; the
// row's labels and button pass the click on to the table.
void frmMain::InstallLoopRowMenus(QWidget* table)
{
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this, table](const QPoint& where) {
        QWidget* clicked = table->childAt(where);
        for (int loop = 1; clicked && loop <= Document::LoopCount; ++loop) {
            const auto controls = rows_[static_cast<size_t>(loop)].Controls();
            if (std::find(controls.begin(), controls.end(), clicked) != controls.end())
                ShowLoopRowMenu(loop, table->mapToGlobal(where));
        }
    });
}

void frmMain::ShowLoopRowMenu(int loop, const QPoint& where)
{
    lastLoop_ = loop;
    QMenu menu(this);
    menu.setObjectName("mnuLoopRow");
    connect(AddAction(&menu, "&Copy Loop To...", "mnuRowCopyLoop"), &QAction::triggered, this,
            [this, loop] { CopyLoopTo(loop); });
    connect(AddAction(&menu, "C&lear Loop...", "mnuRowClearLoop"), &QAction::triggered, this,
            [this, loop] { ClearLoop(loop); });
    menu.exec(where);
}

void frmMain::InstallSiteNameEnter()
{
    txtName_->installEventFilter(new EnterMovesFocus(txtName_, rows_[1].btnChange));
}
