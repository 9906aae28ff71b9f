#pragma once
// What the print dialog offers before a report is printed: one entry per loop
// of the current control panel, the loops that hold devices chosen to begin
// with, and where a report goes as a PDF file when there is no printer.

#include <string>
#include <vector>

class Document;

struct PrintLoopEntry {
    int Loop = 0;
    std::string Text;       // "Loop " and the number
    bool Selected = false;  // the loop holds addressable devices
};

// Loops 1 to the current panel's number of loops.
std::vector<PrintLoopEntry> PrintLoopEntries(const Document& document);

// The list of loops is offered only for a panel of at least two loops; with
// one loop the report prints that loop when it is used.
bool PrintLoopListShown(const Document& document);

// The loops printed without the dialog (the command line's print): the
// pre-selected ones.
std::vector<int> DefaultPrintLoops(const Document& document);

// The PDF written in place of a printout of `file`: the same name with the
// extension ".pdf" (added when the name has none).
std::string PdfPathFor(const std::string& file);

// Told after a report has been written to a PDF file because no printer is
// installed.
std::string PdfSavedMessage(const std::string& pdfPath);
// Told once a report chosen to go to a PDF file is written there.
std::string PdfWrittenMessage(const std::string& pdfPath);
// Told when the PDF could not be written; an earlier file of that name is
// left as it was.
std::string PdfFailedMessage(const std::string& pdfPath, const std::string& reason);
