#include "document/ProjectText.h"

std::vector<ProjectLine> ProjectLines(const ProjectProperties& project)
{
    std::vector<ProjectLine> lines;
    const auto add = [&](const char* label, const std::string& value) {
        if (!value.empty())
            lines.push_back({label, value});
    };
    add("Project Number", project.Number);
    add("Client", project.Client);
    add("Designer", project.Designer);
    add("Checked By", project.CheckedBy);
    add("Revision", project.Revision);
    add("Revision Date", project.RevisionDate);
    if (project.SpareRequired != 0)
        add("Spare Required", std::to_string(project.SpareRequired) + " % of every loop");
    add("Notes", project.Notes);
    return lines;
}

std::string ProjectReference(const ProjectProperties& project)
{
    if (project.Number.empty())
        return project.Revision.empty() ? std::string() : "Revision " + project.Revision;
    return "Project " + project.Number + (project.Revision.empty() ? std::string() : ", revision " + project.Revision);
}
