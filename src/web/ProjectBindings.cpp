// The project properties window to JavaScript: its boxes as one plain object,
// the labels and limits of the core, OK as one step of the history and the
// question before changes are discarded, as frmProjectProperties uses
// ProjectPropertiesCore.

#include "forms/HelpTopics.h"
#include "forms/ProjectPropertiesCore.h"
#include "web/WebSession.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

#include <iterator>

namespace {

using emscripten::val;
using Field = ProjectPropertiesCore::Field;

// The boxes' names in JavaScript, in the order of the core's fields.
constexpr const char* FieldNames[] = {"number",   "client",       "designer", "checkedBy",
                                      "revision", "revisionDate", "notes",    "spareRequired"};

static_assert(std::size(FieldNames) == static_cast<size_t>(Field::Spare) + 1);

const char* FieldName(Field field) { return FieldNames[static_cast<size_t>(field)]; }

val ProjectToJs(const ProjectProperties& project)
{
    val boxes = val::object();
    for (const auto& line : ProjectPropertiesCore::LineBoxes)
        boxes.set(FieldName(line.Box), project.*line.Value);
    boxes.set("notes", project.Notes);
    boxes.set("spareRequired", project.SpareRequired);
    return boxes;
}

ProjectProperties ProjectFromJs(const val& boxes)
{
    ProjectProperties project;
    for (const auto& line : ProjectPropertiesCore::LineBoxes)
        project.*line.Value = TextField(boxes, FieldName(line.Box));
    project.Notes = TextField(boxes, "notes");
    project.SpareRequired = boxes["spareRequired"].isNumber() ? boxes["spareRequired"].as<int>() : 0;
    return project;
}

// frmProjectProperties over the session's document; the session outlives it.
class ProjectWindow {
public:
    explicit ProjectWindow(WebSession& session) : session_(session), core_(session.document()) {}

    std::string Caption() const { return ProjectPropertiesCore::Caption; }
    int HelpTopic() const { return HelpTopic::ProjectProperties; }
    // The one-line boxes: {box, label}, the label with its "&".
    val Lines() const
    {
        return JsArray(std::size(ProjectPropertiesCore::LineBoxes), [](size_t n) {
            val line = val::object();
            line.set("box", std::string(FieldName(ProjectPropertiesCore::LineBoxes[n].Box)));
            line.set("label", std::string(ProjectPropertiesCore::LineBoxes[n].Label));
            return line;
        });
    }
    std::string NotesLabel() const { return ProjectPropertiesCore::NotesLabel; }
    std::string SpareLabel() const { return ProjectPropertiesCore::SpareLabel; }
    std::string NoSpare() const { return ProjectPropertiesCore::NoSpare; }
    int LongestLine() const { return static_cast<int>(ProjectPropertiesCore::LongestLine()); }
    int MostSpare() const { return ProjectPropertiesCore::MostSpare(); }
    bool Editable() const { return core_.Editable(); }
    val Boxes() const { return ProjectToJs(core_.Boxes()); }
    bool HasChanges(const val& boxes) const { return core_.HasChanges(ProjectFromJs(boxes)); }

    val OK(const val& boxes)
    {
        const auto refusal = core_.OK(session_.host(), ProjectFromJs(boxes));
        if (!refusal)
            return val::null();
        val shown = val::object();
        shown.set("box", std::string(FieldName(refusal->Box)));
        shown.set("message", refusal->Message);
        return shown;
    }
    bool MayDiscard(const val& boxes) const { return core_.MayDiscard(session_.host(), ProjectFromJs(boxes)); }

private:
    WebSession& session_;
    ProjectPropertiesCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_project)
{
    using namespace emscripten;
    class_<ProjectWindow>("ProjectWindow")
        .constructor<WebSession&>()
        .function("caption", &ProjectWindow::Caption)
        .function("helpTopic", &ProjectWindow::HelpTopic)
        .function("lines", &ProjectWindow::Lines)
        .function("notesLabel", &ProjectWindow::NotesLabel)
        .function("spareLabel", &ProjectWindow::SpareLabel)
        .function("noSpare", &ProjectWindow::NoSpare)
        .function("longestLine", &ProjectWindow::LongestLine)
        .function("mostSpare", &ProjectWindow::MostSpare)
        .function("editable", &ProjectWindow::Editable)
        .function("boxes", &ProjectWindow::Boxes)
        .function("hasChanges", &ProjectWindow::HasChanges)
        .function("ok", &ProjectWindow::OK)
        .function("mayDiscard", &ProjectWindow::MayDiscard);
}
