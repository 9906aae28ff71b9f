#include "desktop/frmLoop.h"

#include "desktop/QtBusyPointer.h"

#include "document/AlongCableVerdict.h"
#include "document/SpareCapacity.h"
#include "document/CalculationSupport.h"
#include "forms/HelpTopics.h"
#include "document/LoopResults.h"
#include "forms/DiscardQuestion.h"
#include "catalogues/Options.h"
#include "desktop/QtUndoActions.h"
#include "desktop/VoltagePlotView.h"
#include "desktop/dlgPlaceIsolators.h"
#include "desktop/frmCableLayout.h"
#include "desktop/frmCompareCables.h"
#include "desktop/frmHowManyMore.h"
#include "desktop/frmLoopTables.h"
#include "platform/MessageHost.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>

namespace {

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

frmLoop::frmLoop(Document& document, Options& options, MessageHost& host, int loop, DeviceTypeChooser chooser,
                 QWidget* parent)
    : QDialog(parent), document_(document), host_(host), chooser_(std::move(chooser)),
      core_(document, options, host, loop), parameters_(core_, options.Units())
{
    setObjectName("frmLoop");
    setWindowTitle(QString::fromStdString(core_.Caption()));
    setModal(true);
    BuildControls();
    document_.AddObserver(this);
    FillControls();
}

frmLoop::~frmLoop()
{
    // Boxes losing the focus while the window goes commit nothing.
    closing_ = true;
    deviceQuantity_->Suspend();
    otherQuantity_->Suspend();
    document_.RemoveObserver(this);
    // The tables read their rows from the core: the controls go first, while
    // it is still there, rather than with the dialog after it.
    hide();
    const QObjectList controls = children();
    qDeleteAll(controls);
}

int frmLoop::HelpTopic() const { return HelpTopic::LoopEditor; }

// The controls take the loop's values without marking the document changed
// or recalculating; the loop is recalculated once they are all filled.
void frmLoop::FillControls()
{
    loading_ = true;
    core_.Activate();
    parameters_.Load();
    deviceModel_->Reset();
    ShowDeviceTable();

    txtLoopName_->setText(QString::fromStdString(document_.LoopName(LoopNum())));
    const clsCalculator& model = core_.Model();
    chkDisableDIN_->setChecked(model.DINLEDsDisabled());
    chkDisableDIN_->setVisible(core_.InterfaceLedsAvailable());
    ShowParameterTexts();
    cmbCableSize_->setCurrentIndex(static_cast<int>(parameters_.SelectedCableEntry()));
    calcTypes_->button(StoredNumber(model.CalcType()))->setChecked(true);
    ShowEditable();

    loading_ = false;
    core_.AcceptChange(false);
}

void frmLoop::LoopRecalculated(int loop)
{
    if (loop != LoopNum())
        return;
    deviceModel_->Refresh();
    otherModel_->Refresh();
    chkDisableDIN_->setVisible(core_.InterfaceLedsAvailable());
    ShowResults();
    ShowUndoSteps();
}

void frmLoop::ShowResults()
{
    const LoopEditorResults results = LoopEditorResultsFor(core_.Model(), document_.Catalog(), parameters_.Units());
    lblQty99_->setText(QString::fromStdString(results.Quantity));
    lblQuiescent99_->setText(QString::fromStdString(results.QuiescentDevices));
    lblAlarm99_->setText(QString::fromStdString(results.AlarmDevices));
    lblQuiescent100_->setText(QString::fromStdString(results.QuiescentTotal));
    lblAlarm100_->setText(QString::fromStdString(results.AlarmTotal));
    lblPanelLimit_->setText(QString::fromStdString(results.PanelLimit));
    for (QLabel* label : {lblOutLimit_, lblPanelLimitStar_, lblPanelLimit_})
        label->setVisible(results.PanelLimitVisible);
    lblMaxVoltDrop_->setText(QString::fromStdString(results.MaxVoltDrop));
    txtVoltDrop_->setText(QString::fromStdString(results.VoltDrop));
    if (results.ShowsTotalLength) {
        txtTotalLength_->setText(QString::fromStdString(results.TotalLength));
        if (!movingSlider_) {
            const QSignalBlocker quiet(sldDistribution_);
            sldDistribution_->setValue(parameters_.SliderPosition());
        }
    }
    if (results.ShowsCable) {
        cmbCableSize_->setCurrentIndex(static_cast<int>(parameters_.SelectedCableEntry()));
        txtCableImpedance_->setText(QString::fromStdString(parameters_.ImpedanceText()));
    }
    lblLimitCableRun_->setVisible(results.LimitCableRunVisible);
    ShowPassFail(QString::fromStdString(results.PassFail), false, results.Satisfactory);
    lblExplanation_->setText(QString::fromStdString(results.Explanation));
    stale_ = false;
    AlignTotals();
    ShowVoltagePlot();
}

void frmLoop::ShowVoltagePlot()
{
    AlongCableResult result = CalculationSupport::AnalyseAlongCable(document_, LoopNum());
    QStringList tips;
    for (const AlongCablePoint& point : result.Points)
        tips << QString::fromStdString(AlongCablePointTip(document_.Catalog(), point));
    ShowAlongCable(result);
    picVoltagePlot_->SetPlot(std::move(result), parameters_.Units(), std::move(tips));
}

// "Along the cable: " and the checks' result, red with its words when one
// fails; nothing for a loop without devices.
void frmLoop::ShowAlongCable(const AlongCableResult& result)
{
    const AlongCableVerdict along = JudgeAlongCable(result);
    lblAlongCable_->setText(along.Empty ? QString() : QString::fromStdString(AlongCableLine(along)));
    lblAlongCable_->setStyleSheet(along.Pass() ? QString() : QStringLiteral("color: #a50e0e; font-weight: bold;"));
    ShowSpare();
}

// The tightest limit's spare, red when short of the project's requirement;
// every limit in the tooltip.
void frmLoop::ShowSpare()
{
    const SpareCell cell = SpareCellFor(document_, LoopNum());
    lblSpare_->setText(QString::fromStdString(cell.Line));
    QStringList details;
    for (const std::string& line : cell.Details)
        details << QString::fromStdString(line);
    lblSpare_->setToolTip(details.join('\n'));
    lblSpare_->setStyleSheet(cell.Below ? QStringLiteral("color: #a50e0e; font-weight: bold;") : QString());
}

void frmLoop::ShowParameterTexts()
{
    txtCableImpedance_->setText(QString::fromStdString(parameters_.ImpedanceText()));
    txtTotalLength_->setText(QString::fromStdString(parameters_.TotalLengthText()));
    txtFirstLength_->setText(QString::fromStdString(parameters_.FirstLengthText()));
    txtMaxOutputs_->setText(QString::number(core_.Model().MaxOutput()));
    if (!movingSlider_) {
        const QSignalBlocker quiet(sldDistribution_);
        sldDistribution_->setValue(parameters_.SliderPosition());
    }
}

void frmLoop::ShowPassFail(const QString& text, bool stale, bool satisfactory)
{
    lblPassFail_->setText(text);
    QFont verdict = font();
    verdict.setBold(!stale);
    verdict.setPointSize(stale ? 8 : 12);
    lblPassFail_->setFont(verdict);
    lblPassFail_->setProperty("verdict", stale ? "stale" : satisfactory ? "pass" : "fail");
    lblPassFail_->setCursor(stale ? Qt::PointingHandCursor : Qt::ArrowCursor);
    lblPassFail_->style()->unpolish(lblPassFail_);
    lblPassFail_->style()->polish(lblPassFail_);
}

void frmLoop::ShowDeviceTable()
{
    deviceStack_->setCurrentWidget(core_.DeviceRows().empty() ? static_cast<QWidget*>(panDevices_) : grdDevices_);
    AlignTotals();
}

// The box that shows the calculation type's result cannot be edited.
void frmLoop::ShowEditable()
{
    const bool userDefined = cmbCableSize_->currentData().toInt() < 0;
    const LoopParameters::Editable editable = parameters_.EditableFor(CheckedCalcType(), userDefined);
    txtTotalLength_->setEnabled(editable.TotalLength);
    cmbCableSize_->setEnabled(editable.CableList);
    txtCableImpedance_->setEnabled(editable.Impedance);
}

// Typing in a box leaves the results shown out of date until it is committed.
void frmLoop::MarkStale()
{
    if (loading_)
        return;
    stale_ = true;
    const LoopEditorResults stale = StaleLoopEditorResults(
        LoopEditorResultsFor(core_.Model(), document_.Catalog(), parameters_.Units()), CheckedCalcType());
    if (stale.ShowsTotalLength)
        txtTotalLength_->setText(QString::fromStdString(stale.TotalLength));
    txtVoltDrop_->setText(QString::fromStdString(stale.VoltDrop));
    lblMaxVoltDrop_->setText(QString::fromStdString(stale.MaxVoltDrop));
    lblExplanation_->setText(QString::fromStdString(stale.Explanation));
    lblAlongCable_->clear();
    lblSpare_->clear();
    ShowPassFail(QString::fromStdString(stale.PassFail), true, false);
}

// The caption follows the name as it is typed.
void frmLoop::NameEdited(const QString& text)
{
    core_.SetLoopName(text.toStdString());
    setWindowTitle(QString::fromStdString(core_.Caption()));
    ShowUndoSteps();
}

// The options' button ids are the calculation types' stored numbers.
CalculationType frmLoop::CheckedCalcType() const
{
    return static_cast<CalculationType>(std::max(calcTypes_->checkedId(), 0));
}

bool frmLoop::CommitDeviceQuantity(int row, const QString& text)
{
    return core_.CommitDeviceQuantity(deviceModel_->CoreRow(row), LoopEditorCore::QuantityFromText(text.toStdString()));
}

bool frmLoop::CommitOtherQuantity(int row, const QString& text)
{
    return core_.CommitOtherQuantity(static_cast<size_t>(row), LoopEditorCore::QuantityFromText(text.toStdString()));
}

void frmLoop::CommitBox(QLineEdit& box)
{
    const std::string text = box.text().toStdString();
    committing_ = true;
    bool accepted = false;
    if (&box == txtCableImpedance_)
        accepted = parameters_.CommitImpedance(text);
    else if (&box == txtTotalLength_)
        accepted = parameters_.CommitTotalLength(text);
    else if (&box == txtFirstLength_)
        accepted = parameters_.CommitFirstLength(text);
    else
        accepted = parameters_.CommitMaxOutputs(text);
    committing_ = false;
    refusedEntry_ = !accepted;
    if (!accepted) {
        box.setFocus(Qt::OtherFocusReason);
        box.selectAll();
        return;
    }
    // The other run may have followed this one, and the slider follows both.
    ShowParameterTexts();
    if (stale_)
        ShowResults();
}

void frmLoop::ChooseCalcType(int calcType)
{
    parameters_.SetCalcType(static_cast<CalculationType>(calcType));
    // The runs and the cable the user gave come back for the new type.
    ShowParameterTexts();
    cmbCableSize_->setCurrentIndex(static_cast<int>(parameters_.SelectedCableEntry()));
    ShowEditable();
}

void frmLoop::ChooseCable(int entry)
{
    ShowEditable();
    const int cable = cmbCableSize_->itemData(entry).toInt();
    if (cable < 0)
        return;
    parameters_.ChooseCable(cable);
    txtCableImpedance_->setText(QString::fromStdString(parameters_.ImpedanceText()));
}

void frmLoop::MoveSlider(int position)
{
    if (loading_ || !sldDistribution_->hasFocus())
        return;
    movingSlider_ = true;
    parameters_.MoveSlider(static_cast<int16_t>(position));
    txtFirstLength_->setText(QString::fromStdString(parameters_.FirstLengthText()));
    movingSlider_ = false;
}

void frmLoop::SetInterfaceLeds(bool disabled)
{
    const QtBusyPointer busy;
    parameters_.SetInterfaceLedsDisabled(disabled);
}

void frmLoop::AddRow()
{
    if (refusedEntry_)
        return;
    const std::optional<int> type = chooser_(this);
    if (!type)
        return;
    const size_t row = core_.AddDeviceRow(*type);
    deviceModel_->Refresh();
    ShowDeviceTable();
    deviceQuantity_->OpenAt(deviceModel_->RowOf(row));
}

// The device table shows the rows whose names hold the words typed.
void frmLoop::FilterDevices()
{
    // A box open over a row is committed before the rows under it change.
    if (!deviceQuantity_->CommitOpenBox())
        return;
    core_.SetDeviceFilter(txtDeviceFilter_->text().toStdString(), chkInUseOnly_->isChecked());
    deviceModel_->Reset();
}

// OK there writes into the loop and recalculates it; this window's Cancel
// still restores the loop as it was.
void frmLoop::OpenCableLayout()
{
    if (refusedEntry_)
        return;
    LoopEditorCore::EditorState before = core_.Snapshot();
    frmCableLayout layout(document_, core_.Opts(), parameters_.Units(), host_, LoopNum(), this);
    layout.exec();
    core_.RecordStep(std::move(before), LoopEditorCore::CableLayoutStep);
    ShowUndoSteps();
}

// OK there puts the isolators into the loop: one step of this window's history.
void frmLoop::OpenPlaceIsolators()
{
    if (refusedEntry_)
        return;
    LoopEditorCore::EditorState before = core_.Snapshot();
    dlgPlaceIsolators dialog(document_, LoopNum(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    core_.RecordPlacement(std::move(before), PlaceIsolatorsCore::StepName);
    deviceModel_->Reset();
    ShowDeviceTable();
    ShowUndoSteps();
}

// The cables side by side; a cable used there is chosen as the cable list chooses it.
void frmLoop::OpenCompareCables()
{
    if (refusedEntry_)
        return;
    frmCompareCables compare(document_, parameters_.Units(), LoopNum(), this);
    if (compare.exec() != QDialog::Accepted || !compare.ChosenCable())
        return;
    const int entry = cmbCableSize_->findData(*compare.ChosenCable());
    cmbCableSize_->setCurrentIndex(entry);
    ChooseCable(entry);
    ShowUndoSteps();
}

void frmLoop::OfferHowManyMore(QTableView& table, LoopRowsModel& model)
{
    auto* action = new QAction("How &Many More...", &table);
    action->setObjectName(&model == deviceModel_ ? "mnuHowManyMore" : "mnuHowManyMoreOther");
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table.addAction(action);
    table.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(action, &QAction::triggered, this, [this, &table, &model] { OpenHowManyMore(table, model); });
}

void frmLoop::OpenHowManyMore(const QTableView& table, const LoopRowsModel& model)
{
    const int row = table.currentIndex().row();
    if (refusedEntry_ || row < 0)
        return;
    const size_t coreRow = model.CoreRow(row);
    frmHowManyMore window(&model == deviceModel_ ? HowManyMoreCore::ForDeviceRow(core_, coreRow)
                                                 : HowManyMoreCore::ForOtherRow(core_, coreRow),
                          this);
    window.exec();
    ShowStepPutBack();
}

void frmLoop::UndoStep()
{
    // A box holding a refused entry is corrected first.
    if (!refusedEntry_ && core_.Undo())
        ShowStepPutBack();
}

void frmLoop::RedoStep()
{
    if (!refusedEntry_ && core_.Redo())
        ShowStepPutBack();
}

void frmLoop::ShowStepPutBack()
{
    FillControls();
    setWindowTitle(QString::fromStdString(core_.Caption()));
    ShowUndoSteps();
}

void frmLoop::ShowUndoSteps() { undo_->Show(core_.History().UndoName(), core_.History().RedoName()); }

void frmLoop::ConfirmOK()
{
    if (refusedEntry_)
        return;
    if (!core_.ConfirmOK()) {
        txtTotalLength_->setFocus(Qt::OtherFocusReason);
        return;
    }
    closing_ = true;
    deviceQuantity_->Suspend();
    otherQuantity_->Suspend();
    core_.Accept();
    accept();
}

void frmLoop::reject()
{
    if (!closing_) {
        if (!DiscardQuestion::MayClose(host_, core_.HasChanges(), core_.DiscardQuestion(), core_.Caption()))
            return;
        closing_ = true;
        deviceQuantity_->Suspend();
        otherQuantity_->Suspend();
        core_.Cancel();
    }
    QDialog::reject();
}

// Enter never reaches a default button: it moves along the parameters or is dropped.
void frmLoop::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QWidget* frmLoop::EnterTarget(const QObject* control) const
{
    auto firstEnabled = [](std::initializer_list<QWidget*> candidates) -> QWidget* {
        for (QWidget* candidate : candidates)
            if (candidate->isEnabled())
                return candidate;
        return nullptr;
    };
    if (control == optVoltDrop_ || control == optCableRun_)
        return cmbCableSize_;
    if (control == optCableSize_)
        return txtFirstLength_;
    if (control == cmbCableSize_)
        return firstEnabled({txtCableImpedance_, txtTotalLength_, txtFirstLength_});
    if (control == txtCableImpedance_)
        return firstEnabled({txtTotalLength_, txtFirstLength_});
    if (control == txtTotalLength_)
        return sldDistribution_;
    if (control == sldDistribution_)
        return txtFirstLength_;
    if (control == txtFirstLength_)
        return btnOK_;
    if (control == txtMaxOutputs_)
        return panOther_->isVisible() ? static_cast<QWidget*>(grdOther_) : calcTypes_->checkedButton();
    return nullptr;
}

bool frmLoop::eventFilter(QObject* object, QEvent* event)
{
    if (object == lblPassFail_ && event->type() == QEvent::MouseButtonPress) {
        // Leaving the box being edited commits it, which recalculates.
        btnOK_->setFocus(Qt::MouseFocusReason);
        return true;
    }
    // (The tables are not asked for their viewports once the window closes.)
    if (!closing_ && (object == totals_ || object == grdDevices_->viewport() || object == grdOther_->viewport())) {
        if (event->type() == QEvent::Resize)
            AlignTotals();
        return QDialog::eventFilter(object, event);
    }

    if (object == txtDeviceFilter_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Escape empties the filter first, and only then cancels the window.
        if (key->key() == Qt::Key_Escape && !txtDeviceFilter_->text().isEmpty()) {
            txtDeviceFilter_->clear();
            return true;
        }
        // Enter goes on to the quantity of the first row on show.
        if (IsEnter(*key)) {
            if (deviceModel_->rowCount() > 0)
                deviceQuantity_->OpenAt(0);
            return true;
        }
    }

    auto* box = qobject_cast<QLineEdit*>(object);
    const bool parameterBox = box && (box == txtCableImpedance_ || box == txtTotalLength_ || box == txtFirstLength_ ||
                                      box == txtMaxOutputs_);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(*key)) {
            QWidget* target = EnterTarget(object);
            if (target == grdOther_)
                otherQuantity_->OpenAtCurrent();
            else if (target)
                target->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (parameterBox && RefusesKey(*key, box == txtCableImpedance_)) {
            host_.Beep(0);
            return true;
        }
    }
    if (parameterBox && event->type() == QEvent::FocusOut && !closing_ && !committing_ && !delivering_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window taking the focus commits nothing; Cancel needs no valid entry.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            QApplication::focusWidget() != btnCancel_) {
            DeliverNow(box, event, delivering_);
            CommitBox(*box);
            return true;
        }
    }
    return QDialog::eventFilter(object, event);
}
