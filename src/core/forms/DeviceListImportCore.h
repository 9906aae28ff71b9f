#pragma once
// The import window without its window: a device list read from a file,
// the names in it that neither catalogue has, each mapped by the user to a
// catalogue's name or left out (the choices remembered for the next import),
// and the preview of what each loop receives and which rows are refused and
// why. Apply places it as one step of the document's history.

#include "document/DeviceListImport.h"

#include <string>
#include <vector>

class Document;
class Options;

class DeviceListImportCore {
public:
    // What the window shows of one loop.
    struct LoopPreview {
        std::string Title;  // "Loop 2 - Offices (1 row refused)"
        std::vector<std::string> Placed;
        std::vector<std::string> Refused;  // "Row 7: ..."
    };
    struct UnknownName {
        std::string Name;
        std::string Rows;  // "rows 4, 9"
        size_t Choice = 0;  // in Choices()
    };

    static constexpr const char* LeaveOutChoice = "(leave out)";

    // `list` is read already and is a device list (no Failure).
    DeviceListImportCore(Document& document, Options& options, DeviceList::List list, std::string fileName);

    // "Import Device List - list.csv"
    std::string Caption() const;
    // "An address schedule of 63 rows; devices are added to those the loops hold."
    std::string Summary() const;

    const std::vector<UnknownName>& Unknowns() const { return unknowns_; }
    // LeaveOutChoice, then every device type and Other Device by its name.
    const std::vector<std::string>& Choices() const { return choices_; }
    void Choose(size_t unknown, size_t choice);

    std::vector<LoopPreview> Preview() const;
    // Rows refused for naming no loop of the panel.
    std::vector<std::string> RowsWithoutLoop() const;
    bool CanApply() const { return outcome_.Placed(); }

    // The import as one step; the choices made kept for the next import.
    void Apply();

private:
    DeviceListImport::Mapping ChosenMapping() const;
    void Refresh();

    Document& document_;
    Options& options_;
    DeviceList::List list_;
    std::string fileName_;
    std::vector<std::string> choices_;
    std::vector<DeviceListImport::Entry> entries_;  // of the choices after the first
    std::vector<UnknownName> unknowns_;
    DeviceListImport::Outcome outcome_;
};
