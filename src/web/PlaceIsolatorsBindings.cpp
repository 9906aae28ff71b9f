// The Place Isolators window to JavaScript, opened from a loop editor: the
// window's core on the editor's loop, and on OK the editor's step "Place
// Isolators", as the desktop editor records it when the window closes.

#include "forms/HelpTopics.h"
#include "forms/PlaceIsolatorsCore.h"
#include "web/WebLoopEditor.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

#include <algorithm>

namespace {

class WebPlaceIsolators {
public:
    // The editor must outlive the window.
    explicit WebPlaceIsolators(WebLoopEditor& editor)
        : editor_(editor.Core()), before_(editor_.Snapshot()), core_(editor_.Doc(), editor_.LoopNum())
    {
    }

    PlaceIsolatorsCore& Core() { return core_; }

    emscripten::val KindNames() const
    {
        return ArrayOf(core_.Kinds(), [](const IsolatorPlacement::Kind& kind) { return emscripten::val(kind.Name); });
    }

    // OK: the isolators into the loop, and a step of the editor; false
    // when they cannot go in.
    bool Ok()
    {
        if (!core_.Apply())
            return false;
        editor_.RecordPlacement(std::move(before_), PlaceIsolatorsCore::StepName);
        return true;
    }

private:
    LoopEditorCore& editor_;
    LoopEditorCore::EditorState before_;
    PlaceIsolatorsCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_place_isolators)
{
    using emscripten::optional_override;
    using W = WebPlaceIsolators;
    emscripten::class_<W>("PlaceIsolators")
        .constructor<WebLoopEditor&>()
        .function("caption", optional_override([](W& w) { return w.Core().Caption(); }))
        .function("kinds", &W::KindNames)
        .function("kind", optional_override([](W& w) { return static_cast<int>(w.Core().KindIndex()); }))
        .function("setKind", optional_override([](W& w, int kind) { w.Core().SetKind(static_cast<size_t>(std::max(kind, 0))); }))
        .function("limit", optional_override([](W& w) { return w.Core().Limit(); }))
        .function("setLimit", optional_override([](W& w, int limit) { w.Core().SetLimit(limit); }))
        .function("beforeText", optional_override([](W& w) { return w.Core().BeforeText(); }))
        .function("afterText", optional_override([](W& w) { return w.Core().AfterText(); }))
        .function("outcomeText", optional_override([](W& w) { return w.Core().OutcomeText(); }))
        .function("canApply", optional_override([](W& w) { return w.Core().CanApply(); }))
        .function("ok", &W::Ok)
        .function("minLimit", optional_override([](W&) { return PlaceIsolatorsCore::MinLimit; }))
        .function("maxLimit", optional_override([](W&) { return PlaceIsolatorsCore::MaxLimit; }))
        .function("helpTopic", optional_override([](W&) { return HelpTopic::PlaceIsolators; }));
}
