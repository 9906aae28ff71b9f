#pragma once
// The print dialog: which printer the report goes to (with its set-up
// dialog), and which loops get a section of their own. Without a printer the
// report is offered as a PDF file instead.

#include <QDialog>

#include "desktop/QtHelpKey.h"
#include "forms/HelpTopics.h"

#include <vector>

class Document;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;

class frmPrintCalc : public QDialog, public HelpTopicWindow {
    Q_OBJECT

public:
    // `printer` is the printer the report will use; the set-up dialog
    // changes it.
    frmPrintCalc(const Document& document, QPrinter& printer, bool printerInstalled, QWidget* parent = nullptr);

    // The loops chosen in the list, in loop order.
    std::vector<int> SelectedLoops() const;
    int HelpTopic() const override { return HelpTopic::Printing; }

private:
    void ShowPrinterName();
    void SetUpPrinter();

    QPrinter& printer_;
    bool printerInstalled_;
    QLabel* lblPrinter_ = nullptr;
    QLabel* lblPrinterName_ = nullptr;
    QLabel* lblLoop_ = nullptr;
    QListWidget* lstLoop_ = nullptr;
    QPushButton* btnSetup_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
