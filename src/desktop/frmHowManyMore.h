#pragma once
// "How many more?" for a row of the loop editor: the device type or Other
// Device, where they go (evenly, or all at the far end of the cable), how
// many more fit with the check that stops one more, and Add, which places
// them through the loop editor as one step. The rule is HowManyMoreCore's.

#include <QDialog>

#include "desktop/QtHelpKey.h"

#ifndef Q_MOC_RUN
#include "forms/HowManyMoreCore.h"
#endif

class QLabel;
class QPushButton;
class QRadioButton;

class frmHowManyMore : public QDialog, public HelpTopicWindow {
    Q_OBJECT
public:
    frmHowManyMore(HowManyMoreCore core, QWidget* parent = nullptr);
    int HelpTopic() const override;

private:
    void ChoosePlacement();
    void AddThem();
    void ShowAnswer();

    HowManyMoreCore core_;
    QLabel* lblType_ = nullptr;
    QRadioButton* optEvenly_ = nullptr;
    QRadioButton* optFarEnd_ = nullptr;
    QLabel* lblAnswer_ = nullptr;
    QPushButton* btnAddMore_ = nullptr;
};
