#include "desktop/frmPanel.h"

#include "support/QtTestMain.h"
#include "support/PanelSite.h"
#include "support/QtClicks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// The dialog over a panel site, shown.
struct PanelForm {
    PanelSite site;
    std::unique_ptr<frmPanel> form;

    explicit PanelForm(int panelNum, const char* current = nullptr)
    {
        if (current)
            site.SelectCurrent(current);
        form = std::make_unique<frmPanel>(site.document, site.catalogue, site.options, site.host, site.files);
        if (!form->SetPanelNum(panelNum))
            qFatal("panel %d did not open", panelNum);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the panel dialog was not shown");
    }

    template <typename Widget = QLineEdit>
    Widget* Control(const char* name) const
    {
        auto* widget = form->findChild<Widget*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString Label(const char* name) const { return Control<QLabel>(name)->text(); }

    // Replaces a box's text by typing, as the user would: select all, type.
    void Type(const char* box, const QString& text) const
    {
        QLineEdit* edit = Control(box);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void ClickOK() const { QTest::mouseClick(Control<QPushButton>("btnOK"), Qt::LeftButton); }

    // The colour the dialog shows inside a box, below its text (the dialog's
    // own background for no box).
    QColor Shade(const char* box) const
    {
        const QImage picture = form->grab().toImage();
        QWidget* control = box ? static_cast<QWidget*>(Control(box)) : form.get();
        const QPoint inside = control->mapTo(form.get(), box ? QPoint(control->width() / 2, control->height() - 4)
                                                               : QPoint(4, 4));
        return picture.pixelColor(inside * picture.devicePixelRatio());
    }
};

}  // namespace

class frmPanelTest : public QObject {
    Q_OBJECT

private slots:
    void newPanelTypedIntoTheBoxesSurvivesARestart()
    {
        PanelForm panel(-1);
        frmPanel& form = *panel.form;
        QCOMPARE(form.windowTitle(), "Control Panel");
        const QList<std::pair<const char*, const char*>> labels = {
            {"lblName", "&Name:"},
            {"lblManufacturer", "Manufacturer:"},
            {"lblLoops", "Number of &Loops:"},
            {"lblImpedance", "Loop Driver &Impedance:"},
            {"lblImpedanceUnits", "ohms"},
            {"lblImpedanceNote", "(positive + negative connections)"},
            {"lblLED", "Ma&x. LED's in Alarm condition:"},
            {"lblLEDUnits", "per loop"},
            {"lblRemoteLED", "Max. &Remote LED's in Alarm condition:"},
            {"lblRemoteLEDUnits", "per loop"},
            {"lblOutput", "Max. &Outputs activated:"},
            {"lblOutputUnits", "per loop"},
            {"lblOutputNote", "(I/O Units, Output Units, Sounders)"},
            {"lblLoopCurrent", "Max. Loop &Current:"},
            {"lblLoopCurrentUnits", "mA per loop"},
            {"lblTotalCurrent", "&Total Current available to Loops:"},
            {"lblTotalCurrentNote", "(when in radial topology)"},
            {"lblVoltage", "Min. Loop Driver Output &Voltage:"},
            {"lblVoltageNote", "(at final battery voltage, excluding Pulse voltage)"},
            {"lblNotes", "This is a 'user-defined' panel.  Its parameters may be edited."},
        };
        for (const auto& [name, text] : labels)
            QCOMPARE(panel.Label(name), QString(text));
        QCOMPARE(panel.Control<QLabel>("lblLoops")->buddy(), panel.Control("txtLoops"));
        QCOMPARE(panel.Control("txtName")->text(), "Choose a unique name");
        QCOMPARE(panel.Control("txtManufacturer")->text(), "User-Defined Panels");
        QVERIFY(panel.Control("txtManufacturer")->isReadOnly());
        QCOMPARE(panel.Shade("txtManufacturer"), panel.Shade(nullptr));
        QVERIFY(panel.Shade("txtLoops") != panel.Shade(nullptr));
        QCOMPARE(panel.Control("txtImpedance")->text(), "2.00");
        QCOMPARE(panel.Control("txtVoltage")->text(), "24.00");
        QCOMPARE(panel.Control<QPushButton>("btnClose")->text(), "Cancel");
        QVERIFY(panel.Control<QPushButton>("btnOK")->isVisible());
        QtClicks::Screenshot(&form, "frmPanel_new");

        // Enter moves on through the boxes in order and types nothing.
        panel.Type("txtName", "  Harbour Panel ");
        QTest::keyClick(panel.Control("txtName"), Qt::Key_Return);
        QCOMPARE(form.focusWidget(), panel.Control("txtLoops"));
        QTest::keyClick(panel.Control("txtVoltage"), Qt::Key_Enter);
        QCOMPARE(form.focusWidget(), panel.Control<QPushButton>("btnOK"));
        QCOMPARE(panel.Control("txtVoltage")->text(), "24.00");

        // Number boxes drop anything but digits (and the point where it
        // belongs), with the warning sound.
        panel.Type("txtLoops", "3x.");
        QCOMPARE(panel.Control("txtLoops")->text(), "3");
        QCOMPARE(panel.site.host.beeps, std::vector<int>({0, 0}));
        panel.Type("txtImpedance", "12.5");
        panel.Type("txtLED", "15");
        panel.Type("txtRemoteLED", "8");
        panel.Type("txtOutput", "40");
        panel.Type("txtLoopCurrent", "450");
        panel.Type("txtTotalCurrent", "900");
        panel.Type("txtVoltage", "24.5");
        panel.ClickOK();

        QVERIFY(panel.site.host.boxes.empty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QVERIFY(form.Changed());
        QCOMPARE(panel.Control("txtName")->text(), "Harbour Panel");
        const PanelRecord& stored = panel.site.catalogue.Panels[static_cast<size_t>(panel.site.Position("Harbour Panel"))];
        QCOMPARE(int(stored.Loops), 3);
        QCOMPARE(stored.DriverImpedance, int16_t(1250));
        QCOMPARE(int(stored.AlarmLEDs), 15);
        QCOMPARE(stored.MinLoopVoltage, int16_t(2450));
        QCOMPARE(panel.site.NamesAfterRestart(),
                 (std::vector<std::string>{"Acme 2", "Harbour Panel", "Site Panel", "Spare Panel", "Unknown Panel"}));
    }

    void aStandardPanelIsOnlyShown()
    {
        PanelForm panel(PanelSite::Acme2);
        frmPanel& form = *panel.form;
        QCOMPARE(panel.Label("lblNotes"), "This is a 'standard' panel.  Its parameters cannot be edited.");
        QCOMPARE(panel.Control<QPushButton>("btnClose")->text(), "Close");
        QVERIFY(!panel.Control<QPushButton>("btnOK")->isVisible());
        QCOMPARE(panel.Control("txtManufacturer")->text(), "Acme Fire");
        // Locked boxes are drawn on the dialog's background, not as entries.
        for (const char* box : {"txtName", "txtManufacturer", "txtLoops", "txtImpedance", "txtLED", "txtRemoteLED",
                                "txtOutput", "txtLoopCurrent", "txtTotalCurrent", "txtVoltage"}) {
            QVERIFY2(panel.Control(box)->isReadOnly(), box);
            QCOMPARE(panel.Shade(box), panel.Shade(nullptr));
        }
        QtClicks::Screenshot(&form, "frmPanel_standard");

        QTest::keyClicks(panel.Control("txtLoops"), "7");
        QCOMPARE(panel.Control("txtLoops")->text(), "2");
        QTest::keyClick(panel.Control("txtVoltage"), Qt::Key_Return);
        QCOMPARE(form.focusWidget(), panel.Control<QPushButton>("btnClose"));

        const std::string fileBefore = panel.site.UserFile();
        QTest::mouseClick(panel.Control<QPushButton>("btnClose"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!form.Changed());
        QVERIFY(panel.site.host.boxes.empty());
        QCOMPARE(panel.site.UserFile(), fileBefore);
    }

    void aPositionOutsideTheCatalogueIsNotShown()
    {
        PanelSite site;
        QVERIFY(!frmPanel::ShowPanel(site.document, site.catalogue, site.options, site.host, site.files, 9));
        QCOMPARE(site.host.Texts(), std::vector<std::string>{"Internal error: invalid control panel"});
    }
};

FERROLUX_QT_TEST(frmPanelTest);
#include "frmPanelTest.moc"
