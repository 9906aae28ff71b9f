#include "desktop/frmCompareCables.h"

#include "forms/HelpTopics.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmCompareCables::frmCompareCables(const Document& document, int units, int loop, QWidget* parent)
    : QDialog(parent), core_(document, units, loop)
{
    setObjectName("frmCompareCables");
    setWindowTitle(QString::fromStdString(core_.Caption()));
    setModal(true);

    auto* explanation = new QLabel(QString::fromStdString(core_.Explanation()));
    explanation->setObjectName("lblExplanation");
    explanation->setWordWrap(true);

    grdCables_ = new QTableWidget(0, CableComparisonCore::ColumnCount);
    grdCables_->setObjectName("grdCables");
    QStringList headings;
    for (const std::string& heading : core_.Headings())
        headings << QString::fromStdString(heading);
    grdCables_->setHorizontalHeaderLabels(headings);
    grdCables_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCables_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCables_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCables_->setWordWrap(false);
    grdCables_->verticalHeader()->hide();
    grdCables_->verticalHeader()->setDefaultSectionSize(grdCables_->fontMetrics().height() + 8);
    grdCables_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    btnUseCable_ = new QPushButton(tr("&Use This Cable"));
    btnUseCable_->setObjectName("btnUseCable");
    btnClose_ = new QPushButton(tr("Close"));
    btnClose_->setObjectName("btnClose");
    btnClose_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnUseCable_);
    buttons->addStretch(1);
    buttons->addWidget(btnClose_);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 14, 14, 12);
    root->setSpacing(10);
    root->addWidget(explanation);
    root->addWidget(grdCables_, 1);
    root->addLayout(buttons);

    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnUseCable_, &QPushButton::clicked, this, &frmCompareCables::UseCable);
    connect(grdCables_, &QTableWidget::currentCellChanged, this, &frmCompareCables::ShowButtons);
    ShowRows();
    if (const std::optional<size_t> row = core_.FirstSelectedRow())
        grdCables_->selectRow(static_cast<int>(*row));
    ShowButtons();
    resize(QSize(1260, 480));
}

void frmCompareCables::ShowRows()
{
    grdCables_->setRowCount(static_cast<int>(core_.RowCount()));
    for (size_t row = 0; row < core_.RowCount(); ++row) {
        const CableComparisonCore::RowTexts texts = core_.Texts(row);
        for (int column = 0; column < CableComparisonCore::ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts.Cells[static_cast<size_t>(column)]));
            if (column != CableComparisonCore::CableColumn && column != CableComparisonCore::VerdictColumn &&
                column != CableComparisonCore::ResultColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(texts.Smallest);
            font.setItalic(texts.OwnCable);
            item->setFont(font);
            if (texts.Smallest)
                item->setBackground(QColor(0xd8, 0xf0, 0xd8));
            if (!texts.Pass && column == CableComparisonCore::ResultColumn)
                item->setForeground(QColor(0xb0, 0x00, 0x00));
            grdCables_->setItem(static_cast<int>(row), column, item);
        }
    }
}

void frmCompareCables::ShowButtons()
{
    const int row = grdCables_->currentRow();
    btnUseCable_->setEnabled(row >= 0 && core_.CanUseCable(static_cast<size_t>(row)));
}

void frmCompareCables::UseCable()
{
    const int row = grdCables_->currentRow();
    if (row < 0 || !core_.CanUseCable(static_cast<size_t>(row)))
        return;
    chosen_ = core_.CableOf(static_cast<size_t>(row));
    accept();
}

int frmCompareCables::HelpTopic() const { return HelpTopic::CompareCables; }
