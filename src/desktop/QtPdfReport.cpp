#include "report/PdfReport.h"

#include "catalogues/Catalogue.h"
#include "document/Document.h"
#include "report/PrintCalcData.h"
#include "desktop/QtPdfOutput.h"
#include "desktop/QtPrinter.h"
#include "report/ReportProgress.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Nobody watches a file being written, and nobody can cancel it.
class SilentProgress : public ReportProgress {
public:
    void Show(const std::string&) override {}
    void SetPageText(const std::string&) override {}
    void ProcessPendingEvents() override {}
    bool CancelRequested() const override { return false; }
    void Close() override {}
};

// Qt's notes (a missing runtime folder and the like) would mix with the
// messages the calculator prints on stderr; only its errors are passed on.
void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "ferrolux-calc: %s\n", qPrintable(message));
}

// Printing needs a GUI application for its fonts; without a display the
// offscreen platform serves, unless the caller chose a platform.
std::unique_ptr<QGuiApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ferrolux-calc";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WritePdfReport(const Document& document, int units, const std::string& path, std::string& error)
{
    const QtMessageHandler previousHandler = qInstallMessageHandler(ErrorsOnly);
    const auto application = EnsureApplication();
    const PanelRecord* panel = document.Catalog().CurrentPanelRecord();
    const int loops = std::clamp(panel ? static_cast<int>(panel->Loops) : 0, 0, Document::LoopCount);
    std::vector<int> every;
    for (int loop = 1; loop <= loops; ++loop)
        every.push_back(loop);

    QtPdfOutput output(path);
    int result = 0;
    if (output.Ready()) {
        QtPrinter printer(output.Printer(), QString::fromStdString(path));
        SilentProgress progress;
        result = PrintCalcData::PrintCalculation(document, units, every, printer, progress);
    }
    qInstallMessageHandler(previousHandler);
    if (result != 0 || !output.Finish()) {
        error = "unable to write the PDF '" + path + "'";
        if (!output.Error().empty())
            error += ": " + output.Error();
        return false;
    }
    return true;
}
