#include "desktop/frmLoop.h"

#include "catalogues/Options.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

// A two-loop panel, a detector and an Other Device, a cable, and
// loop 1 with a 500 m cable of the 1.5 mm² kind.
struct Site {
    TestCatalogue catalogue;
    int32_t full = catalogue.AddAddressRange("1-126", {{1, 126}});
    int16_t optical = catalogue.AddDeviceType({.Name = "Optical Smoke Detector", .Quiescent = 300, .Alarm = 3500,
                                               .MinimumVoltage = 1700, .BaseType = 1, .AddressRange = full});
    int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Quiescent = 100, .Alarm = 4000, .MaxQty = 3});

    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Document document{catalogue};

    Site()
    {
        PanelRecord panel;
        panel.Name = "HX-200";
        panel.Loops = 2;
        panel.MaxLoopCurrent = 500;
        panel.MaxTotalCurrent = 1000;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        catalogue.AddCable("1.5 mm\u00B2 fire cable", 1210, true);
        options.LoadStandardDevices(catalogue, static_cast<int>(catalogue.DeviceTypes.size() - 1));
        for (size_t type = 1; type < catalogue.DeviceTypes.size(); ++type)
            options.SetStandardDevice(static_cast<int>(type), static_cast<int>(type) == optical);
        Loop().SetCableImpedance(1210);
        Loop().SetCableTotal(5000);
    }
    clsCalculator& Loop() { return document.Loop(1); }

    // The window, shown and activated so that focus moves as it would on screen.
    std::unique_ptr<frmLoop> Open()
    {
        auto window = std::make_unique<frmLoop>(document, options, host, 1,
                                                [](QWidget*) -> std::optional<int> { return std::nullopt; });
        window->show();
        window->activateWindow();
        return window;
    }
};

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
        site.options.SetLastCalcType(CalculationType::MaxVoltDrop);
        const auto window = site.Open();
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
        ClickRow(*window, "grdOther", 0);
        Type(OpenBox(*window, "txtOtherQty"), "3", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyOthers(site.beacon), 3);
        QCOMPARE(Control<QLabel>(*window, "lblAlarm_100")->text(), "82 mA");

        // Another calculation, then Cancel with a number still being typed:
        // the loop and the options are as they were, and nothing is told.
        auto* cableRun = Control(*window, "optCableRun");
        QTest::mouseClick(cableRun, Qt::LeftButton, {}, QPoint(8, cableRun->height() / 2));
        QCOMPARE(site.options.CurrentCalcType(), CalculationType::MaxCableRun);
        QVERIFY(site.Loop().CableTotal() != 5000);
        ClickRow(*window, "grdDevices", 0);
        QTest::keyClicks(OpenBox(*window, "txtDevicesQty"), "999");
        QTest::mouseClick(Control(*window, "btnCancel"), Qt::LeftButton);
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QCOMPARE(site.Loop().DeviceType(1), int16_t{0});
        QCOMPARE(site.Loop().CableTotal(), 5000);
        QCOMPARE(site.Loop().CalcType(), CalculationType::MaxVoltDrop);
        QCOMPARE(site.options.CurrentCalcType(), CalculationType::MaxVoltDrop);
    }
};

FERROLUX_QT_TEST(frmLoopTest);
#include "frmLoopTest.moc"
