// The desktop program: loads the catalogues, shows the main window and runs
// until it closes.

#include "desktop/AppContext.h"
#include "desktop/QtMessageHost.h"
#include "desktop/QtFileChooser.h"
#include "desktop/frmMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Harvex Ferrolux");
    QApplication::setOrganizationName("Harvex");

    QtMessageHost messages;
    QtFileChooser files;
    AppContext context(AppEnvironment::OfProcess(QApplication::arguments()), {messages, files});
    files.SetParent(&context.MainWindow());
    if (!context.Load())
        return 1;
    context.Show();
    return QApplication::exec();
}
