#include "cli/CalcImport.h"

#include "cli/CalcArguments.h"
#include "cli/FerroluxCalc.h"
#include "document/DeviceListImport.h"
#include "document/DocumentWriter.h"
#include "platform/Locale.h"

#include <filesystem>

namespace {

void TellPlaced(const DeviceListImport::Outcome& outcome, const std::string& list, std::ostream& err)
{
    err << "ferrolux-calc: imported " << list << ":\n";
    for (const DeviceListImport::LoopOutcome& loop : outcome.Loops) {
        err << "  loop " << loop.Loop << ":";
        if (loop.Placed.empty())
            err << " nothing";
        for (size_t i = 0; i < loop.Placed.size(); ++i)
            err << (i == 0 ? " " : ", ") << loop.Placed[i];
        err << '\n';
    }
}

}  // namespace

std::optional<int> ImportAndSave(const CalcArguments& arguments, Document& document, MessageHost& messages,
                                 std::ostream& err)
{
    using namespace DeviceListImport;
    const DeviceList::List list = DeviceList::ReadFile(arguments.ImportPath);
    const std::string name = "'" + std::filesystem::path(arguments.ImportPath).filename().string() + "'";
    Mapping mapping;
    Outcome outcome = Preview(document, list, mapping);
    if (!outcome.Failure.empty()) {
        err << "ferrolux-calc: " << outcome.Failure << '\n';
        return CalcExit::NotOpened;
    }
    for (const Outcome::Unknown& unknown : outcome.Unknowns)
        err << "ferrolux-calc: " << UnknownLine(unknown) << (arguments.SkipUnknown ? " Left out." : "") << '\n';
    if (!outcome.Unknowns.empty() && !arguments.SkipUnknown) {
        err << "ferrolux-calc: the import of " << name << " is refused (--skip-unknown leaves such rows out): nothing was saved\n";
        return CalcExit::NotOpened;
    }
    // Names left out change what is placed: the preview again, with them.
    if (!outcome.Unknowns.empty()) {
        mapping = LeaveOut(outcome);
        outcome = Preview(document, list, mapping);
    }
    for (const std::string& line : RefusalLines(outcome))
        err << "ferrolux-calc: " << line << (arguments.SkipRefused ? " Left out." : "") << '\n';
    if (outcome.RefusedRows() > 0 && !arguments.SkipRefused) {
        err << "ferrolux-calc: the import of " << name << " is refused (--skip-refused leaves such rows out): nothing was saved\n";
        return CalcExit::NotOpened;
    }
    outcome = Import(document, list, mapping);
    TellPlaced(outcome, name, err);
    if (!WriteDocument(document, arguments.SavePath, Locale::LocaleIdentifier(), messages))
        return CalcExit::PdfFailed;
    return std::nullopt;
}
