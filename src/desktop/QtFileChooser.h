#pragma once
// The file dialogs of the desktop program. The open dialog is Qt's own (not
// the desktop's), since it carries an "Open as &read-only" tick box.

#include "forms/FileChooser.h"

#include <QStringList>

class QWidget;

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<OpenChoice> ChooseFileToOpen(const std::string& title, const std::string& folder) override;
    std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& folder,
                                                const std::string& preset) override;
    std::optional<std::string> ChoosePdfFile(const std::string& title, const std::string& suggested) override;
    std::optional<std::string> ChooseCsvFile(const std::string& title, const std::string& suggested) override;
    std::optional<std::string> ChooseListToImport(const std::string& title, const std::string& folder) override;

    // "Ferrolux Files" (".QLX" in either case) and "All Files".
    static QStringList DocumentFilters();

private:
    QWidget* parent_;
};
