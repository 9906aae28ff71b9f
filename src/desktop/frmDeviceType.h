#pragma once
// The device-type chooser of the loop editor's Add Row: the offered device
// types as an outline grouped by family (families collapsed). It shows what
// DeviceTypeChooserCore computes; OK is enabled only on a device type.

#include "forms/DeviceTypeChooserCore.h"
#include "desktop/QtBusyPointer.h"

#include <QDialog>

#include <memory>
#include <optional>

class MessageHost;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class frmDeviceType : public QDialog {
    Q_OBJECT

public:
    frmDeviceType(const Catalogue& catalogue, MessageHost& host, QWidget* parent = nullptr);

    // Shows the chooser modally: the chosen device type code, or nothing when
    // the user cancels (Cancel or closing the window).
    static std::optional<int> ChooseDeviceType(const Catalogue& catalogue, MessageHost& host,
                                               QWidget* parent = nullptr);

    // The code OK accepted; nothing until then and after Cancel.
    std::optional<int> Result() const { return result_; }

    // OK: stays open on a type the calculator cannot select.
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillOutline();
    void CurrentItemChanged(QTreeWidgetItem* item);
    void ItemDoubleClicked(QTreeWidgetItem* item);
    void CheckEnables();

    // The hourglass from loading until the chooser is first shown.
    std::unique_ptr<QtBusyPointer> loading_;
    DeviceTypeChooserCore core_;
    MessageHost& host_;
    std::optional<int> result_;

    QLabel* lblChoose_ = nullptr;
    QLabel* lblHint_ = nullptr;
    QTreeWidget* outDevices_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
