#include "desktop/QtPdfOutput.h"

#include "desktop/QtPrinter.h"

#include <string_view>

namespace {

// Every PDF ends with its end-of-file marker; a file cut short by a full
// disk does not, since the printer writes it last.
bool EndsLikeAPdf(const std::string& path)
{
    const auto bytes = FileSystem::ReadFileBytes(path);
    if (!bytes)
        return false;
    std::string_view text(*bytes);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    return text.ends_with("%%EOF");
}

}  // namespace

QtPdfOutput::QtPdfOutput(const std::string& path) : file_(path), printer_(QPrinter::HighResolution)
{
    if (file_.Ready())
        QtPrinter::ConfigureForPdf(printer_, QString::fromStdString(file_.TemporaryPath()));
    else
        error_ = file_.Error();
}

bool QtPdfOutput::Finish()
{
    if (!error_.empty())
        return false;
    if (!EndsLikeAPdf(file_.TemporaryPath())) {
        error_ = "the file came out incomplete (is the disk full?)";
        return false;
    }
    if (!file_.Finish()) {
        error_ = file_.Error();
        return false;
    }
    return true;
}
