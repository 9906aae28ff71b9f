#pragma once
// The loop editor window: the device and Other Device tables of one loop with
// their quantities, the loop's cable and calculation parameters, and its
// results. It passes every edit to the loop editor core and shows what the
// core computes; the document tells it when the loop has been recalculated.

#include <QDialog>

#include "desktop/QtHelpKey.h"

// moc's own preprocessor stops at the standard library's C++20 headers; it
// needs none of these to read this class.
#ifndef Q_MOC_RUN
#include "document/Document.h"
#include "forms/LoopEditorCore.h"
#include "forms/LoopParameters.h"

#include <functional>
#include <optional>
#endif

class LoopRowsModel;
struct AlongCableResult;
class MessageHost;
class Options;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTableView;
class QToolButton;
class QtUndoActions;
class QuantityDelegate;
class VoltagePlotView;

class frmLoop : public QDialog, public HelpTopicWindow, private DocumentObserver {
    Q_OBJECT
public:
    // The device-type chooser, shown over `parent` (the editor, so that the
    // editor is active again when it closes): the type picked, or nothing
    // when cancelled.
    using DeviceTypeChooser = std::function<std::optional<int>(QWidget* parent)>;

    // Opens on loop `loop` (1 to 8): keeps the loop as it is for Cancel,
    // builds the tables, fills the controls and recalculates the loop.
    frmLoop(Document& document, Options& options, MessageHost& host, int loop, DeviceTypeChooser chooser,
            QWidget* parent = nullptr);
    ~frmLoop() override;

    int LoopNum() const { return core_.LoopNum(); }
    int HelpTopic() const override;

public slots:
    // Cancel (also Escape and closing the window): the loop as it was, after
    // asking when it was changed.
    void reject() override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoopRecalculated(int loop) override;

    // Building the controls (frmLoopLayout.cpp).
    void BuildControls();
    QLayout* BuildName();
    QWidget* BuildTables();
    QWidget* BuildTotals();
    QWidget* BuildParametersAndVerdict();
    QGroupBox* BuildVerdict();
    QWidget* BuildParameters();
    QGroupBox* BuildCalculationGroup();
    QGroupBox* BuildCableGroup();
    QGroupBox* BuildLimitsGroup();
    void SetUpTable(QTableView& table, LoopRowsModel& model);
    void AlignTotals();

    // Showing what the core computed.
    void FillControls();
    void ShowResults();
    void ShowParameterTexts();
    void ShowPassFail(const QString& text, bool stale, bool satisfactory);
    void ShowVoltagePlot();
    void ShowAlongCable(const AlongCableResult& result);
    void ShowSpare();
    void ShowDeviceTable();
    void ShowEditable();
    void MarkStale();

    // Edits.
    void NameEdited(const QString& text);
    bool CommitDeviceQuantity(int row, const QString& text);
    bool CommitOtherQuantity(int row, const QString& text);
    void CommitBox(QLineEdit& box);
    void ChooseCalcType(int calcType);
    void ChooseCable(int entry);
    void MoveSlider(int position);
    void SetInterfaceLeds(bool disabled);
    void AddRow();
    void FilterDevices();
    void OpenCableLayout();
    void OpenPlaceIsolators();
    // The cables side by side; a cable used from there is chosen as the cable list chooses it.
    void OpenCompareCables();
    // "How Many More..." on a row of the table (its context menu, Ctrl+M).
    void OfferHowManyMore(QTableView& table, LoopRowsModel& model);
    void OpenHowManyMore(const QTableView& table, const LoopRowsModel& model);
    // The editor's own steps; the controls show the loop as it then is.
    void UndoStep();
    void RedoStep();
    void ShowStepPutBack();
    void ShowUndoSteps();
    void ConfirmOK();
    QWidget* EnterTarget(const QObject* control) const;
    CalculationType CheckedCalcType() const;

    Document& document_;
    MessageHost& host_;
    DeviceTypeChooser chooser_;
    LoopEditorCore core_;
    LoopParameters parameters_;

    bool loading_ = false;
    bool stale_ = false;
    bool closing_ = false;
    bool committing_ = false;
    bool movingSlider_ = false;
    bool delivering_ = false;
    // A box holds a refused entry: OK and Add Row wait until it is corrected.
    bool refusedEntry_ = false;

    // Tables.
    LoopRowsModel* deviceModel_ = nullptr;
    LoopRowsModel* otherModel_ = nullptr;
    QuantityDelegate* deviceQuantity_ = nullptr;
    QuantityDelegate* otherQuantity_ = nullptr;
    QStackedWidget* deviceStack_ = nullptr;
    QLabel* panDevices_ = nullptr;
    QTableView* grdDevices_ = nullptr;
    QLabel* lblOther_ = nullptr;
    QWidget* panOther_ = nullptr;
    QTableView* grdOther_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QLineEdit* txtDeviceFilter_ = nullptr;
    QCheckBox* chkInUseOnly_ = nullptr;

    // Totals under the tables and the verdict.
    QWidget* totals_ = nullptr;
    QLabel* lblDevicesTotal_ = nullptr;
    QLabel* lblLoopTotal_ = nullptr;
    QLabel* lblQty99_ = nullptr;
    QLabel* lblQuiescent99_ = nullptr;
    QLabel* lblAlarm99_ = nullptr;
    QLabel* lblQuiescent100_ = nullptr;
    QLabel* lblAlarm100_ = nullptr;
    QLabel* lblOutLimit_ = nullptr;
    QLabel* lblPanelLimitStar_ = nullptr;
    QLabel* lblPanelLimit_ = nullptr;
    QLabel* lblMaxAlarm_ = nullptr;
    QLabel* lblPassFail_ = nullptr;
    QLabel* lblExplanation_ = nullptr;
    QLabel* lblAlongCable_ = nullptr;  // the checks along the cable, under the verdict
    QLabel* lblSpare_ = nullptr;       // the spare capacity, under them
    QLineEdit* txtVoltDrop_ = nullptr;
    QLabel* lblMaxVoltDrop_ = nullptr;
    VoltagePlotView* picVoltagePlot_ = nullptr;

    QLineEdit* txtLoopName_ = nullptr;

    // Parameters.
    QButtonGroup* calcTypes_ = nullptr;
    QWidget* optVoltDrop_ = nullptr;
    QWidget* optCableRun_ = nullptr;
    QWidget* optCableSize_ = nullptr;
    QComboBox* cmbCableSize_ = nullptr;
    QLineEdit* txtCableImpedance_ = nullptr;
    QLabel* lblCableTypeUnits_ = nullptr;
    QLabel* lblCableTypeUnitsNotes_ = nullptr;
    QLineEdit* txtTotalLength_ = nullptr;
    QLabel* lblTotalLengthUnits_ = nullptr;
    QLabel* lblLimitCableRun_ = nullptr;
    QLineEdit* txtFirstLength_ = nullptr;
    QLabel* lblFirstLengthUnits_ = nullptr;
    QSlider* sldDistribution_ = nullptr;
    QLineEdit* txtMaxOutputs_ = nullptr;
    QCheckBox* chkDisableDIN_ = nullptr;
    QPushButton* btnCableLayout_ = nullptr;
    QPushButton* btnPlaceIsolators_ = nullptr;
    QPushButton* btnCompareCables_ = nullptr;

    QtUndoActions* undo_ = nullptr;
    QToolButton* btnUndo_ = nullptr;
    QToolButton* btnRedo_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
