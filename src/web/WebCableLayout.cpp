#include "web/WebCableLayout.h"

#include "forms/DiscardQuestion.h"
#include "web/WebLoopEditor.h"

WebCableLayout::WebCableLayout(WebLoopEditor& editor)
    : editor_(editor.Core()), before_(editor_.Snapshot()),
      core_(editor_.Doc(), editor.Units(), editor_.Host(), editor_.LoopNum())
{
}

std::vector<WebCableLayout::Row> WebCableLayout::Rows() const
{
    std::vector<Row> rows;
    for (size_t row = 0; row < core_.Rows().size(); ++row) {
        CableLayoutCore::RowTexts texts = core_.Texts(row);
        rows.push_back({std::move(texts.Number), std::move(texts.Address), std::move(texts.Type),
                        std::move(texts.Others), std::move(texts.Distance), std::move(texts.Length),
                        core_.CanMove(row, -1), core_.CanMove(row, 1)});
    }
    return rows;
}

int WebCableLayout::Move(int row, int step)
{
    if (row < 0 || static_cast<size_t>(row) >= core_.Rows().size())
        return -1;
    const std::optional<size_t> now = core_.Move(static_cast<size_t>(row), step);
    return now ? static_cast<int>(*now) : -1;
}

void WebCableLayout::Ok()
{
    core_.Apply();
    editor_.RecordStep(std::move(before_), LoopEditorCore::CableLayoutStep);
}

bool WebCableLayout::Cancel()
{
    return DiscardQuestion::MayClose(editor_.Host(), core_.HasChanges(), core_.DiscardQuestion(), core_.Caption());
}
