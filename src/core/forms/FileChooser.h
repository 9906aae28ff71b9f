#pragma once
// The file dialogs of the main window: choosing a Loop Calculation to open
// (with the read-only choice), a file to save it as, a PDF file for a
// report when there is no printer, a CSV file for a schedule, and a device
// list to import. The desktop program shows Qt's dialogs;
// tests answer from a script.

#include <optional>
#include <string>

struct OpenChoice {
    std::string Path;
    bool ReadOnly = false;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Nothing when the user cancels.
    virtual std::optional<OpenChoice> ChooseFileToOpen(const std::string& title, const std::string& folder) = 0;
    // `preset` is the name shown first, relative to the folder or a full path.
    virtual std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& folder,
                                                        const std::string& preset) = 0;
    virtual std::optional<std::string> ChoosePdfFile(const std::string& title, const std::string& suggested) = 0;
    virtual std::optional<std::string> ChooseCsvFile(const std::string& title, const std::string& suggested) = 0;
    // A device list (CSV) to read.
    virtual std::optional<std::string> ChooseListToImport(const std::string& title, const std::string& folder) = 0;
};
