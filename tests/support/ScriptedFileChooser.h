#pragma once
// File dialogs answered from a script, recording what each was asked.

#include "forms/FileChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedFileChooser : public FileChooser {
public:
    struct Request {
        std::string Title;
        std::string Folder;
        std::string Preset;
    };

    // The next dialog's answer; none (the default) cancels it.
    void Answer(std::optional<std::string> path, bool readOnly = false)
    {
        answers_.push_back(path ? std::optional<OpenChoice>(OpenChoice{*path, readOnly}) : std::nullopt);
    }

    std::optional<OpenChoice> ChooseFileToOpen(const std::string& title, const std::string& folder) override
    {
        requests.push_back({title, folder, ""});
        return Next();
    }
    std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& folder,
                                                const std::string& preset) override
    {
        requests.push_back({title, folder, preset});
        const auto choice = Next();
        return choice ? std::optional<std::string>(choice->Path) : std::nullopt;
    }
    std::optional<std::string> ChoosePdfFile(const std::string& title, const std::string& suggested) override
    {
        requests.push_back({title, "", suggested});
        const auto choice = Next();
        return choice ? std::optional<std::string>(choice->Path) : std::nullopt;
    }

    std::vector<Request> requests;

private:
    std::optional<OpenChoice> Next()
    {
        if (answers_.empty())
            return std::nullopt;
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<std::optional<OpenChoice>> answers_;
};
