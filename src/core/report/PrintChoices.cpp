#include "report/PrintChoices.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"

std::vector<PrintLoopEntry> PrintLoopEntries(const Document& document)
{
    std::vector<PrintLoopEntry> entries;
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int loops = panel ? panel->Loops : 0;
    for (int loop = 1; loop <= loops && loop <= Document::LoopCount; ++loop)
        entries.push_back({loop, "Loop " + std::to_string(loop), document.Loop(loop).QtyDevices() > 0});
    return entries;
}

bool PrintLoopListShown(const Document& document)
{
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    return panel && panel->Loops >= 2;
}

std::vector<int> DefaultPrintLoops(const Document& document)
{
    std::vector<int> loops;
    for (const PrintLoopEntry& entry : PrintLoopEntries(document))
        if (entry.Selected)
            loops.push_back(entry.Loop);
    return loops;
}

std::string PdfPathFor(const std::string& file)
{
    const size_t slash = file.find_last_of('/');
    const size_t dot = file.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? file.substr(0, dot) : file) + ".pdf";
}

std::string PdfSavedMessage(const std::string& pdfPath)
{
    return "No printer is installed, so the report has been saved as a PDF file:\n\n" + pdfPath;
}

std::string PdfWrittenMessage(const std::string& pdfPath)
{
    return "The report has been written to '" + pdfPath + "'.";
}

std::string PdfFailedMessage(const std::string& pdfPath, const std::string& reason)
{
    return "The report could not be saved as a PDF file:\n\n" + pdfPath + "\n\n" + reason;
}
