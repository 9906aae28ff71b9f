#include "desktop/frmLoop.h"

#include "catalogues/Options.h"
#include "document/Document.h"
#include "forms/LoopEditorCore.h"
#include "platform/MessageHost.h"
#include "support/LoopEditorClicks.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include <deque>
#include <memory>

namespace {

// A two-loop panel, a few device types and Other Devices, three cables, and
// loop 1 with a 500 m cable of the 1.5 mm² kind.
struct Site {
    TestCatalogue catalogue;
    int32_t full = catalogue.AddAddressRange("1-126", {{1, 126}});
    int16_t optical = catalogue.AddDeviceType({.Name = "Optical Smoke Detector", .Quiescent = 300, .Alarm = 3500,
                                               .MinimumVoltage = 1700, .BaseType = 1, .AddressRange = full});
    int16_t heat = catalogue.AddDeviceType(
        {.Name = "Heat Detector", .Quiescent = 250, .Alarm = 3000, .MinimumVoltage = 1700, .BaseType = 1, .AddressRange = full});
    int16_t inputUnit = catalogue.AddDeviceType({.Name = "Input Unit", .Quiescent = 400, .Alarm = 6000,
                                                 .AlarmLedDisabled = 1500, .MinimumVoltage = 1700, .AddressRange = full});
    int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Quiescent = 100, .Alarm = 4000, .MaxQty = 3});
    int16_t relayBase = catalogue.AddOtherDevice({.Name = "Relay Base", .Quiescent = 50, .IsBase = true, .Base = 1});

    ScratchFolder folder;
    SettingsStore store{folder.Path("settings.conf")};
    Options options{store};
    ScriptedMessageHost host;
    Document document{catalogue};
    std::deque<std::optional<int>> choices;  // the device-type chooser's answers

    explicit Site(bool opticalIsStandard = true)
    {
        PanelRecord panel;
        panel.Name = "HX-200";
        panel.Loops = 2;
        panel.AlarmLEDs = panel.RemoteLEDs = 250;
        panel.Outputs = 32;
        panel.MaxLoopCurrent = 500;
        panel.MaxTotalCurrent = 1000;
        panel.MinLoopVoltage = 2400;
        catalogue.AddCurrentPanel(panel);
        catalogue.AddCable("1.0 mm\u00B2 fire cable", 1810, true);
        catalogue.AddCable("1.5 mm\u00B2 fire cable", 1210, true);
        catalogue.AddCable("2.5 mm\u00B2 fire cable", 740, true);
        options.LoadStandardDevices(catalogue, static_cast<int>(catalogue.DeviceTypes.size() - 1));
        for (size_t type = 1; type < catalogue.DeviceTypes.size(); ++type)
            options.SetStandardDevice(static_cast<int>(type), opticalIsStandard && static_cast<int>(type) == optical);
        Loop().SetCableImpedance(1210);
        Loop().SetCableTotal(5000);
        Loop().SetMaxOutput(32);
    }
    clsCalculator& Loop() { return document.Loop(1); }

    // The window, shown and active so that focus moves as it would on screen.
    std::unique_ptr<frmLoop> Open()
    {
        auto window = std::make_unique<frmLoop>(document, options, host, 1, [this](QWidget*) -> std::optional<int> {
            const std::optional<int> choice = choices.empty() ? std::nullopt : choices.front();
            if (!choices.empty())
                choices.pop_front();
            return choice;
        });
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the loop editor is not active");
        return window;
    }
};

template <typename T = QWidget> T* Control(QWidget& window, const char* name) { return window.findChild<T*>(name); }

QString Text(QWidget& window, const char* name) { return Control<QLabel>(window, name)->text(); }

}  // namespace

using namespace LoopEditorClicks;

class frmLoopTest : public QObject {
    Q_OBJECT

private slots:
    void typedQuantitiesPlaceDevicesAndTheResultsFollow()
    {
        Site site;
        const auto window = site.Open();
        QCOMPARE(window->windowTitle(), "Loop 1");
        QVERIFY(Control(*window, "grdDevices")->isVisible() && !Control(*window, "panDevices")->isVisible());
        QCOMPARE(Text(*window, "lblMaxAlarm"), "(max. permissible = 500 mA)");

        ClickRow(*window, "grdDevices", 0);
        QLineEdit* quantity = OpenBox(*window, "txtDevicesQty");
        QVERIFY(quantity && quantity->hasFocus());
        QCOMPARE(quantity->selectedText(), "0");
        Type(quantity, "20", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyDevices(), 20);
        QVERIFY(site.document.Dirty);
        QCOMPARE(Cell(*window, "grdDevices", 0, 1), "20");
        QCOMPARE(Cell(*window, "grdDevices", 0, 2), "6000 \u00B5A");
        QCOMPARE(Cell(*window, "grdDevices", 0, 3), "70 mA");
        QCOMPARE(Text(*window, "lblQty_99"), "20");
        QCOMPARE(Text(*window, "lblAlarm_99"), "70 mA");
        QCOMPARE(Text(*window, "lblPassFail"), "Loop Design\nSatisfactory");
        QVERIFY(Control(*window, "lblPassFail")->font().bold());

        // A number refused is told once, and the box stays open with it selected.
        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "127", Qt::Key_Return);
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QCOMPARE(OpenBox(*window, "txtDevicesQty")->selectedText(), "127");
        Type(OpenBox(*window, "txtDevicesQty"), "20", Qt::Key_Return);

        // Other Devices count in the loop total; Down commits and moves to the next row.
        ClickRow(*window, "grdOther", 0);
        Type(OpenBox(*window, "txtOtherQty"), "3", Qt::Key_Down);
        QCOMPARE(site.Loop().QtyOthers(site.beacon), 3);
        QVERIFY(OpenBox(*window, "txtOtherQty")->hasFocus());
        Type(OpenBox(*window, "txtOtherQty"), "4", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyOthers(site.relayBase), 4);
        QCOMPARE(Cell(*window, "grdOther", 1, 2), "200 \u00B5A");
        QCOMPARE(Text(*window, "lblQuiescent_99"), "6000 \u00B5A");
        QCOMPARE(Text(*window, "lblQuiescent_100"), "6500 \u00B5A");
        QCOMPARE(Text(*window, "lblAlarm_100"), "82 mA");
        QCOMPARE(site.host.boxes.size(), size_t(1));
    }

    void enterMovesAlongTheParametersCommittingOnTheWay()
    {
        Site site;
        const auto window = site.Open();
        auto focusAfterEnter = [&](const char* from) {
            Control(*window, from)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(Control(*window, from), Qt::Key_Return);
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        };
        QCOMPARE(focusAfterEnter("optVoltDrop"), "cmbCableSize");
        QCOMPARE(focusAfterEnter("cmbCableSize"), "txtTotalLength");  // a listed cable: no impedance to type
        QCOMPARE(focusAfterEnter("sldDistribution"), "txtFirstLength");
        QCOMPARE(focusAfterEnter("txtFirstLength"), "btnOK");
        QCOMPARE(focusAfterEnter("txtMaxOutputs"), "txtOtherQty");
        auto* cables = Control<QComboBox>(*window, "cmbCableSize");
        cables->setCurrentIndex(cables->count() - 1);
        emit cables->activated(cables->count() - 1);  // "User-Defined": the impedance can be typed
        QCOMPARE(focusAfterEnter("cmbCableSize"), "txtCableImpedance");
        QCOMPARE(focusAfterEnter("txtCableImpedance"), "txtTotalLength");

        Enter(*window, "txtTotalLength");
        Type(Control(*window, "txtTotalLength"), "800", Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), "sldDistribution");
        QCOMPARE(site.Loop().CableTotal(), 8000);
        Enter(*window, "txtFirstLength");
        Type(Control(*window, "txtFirstLength"), "200", Qt::Key_Return);
        QCOMPARE(site.Loop().CableFirst(), 2000);
        QCOMPARE(Control<QSlider>(*window, "sldDistribution")->value(), 25);
        // The slider places the first device along the run.
        Control(*window, "sldDistribution")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Control(*window, "sldDistribution"), Qt::Key_PageDown);
        QCOMPARE(site.Loop().CableFirst(), 1200);
        QCOMPARE(Control<QLineEdit>(*window, "txtFirstLength")->text(), "120");

    }

    void typingLeavesTheResultsStaleUntilCommitted()
    {
        Site site;
        site.Loop().SetDeviceType(1, site.optical);
        const auto window = site.Open();
        Enter(*window, "txtTotalLength");
        Type(Control(*window, "txtTotalLength"), "120");
        QLabel* passFail = Control<QLabel>(*window, "lblPassFail");
        QCOMPARE(passFail->text(), "Press <Enter> key\nor Click here\nto Re-calculate");
        QVERIFY(!passFail->font().bold());
        QCOMPARE(Control<QLineEdit>(*window, "txtVoltDrop")->text(), QString());
        QCOMPARE(Text(*window, "lblMaxVoltDrop"), QString());

        // A click on the stale text commits the box, which recalculates.
        QTest::mouseClick(passFail, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget()->objectName(), "btnOK");
        QCOMPARE(site.Loop().CableTotal(), 1200);
        QCOMPARE(passFail->text(), "Loop Design\nSatisfactory");
        QVERIFY(Text(*window, "lblMaxVoltDrop").startsWith("(Max. permissible = "));

    }

    void addRowAndTheInterfaceLedBox()
    {
        Site site(false);
        site.choices = {std::nullopt, site.heat, site.heat, site.inputUnit};
        const auto window = site.Open();
        auto* leds = Control<QCheckBox>(*window, "chkDisableDIN");
        QVERIFY(!Control(*window, "grdDevices")->isVisible() && !leds->isVisible());
        QCOMPARE(Text(*window, "panDevices"), QString::fromUtf8(LoopEditorCore::NoDeviceRowsText));

        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);  // cancelled
        QVERIFY(!Control(*window, "grdDevices")->isVisible());
        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);
        QCOMPARE(Cell(*window, "grdDevices", 0, 0), "Heat Detector");
        Type(OpenBox(*window, "txtDevicesQty"), "5", Qt::Key_Return);
        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);  // the same type: its row again
        QCOMPARE(Control<QTableView>(*window, "grdDevices")->model()->rowCount(), 1);
        QCOMPARE(OpenBox(*window, "txtDevicesQty")->selectedText(), "5");
        QTest::keyClick(OpenBox(*window, "txtDevicesQty"), Qt::Key_Return);

        // An interface type offers to turn its LEDs off in alarm.
        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);
        Type(OpenBox(*window, "txtDevicesQty"), "4", Qt::Key_Return);
        QVERIFY(leds->isVisible());
        QCOMPARE(Cell(*window, "grdDevices", 1, 3), "24 mA");
        QTest::mouseClick(leds, Qt::LeftButton);
        QVERIFY(site.Loop().DINLEDsDisabled());
        QCOMPARE(Cell(*window, "grdDevices", 1, 3), "6000 \u00B5A");
    }

    void cancelRestoresTheLoopAndSkipsTheBoxBeingTyped()
    {
        Site site;
        site.options.SetLastCalcType(0);
        const auto window = site.Open();
        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "30", Qt::Key_Return);
        ClickOption(*window, "optCableRun");
        QCOMPARE(site.options.CurrentCalcType(), 1);
        QVERIFY(site.Loop().CableTotal() != 5000);

        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "999");  // refused if it were committed
        QTest::mouseClick(Control(*window, "btnCancel"), Qt::LeftButton);
        QVERIFY(site.host.boxes.empty());
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(site.Loop().DeviceType(1), int16_t{0});
        QCOMPARE(site.Loop().CableTotal(), 5000);
        QCOMPARE(site.Loop().CalcType(), 0);
        QCOMPARE(site.options.CurrentCalcType(), 0);
    }

};

FERROLUX_QT_TEST(frmLoopTest);
#include "frmLoopTest.moc"
