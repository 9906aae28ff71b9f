#include "forms/HowManyMoreCore.h"

#include "document/Document.h"
#include "forms/LoopEditorCore.h"

HowManyMoreCore::HowManyMoreCore(LoopEditorCore& editor, HowManyMore::Item item) : editor_(editor), item_(item)
{
    Work();
}

HowManyMoreCore HowManyMoreCore::ForDeviceRow(LoopEditorCore& editor, size_t row)
{
    return {editor, {HowManyMore::Item::Kind::DeviceType, editor.DeviceRows().at(row).Type}};
}

HowManyMoreCore HowManyMoreCore::ForOtherRow(LoopEditorCore& editor, size_t row)
{
    return {editor, {HowManyMore::Item::Kind::OtherDevice, editor.OtherRows().at(row)}};
}

std::string HowManyMoreCore::Caption() const { return "How Many More? - Loop " + std::to_string(editor_.LoopNum()); }

std::string HowManyMoreCore::ItemText() const { return HowManyMore::ItemName(editor_.Doc().Catalog(), item_); }

void HowManyMoreCore::SetPlacement(HowManyMore::Placement placement)
{
    placement_ = placement;
    Work();
}

bool HowManyMoreCore::Add()
{
    const bool added = AddEnabled() && editor_.AddMore(item_, answer_.More, placement_);
    Work();
    return added;
}

void HowManyMoreCore::Work() { answer_ = HowManyMore::Find(editor_.Doc(), editor_.LoopNum(), item_, placement_); }
