#pragma once
// The control-panel dialog: shows any panel's parameters and edits a new or
// user-defined one. It puts what PanelEditorCore computes into its boxes,
// filters the keys typed into them and hands OK to the core, which checks,
// asks and stores. The caller refreshes its panel list and menus when the
// dialog reports a change.

#include "forms/PanelEditorCore.h"
#include "desktop/QtBusyPointerAdapter.h"

#include <QDialog>

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class frmPanel : public QDialog {
    Q_OBJECT

public:
    frmPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host, const DataFiles& files,
             QWidget* parent = nullptr);

    // Opens a new panel (-1) or the panel at this position. False after the
    // message for a position outside the catalogue: the dialog is not shown.
    bool SetPanelNum(int panelNum);

    // Whether OK stored a panel (or emptied loops of the Loop Calculation).
    bool Changed() const { return changed_; }

    // Shows the dialog modally for a new user-defined panel, or for the panel
    // at this position; true when something changed.
    static bool AddPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                         const DataFiles& files, QWidget* parent = nullptr);
    static bool ShowPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                          const DataFiles& files, int panelNum, QWidget* parent = nullptr);

    // OK: stays with the focus in the box concerned, or closes after storing.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using Field = PanelEditorCore::Field;

    void BuildLayout();
    void AlignPowerBoxes();
    void ShowPanelValues();
    void FocusField(Field field, bool select);
    PanelEditorCore::Entries ReadBoxes() const;

    MessageHost& host_;
    QtBusyPointerAdapter pointer_;
    PanelEditorCore core_;
    bool changed_ = false;

    std::array<QLineEdit*, PanelEditorCore::BoxCount> boxes_{};
    QGridLayout* powerGrid_ = nullptr;
    QLabel* lblNotes_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};
