#pragma once
// The "How many more?" window without its window: for the device or Other
// Device of a loop editor row, how many more the loop takes placed evenly
// or at the far end, the check that stops one more, and Add, which places
// them through the loop editor as one step.

#include "document/HowManyMore.h"

#include <cstddef>
#include <string>

class LoopEditorCore;

class HowManyMoreCore {
public:
    static HowManyMoreCore ForDeviceRow(LoopEditorCore& editor, size_t row);
    static HowManyMoreCore ForOtherRow(LoopEditorCore& editor, size_t row);

    // "How Many More? - Loop 2"
    std::string Caption() const;
    // The device type's or Other Device's name.
    std::string ItemText() const;

    HowManyMore::Placement CurrentPlacement() const { return placement_; }
    void SetPlacement(HowManyMore::Placement placement);
    const HowManyMore::Answer& Result() const { return answer_; }
    // "12 more fit; one more fails: Alarm Current Too High"
    std::string AnswerText() const { return HowManyMore::AnswerText(answer_); }
    // "Add 12", enabled when any fit.
    std::string AddText() const { return "Add " + std::to_string(answer_.More); }
    bool AddEnabled() const { return answer_.More > 0; }
    // Adds them; the answer is then worked out again.
    bool Add();

private:
    HowManyMoreCore(LoopEditorCore& editor, HowManyMore::Item item);
    void Work();

    LoopEditorCore& editor_;
    HowManyMore::Item item_;
    HowManyMore::Placement placement_ = HowManyMore::Placement::Evenly;
    HowManyMore::Answer answer_;
};
