#pragma once
// Every enabled cable on the loop side by side, read-only: what the cable
// comparison core computes, the smallest passing cable marked and a failing
// row's result plainly in red. "Use This Cable" closes the window with the
// row's cable for the loop editor to set; Close and Escape close it.

#include <QDialog>

#include "desktop/QtHelpKey.h"

#ifndef Q_MOC_RUN
#include "forms/CableComparisonCore.h"
#endif

#include <optional>

class QPushButton;
class QTableWidget;

class frmCompareCables : public QDialog, public HelpTopicWindow {
    Q_OBJECT
public:
    frmCompareCables(const Document& document, int units, int loop, QWidget* parent = nullptr);

    // After "Use This Cable": the chosen cable's position in the catalogue.
    std::optional<int> ChosenCable() const { return chosen_; }
    int HelpTopic() const override;

private:
    void ShowRows();
    void ShowButtons();
    void UseCable();

    CableComparisonCore core_;
    std::optional<int> chosen_;
    QTableWidget* grdCables_ = nullptr;
    QPushButton* btnUseCable_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};
