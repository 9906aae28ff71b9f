#include "desktop/dlgCopyLoop.h"

#include "document/Document.h"
#include "forms/MainWindowCore.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Words(const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

}  // namespace

dlgCopyLoop::dlgCopyLoop(const Document& document, Command command, int loop, QWidget* parent) : QDialog(parent)
{
    const bool copying = command == Command::Copy;
    setObjectName("dlgCopyLoop");
    setWindowTitle(copying ? "Copy Loop To" : "Clear Loop");

    cboFrom_ = LoopChooser(document, "cboFrom", loop);
    auto* line = new QHBoxLayout;
    line->addWidget(Words(copying ? "&Copy loop" : "&Clear loop", cboFrom_));
    line->addWidget(cboFrom_);
    if (copying) {
        cboTo_ = LoopChooser(document, "cboTo", MainWindowCore::NextShownLoop(document.Catalog(), loop));
        line->addWidget(Words("&to loop", cboTo_));
        line->addWidget(cboTo_);
        connect(cboFrom_, &QComboBox::currentIndexChanged, this, &dlgCopyLoop::EnableOK);
        connect(cboTo_, &QComboBox::currentIndexChanged, this, &dlgCopyLoop::EnableOK);
    }
    line->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK_ = buttons->button(QDialogButtonBox::Ok);
    btnOK_->setObjectName("btnOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(buttons);
    EnableOK();
}

// Each loop of the panel, with its name when it has one.
QComboBox* dlgCopyLoop::LoopChooser(const Document& document, const char* name, int preset)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    for (const MainWindowCore::LoopChoice& choice : MainWindowCore::LoopChoices(document))
        combo->addItem(QString::fromStdString(choice.Text), choice.Loop);
    combo->setCurrentIndex(std::max(0, combo->findData(preset)));
    return combo;
}

// A loop is not copied onto itself.
void dlgCopyLoop::EnableOK() { btnOK_->setEnabled(cboFrom_->count() > 0 && (!cboTo_ || From() != To())); }

int dlgCopyLoop::From() const { return cboFrom_->currentData().toInt(); }
int dlgCopyLoop::To() const { return cboTo_ ? cboTo_->currentData().toInt() : From(); }

std::optional<std::pair<int, int>> dlgCopyLoop::ChooseCopy(const Document& document, int from, QWidget* parent)
{
    dlgCopyLoop dialog(document, Command::Copy, from, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::pair{dialog.From(), dialog.To()};
}

std::optional<int> dlgCopyLoop::ChooseLoopToClear(const Document& document, int loop, QWidget* parent)
{
    dlgCopyLoop dialog(document, Command::Clear, loop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.From();
}
