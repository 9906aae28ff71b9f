#include "desktop/dlgPlaceIsolators.h"

#include "desktop/frmMain.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

using namespace QtClicks;

namespace {

void InPlaceIsolators(QWidget& editor, const std::function<void(QWidget&)>& walk)
{
    const WhenModal placing([&](QWidget* modal) { walk(*modal); });
    QTest::mouseClick(Control(editor, "btnPlaceIsolators"), Qt::LeftButton);
}

}  // namespace

class dlgPlaceIsolatorsTest : public QObject {
    Q_OBJECT

private slots:
    // On the racking loop of the sample: Escape changes nothing; OK puts the
    // isolators in as one step of the loop editor, which Undo takes back.
    void placesIsolatorsOnTheRackingLoopAndUndoTakesThemBack()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(site.CopyExample("Riverside-Warehouse.QLX", "Documents/riverside.QLX")));
        Document& document = site.app->document();
        const WhenModal editing([&](QWidget* editor) {
            const clsCalculator before = document.Loop(2);
            int added = 0;
            auto* undo = Control<QToolButton>(*editor, "btnUndo")->defaultAction();
            InPlaceIsolators(*editor, [&](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
            QVERIFY(document.Loop(2) == before);
            QVERIFY(!undo->isEnabled());

            InPlaceIsolators(*editor, [&](QWidget& dialog) {
                auto* limit = Control<QSpinBox>(dialog, "spnLimit");
                QVERIFY(!Control(dialog, "btnOK")->isEnabled());  // the panel's limit holds already
                limit->selectAll();
                QTest::keyClicks(limit, "4");
                QVERIFY(Control<QLabel>(dialog, "lblBefore")->text().contains("over the limit of 4"));
                QVERIFY(Control<QLabel>(dialog, "lblAfter")->text().contains("within the limit of 4"));
                // "Adds 10 isolators, before addresses ..."
                added = Control<QLabel>(dialog, "lblOutcome")->text().section(' ', 1, 1).toInt();
                SaveScreen(dialog, "dlgPlaceIsolators");
                QTest::mouseClick(Control(dialog, "btnOK"), Qt::LeftButton);
            });
            QVERIFY(added > 0);
            QCOMPARE(document.Loop(2).QtyDevices(), before.QtyDevices() + added);
            QCOMPARE(undo->text(), "&Undo Place Isolators");
            undo->trigger();
            QVERIFY(document.Loop(2) == before);
            QTest::mouseClick(Control(*editor, "btnCancel"), Qt::LeftButton);
        });
        QTest::mouseClick(Control(site.app->MainWindow(), "btnChange_2"), Qt::LeftButton);
        QVERIFY(!document.Dirty);
    }
};

FERROLUX_QT_TEST(dlgPlaceIsolatorsTest);
#include "dlgPlaceIsolatorsTest.moc"
