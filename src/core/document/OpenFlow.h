#pragma once
// Opening a ".QLX" document into the open Loop Calculation: the progress
// window around the reader, its prompts (an unknown device type, an Other
// Device that no longer fits its device, Other Devices of an older file that
// could not be placed), the messages of a failed open, the one report of the
// devices the catalogues do not hold, and what the document is left as
// afterwards (recalculated, clean unless the open had to change the data).
//
// The window itself is an OpenProgressHost: the desktop's progress window,
// or a silent one for the headless calculator.

#include "document/DocumentReader.h"

#include <functional>
#include <string>

class Catalogue;
class Document;
class MessageHost;
class Options;

class OpenProgressHost {
public:
    virtual ~OpenProgressHost() = default;
    // The window appears, modal, with the busy pointer.
    virtual void Show() = 0;
    // lblFileName: "Opening '" + file + "'...".
    virtual void SetFileText(const std::string& text) = 0;
    virtual void SetPercent(int percent) = 0;
    // Lets pending window events run, so that the window repaints and its
    // Cancel button (which asks first) can be pressed.
    virtual void ProcessPendingEvents() = 0;
    virtual bool CancelRequested() const = 0;
    // The unknown-device dialog: "Y" leaves the address empty, "A" does so
    // for every later unknown type of this open, "C" stops the open.
    virtual std::string UnknownResponse(int loop, int address, int deviceType) = 0;
    // The window unloads; the normal pointer is back.
    virtual void Close() = 0;
};

// What the main window does around an open. Each may be left empty.
struct OpenFlowShell {
    // A completed open: the path joins the recent files.
    std::function<void(const std::string& path)> AddRecentFile;
    // The document changed: its window title (Shell::WindowTitle).
    std::function<void(const std::string& title)> SetWindowTitle;
    // The panel list shows the current panel and the rows of its loops.
    std::function<void()> ShowCurrentPanel;
};

// The text of the unknown-device dialog.
std::string UnknownDeviceText(int loop, int address, int deviceType);

// How the last open ended.
enum class OpenOutcome {
    Opened,     // the document is the file's
    NotFound,   // the folder listing does not show the file: document untouched
    Refused,    // too large, or an unrecognised or newer format: document untouched
    Cancelled,  // by the user or at a prompt: new and empty
    NoPanel,    // neither its panel nor "Unknown Panel" exists: new and empty
    Failed      // a run-time error, reported: new and empty
};

class OpenFlow : private DocumentReadHost {
public:
    OpenFlow(Document& document, Catalogue& catalogue, Options& options, MessageHost& messages,
             OpenProgressHost& progress, OpenFlowShell shell = {});

    // Replaces the document by the file's. False only when the reading ended
    // with a run-time error (a refused or cancelled open is true). The
    // document is recalculated in every case.
    bool DoMenuOpen(const std::string& file, bool readOnly);

    OpenOutcome Outcome() const { return outcome_; }
    // Opened from a file that was cut short (see CutShortFile.h), and told so.
    bool OpenedCutShort() const { return cutShort_; }

private:
    bool CancelRequested(int loop, int address) override;
    UnknownDeviceAnswer UnknownDeviceType(int loop, int address, int deviceType) override;
    bool DropIncompatibleOther(int loop, int other, int deviceType) override;
    void OthersNotPlaced(int loop, int other, int32_t notPlaced) override;

    // The reading inside the progress window; true unless a run-time error ended it.
    bool Read(const std::string& file, bool readOnly);
    void ReportRunTimeError(const std::string& file, int number, const std::string& description);
    void StartNewDocument();

    Document& document_;
    Catalogue& catalogue_;
    Options& options_;
    MessageHost& messages_;
    OpenProgressHost& progress_;
    OpenFlowShell shell_;

    bool documentModified_ = false;
    bool cutShort_ = false;
    DateTime heldModifiedDate_;
    OpenOutcome outcome_ = OpenOutcome::Refused;
};
