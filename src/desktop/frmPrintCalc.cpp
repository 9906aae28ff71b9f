#include "desktop/frmPrintCalc.h"

#include "report/PrintChoices.h"
#include "report/Printing.h"
#include "desktop/QtPrinter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

frmPrintCalc::frmPrintCalc(const Document& document, QPrinter& printer, bool printerInstalled, QWidget* parent)
    : QDialog(parent), printer_(printer), printerInstalled_(printerInstalled)
{
    setObjectName("frmPrintCalc");
    setWindowTitle("Print");

    lblPrinter_ = new QLabel("Printer:");
    lblPrinter_->setObjectName("lblPrinter");
    lblPrinterName_ = new QLabel;
    lblPrinterName_->setObjectName("lblPrinterName");
    lblPrinterName_->setWordWrap(true);
    btnSetup_ = new QPushButton("&Setup...");
    btnSetup_->setObjectName("btnSetup");
    btnSetup_->setAutoDefault(false);
    connect(btnSetup_, &QPushButton::clicked, this, &frmPrintCalc::SetUpPrinter);

    lblLoop_ = new QLabel("Print details of &loops:");
    lblLoop_->setObjectName("lblLoop");
    lstLoop_ = new QListWidget;
    lstLoop_->setObjectName("lstLoop");
    lstLoop_->setSelectionMode(QAbstractItemView::MultiSelection);
    lblLoop_->setBuddy(lstLoop_);
    for (const PrintLoopEntry& entry : PrintLoopEntries(document)) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.Text), lstLoop_);
        item->setData(Qt::UserRole, entry.Loop);
        item->setSelected(entry.Selected);
    }
    const bool listShown = PrintLoopListShown(document);
    lblLoop_->setVisible(listShown);
    lstLoop_->setVisible(listShown);
    lblLoop_->setEnabled(listShown);
    lstLoop_->setEnabled(listShown);

    btnPrint_ = new QPushButton(printerInstalled_ ? "&Print" : "&Save as PDF...");
    btnPrint_->setObjectName("btnPrint");
    btnPrint_->setDefault(true);
    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");
    connect(btnPrint_, &QPushButton::clicked, this, &frmPrintCalc::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &frmPrintCalc::reject);

    auto* printerRow = new QGridLayout;
    printerRow->addWidget(lblPrinter_, 0, 0, Qt::AlignTop);
    printerRow->addWidget(lblPrinterName_, 0, 1);
    printerRow->addWidget(btnSetup_, 0, 2, Qt::AlignTop);
    printerRow->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrint_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printerRow);
    layout->addWidget(lblLoop_);
    layout->addWidget(lstLoop_, 1);
    layout->addLayout(buttons);

    ShowPrinterName();
    setMinimumWidth(400);
}

std::vector<int> frmPrintCalc::SelectedLoops() const
{
    std::vector<int> loops;
    for (int row = 0; row < lstLoop_->count(); ++row)
        if (lstLoop_->item(row)->isSelected())
            loops.push_back(lstLoop_->item(row)->data(Qt::UserRole).toInt());
    return loops;
}

void frmPrintCalc::ShowPrinterName()
{
    btnSetup_->setEnabled(printerInstalled_);
    if (!printerInstalled_) {
        lblPrinterName_->setText("No printer is installed: the report will be saved as a PDF file.");
        return;
    }
    const QtPrinter target(printer_);
    lblPrinterName_->setText(QString::fromStdString(Printing::PrinterDescription(target)));
}

void frmPrintCalc::SetUpPrinter()
{
    QPrintDialog setup(&printer_, this);
    setup.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    setup.setWindowTitle("Print Setup");
    // Cancelling the set-up keeps the printer as it was.
    setup.exec();
    ShowPrinterName();
}
