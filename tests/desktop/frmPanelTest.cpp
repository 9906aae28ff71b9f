#include "desktop/frmPanel.h"

#include "support/PanelSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace QtClicks;

class frmPanelTest : public QObject {
    Q_OBJECT

private slots:
    // What OK stores outlives a restart as the panel editor core checks.
    void aNewPanelIsTypedIntoTheBoxesAndStored()
    {
        PanelSite site;
        frmPanel form(site.document, site.catalogue, site.options, site.host, site.files);
        QVERIFY(form.SetPanelNum(-1));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto box = [&form](const char* name) { return Control<QLineEdit>(form, name); };
        // Replaces a box's text by typing, as the user would.
        auto type = [&box](const char* name, const QString& text) {
            QTest::keyClick(box(name), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box(name), Qt::Key_Backspace);
            QTest::keyClicks(box(name), text);
        };
        // The colour drawn inside a box, below its text (the dialog's own background for none).
        auto shade = [&form](QWidget* control) {
            const QImage picture = form.grab().toImage();
            const QPoint inside = control->mapTo(
                &form, control != &form ? QPoint(control->width() / 2, control->height() - 4) : QPoint(4, 4));
            return picture.pixelColor(inside * picture.devicePixelRatio());
        };
        // The read-only box is drawn as the dialog's background.
        QCOMPARE(shade(box("txtManufacturer")), shade(&form));
        QVERIFY(shade(box("txtLoops")) != shade(&form));

        // Enter moves on through the boxes and types nothing.
        type("txtName", "  Harbour Panel ");
        QTest::keyClick(box("txtName"), Qt::Key_Return);
        QCOMPARE(form.focusWidget(), box("txtLoops"));

        // A number box drops what is not a number, with the warning sound.
        type("txtLoops", "3x.");
        QCOMPARE(box("txtLoops")->text(), "3");
        QCOMPARE(site.host.beeps, std::vector<int>({0, 0}));
        type("txtImpedance", "12.5");
        type("txtLED", "15");
        type("txtVoltage", "24.5");
        type("txtIsolatorPoints", "20");

        // The power supply boxes show the copied panel's figures, empty where it gives none.
        QCOMPARE(box("txtStandbyCurrent")->text(), "120");
        QCOMPARE(box("txtAlarmCurrent")->text(), "");
        QCOMPARE(box("txtMaxBattery")->text(), "7.20");
        QTest::keyClick(box("txtIsolatorPoints"), Qt::Key_Return);
        QCOMPARE(form.focusWidget(), box("txtStandbyCurrent"));
        type("txtMaxBattery", "17.5");
        SaveScreen(form, "frmPanel-new");
        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QVERIFY(site.host.boxes.empty() && form.Changed());
        const PanelRecord& stored = site.catalogue.Panels[static_cast<size_t>(site.Position("Harbour Panel"))];
        QCOMPARE(int(stored.Loops), 3);
        QCOMPARE(stored.MaxPointsBetweenIsolators, int16_t(20));
        QCOMPARE(stored.MaxBattery, std::optional<int32_t>(1750));
    }
};

FERROLUX_QT_TEST(frmPanelTest);
#include "frmPanelTest.moc"
