#pragma once
// The project properties window without its window: its boxes and labels,
// the limits of what they take, and what OK commits (one step of the
// history). A read-only document shows the properties without taking any.

#include "document/ProjectProperties.h"

#include <optional>
#include <string>

class Document;
class MessageHost;

class ProjectPropertiesCore {
public:
    static constexpr const char* Caption = "Project Properties";
    static constexpr const char* StepName = "Project Properties";
    static constexpr const char* NotesLabel = "N&otes:";
    static constexpr const char* SpareLabel = "&Spare capacity required:";
    static constexpr const char* NoSpare = "None";  // the spare capacity box at 0
    static constexpr const char* DiscardQuestion = "Discard the changes to the project properties?";

    enum class Field { Number, Client, Designer, CheckedBy, Revision, RevisionDate, Notes, Spare };
    // The one-line boxes, in order.
    struct LineBox {
        Field Box;
        const char* Label;
        std::string ProjectProperties::*Value;
    };
    static constexpr LineBox LineBoxes[] = {
        {Field::Number, "Project &number:", &ProjectProperties::Number},
        {Field::Client, "&Client:", &ProjectProperties::Client},
        {Field::Designer, "&Designer:", &ProjectProperties::Designer},
        {Field::CheckedBy, "C&hecked by:", &ProjectProperties::CheckedBy},
        {Field::Revision, "&Revision:", &ProjectProperties::Revision},
        {Field::RevisionDate, "Revision d&ate:", &ProjectProperties::RevisionDate},
    };
    static size_t LongestLine();
    static int32_t MostSpare();

    struct Refusal {
        Field Box = Field::Number;
        std::string Message;
        bool operator==(const Refusal&) const = default;
    };

    explicit ProjectPropertiesCore(Document& document) : document_(document) {}

    // What the boxes show: the document's properties.
    ProjectProperties Boxes() const;
    bool Editable() const;
    bool HasChanges(const ProjectProperties& typed) const { return Editable() && !(typed == Boxes()); }

    // The first box that cannot be kept as typed.
    static std::optional<Refusal> Check(const ProjectProperties& typed);
    // OK: the boxes stored as one step of the history (nothing for a
    // read-only document), or the box to correct after its message
    // (exclamation).
    std::optional<Refusal> OK(MessageHost& host, const ProjectProperties& typed);
    // Cancel: true when the window may close (nothing changed, or the user
    // chose to discard the changes).
    bool MayDiscard(MessageHost& host, const ProjectProperties& typed) const;

private:
    Document& document_;
};

// Stores the properties; the document is marked changed when they differ.
void ApplyProjectProperties(Document& document, const ProjectProperties& project);
