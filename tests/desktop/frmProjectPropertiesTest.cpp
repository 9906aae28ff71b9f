#include "desktop/frmProjectProperties.h"

#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>

using namespace QtClicks;

class frmProjectPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    // A designer fills in the project from the File menu, keeps it, takes it
    // back with Undo, and leaves a second try with Escape (whether to ask is
    // the core's): the site is as it was.
    void fillsInTheProjectUndoesItAndEscapes()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(site.CopyExample("Harbour-Hotel.QLX", "Harbour-Hotel.QLX")));
        frmMain& window = site.app->MainWindow();
        const WhenModal typing([&](QWidget* modal) {
            auto* spare = Control<QSpinBox>(*modal, "spnSpare");
            QCOMPARE(spare->text(), "None");
            QTest::keyClicks(Control(*modal, "txtNumber"), "P-2291, rev. \"B\"");
            QTest::keyClicks(Control(*modal, "txtClient"), "Harbour Estates");
            auto* notes = Control<QPlainTextEdit>(*modal, "txtNotes");
            notes->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(notes, "Phase 1");
            QTest::keyClick(notes, Qt::Key_Return);
            QTest::keyClicks(notes, "Phase 2");
            spare->setValue(20);
            SaveScreen(*modal, "frmProjectProperties");
            QTest::mouseClick(Control(*modal, "btnOK"), Qt::LeftButton);
        });
        Control<QAction>(window, "mnuProjectProperties")->trigger();
        const ProjectProperties& project = site.app->document().Project;
        ProjectProperties typed;
        typed.Number = "P-2291, rev. \"B\"";
        typed.Client = "Harbour Estates";
        typed.Notes = "Phase 1\nPhase 2";
        typed.SpareRequired = 20;
        QVERIFY(project == typed);
        QVERIFY(site.app->document().Dirty);
        // The main window holds its loops to the spare asked for at once.
        auto* spareTotals = Control<QLabel>(window, "lblSpare_99");
        QVERIFY(spareTotals->text().endsWith("20 %"));
        auto* undo = Control<QAction>(window, "mnuUndo");
        QCOMPARE(undo->text(), "&Undo Project Properties");
        undo->trigger();
        QVERIFY(project.Empty());
        QVERIFY(!site.app->document().Dirty);
        QVERIFY(spareTotals->text().isEmpty());

        const WhenModal escaping([&](QWidget* modal) {
            QTest::keyClicks(Control(*modal, "txtDesigner"), "A. Jones");
            site.host.Answer(MsgResult::Yes);
            QTest::keyClick(modal, Qt::Key_Escape);
            QVERIFY(!modal->isVisible());
        });
        Control<QAction>(window, "mnuProjectProperties")->trigger();
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QVERIFY(project.Empty());
    }
};

FERROLUX_QT_TEST(frmProjectPropertiesTest);
#include "frmProjectPropertiesTest.moc"
