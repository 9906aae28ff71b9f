#pragma once
// The power supply and standby battery window: the rule and its periods, the
// panel's own currents (overridable), the ancillary loads, the fitted battery,
// and the result with its formula written out, recalculated as the boxes
// change. OK stores the settings (a bad box is named and takes the focus);
// Cancel and Escape change nothing, and ask first when a box was changed.

#include <QDialog>

#include "desktop/QtHelpKey.h"

#ifndef Q_MOC_RUN
#include "forms/PowerCore.h"
#endif

class Document;
class MessageHost;
class Options;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class frmPower : public QDialog, public HelpTopicWindow {
    Q_OBJECT
public:
    enum LoadColumn { Description, Quantity, Standby, Alarm, ColumnCount };

    // The window's size is kept in `options`.
    frmPower(Document& document, Options& options, std::string localeId, MessageHost& host, QWidget* parent = nullptr);
    int HelpTopic() const override;

public slots:
    void reject() override;

private:
    QWidget* BuildRule();
    QWidget* BuildPanel();
    QWidget* BuildLoads();
    QWidget* BuildBattery();
    void ShowEntries(const PowerCore::Entries& entries);
    PowerCore::Entries TypedEntries() const;
    void RuleChanged();
    void AddLoad();
    void RemoveLoad();
    // Recalculates from the boxes, or says which box to correct.
    void ShowResult();
    void FocusBox(const PowerCore::Refusal& refusal);
    void ConfirmOK();

    MessageHost& host_;
    PowerCore core_;
    bool showing_ = false;  // boxes filled by the window, not typed

    QComboBox* cmbRule_ = nullptr;
    QCheckBox* chkVoice_ = nullptr;
    QLineEdit* txtStandby_ = nullptr;
    QLineEdit* txtAlarm_ = nullptr;
    QLineEdit* txtFactor_ = nullptr;
    QLineEdit* txtPanelStandby_ = nullptr;
    QLineEdit* txtPanelAlarm_ = nullptr;
    QTableWidget* grdLoads_ = nullptr;
    QPushButton* btnRemoveLoad_ = nullptr;
    QComboBox* cmbFitted_ = nullptr;
    QLabel* lblSummary_ = nullptr;
    QPlainTextEdit* txtWorking_ = nullptr;
};
