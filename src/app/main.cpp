// The desktop program: loads the catalogues, shows the main window and runs
// until it closes.

#include "app/AppContext.h"
#include "app/QtMessageHost.h"
#include "windows/QtFileChooser.h"
#include "windows/frmMain.h"

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
