#pragma once
// The list of user-defined control panels, in edit mode (its button opens the
// chosen panel in the control-panel dialog) or in delete mode (its button
// deletes the chosen panel; the list closes once it is empty). It shows what
// PanelListCore computes.

#include "forms/PanelListCore.h"
#include "desktop/QtBusyPointerAdapter.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;

class frmDeletePanels : public QDialog {
    Q_OBJECT

public:
    // DoDelete: delete mode when true, edit mode when false.
    frmDeletePanels(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                    const DataFiles& files, bool DoDelete, QWidget* parent = nullptr);

    // Delete mode: whether a panel was deleted.
    bool Changed() const { return changed_; }
    // Edit mode: the catalogue position of the panel to edit, once the list
    // has closed with the edit button.
    std::optional<int> PanelToEdit() const { return panelToEdit_; }

    // The list in edit mode, then the control-panel dialog for the panel
    // chosen; true when that stored a change.
    static bool EditPanel(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                          const DataFiles& files, QWidget* parent = nullptr);
    // The list in delete mode; true when a panel was deleted.
    static bool DeletePanels(Document& document, Catalogue& catalogue, Options& options, MessageHost& host,
                             const DataFiles& files, QWidget* parent = nullptr);

private:
    void FillList();
    void SelectionChanged();
    void ActionClicked();

    QtBusyPointerAdapter pointer_;
    PanelServices services_;
    PanelListCore core_;
    bool changed_ = false;
    std::optional<int> panelToEdit_;

    QListWidget* lstPanels_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};
