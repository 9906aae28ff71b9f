#pragma once
// A report written to a PDF file whole or not at all: the printer writes a
// temporary file beside the target, which replaces the target only once it
// is complete and on disk. On any failure (a full disk, a folder of that
// name, a folder nobody may write in) an earlier PDF stays as it was and no
// temporary file is left. A target that is no regular file (a FIFO,
// /dev/null, /dev/stdout) is written in place once the report is complete
// (see platform/OutputFile.h).

#include "platform/OutputFile.h"

#include <QPrinter>

#include <string>

class QtPdfOutput {
public:
    explicit QtPdfOutput(const std::string& path);

    // False when the temporary file could not be made: nothing is to be
    // printed then, as the printer is no PDF.
    bool Ready() const { return error_.empty(); }
    // The printer to draw the report on, set up for an A4 PDF.
    QPrinter& Printer() { return printer_; }

    // After the report has ended: puts the file in place. False with the
    // reason in Error() when it cannot be, or could not be written whole.
    bool Finish();
    const std::string& Error() const { return error_; }

private:
    FileSystem::OutputFile file_;
    QPrinter printer_;
    std::string error_;
};
