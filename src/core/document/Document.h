#pragma once
// The open Loop Calculation: site, dates, eight loops with their names and
// loop models (created on first use), the per-address tables that travel with
// the devices, and the dirty and read-only flags. The current control panel
// is the catalogue's CurrentPanel.

#include "loop/clsCalculator.h"
#include "document/DateTime.h"
#include "document/DocumentState.h"
#include "document/EditHistory.h"
#include "document/PowerSettings.h"
#include "document/ProjectProperties.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Catalogue;

// Told after a loop has been recalculated, so that windows refresh the texts
// they show for it and for the totals.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void LoopRecalculated(int loop) = 0;
};

class Document {
public:
    static constexpr int LoopCount = 8;
    using Clock = std::function<DateTime()>;

    explicit Document(const Catalogue& catalogue, Clock clock = DateTime::Now);

    const Catalogue& Catalog() const { return *catalogue_; }

    std::string Path;
    std::string SiteName;
    DateTime CreatedDate;
    DateTime ModifiedDate;
    bool Dirty = false;
    bool ReadOnly = false;
    // The standby battery calculation's settings.
    PowerSettings Power;
    // The project it belongs to, and the spare capacity asked of every loop.
    ProjectProperties Project;
    // Every accepted change since the document was created or opened
    // (DocumentEdits.h); saving marks the step it was saved at.
    EditHistory<DocumentState> History;

    // Loops are numbered 1 to 8; a loop's model is created empty on first use.
    clsCalculator& Loop(int loop);
    const clsCalculator& Loop(int loop) const;
    bool LoopExists(int loop) const;
    // Replaces a loop's model (the loop editor's Cancel restores its backup).
    void ReplaceLoop(int loop, clsCalculator model);

    std::string& LoopName(int loop);
    const std::string& LoopName(int loop) const;

    int16_t AddressTag(int loop, int address) const;
    void SetAddressTag(int loop, int address, int16_t tag);
    int16_t Eavesdropping(int loop, int address) const;
    void SetEavesdropping(int loop, int address, int16_t flag);

    // Every change: dirty, and modified now.
    void MarkChanged();
    DateTime Now() const { return clock_(); }

    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);
    void NotifyLoopRecalculated(int loop) const;

private:
    static size_t Index(int loop);
    clsCalculator& CreateLoop(int loop) const;

    const Catalogue* catalogue_;
    Clock clock_;
    std::vector<DocumentObserver*> observers_;
    std::array<std::string, LoopCount> loopNames_;
    // Created lazily also through const access, so that every loop always answers.
    mutable std::array<std::unique_ptr<clsCalculator>, LoopCount> loops_;
    std::array<std::array<int16_t, clsCalculator::AddressCount>, LoopCount> addressTags_{};
    std::array<std::array<int16_t, clsCalculator::AddressCount>, LoopCount> eavesdropping_{};
};
