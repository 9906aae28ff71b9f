// The desktop program: loads the catalogues, shows the main window and runs
// until it closes.

#include "desktop/AppContext.h"
#include "desktop/QtMessageHost.h"
#include "desktop/QtFileChooser.h"
#include "desktop/frmMain.h"
#include "platform/LastResort.h"

#include <QApplication>

#include <exception>
#include <iostream>

namespace {

// The last resort's report: on stderr, and in a box where someone can answer
// it (not on the offscreen platform of scripted runs, where it would wait
// for ever).
class LastResortHost : public MessageHost {
public:
    void Beep(int iconBits) override { boxes_.Beep(iconBits); }
    int Show(const std::string& text, int style, const std::string& caption) override
    {
        std::cerr << OneLineMessage(caption, text) << std::endl;
        const QString platform = QGuiApplication::platformName();
        if (platform == "offscreen" || platform == "minimal")
            return DefaultAnswer(style);
        return boxes_.Show(text, style, caption);
    }

private:
    QtMessageHost boxes_;
};

// Qt does not carry an exception out of an event handler: one that gets out
// of a handler is told here, and every event loop ends with the last resort's
// status.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (!failed_) {
                failed_ = true;
                const std::exception_ptr failure = std::current_exception();
                RunGuarded(lastResort_, ApplicationTitle, [&failure]() -> int { std::rethrow_exception(failure); });
            }
            QCoreApplication::exit(UnexpectedFailureExit);
            return false;
        }
    }
    bool Failed() const { return failed_; }
    MessageHost& LastResort() { return lastResort_; }

private:
    LastResortHost lastResort_;
    bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    GuardedApplication application(argc, argv);
    QApplication::setApplicationName("Harvex Ferrolux");
    QApplication::setOrganizationName("Harvex");

    return RunGuarded(application.LastResort(), ApplicationTitle, [&] {
        QtMessageHost messages;
        QtFileChooser files;
        AppContext context(AppEnvironment::OfProcess(QApplication::arguments()), {messages, files});
        files.SetParent(&context.MainWindow());
        if (!context.Load())
            return application.Failed() ? UnexpectedFailureExit : 1;
        if (application.Failed())
            return UnexpectedFailureExit;
        context.Show();
        const int status = QApplication::exec();
        return application.Failed() ? UnexpectedFailureExit : status;
    });
}
