#pragma once
// The control-panel chooser of the main window: a combo box that shows the
// chosen panel's name and, instead of a list of its own, drops down an
// outline of manufacturers with their panels under them (`outPanel`).
//
// In the outline, a click or the arrow keys on a panel make it the panel
// shown; a double-click or Enter on it chooses it; on a manufacturer they
// expand or collapse it. Closing the outline any other way (Alt+Up, a click
// elsewhere, a menu opened, the focus lost) chooses the panel then shown,
// except Escape, which goes back to the panel shown before. The choice
// arrives through panelChosen once the outline is closed.

#include "catalogues/PanelLists.h"

#include <QComboBox>

class QTreeWidget;
class QTreeWidgetItem;

class QtPanelChooser : public QComboBox {
    Q_OBJECT

public:
    explicit QtPanelChooser(QWidget* parent = nullptr);

    // Lists the panels; the outline's selected panel is shown.
    void Fill(const PanelOutline& outline);
    // Shows this panel (a catalogue position) without choosing it.
    void ShowPanel(int position);
    // The catalogue position of the panel shown; -1 for none.
    int ShownPanel() const;

    QTreeWidget* Outline() const { return outPanel_; }
    bool OutlineShown() const;

    void showPopup() override;
    void hidePopup() override;

signals:
    void panelChosen(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OutlineKey(QKeyEvent* event);
    void OutlineHidden();
    void CloseOutline(bool choose);
    QTreeWidgetItem* ItemOfPanel(int position) const;

    QTreeWidget* outPanel_ = nullptr;
    int shownBeforeOpening_ = -1;
    bool choosing_ = true;
};
