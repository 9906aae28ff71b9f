// The control-panel editor and the list of user-defined panels to
// JavaScript, over the session's catalogue, document and options. Saving a
// panel writes the user's panel file, which the session's platform keeps in
// the browser's storage. Calls that may show a box or ask a question return a
// promise when the page's host answers with one.

#include "forms/PanelEditorCore.h"
#include "forms/PanelListCore.h"
#include "web/WebValues.h"
#include "web/WebSession.h"

#include <emscripten/bind.h>

#include <string>

namespace {

using emscripten::val;
using Field = PanelEditorCore::Field;

PanelServices ServicesOf(WebSession& session)
{
    return {session.document(), session.catalogue(), session.options(), session.host(), session.files(),
            session.pointer()};
}

// What OK leaves the page to do; `name` is the name as OK read it, for the
// name box.
struct PanelOkOutcome {
    bool Close = false;
    int Focus = 0;
    bool Changed = false;
    std::string Name;
};

class WebPanelEditor {
public:
    explicit WebPanelEditor(WebSession& session) : core_(ServicesOf(session)) {}

    bool Open(int panelNum) { return core_.Open(panelNum); }
    PanelEditorCore& Core() { return core_; }

    val Boxes() const
    {
        const PanelEditorCore::Entries boxes = core_.Boxes();
        return JsArray(boxes.size(), [&](size_t i) { return boxes[i]; });
    }

    // `entries`: the boxes' texts in field order.
    PanelOkOutcome Ok(const val& entries)
    {
        PanelEditorCore::Entries boxes;
        const std::vector<std::string> typed = emscripten::vecFromJSArray<std::string>(entries);
        for (size_t box = 0; box < boxes.size() && box < typed.size(); ++box)
            boxes[box] = typed[box];
        auto& name = boxes[static_cast<size_t>(Field::Name)];
        name = PanelEditorCore::TrimmedName(name);
        const PanelEditorCore::Outcome outcome = core_.OK(boxes);
        return {outcome.Close, static_cast<int>(outcome.Focus), outcome.Changed, name};
    }

private:
    PanelEditorCore core_;
};

const char* KeyActionName(PanelEditorCore::KeyAction action)
{
    switch (action) {
    case PanelEditorCore::KeyAction::Accept: return "accept";
    case PanelEditorCore::KeyAction::NextBox: return "next";
    case PanelEditorCore::KeyAction::Refuse: return "refuse";
    }
    return "refuse";
}

bool IsField(int field) { return field >= 0 && field <= static_cast<int>(Field::OKButton); }

// What a typed character does in a box ("\r" for Enter): "accept", "next"
// (the focus to nextPanelField) or "refuse" (a beep, and dropped).
std::string PanelKeyPressed(int field, const std::wstring& key)
{
    if (!IsField(field) || key.empty())
        return "refuse";
    return KeyActionName(PanelEditorCore::KeyPressed(static_cast<Field>(field), static_cast<char32_t>(key.front())));
}

int NextPanelField(int field)
{
    return IsField(field) ? static_cast<int>(PanelEditorCore::NextField(static_cast<Field>(field))) : field;
}

struct PanelDeleteOutcome {
    bool Deleted = false;
    bool CloseList = false;
};

class WebPanelList {
public:
    WebPanelList(WebSession& session, bool deleteMode)
        : session_(session),
          core_(session.catalogue(), deleteMode ? PanelListCore::Mode::Delete : PanelListCore::Mode::Edit)
    {
    }

    PanelListCore& Core() { return core_; }

    val Items() const
    {
        return JsArray(core_.Items().size(), [&](size_t i) { return core_.Items()[i]; });
    }

    PanelDeleteOutcome DeleteChosen()
    {
        const PanelListCore::DeleteOutcome outcome = core_.DeleteChosen(ServicesOf(session_));
        return {outcome.Deleted, outcome.CloseList};
    }

private:
    WebSession& session_;
    PanelListCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_panels)
{
    using namespace emscripten;
    value_object<PanelOkOutcome>("PanelOkOutcome")
        .field("close", &PanelOkOutcome::Close)
        .field("focus", &PanelOkOutcome::Focus)
        .field("changed", &PanelOkOutcome::Changed)
        .field("name", &PanelOkOutcome::Name);
    value_object<PanelListItem>("PanelListItem")
        .field("name", &PanelListItem::Name)
        .field("position", &PanelListItem::Position);
    value_object<PanelDeleteOutcome>("PanelDeleteOutcome")
        .field("deleted", &PanelDeleteOutcome::Deleted)
        .field("closeList", &PanelDeleteOutcome::CloseList);

    constant("panelEditorCaption", std::string(PanelEditorCore::Caption));
    function("panelKeyPressed", &PanelKeyPressed);
    function("nextPanelField", &NextPanelField);
    function("customPanelMenu",
             optional_override([](WebSession& session) { return CheckCustomPanelMenu(session.catalogue()); }));

    class_<WebPanelEditor>("PanelEditor")
        .constructor<WebSession&>()
        .function("open", &WebPanelEditor::Open)
        .function("readOnly", optional_override([](WebPanelEditor& p) { return p.Core().IsReadOnly(); }))
        .function("notes", optional_override([](WebPanelEditor& p) { return p.Core().NotesText(); }))
        .function("closeCaption", optional_override([](WebPanelEditor& p) { return p.Core().CloseCaption(); }))
        .function("boxes", &WebPanelEditor::Boxes)
        .function("ok", &WebPanelEditor::Ok);

    class_<WebPanelList>("PanelList")
        .constructor<WebSession&, bool>()
        .function("deleteMode", optional_override([](WebPanelList& l) { return l.Core().IsDeleteMode(); }))
        .function("caption", optional_override([](WebPanelList& l) { return l.Core().Caption(); }))
        .function("actionCaption", optional_override([](WebPanelList& l) { return l.Core().ActionCaption(); }))
        .function("closeCaption", optional_override([](WebPanelList& l) { return l.Core().CloseCaption(); }))
        .function("items", &WebPanelList::Items)
        .function("choose", optional_override([](WebPanelList& l, int item) { l.Core().Choose(item); }))
        .function("actionEnabled", optional_override([](WebPanelList& l) { return l.Core().ActionEnabled(); }))
        .function("chosenPosition",
                  optional_override([](WebPanelList& l) { return l.Core().ChosenPosition().value_or(-1); }))
        .function("deleteChosen", &WebPanelList::DeleteChosen);
}
