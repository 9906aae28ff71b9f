#pragma once
// Report tests: a small catalogue and a document built in memory, printed
// on the recording printer, with the pages rendered back as text lines.
// Free of any test framework, so that the window tests can use it too.

#include "text/Scaling.h"
#include "support/TestCatalogue.h"
#include "document/Document.h"
#include "report/RecordingPrinter.h"
#include "report/ReportProgress.h"

#include <string>
#include <string_view>
#include <vector>

// A progress window that records what it is told and presses Cancel once a
// given number of page texts has been shown.
class ScriptedProgress : public ReportProgress {
public:
    void Show(const std::string& text) override { destination = text; }
    void SetPageText(const std::string& text) override { pageTexts.push_back(text); }
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override;
    void Close() override { closed = true; }

    int cancelAfterPageTexts = -1;  // never
    bool closed = false;
    std::string destination;
    std::vector<std::string> pageTexts;
};

class ReportScenario {
public:
    enum DeviceTypePosition { OpticalDetector = 1, HeatDetector, InputUnit };
    enum OtherDevicePosition { RemoteIndicator = 1, ConventionalSounder };
    enum PanelPosition { FourLoopPanel };
    static constexpr int16_t CatalogueCableImpedance = 1210;

    ReportScenario();
    ReportScenario(const ReportScenario&) = delete;
    ReportScenario& operator=(const ReportScenario&) = delete;

    // Devices at the loop's lowest free addresses.
    void AddDevices(int loop, int type, int count);
    // Other Devices at the lowest addresses that carry none yet.
    void AddOthers(int loop, int other, int count);
    // Recalculates every loop and prints the report on `target`; returns its result.
    int Print(const std::vector<int>& loops, ReportPrinter& target, int units = Scaling::Metric);
    // The same on the recording printer.
    int Print(const std::vector<int>& loops, int units = Scaling::Metric) { return Print(loops, printer, units); }

    // A printed page as text: every printed piece at its character column
    // and line, counted from the margins; blank lines kept.
    std::vector<std::string> PageLines(int page) const;
    // The lines of a page from the one whose text starts with `first` up to,
    // not including, the next one whose text starts with `end` (or the end of
    // the page); leading blanks are not compared. Empty when there is no
    // `first`.
    std::vector<std::string> LinesBetween(int page, std::string_view first, std::string_view end) const;
    // The first piece printed with exactly this text; nullptr when none was.
    const RecordingPrinter::PrintedText* Find(std::string_view text) const;
    int LastPage() const;

    TestCatalogue catalogue;
    Document document;
    RecordingPrinter printer;
    ScriptedProgress progress;
};
