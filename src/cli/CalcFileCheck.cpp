#include "cli/CalcFileCheck.h"

#include "cli/CalcArguments.h"
#include "cli/HeadlessOpenProgress.h"
#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/OpenFlow.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"

#include <algorithm>

namespace {

// Passes every box on and keeps the last, on one line, so that --strict can
// tell whether the open had anything to say, and a failed open why.
class RecordingMessageHost : public MessageHost {
public:
    explicit RecordingMessageHost(MessageHost& inner) : inner_(inner) {}
    void Beep(int iconBits) override { inner_.Beep(iconBits); }
    int Show(const std::string& text, int style, const std::string& caption) override
    {
        ++shown;
        last = text;
        std::replace_if(last.begin(), last.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        return inner_.Show(text, style, caption);
    }
    int shown = 0;
    std::string last;

private:
    MessageHost& inner_;
};

}  // namespace

FileCheck OpenForCheck(const std::string& file, const CalcArguments& arguments, Document& document,
                       Catalogue& catalogue, Options& options, MessageHost& messages)
{
    RecordingMessageHost reading(messages);
    HeadlessOpenProgress progress(reading);
    OpenFlow flow(document, catalogue, options, reading, progress);
    // The desktop opens full paths; so the messages and the report name the
    // file alike. A name that has none (empty, or relative in a folder that
    // is gone) is opened as it is given, for the open to tell.
    flow.DoMenuOpen(FileSystem::AbsolutePath(file), false);
    if (flow.Outcome() != OpenOutcome::Opened || flow.OpenedCutShort())
        return {false, false, reading.last.empty() ? "the file could not be opened" : reading.last};
    if (arguments.Strict && reading.shown > 0)
        return {false, true, "--strict: reading the file gave the messages above"};
    if (arguments.DeviceChecks)
        CalculationSupport::RecalculateAll(document, false);
    return {true, false, ""};
}
