#pragma once
// The Place Isolators window without its window: an isolator kind and the
// most points a section may hold (the panel's figure to begin with), the
// sections of the loop before and after, and OK putting the isolators in.
// Every choice is worked out at once without touching the loop; OK puts the
// isolators into it, and its caller makes that one step named StepName.

#include "document/IsolatorPlacement.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Document;

class PlaceIsolatorsCore {
public:
    static constexpr const char* StepName = "Place Isolators";
    static constexpr const char* NoKindsText = "The catalogue offers no isolator that this loop may take.";
    static constexpr int32_t MinLimit = 1;
    static constexpr int32_t MaxLimit = 252;

    PlaceIsolatorsCore(Document& document, int loop);

    // "Place Isolators - Loop 2 - Racking north".
    std::string Caption() const;
    const std::vector<IsolatorPlacement::Kind>& Kinds() const { return kinds_; }
    size_t KindIndex() const { return kind_; }
    void SetKind(size_t index);
    int32_t Limit() const { return limit_; }
    // Kept within MinLimit and MaxLimit.
    void SetLimit(int32_t limit);

    // "3 sections: 40, 12 and 10 points; the largest, 40, is over the limit of 32."
    std::string BeforeText() const;
    // The sections after, or nothing when the isolators cannot go in.
    std::string AfterText() const;
    // What OK does: "Adds 4 isolators, before addresses 64, 126, 188 and 250.",
    // why it cannot, or that no isolator is needed.
    std::string OutcomeText() const;
    // OK is enabled when isolators would go in.
    bool CanApply() const;
    // Puts the isolators into the loop; false (and nothing changed) when they cannot go in.
    bool Apply();

    static std::string SectionsText(const std::vector<IsolatorSection>& sections, int32_t limit);

private:
    void Preview();

    Document& document_;
    int loop_;
    std::vector<IsolatorPlacement::Kind> kinds_;
    size_t kind_ = 0;
    int32_t limit_;
    IsolatorPlacement::Placement preview_;
};
