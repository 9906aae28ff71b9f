#include "desktop/QtFileChooser.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

std::optional<std::string> ChooseFileToWrite(QWidget* parent, const std::string& title, const std::string& suggested,
                                             const QString& filters)
{
    const QString path = QFileDialog::getSaveFileName(parent, Text(title), Text(suggested), filters);
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

}  // namespace

QStringList QtFileChooser::DocumentFilters()
{
    return {"Ferrolux Files (*.QLX *.qlx)", "All Files (*)"};
}

std::optional<OpenChoice> QtFileChooser::ChooseFileToOpen(const std::string& title, const std::string& folder)
{
    QFileDialog dialog(parent_, Text(title), Text(folder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(DocumentFilters());

    auto* readOnly = new QCheckBox("Open as &read-only", &dialog);
    readOnly->setObjectName("chkReadOnly");
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return OpenChoice{dialog.selectedFiles().front().toStdString(), readOnly->isChecked()};
}

std::optional<std::string> QtFileChooser::ChooseFileToSave(const std::string& title, const std::string& folder,
                                                           const std::string& preset)
{
    QFileDialog dialog(parent_, Text(title), Text(folder));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(DocumentFilters());
    dialog.setDefaultSuffix("QLX");
    // A preset without its folder lies in the current folder.
    if (!preset.empty())
        dialog.selectFile(QDir::current().absoluteFilePath(Text(preset)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtFileChooser::ChoosePdfFile(const std::string& title, const std::string& suggested)
{
    return ChooseFileToWrite(parent_, title, suggested, "PDF Files (*.pdf);;All Files (*)");
}

std::optional<std::string> QtFileChooser::ChooseCsvFile(const std::string& title, const std::string& suggested)
{
    return ChooseFileToWrite(parent_, title, suggested, "CSV Files (*.csv);;All Files (*)");
}

std::optional<std::string> QtFileChooser::ChooseListToImport(const std::string& title, const std::string& folder)
{
    const QString path = QFileDialog::getOpenFileName(parent_, Text(title), Text(folder),
                                                      "Device Lists (*.csv *.txt);;All Files (*)");
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}
