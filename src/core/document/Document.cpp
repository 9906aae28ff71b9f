#include "document/Document.h"

#include <cassert>

Document::Document(const Catalogue& catalogue, Clock clock) : catalogue_(&catalogue), clock_(std::move(clock))
{
    CreatedDate = ModifiedDate = clock_();
}

size_t Document::Index(int loop)
{
    assert(loop >= 1 && loop <= LoopCount);
    return static_cast<size_t>(loop < 1 ? 0 : loop > LoopCount ? LoopCount - 1 : loop - 1);
}

clsCalculator& Document::CreateLoop(int loop) const
{
    std::unique_ptr<clsCalculator>& model = loops_[Index(loop)];
    if (!model) {
        model = std::make_unique<clsCalculator>(*catalogue_);
        model->ClearData();
    }
    return *model;
}

clsCalculator& Document::Loop(int loop) { return CreateLoop(loop); }
const clsCalculator& Document::Loop(int loop) const { return CreateLoop(loop); }
bool Document::LoopExists(int loop) const { return loops_[Index(loop)] != nullptr; }

void Document::ReplaceLoop(int loop, clsCalculator model)
{
    loops_[Index(loop)] = std::make_unique<clsCalculator>(std::move(model));
}

std::string& Document::LoopName(int loop) { return loopNames_[Index(loop)]; }
const std::string& Document::LoopName(int loop) const { return loopNames_[Index(loop)]; }

namespace {
bool IsAddress(int address) { return address >= 0 && address < clsCalculator::AddressCount; }
}  // namespace

int16_t Document::AddressTag(int loop, int address) const
{
    return IsAddress(address) ? addressTags_[Index(loop)][static_cast<size_t>(address)] : 0;
}

void Document::SetAddressTag(int loop, int address, int16_t tag)
{
    if (IsAddress(address))
        addressTags_[Index(loop)][static_cast<size_t>(address)] = tag;
}

int16_t Document::Eavesdropping(int loop, int address) const
{
    return IsAddress(address) ? eavesdropping_[Index(loop)][static_cast<size_t>(address)] : 0;
}

void Document::SetEavesdropping(int loop, int address, int16_t flag)
{
    if (IsAddress(address))
        eavesdropping_[Index(loop)][static_cast<size_t>(address)] = flag;
}

void Document::MarkChanged()
{
    Dirty = true;
    ModifiedDate = clock_();
}

void Document::AddObserver(DocumentObserver* observer) { observers_.push_back(observer); }

void Document::RemoveObserver(DocumentObserver* observer) { std::erase(observers_, observer); }

void Document::NotifyLoopRecalculated(int loop) const
{
    // A copy, so that an observer may remove itself while being told.
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers)
        observer->LoopRecalculated(loop);
}
