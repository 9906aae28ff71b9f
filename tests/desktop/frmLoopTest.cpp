#include "desktop/frmLoop.h"

#include "catalogues/Options.h"
#include "document/Document.h"
#include "support/LoopEditorClicks.h"
#include "forms/LoopEditorCore.h"
#include "forms/LoopParameters.h"
#include "platform/MessageHost.h"
#include "support/QtTestMain.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"
#include "support/QtClicks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include <deque>
#include <memory>

namespace {

// One site: a two-loop panel, a few device types and Other Devices, three
// cables, and loop 1 with a 500 m cable of the 1.5 mm² kind.
struct Site {
    TestCatalogue catalogue;
    int32_t full = catalogue.AddAddressRange("1-126", {{1, 126}});
    int16_t optical = catalogue.AddDeviceType({.Name = "Optical Smoke Detector", .Quiescent = 300, .Alarm = 3500,
                                               .MinimumVoltage = 1700, .BaseType = 1, .AddressRange = full});
    int16_t heat = catalogue.AddDeviceType(
        {.Name = "Heat Detector", .Quiescent = 250, .Alarm = 3000, .MinimumVoltage = 1700, .BaseType = 1, .AddressRange = full});
    int16_t inputUnit = catalogue.AddDeviceType({.Name = "Input Unit", .Quiescent = 400, .Alarm = 6000,
                                                 .AlarmLedDisabled = 1500, .MinimumVoltage = 1700, .AddressRange = full});
    int16_t callPoint = catalogue.AddDeviceType(
        {.Name = "Manual Call Point", .Quiescent = 250, .Alarm = 4000, .MinimumVoltage = 1700, .AddressRange = full});
    int16_t sounder = catalogue.AddDeviceType(
        {.Name = "Loop Sounder", .Quiescent = 350, .Alarm = 9000, .MinimumVoltage = 1700, .AddressRange = full});
    // In name order, as the Other Device catalogue keeps them.
    int16_t beacon = catalogue.AddOtherDevice({.Name = "Beacon", .Quiescent = 100, .Alarm = 4000, .MaxQty = 3});
    int16_t relayBase = catalogue.AddOtherDevice({.Name = "Relay Base", .Quiescent = 50, .IsBase = true, .Base = 1});
    int16_t indicator = catalogue.AddOtherDevice({.Name = "Remote Indicator", .Alarm = 3000});

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
        panel.AlarmLEDs = 250;
        panel.RemoteLEDs = 250;
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
        clsCalculator& loop = Loop();
        loop.SetCableImpedance(1210);
        loop.SetCableTotal(5000);
        loop.SetMaxOutput(32);
    }
    clsCalculator& Loop() { return document.Loop(1); }
    // Devices at the next free addresses.
    void Place(int type, int count)
    {
        for (int a = 1; a < clsCalculator::AddressCount && count > 0; ++a)
            if (Loop().DeviceType(a) == 0) {
                Loop().SetDeviceType(a, static_cast<int16_t>(type));
                --count;
            }
    }

    // The window, shown and active so that focus moves as it would on screen.
    std::unique_ptr<frmLoop> Open()
    {
        auto window = std::make_unique<frmLoop>(document, options, host, 1, [this](QWidget*) -> std::optional<int> {
            if (choices.empty())
                return std::nullopt;
            const std::optional<int> choice = choices.front();
            choices.pop_front();
            return choice;
        });
        window->show();
        window->activateWindow();
        return window;
    }
    QString LastMessage() const { return host.boxes.empty() ? QString() : QString::fromStdString(host.boxes.back().Text); }
};

template <typename T = QWidget> T* Control(QWidget& window, const char* name)
{
    return window.findChild<T*>(name);
}

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
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->windowTitle(), QString("Loop 1"));
        QVERIFY(Control(*window, "grdDevices")->isVisible());
        QVERIFY(!Control(*window, "panDevices")->isVisible());
        QVERIFY(Control(*window, "panOther")->isVisible());
        QCOMPARE(Cell(*window, "grdDevices", 0, 0), QString("Optical Smoke Detector"));
        QCOMPARE(Text(*window, "lblMaxAlarm"), QString("(max. permissible = 500 mA)"));

        ClickRow(*window, "grdDevices", 0);
        QLineEdit* quantity = OpenBox(*window, "txtDevicesQty");
        QVERIFY(quantity);
        QVERIFY(quantity->hasFocus());
        QCOMPARE(quantity->selectedText(), QString("0"));
        Type(quantity, "20", Qt::Key_Return);

        QCOMPARE(site.Loop().QtyDevices(), 20);
        QVERIFY(site.document.Dirty);
        QCOMPARE(Cell(*window, "grdDevices", 0, 1), QString("20"));
        QCOMPARE(Cell(*window, "grdDevices", 0, 2), QString("6000 \u00B5A"));
        QCOMPARE(Cell(*window, "grdDevices", 0, 3), QString("70 mA"));
        QCOMPARE(Text(*window, "lblQty_99"), QString("20"));
        QCOMPARE(Text(*window, "lblQuiescent_99"), QString("6000 \u00B5A"));
        QCOMPARE(Text(*window, "lblAlarm_99"), QString("70 mA"));
        QCOMPARE(Text(*window, "lblPassFail"), QString("Loop Design\nSatisfactory"));
        QVERIFY(Control(*window, "lblPassFail")->font().bold());
        QCOMPARE(Control(*window, "lblPassFail")->font().pointSize(), 12);
        QVERIFY(!Control(*window, "lblPanelLimit")->isVisible());

        // Other Devices fit on the detectors' bases; the loop total takes them in.
        ClickRow(*window, "grdOther", 1);
        QCOMPARE(Cell(*window, "grdOther", 1, 0), QString("Relay Base"));
        Type(OpenBox(*window, "txtOtherQty"), "4", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyOthers(site.relayBase), 4);
        QCOMPARE(Cell(*window, "grdOther", 1, 2), QString("200 \u00B5A"));
        QCOMPARE(Text(*window, "lblQuiescent_99"), QString("6000 \u00B5A"));
        QCOMPARE(Text(*window, "lblQuiescent_100"), QString("6200 \u00B5A"));
        QCOMPARE(Text(*window, "lblAlarm_100"), QString("70 mA"));

        // 150 more detectors pass the address check but not the panel's loop current.
        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "126", Qt::Key_Return);
        QCOMPARE(Text(*window, "lblAlarm_100"), QString("441 mA"));
        ClickRow(*window, "grdOther", 0);
        Type(OpenBox(*window, "txtOtherQty"), "3", Qt::Key_Down);
        QCOMPARE(Text(*window, "lblAlarm_100"), QString("453 mA"));
        QCOMPARE(site.host.boxes.size(), size_t{0});
        QVERIFY(OpenBox(*window, "txtOtherQty")->hasFocus());  // moved down to the next row
    }

    void numberBoxesDropEveryOtherKeyWithABeep()
    {
        Site site;
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ClickRow(*window, "grdDevices", 0);
        QLineEdit* quantity = OpenBox(*window, "txtDevicesQty");
        Type(quantity, "1a2.5-b");
        QCOMPARE(quantity->text(), QString("12.5"));
        QCOMPARE(site.host.beeps.size(), size_t{3});
        QTest::keyClick(quantity, Qt::Key_Backspace);
        QCOMPARE(quantity->text(), QString("12."));

        QComboBox* cables = Control<QComboBox>(*window, "cmbCableSize");
        cables->setCurrentIndex(cables->count() - 1);
        emit cables->activated(cables->count() - 1);  // "User-Defined": the impedance can be typed
        const struct {
            const char* box;
            const char* typed;
            const char* kept;
            size_t beeps;
        } boxes[] = {{"txtCableImpedance", "12.5x", "12.5", 1},
                     {"txtTotalLength", "12.5x", "125", 2},
                     {"txtFirstLength", "4,0", "40", 1},
                     {"txtMaxOutputs", "1.6", "16", 1}};
        for (const auto& b : boxes) {
            const size_t beeps = site.host.beeps.size();
            Enter(*window, b.box);
            Type(Control(*window, b.box), b.typed);
            QCOMPARE(Control<QLineEdit>(*window, b.box)->text(), QString(b.kept));
            QCOMPARE(site.host.beeps.size(), beeps + b.beeps);
        }
        QCOMPARE(site.host.boxes.size(), size_t{0});
    }

    void enterMovesAlongTheParametersCommittingOnTheWay()
    {
        Site site;
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto focusAfterEnter = [&](const char* from) {
            QWidget* control = Control(*window, from);
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key_Return);
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        };
        QVERIFY(Control<QRadioButton>(*window, "optVoltDrop")->isChecked());
        QCOMPARE(focusAfterEnter("optVoltDrop"), QString("cmbCableSize"));
        QCOMPARE(focusAfterEnter("cmbCableSize"), QString("txtTotalLength"));  // a listed cable: no impedance to type
        QCOMPARE(focusAfterEnter("sldDistribution"), QString("txtFirstLength"));
        QCOMPARE(focusAfterEnter("txtFirstLength"), QString("btnOK"));
        QCOMPARE(focusAfterEnter("txtMaxOutputs"), QString("txtOtherQty"));

        QComboBox* cables = Control<QComboBox>(*window, "cmbCableSize");
        cables->setCurrentIndex(cables->count() - 1);
        emit cables->activated(cables->count() - 1);
        QCOMPARE(cables->currentText(), QString("User-Defined"));
        QCOMPARE(focusAfterEnter("cmbCableSize"), QString("txtCableImpedance"));
        QCOMPARE(focusAfterEnter("txtCableImpedance"), QString("txtTotalLength"));

        Enter(*window, "txtTotalLength");
        Type(Control(*window, "txtTotalLength"), "800", Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("sldDistribution"));
        QCOMPARE(site.Loop().CableTotal(), 8000);
        Enter(*window, "txtFirstLength");
        Type(Control(*window, "txtFirstLength"), "200", Qt::Key_Return);
        QCOMPARE(site.Loop().CableFirst(), 2000);
        QCOMPARE(Control<QSlider>(*window, "sldDistribution")->value(), 25);

        // A first run longer than the total raises the total to match.
        Enter(*window, "txtFirstLength");
        Type(Control(*window, "txtFirstLength"), "900", Qt::Key_Return);
        QCOMPARE(Control<QLineEdit>(*window, "txtTotalLength")->text(), QString("900"));
        QCOMPARE(Control<QSlider>(*window, "sldDistribution")->value(), 100);
        // The slider places the first device along the run.
        Control(*window, "sldDistribution")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Control(*window, "sldDistribution"), Qt::Key_PageDown);
        QCOMPARE(site.Loop().CableFirst(), 8100);
        QCOMPARE(Control<QLineEdit>(*window, "txtFirstLength")->text(), QString("810"));
        QVERIFY(site.document.Dirty);  // a new run is a change the close question knows about

        // The smallest cable is the result: the cable list and impedance are not editable.
        ClickOption(*window, "optCableSize");
        QCOMPARE(site.Loop().CalcType(), 2);
        QVERIFY(!cables->isEnabled());
        QVERIFY(!Control(*window, "txtCableImpedance")->isEnabled());
        QVERIFY(Control(*window, "txtTotalLength")->isEnabled());
        QCOMPARE(focusAfterEnter("optCableSize"), QString("txtFirstLength"));
        const int smallest = site.catalogue.FindCableByImpedance(site.Loop().CableImpedance());
        QCOMPARE(cables->currentData().toInt(), smallest);

        Enter(*window, "txtTotalLength");
        Type(Control(*window, "txtTotalLength"), "3001", Qt::Key_Return);
        QCOMPARE(site.LastMessage(), QString("Total cable run must be between 0 and 3000 m!"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtTotalLength"));
    }

    void typingLeavesTheResultsStaleUntilCommitted()
    {
        Site site;
        site.Loop().SetDeviceType(1, site.optical);
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(!Control<QLineEdit>(*window, "txtVoltDrop")->text().isEmpty());
        Enter(*window, "txtTotalLength");
        Type(Control(*window, "txtTotalLength"), "120");

        QLabel* passFail = Control<QLabel>(*window, "lblPassFail");
        QCOMPARE(passFail->text(), QString("Press <Enter> key\nor Click here\nto Re-calculate"));
        QVERIFY(!passFail->font().bold());
        QCOMPARE(passFail->font().pointSize(), 8);
        QCOMPARE(Control<QLineEdit>(*window, "txtVoltDrop")->text(), QString());
        QCOMPARE(Text(*window, "lblMaxVoltDrop"), QString());
        QCOMPARE(Text(*window, "lblExplanation"), QString());

        // A click on the stale text commits the box, which recalculates.
        QTest::mouseClick(passFail, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("btnOK"));
        QCOMPARE(site.Loop().CableTotal(), 1200);
        QCOMPARE(passFail->text(), QString("Loop Design\nSatisfactory"));
        QVERIFY(passFail->font().bold());
        QVERIFY(Text(*window, "lblMaxVoltDrop").startsWith("(Max. permissible = "));

        // With the longest run calculated, the total run is the result and
        // goes blank while anything else is typed.
        ClickOption(*window, "optCableRun");
        QLineEdit* total = Control<QLineEdit>(*window, "txtTotalLength");
        QVERIFY(!total->isEnabled());
        QCOMPARE(total->text(), QString("3000"));
        QVERIFY(Control(*window, "lblLimitCableRun")->isVisible());
        QCOMPARE(Text(*window, "lblLimitCableRun"), QString("(calculation limit: 3000 m)"));
        Enter(*window, "txtMaxOutputs");
        Type(Control(*window, "txtMaxOutputs"), "8");
        QCOMPARE(total->text(), QString());
        QTest::keyClick(Control(*window, "txtMaxOutputs"), Qt::Key_Return);
        QCOMPARE(site.Loop().MaxOutput(), 8);
        QCOMPARE(total->text(), QString("3000"));
    }

    void interfaceLedsAreOfferedForTypesTheyChange()
    {
        Site site;
        site.choices = {site.inputUnit};
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCheckBox* leds = Control<QCheckBox>(*window, "chkDisableDIN");
        QVERIFY(!leds->isVisible());

        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);
        QCOMPARE(Cell(*window, "grdDevices", 1, 0), QString("Input Unit"));
        Type(OpenBox(*window, "txtDevicesQty"), "4", Qt::Key_Return);
        QVERIFY(leds->isVisible());
        QCOMPARE(Cell(*window, "grdDevices", 1, 3), QString("24 mA"));
        QTest::mouseClick(leds, Qt::LeftButton);
        QVERIFY(site.Loop().DINLEDsDisabled());
        QCOMPARE(Cell(*window, "grdDevices", 1, 3), QString("6000 \u00B5A"));
        QCOMPARE(Text(*window, "lblAlarm_99"), QString("6000 \u00B5A"));
    }

    void addRowStartsAnEmptyTableAndFindsExistingRows()
    {
        Site site(false);
        site.choices = {std::nullopt, site.heat, site.heat};
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(!Control(*window, "grdDevices")->isVisible());
        QCOMPARE(Text(*window, "panDevices"), QString::fromUtf8(LoopEditorCore::NoDeviceRowsText));

        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);  // cancelled
        QVERIFY(!Control(*window, "grdDevices")->isVisible());
        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);
        QVERIFY(Control(*window, "grdDevices")->isVisible());
        QCOMPARE(Cell(*window, "grdDevices", 0, 0), QString("Heat Detector"));
        Type(OpenBox(*window, "txtDevicesQty"), "5", Qt::Key_Return);
        QCOMPARE(site.Loop().QtyDevices(), 5);

        QTest::mouseClick(Control(*window, "btnAdd"), Qt::LeftButton);  // the same type again
        QCOMPARE(Control<QTableView>(*window, "grdDevices")->model()->rowCount(), 1);
        QLineEdit* quantity = OpenBox(*window, "txtDevicesQty");
        QVERIFY(quantity->hasFocus());
        QCOMPARE(quantity->selectedText(), QString("5"));
    }

    void cancelRestoresTheLoopAndSkipsTheBoxBeingTyped()
    {
        Site site;
        site.options.SetLastCalcType(0);
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "30", Qt::Key_Return);
        ClickOption(*window, "optCableRun");
        QCOMPARE(site.options.CurrentCalcType(), 1);
        QVERIFY(site.Loop().CableTotal() != 5000);

        ClickRow(*window, "grdDevices", 0);
        Type(OpenBox(*window, "txtDevicesQty"), "999");  // refused if it were committed
        QTest::mouseClick(Control(*window, "btnCancel"), Qt::LeftButton);
        QCOMPARE(site.host.boxes.size(), size_t{0});
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(site.Loop().QtyDevices(), 0);
        QCOMPARE(site.Loop().DeviceType(1), int16_t{0});
        QCOMPARE(site.Loop().CableTotal(), 5000);
        QCOMPARE(site.Loop().CalcType(), 0);
        QCOMPARE(site.options.CurrentCalcType(), 0);
    }

    // The verdict is what a designer looks for: tinted green when the loop
    // passes, red when it does not. FERROLUX_SCREENSHOT_DIR keeps the pictures.
    void theVerdictStandsOutInGreenOrRed()
    {
        Site site;
        site.Place(site.optical, 48);
        site.Place(site.heat, 12);
        site.Place(site.callPoint, 14);
        site.Place(site.sounder, 16);
        site.Place(site.inputUnit, 4);
        for (const auto& [address, other] : {std::pair{1, site.beacon}, std::pair{2, site.beacon}, std::pair{3, site.indicator}})
            site.Loop().SetDeviceOtherType(address, other);
        site.Loop().SetDeviceOtherBaseType(4, site.relayBase);
        site.Loop().SetCableTotal(6500);
        site.Loop().SetCableFirst(900);
        const auto window = site.Open();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->resize(1120, 720);
        QCOMPARE(Text(*window, "lblPassFail"), QString("Loop Design\nSatisfactory"));
        auto verdictTint = [&] {
            QLabel* verdict = Control<QLabel>(*window, "lblPassFail");
            const QImage picture = window->grab().toImage();
            const QPoint inside = verdict->mapTo(window.get(), QPoint(8, verdict->height() / 2));
            return picture.pixelColor(inside * picture.devicePixelRatio());
        };
        const QColor pass = verdictTint();
        QVERIFY2(pass.green() > pass.red() + 10, qPrintable(pass.name()));
        QtClicks::Screenshot(window.get(), "frmLoop-pass");

        ClickRow(*window, "grdDevices", 4);
        QCOMPARE(Cell(*window, "grdDevices", 4, 0), QString("Loop Sounder"));
        Type(OpenBox(*window, "txtDevicesQty"), "40", Qt::Key_Return);
        QVERIFY(Text(*window, "lblPassFail") != QString("Loop Design\nSatisfactory"));
        const QColor fail = verdictTint();
        QVERIFY2(fail.red() > fail.green() + 10, qPrintable(fail.name()));
        QtClicks::Screenshot(window.get(), "frmLoop-fail");
    }
};

FERROLUX_QT_TEST(frmLoopTest);

#include "frmLoopTest.moc"
