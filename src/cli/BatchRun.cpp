#include "cli/BatchRun.h"

#include "cli/BatchProgress.h"
#include "cli/BatchReport.h"
#include "cli/CalcArguments.h"
#include "cli/CalcFileCheck.h"
#include "cli/CalcFiles.h"
#include "cli/CalcSummary.h"
#include "cli/FerroluxCalc.h"
#include "cli/JsonSummary.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "platform/Locale.h"
#include "platform/MessageHost.h"

#include <algorithm>
#include <chrono>
#include <ostream>

namespace {

// Each message on stderr after the name of the file being checked, with the
// progress bar off its line.
class FileMessageHost : public MessageHost {
public:
    FileMessageHost(std::ostream& err, BatchProgress& progress) : err_(err), lines_(err), progress_(progress) {}
    void Beep(int) override {}
    int Show(const std::string& text, int style, const std::string& caption) override
    {
        progress_.Clear();
        err_ << file << ": ";
        return lines_.Show(text, style, caption);
    }
    std::string file;

private:
    std::ostream& err_;
    StderrMessageHost lines_;
    BatchProgress& progress_;
};

}  // namespace

int RunBatch(const CalcArguments& arguments, Catalogue& catalogue, Options& options, std::ostream& out,
             std::ostream& err, bool terminal)
{
    const CalcFileList list = ListCalcFiles(arguments.Files);
    int status = CalcExit::Satisfactory;
    for (const std::string& problem : list.Problems) {
        err << "ferrolux-calc: " << problem << '\n';
        status = CalcExit::NotOpened;
    }

    const std::string localeId = Locale::LocaleIdentifier();
    const auto start = std::chrono::steady_clock::now();
    BatchProgress progress(err, terminal, list.Files.size());
    FileMessageHost messages(err, progress);
    std::vector<BatchEntry> entries;
    Json objects = Json::array();
    for (const auto& [file, problem] : list.Files) {
        messages.file = file;
        Document document(catalogue);
        NewDocument(document, CurrentLoopDefaults(options, catalogue));
        FileCheck check{false, false, problem};
        if (problem.empty()) {
            check = OpenForCheck(file, arguments, document, catalogue, options, messages);
        } else {
            progress.Clear();
            err << "ferrolux-calc: " << problem << '\n';
        }
        if (check.Opened) {
            const CalcSummary summary = SummarizeDocument(document, file, localeId, arguments.CompareCables);
            entries.push_back(CheckedEntry(summary));
            if (arguments.Json)
                objects.push_back(SummaryObject(summary, arguments.AlongCable));
            status = std::max(status, CheckedStatus(summary, arguments.AllChecks));
        } else {
            entries.push_back(FailedEntry(file, check.Reason));
            if (arguments.Json)
                objects.push_back(Json::object({{"file", file}, {"error", check.Reason}}));
            status = std::max(status, entries.back().Status);
        }
        progress.Update(entries.size(), std::chrono::steady_clock::now() - start);
    }
    progress.Clear();
    out << (arguments.Json ? JsonText(objects) + "\n" : BatchText(entries)) << std::flush;
    return status;
}
