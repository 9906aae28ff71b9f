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
        std::string Title, Folder, Preset;
    };
    std::vector<Request> requests;

    // The next dialog's answer; with none left, dialogs are cancelled.
    void Answer(const std::string& path) { answers_.push_back(path); }

    std::optional<OpenChoice> ChooseFileToOpen(const std::string& title, const std::string& folder) override
    {
        const auto path = Next({title, folder, ""});
        return path ? std::optional<OpenChoice>(OpenChoice{*path}) : std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& folder,
                                                const std::string& preset) override
    {
        return Next({title, folder, preset});
    }
    std::optional<std::string> ChoosePdfFile(const std::string& title, const std::string& suggested) override
    {
        return Next({title, "", suggested});
    }

private:
    std::optional<std::string> Next(Request request)
    {
        requests.push_back(std::move(request));
        if (answers_.empty())
            return std::nullopt;
        const std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<std::string> answers_;
};
