#pragma once
// The import window: what the device list holds, its names that neither
// catalogue has (each mapped to a catalogue's name or left out), and per
// loop what will be placed and which rows are refused and why. Apply places
// it as one step that Undo takes back. Every rule is the core's
// (DeviceListImportCore).

#include "desktop/QtHelpKey.h"
#include "forms/DeviceListImportCore.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

class frmImportDeviceList : public QDialog, public HelpTopicWindow {
    Q_OBJECT

public:
    frmImportDeviceList(DeviceListImportCore& core, QWidget* parent = nullptr);

    void accept() override;
    int HelpTopic() const override;

private:
    QTableWidget* BuildNames();
    void ShowPreview();

    DeviceListImportCore& core_;
    QTableWidget* grdNames_ = nullptr;
    QTreeWidget* treePreview_ = nullptr;
    QPushButton* btnApply_ = nullptr;
};
