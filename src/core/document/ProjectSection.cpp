#include "document/ProjectSection.h"

#include "platform/MessageHost.h"
#include "text/CSV.h"
#include "text/ProfileText.h"
#include "text/WinINI.h"

namespace {

constexpr const char* Section = "Project";
constexpr const char* SpareKey = "SpareCapacityRequired";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

size_t CharacterCount(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string EscapedNotes(std::string_view notes)
{
    std::string written;
    for (const char c : notes) {
        switch (c) {
        case '\\': written += "\\\\"; break;
        case '\n': written += "\\n"; break;
        case '\r': written += "\\r"; break;
        default: written += c;
        }
    }
    return written;
}

std::string UnescapedNotes(std::string_view written)
{
    std::string notes;
    for (size_t i = 0; i < written.size(); ++i) {
        const char next = i + 1 < written.size() ? written[i + 1] : '\0';
        if (written[i] == '\\' && (next == '\\' || next == 'n' || next == 'r')) {
            notes += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
            ++i;
        } else {
            notes += written[i];
        }
    }
    return notes;
}

ProjectProperties ReadProjectSection(WinINI::ProfileReader& profile, const std::string& path, MessageHost& host)
{
    ProjectProperties project;
    const auto key = [&](const char* name) { return profile.ReadKey(path, Section, name); };
    for (const ProjectTextField& text : ProjectTextFields) {
        std::string value = key(text.Key);
        if (CharacterCount(value) > ProjectLimits::LongestField)
            MsgBox(host, "The " + std::string(text.What) + " of the project is longer than " +
                             std::to_string(ProjectLimits::LongestField) + " characters; it is left empty.",
                   MsgStyle::OKOnly + MsgStyle::Exclamation);
        else
            project.*text.Field = std::move(value);
    }
    const std::string notes = key("Notes");
    if (CharacterCount(notes) > ProjectLimits::LongestNotes)
        MsgBox(host, "The notes of the project are longer than " + std::to_string(ProjectLimits::LongestNotes) +
                         " characters; they are left empty.",
               MsgStyle::OKOnly + MsgStyle::Exclamation);
    else
        project.Notes = UnescapedNotes(notes);
    int32_t spare = 0;
    if (const std::string text = key(SpareKey);
        !text.empty() && CSV::ReadLongField(host, text, 1, spare, 0, ProjectLimits::MostSpare, "spare capacity required"))
        project.SpareRequired = spare;
    return project;
}

void WriteProjectSection(WinINI::ProfileText& profile, const ProjectProperties& project)
{
    if (project.Empty())
        return;
    for (const ProjectTextField& text : ProjectTextFields)
        if (const std::string& value = project.*text.Field; !value.empty())
            profile.Write(Section, text.Key, Quoted(value));
    if (!project.Notes.empty())
        profile.Write(Section, "Notes", Quoted(EscapedNotes(project.Notes)));
    if (project.SpareRequired != 0)
        profile.Write(Section, SpareKey, std::to_string(project.SpareRequired));
}
