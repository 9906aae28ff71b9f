#include "report/PdfReport.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "report/PrintCalcData.h"
#include "desktop/QtHeadless.h"
#include "desktop/QtPdfOutput.h"
#include "desktop/QtPrinter.h"
#include "report/ReportProgress.h"

#include <algorithm>
#include <vector>

bool WritePdfReport(const Document& document, int units, const std::string& path, std::string& error)
{
    const QtHeadless headless;
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int loops = std::clamp(panel ? static_cast<int>(panel->Loops) : 0, 0, Document::LoopCount);
    std::vector<int> every;
    for (int loop = 1; loop <= loops; ++loop)
        every.push_back(loop);

    QtPdfOutput output(path);
    int result = 0;
    if (output.Ready()) {
        QtPrinter printer(output.Printer(), QString::fromStdString(path));
        SilentReportProgress progress;
        result = PrintCalcData::PrintCalculation(document, units, every, printer, progress);
    }
    if (result != 0 || !output.Finish()) {
        error = "unable to write the PDF '" + path + "'";
        if (!output.Error().empty())
            error += ": " + output.Error();
        return false;
    }
    return true;
}
