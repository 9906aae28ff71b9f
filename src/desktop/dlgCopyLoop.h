#pragma once
// The choice of loops for the main window's loop commands: "Copy loop [from]
// to loop [to]" for Copy Loop To, "Clear loop [n]" for Clear Loop. Only the
// loops of the current panel are offered; the command's rule is the core's
// (MainWindowCore::CopyLoop, ClearLoop).

#include <QDialog>

#include <optional>
#include <utility>

class Document;
class QComboBox;
class QPushButton;

class dlgCopyLoop : public QDialog {
    Q_OBJECT

public:
    enum class Command { Copy, Clear };

    // `loop` is preset as the source (or the loop to clear); the target is
    // the next loop of the panel.
    dlgCopyLoop(const Document& document, Command command, int loop, QWidget* parent = nullptr);

    // The loops chosen, from and to; nothing when cancelled.
    static std::optional<std::pair<int, int>> ChooseCopy(const Document& document, int from, QWidget* parent);
    static std::optional<int> ChooseLoopToClear(const Document& document, int loop, QWidget* parent);

    int From() const;
    int To() const;

private:
    QComboBox* LoopChooser(const Document& document, const char* name, int preset);
    void EnableOK();

    QComboBox* cboFrom_ = nullptr;
    QComboBox* cboTo_ = nullptr;  // none when clearing
    QPushButton* btnOK_ = nullptr;
};
