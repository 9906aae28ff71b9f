// Building the loop editor's controls: the tables with the totals under them
// and the verdict on the left, the parameters on the right, OK and Cancel
// below. Every control the rest of the program refers to carries its name.

#include "desktop/frmLoop.h"

#include "text/Scaling.h"
#include "catalogues/Options.h"
#include "desktop/QtUndoActions.h"
#include "desktop/QtWindowSize.h"
#include "desktop/VoltagePlotView.h"
#include "desktop/frmLoopTables.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* NamedLabel(const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// A quieter line explaining the control above it.
QLabel* Note(const QString& name, const QString& text)
{
    QLabel* note = NamedLabel(name, text);
    QFont font = note->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    note->setFont(font);
    note->setForegroundRole(QPalette::PlaceholderText);
    note->setWordWrap(true);
    return note;
}

QLabel* SectionTitle(const QString& name, const QString& text)
{
    QLabel* title = NamedLabel(name, text);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    return title;
}

QLineEdit* NumberBox(const QString& name, int characters)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) + 24);
    return box;
}

template <typename Widget> Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

constexpr const char* VerdictStyle =
    "QLabel#lblPassFail { border: 1px solid palette(mid); border-radius: 6px; padding: 8px 14px; }"
    "QLabel#lblPassFail[verdict=\"pass\"] { background: #e6f4ea; border-color: #34a853; color: #17692e; }"
    "QLabel#lblPassFail[verdict=\"fail\"] { background: #fce8e6; border-color: #d93025; color: #a50e0e; }"
    "QLabel#lblPassFail[verdict=\"stale\"] { background: #fef7e0; border-color: #e3a008; color: #6b4e00; }";

}  // namespace

void frmLoop::BuildControls()
{
    btnOK_ = Named(new QPushButton(tr("OK")), "btnOK");
    btnCancel_ = Named(new QPushButton(tr("Cancel")), "btnCancel");
    for (QPushButton* button : {btnOK_, btnCancel_})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(tr("Cancel")) + 48);
    connect(btnOK_, &QPushButton::clicked, this, &frmLoop::ConfirmOK);
    connect(btnCancel_, &QPushButton::clicked, this, &frmLoop::reject);

    auto* tablesAndTotals = new QWidget;
    auto* left = new QVBoxLayout(tablesAndTotals);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(8);
    left->addWidget(BuildTables(), 1);
    left->addWidget(BuildTotals());

    // The plot under the tables and their totals; the splitter lets the user
    // give either more room.
    picVoltagePlot_ = Named(new VoltagePlotView, "picVoltagePlot");
    auto* split = Named(new QSplitter(Qt::Vertical), "splVoltagePlot");
    split->setChildrenCollapsible(false);
    split->addWidget(tablesAndTotals);
    split->addWidget(picVoltagePlot_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({3000, 2000});

    // The name over the tables only: the parameters and the verdict beside
    // them have the window's whole height.
    auto* named = new QVBoxLayout;
    named->setSpacing(12);
    named->addLayout(BuildName());
    named->addWidget(split, 1);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(named, 1);
    body->addWidget(BuildParametersAndVerdict());

    undo_ = new QtUndoActions(*this, [this] { UndoStep(); }, [this] { RedoStep(); });
    btnUndo_ = undo_->UndoButton();
    btnRedo_ = undo_->RedoButton();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnUndo_);
    buttons->addWidget(btnRedo_);
    btnPlaceIsolators_ = Named(new QPushButton(tr("&Place Isolators...")), "btnPlaceIsolators");
    connect(btnPlaceIsolators_, &QPushButton::clicked, this, &frmLoop::OpenPlaceIsolators);
    buttons->addWidget(btnPlaceIsolators_);
    buttons->addStretch(1);
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 14, 14, 12);
    root->setSpacing(12);
    root->addLayout(body, 1);
    root->addLayout(buttons);

    QWidget* order[] = {txtLoopName_, btnAdd_, txtDeviceFilter_, chkInUseOnly_, grdDevices_, grdOther_, optVoltDrop_,
                        optCableRun_,      optCableSize_,     cmbCableSize_,     txtCableImpedance_,
                        txtTotalLength_,   sldDistribution_,  txtFirstLength_,   btnCableLayout_,   btnCompareCables_,
                        txtMaxOutputs_,
                        chkDisableDIN_,    btnPlaceIsolators_, btnOK_,           btnCancel_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Enter moves along the parameters; the boxes commit on losing the focus.
    for (QWidget* control : {optVoltDrop_, optCableRun_, optCableSize_, static_cast<QWidget*>(cmbCableSize_),
                             static_cast<QWidget*>(txtCableImpedance_), static_cast<QWidget*>(txtTotalLength_),
                             static_cast<QWidget*>(sldDistribution_), static_cast<QWidget*>(txtFirstLength_),
                             static_cast<QWidget*>(txtMaxOutputs_)})
        control->installEventFilter(this);
    lblPassFail_->installEventFilter(this);
    txtDeviceFilter_->installEventFilter(this);
    // The totals follow the tables' columns: when a table's rows change width
    // (its viewport), and when a column is resized.
    totals_->installEventFilter(this);
    for (QTableView* table : {grdDevices_, grdOther_}) {
        table->viewport()->installEventFilter(this);
        connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, &frmLoop::AlignTotals);
    }

    // Never smaller than the controls need, and never taller than a laptop's
    // screen: the parameters scroll instead.
    setMinimumSize(minimumSizeHint());
    resize(QSize(1180, 700).expandedTo(minimumSize()));
    new QtWindowSize(*this, core_.Opts(), SettingName::LoopEditorSize, split);
}

// The parameters over the verdict, in a column that scrolls when the window
// is lower than they are; a control taking the focus scrolls into view.
QWidget* frmLoop::BuildParametersAndVerdict()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(BuildParameters());
    layout->addWidget(BuildVerdict(), 1);

    auto* scroll = Named(new QScrollArea, "scrParameters");
    scroll->setWidget(column);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(column->minimumSizeHint().width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    connect(qApp, &QApplication::focusChanged, scroll, [scroll, column](QWidget*, QWidget* now) {
        if (now && column->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });
    return scroll;
}

QLayout* frmLoop::BuildName()
{
    txtLoopName_ = Named(new QLineEdit, "txtLoopName");
    txtLoopName_->setPlaceholderText(tr("Where the loop runs, for example: Yard and loading bays"));
    connect(txtLoopName_, &QLineEdit::textEdited, this, &frmLoop::NameEdited);
    auto* row = new QHBoxLayout;
    row->addWidget(Caption(tr("Loop &Name"), txtLoopName_));
    row->addWidget(txtLoopName_, 1);
    return row;
}

QWidget* frmLoop::BuildTables()
{
    deviceModel_ = new LoopRowsModel(core_, LoopRowsModel::Table::Devices, this);
    otherModel_ = new LoopRowsModel(core_, LoopRowsModel::Table::Other, this);

    grdDevices_ = Named(new QTableView, "grdDevices");
    SetUpTable(*grdDevices_, *deviceModel_);
    grdOther_ = Named(new QTableView, "grdOther");
    SetUpTable(*grdOther_, *otherModel_);

    panDevices_ = NamedLabel("panDevices", QString::fromUtf8(LoopEditorCore::NoDeviceRowsText));
    panDevices_->setAlignment(Qt::AlignCenter);
    panDevices_->setWordWrap(true);
    panDevices_->setFrameShape(QFrame::StyledPanel);
    panDevices_->setForegroundRole(QPalette::PlaceholderText);
    panDevices_->setBackgroundRole(QPalette::Base);
    panDevices_->setAutoFillBackground(true);
    deviceStack_ = new QStackedWidget;
    deviceStack_->addWidget(panDevices_);
    deviceStack_->addWidget(grdDevices_);

    btnAdd_ = Named(new QPushButton(tr("&Add Row...")), "btnAdd");
    auto* deviceHeading = new QHBoxLayout;
    deviceHeading->addWidget(SectionTitle("lblDevices", tr("Addressable Devices")));
    deviceHeading->addStretch(1);
    deviceHeading->addWidget(btnAdd_);

    // Finding a type among many: part of its name, or only those in use.
    txtDeviceFilter_ = Named(new QLineEdit, "txtDeviceFilter");
    txtDeviceFilter_->setPlaceholderText(tr("Part of a device type's name"));
    txtDeviceFilter_->setClearButtonEnabled(true);
    chkInUseOnly_ = Named(new QCheckBox(tr("Only types in &use")), "chkInUseOnly");
    auto* filter = new QHBoxLayout;
    filter->addWidget(Caption(tr("&Find:"), txtDeviceFilter_));
    filter->addWidget(txtDeviceFilter_, 1);
    filter->addWidget(chkInUseOnly_);
    connect(txtDeviceFilter_, &QLineEdit::textChanged, this, &frmLoop::FilterDevices);
    connect(chkInUseOnly_, &QCheckBox::toggled, this, &frmLoop::FilterDevices);

    lblOther_ = SectionTitle("lblOther", tr("Other Devices"));
    panOther_ = Named(new QWidget, "panOther");
    auto* otherLayout = new QVBoxLayout(panOther_);
    otherLayout->setContentsMargins(0, 0, 0, 0);
    otherLayout->addWidget(grdOther_);

    auto* tables = new QWidget;
    auto* layout = new QVBoxLayout(tables);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(deviceHeading);
    layout->addLayout(filter);
    layout->addWidget(deviceStack_, 3);
    layout->addSpacing(4);
    layout->addWidget(lblOther_);
    layout->addWidget(panOther_, 2);

    const bool others = otherModel_->rowCount() > 0;
    lblOther_->setVisible(others);
    panOther_->setVisible(others);

    deviceQuantity_ = new QuantityDelegate(*grdDevices_, *deviceModel_, "txtDevicesQty", *btnCancel_, host_,
                                           [this](int row, const QString& text) { return CommitDeviceQuantity(row, text); });
    otherQuantity_ = new QuantityDelegate(*grdOther_, *otherModel_, "txtOtherQty", *btnCancel_, host_,
                                          [this](int row, const QString& text) { return CommitOtherQuantity(row, text); });
    for (QuantityDelegate* quantity : {deviceQuantity_, otherQuantity_}) {
        connect(quantity, &QuantityDelegate::Typed, this, &frmLoop::MarkStale);
        connect(quantity, &QuantityDelegate::Committed, this, [this](bool accepted) {
            refusedEntry_ = !accepted;
            if (accepted && stale_)
                ShowResults();
        });
        connect(quantity, &QuantityDelegate::Abandoned, this, [this] {
            refusedEntry_ = false;
            if (stale_)
                ShowResults();
        });
    }
    connect(btnAdd_, &QPushButton::clicked, this, &frmLoop::AddRow);
    return tables;
}

void frmLoop::SetUpTable(QTableView& table, LoopRowsModel& model)
{
    table.setModel(&model);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setAlternatingRowColors(true);
    table.setShowGrid(false);
    table.setWordWrap(false);
    table.setCornerButtonEnabled(false);
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 12);
    QHeaderView* header = table.horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(LoopRowsModel::Name, QHeaderView::Stretch);
    // Room for "99999 µA" and the quantity box, the same in both tables so
    // that their numbers line up with each other and with the totals.
    const int current = table.fontMetrics().horizontalAdvance(QString::fromUtf8("99999 \u00B5A")) + 36;
    const int quantity = table.fontMetrics().horizontalAdvance("00000") + 40;
    for (const auto& [column, width] : {std::pair{LoopRowsModel::Quantity, quantity},
                                        std::pair{LoopRowsModel::Quiescent, current},
                                        std::pair{LoopRowsModel::Alarm, current}}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, width);
    }
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // However small the window, a name of some length beside the numbers.
    const int names = table.fontMetrics().horizontalAdvance(QString(26, QLatin1Char('x')));
    table.setMinimumWidth(names + quantity + 2 * current + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * table.frameWidth());
    OfferHowManyMore(table, model);
}

QWidget* frmLoop::BuildTotals()
{
    totals_ = new QWidget;
    lblDevicesTotal_ = new QLabel(tr("Addressable devices"), totals_);
    lblLoopTotal_ = new QLabel(tr("Loop total"), totals_);
    lblQty99_ = new QLabel(totals_);
    lblQuiescent99_ = new QLabel(totals_);
    lblAlarm99_ = new QLabel(totals_);
    lblQuiescent100_ = new QLabel(totals_);
    lblAlarm100_ = new QLabel(totals_);
    lblOutLimit_ = new QLabel("*", totals_);
    lblPanelLimitStar_ = new QLabel("*", totals_);
    lblPanelLimit_ = new QLabel(totals_);
    lblMaxAlarm_ = new QLabel(QString::fromStdString(parameters_.MaxAlarmText()), totals_);
    lblQty99_->setObjectName("lblQty_99");
    lblQuiescent99_->setObjectName("lblQuiescent_99");
    lblAlarm99_->setObjectName("lblAlarm_99");
    lblQuiescent100_->setObjectName("lblQuiescent_100");
    lblAlarm100_->setObjectName("lblAlarm_100");
    lblOutLimit_->setObjectName("lblOutLimit");
    lblPanelLimitStar_->setObjectName("lblPanelLimitStar");
    lblPanelLimit_->setObjectName("lblPanelLimit");
    lblMaxAlarm_->setObjectName("lblMaxAlarm");

    QFont bold = font();
    bold.setBold(true);
    for (QLabel* label : {lblLoopTotal_, lblQuiescent100_, lblAlarm100_, lblPanelLimitStar_})
        label->setFont(bold);
    for (QLabel* label : {lblQty99_, lblQuiescent99_, lblAlarm99_, lblQuiescent100_, lblAlarm100_, lblMaxAlarm_})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {lblPanelLimit_, lblMaxAlarm_})
        label->setForegroundRole(QPalette::PlaceholderText);
    totals_->setFixedHeight(3 * (fontMetrics().height() + 8) + 6);
    return totals_;
}

// The totals sit under the columns of the tables, numbers under numbers. Both
// tables have the same columns; a hidden one has not laid its columns out.
// The number columns keep their widths at the right of the rows, so they are
// placed from the rows' right edge: the name column's stretch to a new width
// comes later than the resize that moves them, and without a signal.
void frmLoop::AlignTotals()
{
    const QTableView* guide = !grdDevices_->isVisible() && grdOther_->isVisible() ? grdOther_ : grdDevices_;
    const QHeaderView* header = guide->horizontalHeader();
    const QRect rows = guide->viewport()->geometry();
    const int rowsEnd = rows.x() + rows.width();
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, guide) + 1;
    const int rowHeight = fontMetrics().height() + 8;
    auto start = [&](int c) {
        if (c == LoopRowsModel::Name)
            return rows.x();
        int x = rowsEnd;
        for (int after = c; after < LoopRowsModel::ColumnCount; ++after)
            x -= header->sectionSize(after);
        return x;
    };
    auto column = [&](int c) {
        const int end = c + 1 < LoopRowsModel::ColumnCount ? start(c + 1) : rowsEnd;
        return std::pair{start(c) + margin, end - start(c) - 2 * margin};
    };
    auto place = [&](QLabel* label, int c, int row) {
        const auto [x, width] = column(c);
        label->setGeometry(x, 6 + row * rowHeight, width, rowHeight);
    };
    // A star stands just before the alarm current it marks.
    auto star = [&](QLabel* mark, const QLabel* value, int row) {
        const auto [x, width] = column(LoopRowsModel::Alarm);
        const int text = value->fontMetrics().horizontalAdvance(value->text());
        const int markWidth = mark->fontMetrics().horizontalAdvance("*") + 2;
        mark->setGeometry(x + width - text - markWidth - 2, 6 + row * rowHeight, markWidth, rowHeight);
    };
    place(lblDevicesTotal_, LoopRowsModel::Name, 0);
    place(lblQty99_, LoopRowsModel::Quantity, 0);
    place(lblQuiescent99_, LoopRowsModel::Quiescent, 0);
    place(lblAlarm99_, LoopRowsModel::Alarm, 0);
    place(lblLoopTotal_, LoopRowsModel::Name, 1);
    place(lblQuiescent100_, LoopRowsModel::Quiescent, 1);
    place(lblAlarm100_, LoopRowsModel::Alarm, 1);
    star(lblOutLimit_, lblAlarm99_, 0);
    star(lblPanelLimitStar_, lblAlarm100_, 1);
    const auto [alarmX, alarmWidth] = column(LoopRowsModel::Alarm);
    const auto [nameX, nameWidth] = column(LoopRowsModel::Name);
    lblPanelLimit_->setGeometry(nameX, 6 + 2 * rowHeight, nameWidth, rowHeight);
    const int maxAlarmWidth = lblMaxAlarm_->sizeHint().width();
    lblMaxAlarm_->setGeometry(alarmX + alarmWidth - maxAlarmWidth, 6 + 2 * rowHeight, maxAlarmWidth, rowHeight);
}

QGroupBox* frmLoop::BuildVerdict()
{
    auto* group = Named(new QGroupBox(tr("Result")), "fraResult");
    lblPassFail_ = NamedLabel("lblPassFail");
    lblPassFail_->setAlignment(Qt::AlignCenter);
    lblPassFail_->setStyleSheet(VerdictStyle);
    lblPassFail_->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    lblAlongCable_ = NamedLabel("lblAlongCable");
    lblAlongCable_->setWordWrap(true);
    lblAlongCable_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSpare_ = NamedLabel("lblSpare");
    lblSpare_->setWordWrap(true);
    lblSpare_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblExplanation_ = NamedLabel("lblExplanation");
    lblExplanation_->setWordWrap(true);
    lblExplanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblExplanation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for most explanations, so that the window does not jump.
    lblExplanation_->setMinimumHeight(fontMetrics().lineSpacing() * 2);

    txtVoltDrop_ = NumberBox("txtVoltDrop", 7);
    txtVoltDrop_->setReadOnly(true);
    txtVoltDrop_->setFocusPolicy(Qt::ClickFocus);
    QPalette result = txtVoltDrop_->palette();  // a result, not an entry
    result.setColor(QPalette::Base, result.color(QPalette::Window));
    txtVoltDrop_->setPalette(result);
    lblMaxVoltDrop_ = NamedLabel("lblMaxVoltDrop");
    lblMaxVoltDrop_->setForegroundRole(QPalette::PlaceholderText);
    auto* voltDrop = new QHBoxLayout;
    voltDrop->addWidget(Caption(tr("Volt drop:"), txtVoltDrop_));
    voltDrop->addWidget(txtVoltDrop_);
    voltDrop->addWidget(lblMaxVoltDrop_);
    voltDrop->addStretch(1);

    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(8);
    layout->addWidget(lblPassFail_);
    layout->addWidget(lblAlongCable_);
    layout->addWidget(lblSpare_);
    layout->addLayout(voltDrop);
    layout->addWidget(lblExplanation_, 1);
    return group;
}

QWidget* frmLoop::BuildParameters()
{
    auto* parameters = new QWidget;
    auto* layout = new QVBoxLayout(parameters);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(BuildCalculationGroup());
    layout->addWidget(BuildCableGroup());
    layout->addWidget(BuildLimitsGroup());
    parameters->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return parameters;
}

QGroupBox* frmLoop::BuildCalculationGroup()
{
    auto* group = Named(new QGroupBox(tr("Calculation")), "fraCalculation");
    auto* layout = new QHBoxLayout(group);
    calcTypes_ = new QButtonGroup(this);
    const std::pair<const char*, QString> options[] = {
        {"optVoltDrop", tr("Max &Volt Drop")}, {"optCableRun", tr("Max Cable &Run")}, {"optCableSize", tr("Min Cable &Size")}};
    QWidget** controls[] = {&optVoltDrop_, &optCableRun_, &optCableSize_};
    for (int type = 0; type < 3; ++type) {
        auto* option = Named(new QRadioButton(options[type].second), options[type].first);
        calcTypes_->addButton(option, type);
        layout->addWidget(option);
        *controls[type] = option;
    }
    layout->addStretch(1);
    connect(calcTypes_, &QButtonGroup::idClicked, this, &frmLoop::ChooseCalcType);
    return group;
}

QGroupBox* frmLoop::BuildCableGroup()
{
    const int units = parameters_.Units();
    auto* group = Named(new QGroupBox(tr("Cable")), "fraCable");

    cmbCableSize_ = Named(new QComboBox, "cmbCableSize");
    for (const LoopParameters::CableEntry& entry : parameters_.CableList())
        cmbCableSize_->addItem(QString::fromStdString(entry.Name), entry.Cable);
    txtCableImpedance_ = NumberBox("txtCableImpedance", 6);
    lblCableTypeUnits_ = NamedLabel("lblCableTypeUnits", QString::fromStdString(Scaling::ImpedanceUnitsText(units)));
    lblCableTypeUnitsNotes_ = Note("lblCableTypeUnitsNotes", QString::fromStdString(Scaling::ImpedanceConditionsText(units)));
    const QString length = QString::fromStdString(Scaling::LengthUnitsText(units, true));
    txtTotalLength_ = NumberBox("txtTotalLength", 6);
    lblTotalLengthUnits_ = NamedLabel("lblTotalLengthUnits", length);
    lblLimitCableRun_ = Note("lblLimitCableRun", QString::fromStdString(parameters_.CableRunLimitText()));
    // The limit comes and goes as the slider moves: its line stays, so that
    // the controls under it do not jump.
    QSizePolicy keepLine = lblLimitCableRun_->sizePolicy();
    keepLine.setRetainSizeWhenHidden(true);
    lblLimitCableRun_->setSizePolicy(keepLine);
    txtFirstLength_ = NumberBox("txtFirstLength", 6);
    lblFirstLengthUnits_ = NamedLabel("lblFirstLengthUnits", length);

    sldDistribution_ = Named(new QSlider(Qt::Horizontal), "sldDistribution");
    sldDistribution_->setRange(0, 100);
    sldDistribution_->setTickPosition(QSlider::TicksBelow);
    sldDistribution_->setTickInterval(10);
    sldDistribution_->setPageStep(10);
    auto* ends = new QHBoxLayout;
    QLabel* best = Note("lblBestCase", tr("Best-case (evenly along cable)"));
    QLabel* worst = Note("lblWorstCase", tr("Worst-case (all at one end of cable)"));
    worst->setAlignment(Qt::AlignRight);
    ends->addWidget(best, 1);
    ends->addWidget(worst, 1);

    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(2, 1);
    int row = 0;
    grid->addWidget(Caption(tr("Si&ze:"), cmbCableSize_), row, 0);
    grid->addWidget(cmbCableSize_, row++, 1, 1, 2);
    grid->addWidget(Caption(tr("&Impedance:"), txtCableImpedance_), row, 0);
    grid->addWidget(txtCableImpedance_, row, 1);
    grid->addWidget(lblCableTypeUnits_, row++, 2);
    grid->addWidget(lblCableTypeUnitsNotes_, row++, 1, 1, 2);
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(Caption(tr("Total &cable run:"), txtTotalLength_), row, 0);
    grid->addWidget(txtTotalLength_, row, 1);
    grid->addWidget(lblTotalLengthUnits_, row++, 2);
    grid->addWidget(Note("lblTotalLengthNote", tr("(from panel, around loop and then back to panel)")), row++, 0, 1, 3);
    grid->addWidget(lblLimitCableRun_, row++, 0, 1, 3);
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(Caption(tr("Device Distri&bution:"), sldDistribution_), row++, 0, 1, 3);
    grid->addWidget(sldDistribution_, row++, 0, 1, 3);
    grid->addLayout(ends, row++, 0, 1, 3);
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(Caption(tr("Cable run between panel && &1st device:"), txtFirstLength_), row, 0);
    grid->addWidget(txtFirstLength_, row, 1);
    grid->addWidget(lblFirstLengthUnits_, row++, 2);
    // The button beside the note, so that the group keeps to a laptop's height.
    btnCableLayout_ = Named(new QPushButton(tr("Cable La&yout...")), "btnCableLayout");
    auto* layoutRow = new QHBoxLayout;
    layoutRow->addWidget(Note("lblFirstLengthNote", tr("(largest of 2 values on each side of loop)")), 1);
    layoutRow->addWidget(btnCableLayout_, 0, Qt::AlignRight | Qt::AlignTop);
    btnCompareCables_ = Named(new QPushButton(tr("Co&mpare Cables...")), "btnCompareCables");
    layoutRow->addWidget(btnCompareCables_, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addLayout(layoutRow, row++, 0, 1, 3);

    connect(cmbCableSize_, &QComboBox::activated, this, &frmLoop::ChooseCable);
    connect(sldDistribution_, &QSlider::valueChanged, this, &frmLoop::MoveSlider);
    connect(btnCableLayout_, &QPushButton::clicked, this, &frmLoop::OpenCableLayout);
    connect(btnCompareCables_, &QPushButton::clicked, this, &frmLoop::OpenCompareCables);
    for (QLineEdit* box : {txtCableImpedance_, txtTotalLength_, txtFirstLength_})
        connect(box, &QLineEdit::textEdited, this, &frmLoop::MarkStale);
    return group;
}

QGroupBox* frmLoop::BuildLimitsGroup()
{
    auto* group = Named(new QGroupBox(tr("Outputs and LEDs")), "fraLimits");
    txtMaxOutputs_ = NumberBox("txtMaxOutputs", 4);
    chkDisableDIN_ = Named(new QCheckBox(tr("I&nterface LEDs disabled:")), "chkDisableDIN");
    // The box after its caption, as the caption's colon asks.
    chkDisableDIN_->setLayoutDirection(Qt::RightToLeft);
    QSizePolicy keepRoom = chkDisableDIN_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    chkDisableDIN_->setSizePolicy(keepRoom);

    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->addWidget(Caption(tr("&Limit quantity of activated outputs to:"), txtMaxOutputs_), 0, 0);
    grid->addWidget(txtMaxOutputs_, 0, 1);
    grid->addWidget(chkDisableDIN_, 1, 0, 1, 2, Qt::AlignAbsolute | Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    connect(txtMaxOutputs_, &QLineEdit::textEdited, this, &frmLoop::MarkStale);
    connect(chkDisableDIN_, &QCheckBox::clicked, this, &frmLoop::SetInterfaceLeds);
    return group;
}
