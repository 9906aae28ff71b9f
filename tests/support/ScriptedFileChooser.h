#pragma once
// File dialogs answered from a script, recording where each one started.

#include "forms/FileChooser.h"

#include <optional>
#include <string>
#include <vector>

class ScriptedFileChooser : public FileChooser {
public:
    // The folder, or for a PDF or a CSV file the suggested file, each dialog was given.
    std::vector<std::string> asked;

    // The next dialog's answer; with none left, dialogs are cancelled.
    void Answer(const std::string& path) { answers_.push_back(path); }

    std::optional<OpenChoice> ChooseFileToOpen(const std::string&, const std::string& folder) override
    {
        if (const auto path = Next(folder))
            return OpenChoice{*path};
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string&, const std::string& folder,
                                                const std::string&) override
    {
        return Next(folder);
    }
    std::optional<std::string> ChoosePdfFile(const std::string&, const std::string& suggested) override
    {
        return Next(suggested);
    }
    std::optional<std::string> ChooseCsvFile(const std::string&, const std::string& suggested) override
    {
        return Next(suggested);
    }
    std::optional<std::string> ChooseListToImport(const std::string&, const std::string& folder) override
    {
        return Next(folder);
    }

private:
    std::optional<std::string> Next(const std::string& given)
    {
        asked.push_back(given);
        if (answered_ == answers_.size())
            return std::nullopt;
        return answers_[answered_++];
    }

    std::vector<std::string> answers_;
    size_t answered_ = 0;
};
