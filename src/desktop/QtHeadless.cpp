#include "desktop/QtHeadless.h"

#include <cstdio>

namespace {

void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "ferrolux-calc: %s\n", qPrintable(message));
}

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

QtHeadless::QtHeadless() : previousHandler_(qInstallMessageHandler(ErrorsOnly)), application_(EnsureApplication()) {}

QtHeadless::~QtHeadless()
{
    application_.reset();
    qInstallMessageHandler(previousHandler_);
}
