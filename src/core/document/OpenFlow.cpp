#include "document/OpenFlow.h"

#include "document/CalculationSupport.h"
#include "catalogues/Catalogue.h"
#include "document/CutShortFile.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "document/Shell.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"

#include <utility>

using std::to_string;

std::string UnknownDeviceText(int loop, int address, int deviceType)
{
    return "This file has an unknown device type (" + to_string(deviceType) + ") at address " + to_string(address) +
           " on loop " + to_string(loop) + ".\n\nSet this address to 'No Device'?";
}

namespace {

// The largest document the catalogues allow is under 100 KB; the limit keeps
// a stray large file from being read whole into memory.
constexpr uint64_t LargestDocumentBytes = 16 * 1024 * 1024;

bool TooLargeToOpen(const std::string& file)
{
    const auto stamp = FileSystem::Stamp(file);
    return stamp && stamp->Size > LargestDocumentBytes;
}

std::string TooLargeText(const std::string& file)
{
    return "File is too large for a Loop Calculation (over 16 MB), unable to open '" + file + "'.";
}

}  // namespace

OpenFlow::OpenFlow(Document& document, Catalogue& catalogue, Options& options, MessageHost& messages,
                   OpenProgressHost& progress, OpenFlowShell shell)
    : document_(document), catalogue_(catalogue), options_(options), messages_(messages), progress_(progress),
      shell_(std::move(shell))
{
}

bool OpenFlow::DoMenuOpen(const std::string& file, bool readOnly)
{
    documentModified_ = false;
    cutShort_ = false;
    heldModifiedDate_ = document_.ModifiedDate;

    progress_.Show();
    progress_.SetPercent(0);
    const bool result = Read(file, readOnly);
    progress_.Close();

    if (shell_.ShowCurrentPanel)
        shell_.ShowCurrentPanel();
    CalculationSupport::RecalculateAll(document_);
    // An open that changed nothing leaves the document as it was saved.
    if (documentModified_) {
        document_.MarkChanged();
    } else {
        document_.Dirty = false;
        document_.ModifiedDate = heldModifiedDate_;
    }
    document_.History.Clear(!document_.Dirty);
    // Told once the design it warns about is on show.
    if (cutShort_)
        MsgBox(messages_, CutShortWarning(file), MsgStyle::OKOnly + MsgStyle::Exclamation);
    return result;
}

bool OpenFlow::Read(const std::string& file, bool readOnly)
{
    if (const auto error = FileSystem::CheckReadable(file)) {
        outcome_ = OpenOutcome::Failed;
        ReportRunTimeError(file, error->Number, error->Description);
        StartNewDocument();
        return false;
    }
    progress_.SetFileText("Opening '" + file + "'...");
    // A file the folder listing does not show (a hidden one) is not opened.
    if (!FileSystem::FileExists(file)) {
        outcome_ = OpenOutcome::NotFound;
        MsgBox(messages_, "Unable to find file '" + file + "'.", MsgStyle::OKOnly + MsgStyle::Exclamation);
        return true;
    }

    if (TooLargeToOpen(file)) {
        outcome_ = OpenOutcome::Refused;
        MsgBox(messages_, TooLargeText(file), MsgStyle::OKOnly + MsgStyle::Exclamation);
        return true;
    }

    OpenedFileText text(FileSystem::ReadFileBytes(file).value_or(""));
    const DocumentReadResult read =
        ReadDocument(document_, file, readOnly, {catalogue_, options_, messages_, *this}, text);
    if (read.Outcome == ReadOutcome::Refused) {
        outcome_ = OpenOutcome::Refused;
        return true;
    }
    // Past the version check the reader has read the file's modified date.
    heldModifiedDate_ = read.ModifiedDate;
    switch (read.Outcome) {
    case ReadOutcome::Opened:
        outcome_ = OpenOutcome::Opened;
        // Not marked changed: closing without a save keeps them in the file.
        if (!read.Dropped.Empty())
            MsgBox(messages_, DroppedRecordsText(read.Dropped), MsgStyle::OKOnly + MsgStyle::Exclamation);
        cutShort_ = text.CutShort();
        if (shell_.AddRecentFile)
            shell_.AddRecentFile(document_.Path);
        break;
    case ReadOutcome::Cancelled:
        outcome_ = OpenOutcome::Cancelled;
        break;
    case ReadOutcome::NoPanel:
        outcome_ = OpenOutcome::NoPanel;
        break;
    case ReadOutcome::Failed:
    case ReadOutcome::Refused:
        outcome_ = OpenOutcome::Failed;
        ReportRunTimeError(file, read.ErrorNumber, read.ErrorDescription);
        break;
    }
    // The reader has replaced the document: the file's, or a new empty one.
    if (shell_.SetWindowTitle)
        shell_.SetWindowTitle(Shell::WindowTitle(document_.Path));
    return outcome_ != OpenOutcome::Failed;
}

void OpenFlow::ReportRunTimeError(const std::string& file, int number, const std::string& description)
{
    MsgBox(messages_,
           "Unable to open file '" + file + "' for the following reason:\n\n(" + to_string(number) + ")  " +
               description,
           MsgStyle::OKOnly + MsgStyle::Exclamation);
}

void OpenFlow::StartNewDocument()
{
    NewDocument(document_, CurrentLoopDefaults(options_, catalogue_));
    if (shell_.SetWindowTitle)
        shell_.SetWindowTitle(Shell::WindowTitle(document_.Path));
}

bool OpenFlow::CancelRequested(int loop, int address)
{
    progress_.SetPercent(OpenProgressPercent(loop, address));
    progress_.ProcessPendingEvents();
    return progress_.CancelRequested();
}

UnknownDeviceAnswer OpenFlow::UnknownDeviceType(int loop, int address, int deviceType)
{
    const std::string answer = progress_.UnknownResponse(loop, address, deviceType);
    if (answer == "Y")
        return UnknownDeviceAnswer::LeaveEmpty;
    if (answer == "A")
        return UnknownDeviceAnswer::LeaveAllEmpty;
    // "C", or a dialog closed without an answer: stop rather than guess.
    return UnknownDeviceAnswer::Cancel;
}

bool OpenFlow::DropIncompatibleOther(int loop, int other, int deviceType)
{
    const std::string text = "1 " + catalogue_.OtherDevice(other).SingleName + " on loop " + to_string(loop) +
                             " will be deleted, because it is incompatible with its associated " +
                             catalogue_.DeviceType(deviceType).Name + ".";
    return MsgBox(messages_, text, MsgStyle::OKCancel + MsgStyle::Information) == MsgResult::OK;
}

void OpenFlow::OthersNotPlaced(int loop, int other, int32_t notPlaced)
{
    const OtherDeviceRecord& record = catalogue_.OtherDevice(other);
    const std::string deleted = notPlaced == 1 ? "1 " + record.SingleName + " has been deleted from Loop "
                                               : to_string(notPlaced) + " " + record.Name + " have been deleted from Loop ";
    MsgBox(messages_,
           std::string("This version of ") + ApplicationTitle +
               " has more precise definitions of some devices than previous versions.  Consequently, it has detected "
               "that this configuration data contains incompatible data.\n\n" +
               deleted + to_string(loop) + ".",
           MsgStyle::OKOnly + MsgStyle::Information, "Open");
    documentModified_ = true;
}
