#pragma once
// The project's properties as the report, the schedules and the calculator
// write them: a label and its value for each field given, in order, and the
// short reference every page's footer carries.

#include "document/ProjectProperties.h"

#include <string>
#include <vector>

struct ProjectLine {
    std::string Label;  // "Client"
    std::string Value;  // the notes keep their line breaks
};

std::vector<ProjectLine> ProjectLines(const ProjectProperties& project);
// "Project P-2291, revision C", "Project P-2291", "Revision C", or empty.
std::string ProjectReference(const ProjectProperties& project);
