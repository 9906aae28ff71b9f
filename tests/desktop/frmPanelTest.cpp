#include "desktop/frmPanel.h"

#include "support/PanelSite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace QtClicks;

namespace {

// The dialog over a panel site, shown.
struct PanelForm {
    PanelSite site;
    std::unique_ptr<frmPanel> form;

    explicit PanelForm(int panelNum)
        : form(std::make_unique<frmPanel>(site.document, site.catalogue, site.options, site.host, site.files))
    {
        if (!form->SetPanelNum(panelNum))
            qFatal("panel %d did not open", panelNum);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the panel dialog was not shown");
    }
    QLineEdit* Box(const char* name) const { return Control<QLineEdit>(*form, name); }
    QPushButton* Button(const char* name) const { return Control<QPushButton>(*form, name); }

    // Replaces a box's text by typing, as the user would.
    void Type(const char* box, const QString& text) const
    {
        QTest::keyClick(Box(box), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Box(box), Qt::Key_Backspace);
        QTest::keyClicks(Box(box), text);
    }

    // The colour drawn inside a box, below its text (the dialog's own background for none).
    QColor Shade(const char* box) const
    {
        const QImage picture = form->grab().toImage();
        QWidget* control = box ? static_cast<QWidget*>(Box(box)) : form.get();
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
        QCOMPARE(panel.Box("txtName")->text(), "Choose a unique name");
        QVERIFY(panel.Box("txtManufacturer")->isReadOnly());
        QCOMPARE(panel.Shade("txtManufacturer"), panel.Shade(nullptr));
        QVERIFY(panel.Shade("txtLoops") != panel.Shade(nullptr));
        QCOMPARE(panel.Button("btnClose")->text(), "Cancel");

        // Enter moves on through the boxes and types nothing.
        panel.Type("txtName", "  Harbour Panel ");
        QTest::keyClick(panel.Box("txtName"), Qt::Key_Return);
        QCOMPARE(form.focusWidget(), panel.Box("txtLoops"));
        QTest::keyClick(panel.Box("txtVoltage"), Qt::Key_Enter);
        QCOMPARE(form.focusWidget(), panel.Button("btnOK"));

        // A number box drops what is not a number, with the warning sound.
        panel.Type("txtLoops", "3x.");
        QCOMPARE(panel.Box("txtLoops")->text(), "3");
        QCOMPARE(panel.site.host.beeps, std::vector<int>({0, 0}));
        panel.Type("txtImpedance", "12.5");
        panel.Type("txtLED", "15");
        panel.Type("txtVoltage", "24.5");
        QTest::mouseClick(panel.Button("btnOK"), Qt::LeftButton);
        QVERIFY(panel.site.host.boxes.empty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(form.Changed());
        const PanelRecord& stored = panel.site.catalogue.Panels[static_cast<size_t>(panel.site.Position("Harbour Panel"))];
        QCOMPARE(int(stored.Loops), 3);
        QCOMPARE(stored.DriverImpedance, int16_t(1250));
        QCOMPARE(int(stored.AlarmLEDs), 15);
        QCOMPARE(stored.MinLoopVoltage, int16_t(2450));
        QCOMPARE(panel.site.NamesAfterRestart(),
                 (std::vector<std::string>{"Acme 2", "Harbour Panel", "Site Panel", "Spare Panel", "Unknown Panel"}));
    }
};

FERROLUX_QT_TEST(frmPanelTest);
#include "frmPanelTest.moc"
