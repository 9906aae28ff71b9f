#include "desktop/frmLoop.h"

#include "desktop/frmMain.h"
#include "document/DocumentWriter.h"
#include "support/DesktopSite.h"
#include "support/LoopEditorSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>


namespace {

using Site = LoopEditorSite;

QString Cell(QWidget& window, const char* table, int row, int column)
{
    return QtClicks::Control<QTableView>(window, table)->model()->index(row, column).data().toString();
}

}  // namespace

using namespace QtClicks;

class frmLoopTest : public QObject {
    Q_OBJECT

private slots:
    void typedQuantitiesReachTheTotalsAndCancelRestoresTheLoop()
    {
        Site site;
        site.catalogue.AddCable("0.5 mm\u00B2 fire cable", 3620, true);
        site.options.SetLastCalcType(CalculationType::MaxVoltDrop);
        site.Loop().SetCableImpedance(1210);
        site.Loop().SetCableTotal(5000);
        const auto window = site.Open<frmLoop>();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ClickRow(*window, "grdDevices", 0);
        QLineEdit* quantity = OpenBox(*window, "txtDevicesQty");
        QVERIFY(quantity && quantity->hasFocus());
        Type(quantity, "20", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyDevices(), 20);
        QCOMPARE(Cell(*window, "grdDevices", 0, 3), "70 mA");
        QCOMPARE(Control<QLabel>(*window, "lblPassFail")->text(), "Loop Design\nSatisfactory");

        // A number refused is told once, and the box stays open with it
        // selected; Escape then closes the box and keeps what was committed.
        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "127", Qt::Key_Return);
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QTest::keyClick(OpenBox(*window, "txtDevicesQty"), Qt::Key_Escape);
        QVERIFY(window->isVisible() && !OpenBox(*window, "txtDevicesQty"));
        QCOMPARE(Cell(*window, "grdDevices", 0, 1), "20");

        // Other Devices count in the loop total.
        ClickRow(*window, "grdOther", static_cast<int>(site.OtherRow(site.beacon)));
        Type(OpenBox(*window, "txtOtherQty"), "3", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyOthers(site.beacon), 3);
        QCOMPARE(Control<QLabel>(*window, "lblAlarm_100")->text(), "82 mA");

        // Other calculations (which run each starts from is the parameters'
        // rule), then Cancel with a number still being typed: asked first,
        // the loop and the options are as they were.
        const auto choose = [&](const char* option) {
            auto* button = Control(*window, option);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        };
        choose("optCableRun");
        QCOMPARE(site.options.CurrentCalcType(), CalculationType::MaxCableRun);
        QVERIFY(site.Loop().CableTotal() != 5000);
        choose("optCableSize");
        QCOMPARE(Control<QLineEdit>(*window, "txtTotalLength")->text(), "500");
        QCOMPARE(Control<QComboBox>(*window, "cmbCableSize")->currentText(), "0.5 mm\u00B2 fire cable");
        ClickRow(*window, "grdDevices", 0);
        QTest::keyClicks(OpenBox(*window, "txtDevicesQty"), "999");
        site.host.Answer(MsgResult::Yes);
        QTest::mouseClick(Control(*window, "btnCancel"), Qt::LeftButton);
        QCOMPARE(site.host.boxes.size(), size_t(2));
        QVERIFY(!window->isVisible());
        QCOMPARE(site.Loop().DeviceType(1), int16_t{0});
        QCOMPARE(site.Loop().CableTotal(), 5000);
        QCOMPARE(site.Loop().CalcType(), CalculationType::MaxVoltDrop);
        QCOMPARE(site.options.CurrentCalcType(), CalculationType::MaxVoltDrop);
    }

    // The filter box narrows the rows (which rows is the editor core's rule),
    // Enter types a quantity into the one left, Escape empties the box and
    // then closes the window; the tick box leaves the types in use.
    void theFilterFindsATypeAndEscapeClearsIt()
    {
        Site site;
        const int16_t heat = site.catalogue.AddDeviceType(
            {.Name = "Heat Detector", .Quiescent = 200, .Alarm = 3000, .MinimumVoltage = 1700, .AddressRange = site.all});
        site.options.LoadStandardDevices(site.catalogue, heat);
        site.options.SetStandardDevice(heat, true);
        const auto window = site.Open<frmLoop>();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* rows = Control<QTableView>(*window, "grdDevices")->model();
        QCOMPARE(rows->rowCount(), 2);

        auto* filter = Control<QLineEdit>(*window, "txtDeviceFilter");
        filter->setFocus();
        Type(filter, "heat", Qt::Key_Return);
        QCOMPARE(rows->rowCount(), 1);
        Type(OpenBox(*window, "txtDevicesQty"), "2", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyDevices(), 2);
        QCOMPARE(site.Loop().DeviceType(1), heat);

        QTest::mouseClick(filter, Qt::LeftButton);
        QTest::keyClick(filter, Qt::Key_Escape);
        QVERIFY(filter->text().isEmpty() && window->isVisible());
        QCOMPARE(rows->rowCount(), 2);
        QTest::mouseClick(Control(*window, "chkInUseOnly"), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(Cell(*window, "grdDevices", 0, 0), "Heat Detector");
        site.host.Answer(MsgResult::Yes);  // discard the changes
        QTest::keyClick(filter, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // Undo and redo in the editor, a question on Esc, then OK: the main
    // window's undo gives the site back as it was opened.
    void undoesInTheEditorAndThenInTheMainWindow()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(site.CopyExample("Northgate-Offices.QLX", "Northgate-Offices.QLX")));
        frmMain& window = site.app->MainWindow();
        const std::string opened = DocumentText(site.app->document(), "en-GB");
        const QtClicks::WhenModal editing([&](QWidget* modal) {
            const QString before = Cell(*modal, "grdDevices", 0, 1);
            for (const char* quantity : {"1", "2"}) {
                QLineEdit* box = nullptr;
                QTRY_VERIFY((ClickRow(*modal, "grdDevices", 0), box = OpenBox(*modal, "txtDevicesQty")) != nullptr);
                Type(box, quantity, Qt::Key_Return);
            }
            auto* grid = Control(*modal, "grdDevices");
            QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Cell(*modal, "grdDevices", 0, 1), before);
            QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(Cell(*modal, "grdDevices", 0, 1), "1");
            SaveScreen(*modal, "frmLoop-Undo");

            site.host.Answer(MsgResult::No);  // Keep Editing
            QTest::keyClick(grid, Qt::Key_Escape);
            QVERIFY(modal->isVisible());
            QCOMPARE(Cell(*modal, "grdDevices", 0, 1), "1");
            QTest::mouseClick(Control(*modal, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(Control(window, "btnChange_1"), Qt::LeftButton);
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QVERIFY(DocumentText(site.app->document(), "en-GB") != opened);
        window.activateWindow();  // the offscreen platform does not, once a modal window closes
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(DocumentText(site.app->document(), "en-GB"), opened);
        QVERIFY(!site.app->document().Dirty);
    }
};

FERROLUX_QT_TEST(frmLoopTest);
#include "frmLoopTest.moc"
