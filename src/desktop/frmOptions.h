#pragma once
// The options dialog: which device families are offered, which device types
// are Standard Devices, the units and the cable groups. It shows what
// OptionsDialogCore computes and hands it every change; OK stores through it
// and closes, Cancel closes without storing. The caller refreshes what
// depends on the options.

#include "forms/OptionsDialogCore.h"

#include <QDialog>

#include "desktop/QtHelpKey.h"

#include <array>

class MessageHost;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

class frmOptions : public QDialog, public HelpTopicWindow {
    Q_OBJECT

public:
    frmOptions(Catalogue& catalogue, Options& options, MessageHost& host, QWidget* parent = nullptr);

    // The help topic of the tab on show.
    int HelpTopic() const override { return helpTopic_; }

    // OK: refuses on the offending tab, or stores and closes.
    void accept() override;

private:
    QWidget* BuildFamiliesTab();
    QWidget* BuildStandardTab();
    QWidget* BuildUnitsTab();
    QWidget* BuildCablesTab();

    void FillFamilies();
    void FillStandard();
    void FillCableGroups();
    void RefreshCounts();

    void FamiliesChanged();
    void StandardChanged();

    OptionsDialogCore core_;
    MessageHost& host_;
    int helpTopic_ = 0;

    QTabWidget* tabOptions_ = nullptr;
    QListWidget* lstFamilies_ = nullptr;
    QLabel* lblFamilySelectCount_ = nullptr;
    QListWidget* lstStandard_ = nullptr;
    QLabel* lblStandardSelectCount_ = nullptr;
    std::array<QRadioButton*, 2> optUnit_{};
    QListWidget* lstCableGroups_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
