// The cable comparison window to JavaScript, opened from a loop editor: the
// cable comparison core on the editor's loop. "Use This Cable" chooses the
// row's cable as the editor's cable list does, a step of the editor.

#include "forms/CableComparisonCore.h"
#include "forms/HelpTopics.h"
#include "web/WebLoopEditor.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

#include <string>

namespace {

using emscripten::val;

struct Row {
    std::string Cable, Impedance, VoltDrop, Verdict, LongestRun, Whole, OpenIn, OpenOut, Result;
    bool Smallest = false;
    bool Pass = false;
    bool OwnCable = false;
    bool CanUse = false;
};

class WebCableComparison {
public:
    // The editor must outlive the window.
    explicit WebCableComparison(WebLoopEditor& editor)
        : editor_(editor), core_(editor.Core().Doc(), editor.Units(), editor.Core().LoopNum())
    {
    }

    const CableComparisonCore& Core() const { return core_; }

    val Rows() const
    {
        return JsArray(core_.RowCount(), [&](size_t row) {
            const CableComparisonCore::RowTexts texts = core_.Texts(row);
            const CableComparisonCore::CellTexts& c = texts.Cells;
            return Row{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8],
                       texts.Smallest, texts.Pass, texts.OwnCable, core_.CanUseCable(row)};
        });
    }

    int FirstSelectedRow() const
    {
        const std::optional<size_t> row = core_.FirstSelectedRow();
        return row ? static_cast<int>(*row) : -1;
    }

    // False, changing nothing, for a row whose cable cannot be used.
    bool UseCable(int row)
    {
        if (row < 0 || !core_.CanUseCable(static_cast<size_t>(row)))
            return false;
        const int cable = core_.CableOf(static_cast<size_t>(row));
        const std::vector<LoopParameters::CableEntry> entries = editor_.Params().CableList();
        for (size_t entry = 0; entry < entries.size(); ++entry)
            if (entries[entry].Cable == cable)
                editor_.ChooseCableEntry(static_cast<int>(entry));
        return true;
    }

private:
    WebLoopEditor& editor_;
    CableComparisonCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(cable_comparison)
{
    using namespace emscripten;
    value_object<Row>("CableComparisonRow")
        .field("cable", &Row::Cable)
        .field("impedance", &Row::Impedance)
        .field("voltDrop", &Row::VoltDrop)
        .field("verdict", &Row::Verdict)
        .field("longestRun", &Row::LongestRun)
        .field("whole", &Row::Whole)
        .field("openIn", &Row::OpenIn)
        .field("openOut", &Row::OpenOut)
        .field("result", &Row::Result)
        .field("smallest", &Row::Smallest)
        .field("pass", &Row::Pass)
        .field("ownCable", &Row::OwnCable)
        .field("canUse", &Row::CanUse);

    class_<WebCableComparison>("CableComparison")
        .constructor<WebLoopEditor&>()
        .function("caption", optional_override([](WebCableComparison& c) { return c.Core().Caption(); }))
        .function("explanation", optional_override([](WebCableComparison& c) { return c.Core().Explanation(); }))
        .function("headings", optional_override([](WebCableComparison& c) {
                      const CableComparisonCore::CellTexts headings = c.Core().Headings();
                      return StringsToJs({headings.begin(), headings.end()});
                  }))
        .function("rows", &WebCableComparison::Rows)
        .function("firstSelectedRow", &WebCableComparison::FirstSelectedRow)
        .function("useCable", &WebCableComparison::UseCable)
        .function("helpTopic", optional_override([](WebCableComparison&) { return HelpTopic::CompareCables; }));
}
