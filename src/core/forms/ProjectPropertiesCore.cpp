#include "forms/ProjectPropertiesCore.h"

#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "document/ProjectSection.h"
#include "forms/DiscardQuestion.h"
#include "platform/MessageHost.h"

size_t ProjectPropertiesCore::LongestLine() { return ProjectLimits::LongestField; }
int32_t ProjectPropertiesCore::MostSpare() { return ProjectLimits::MostSpare; }

ProjectProperties ProjectPropertiesCore::Boxes() const { return document_.Project; }

bool ProjectPropertiesCore::Editable() const { return !document_.ReadOnly; }

std::optional<ProjectPropertiesCore::Refusal> ProjectPropertiesCore::Check(const ProjectProperties& typed)
{
    static_assert(std::size(LineBoxes) == std::size(ProjectTextFields));
    for (size_t n = 0; n < std::size(LineBoxes); ++n) {
        const std::string& value = typed.*LineBoxes[n].Value;
        if (CharacterCount(value) > ProjectLimits::LongestField || value.find_first_of("\r\n") != std::string::npos)
            return Refusal{LineBoxes[n].Box, "The " + std::string(ProjectTextFields[n].What) + " must be one line of at most " +
                                                 std::to_string(ProjectLimits::LongestField) + " characters!"};
    }
    if (const size_t written = CharacterCount(EscapedNotes(typed.Notes)); written > ProjectLimits::LongestNotes)
        return Refusal{Field::Notes, "The notes are too long to be saved: shorten them by " +
                                         std::to_string(written - ProjectLimits::LongestNotes) + " characters!"};
    if (typed.SpareRequired < 0 || typed.SpareRequired > ProjectLimits::MostSpare)
        return Refusal{Field::Spare, "A spare capacity between 0 and " + std::to_string(ProjectLimits::MostSpare) +
                                         " % must be chosen!"};
    return std::nullopt;
}

std::optional<ProjectPropertiesCore::Refusal> ProjectPropertiesCore::OK(MessageHost& host, const ProjectProperties& typed)
{
    if (!Editable())
        return std::nullopt;
    if (const auto refusal = Check(typed)) {
        MsgBox(host, refusal->Message, MsgStyle::Exclamation);
        return refusal;
    }
    ApplyProjectProperties(document_, typed);
    return std::nullopt;
}

bool ProjectPropertiesCore::MayDiscard(MessageHost& host, const ProjectProperties& typed) const
{
    return DiscardQuestion::MayClose(host, HasChanges(typed), DiscardQuestion, Caption);
}

void ApplyProjectProperties(Document& document, const ProjectProperties& project)
{
    if (document.Project == project)
        return;
    DocumentEdit edit(document, {});
    document.Project = project;
    document.MarkChanged();
    edit.Commit(ProjectPropertiesCore::StepName);
}
