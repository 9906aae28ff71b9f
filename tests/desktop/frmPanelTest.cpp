#include "desktop/frmPanel.h"

#include "desktop/frmDeletePanels.h"
#include "support/PanelSite.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
#include "support/QtTestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
        QStringList keyed;
        for (const char* label : {"lblName", "lblLoops", "lblImpedance", "lblLED", "lblRemoteLED", "lblOutput",
                                  "lblLoopCurrent", "lblTotalCurrent", "lblVoltage"})
            keyed << Control<QLabel>(form, label)->text();
        QCOMPARE(keyed, QStringList({"&Name:", "Number of &Loops:", "Loop Driver &Impedance:",
                                     "Ma&x. LED's in Alarm condition:", "Max. &Remote LED's in Alarm condition:",
                                     "Max. &Outputs activated:", "Max. Loop &Current:",
                                     "&Total Current available to Loops:", "Min. Loop Driver Output &Voltage:"}));
        QCOMPARE(Control<QLabel>(form, "lblLoops")->buddy(), panel.Box("txtLoops"));
        QCOMPARE(panel.Box("txtName")->text(), "Choose a unique name");
        QVERIFY(panel.Box("txtManufacturer")->isReadOnly());
        QCOMPARE(panel.Shade("txtManufacturer"), panel.Shade(nullptr));
        QVERIFY(panel.Shade("txtLoops") != panel.Shade(nullptr));
        QCOMPARE(panel.Button("btnClose")->text(), "Cancel");
        QtClicks::Screenshot(&form, "frmPanel_new");

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

    void aStandardPanelIsOnlyShown()
    {
        PanelForm panel(PanelSite::Acme2);
        QCOMPARE(panel.Button("btnClose")->text(), "Close");
        QVERIFY(!panel.Button("btnOK")->isVisible());
        for (const char* box : {"txtName", "txtLoops", "txtVoltage"}) {
            QVERIFY2(panel.Box(box)->isReadOnly(), box);
            QCOMPARE(panel.Shade(box), panel.Shade(nullptr));
        }
        QTest::keyClicks(panel.Box("txtLoops"), "7");
        QCOMPARE(panel.Box("txtLoops")->text(), "2");
        const std::string fileBefore = panel.site.UserFile();
        QTest::keyClick(panel.form.get(), Qt::Key_Escape);
        QCOMPARE(panel.form->result(), int(QDialog::Rejected));
        QVERIFY(!panel.form->Changed());
        QCOMPARE(panel.site.UserFile(), fileBefore);
    }

    // The list of user-defined panels in its edit mode.
    void editModeOpensTheChosenPanelInTheEditor()
    {
        PanelSite site;
        QStringList listTexts;
        QString editorName;
        {
            const QtModal::WhenModal listing("frmDeletePanels", [&](QWidget* list) {
                listTexts << list->windowTitle() << Control<QPushButton>(*list, "btnDelete")->text()
                          << Control<QPushButton>(*list, "btnClose")->text();
                auto* panels = Control<QListWidget>(*list, "lstPanels");
                ClickIndex(panels, panels->indexFromItem(panels->findItems("Spare Panel", Qt::MatchExactly).front()), true);
            });
            const QtModal::WhenModal editing("frmPanel", [&](QWidget* editor) {
                auto* name = Control<QLineEdit>(*editor, "txtName");
                editorName = name->text();
                QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(name, "Reserve Panel");
                QTest::mouseClick(Control<QPushButton>(*editor, "btnOK"), Qt::LeftButton);
            });
            QVERIFY(frmDeletePanels::EditPanel(site.document, site.catalogue, site.options, site.host, site.files));
        }
        QCOMPARE(listTexts, QStringList({"Edit User-Defined Control Panel", "&Edit...", "&Cancel"}));
        QCOMPARE(editorName, "Spare Panel");
        QCOMPARE(site.NamesAfterRestart(),
                 (std::vector<std::string>{"Acme 2", "Reserve Panel", "Site Panel", "Unknown Panel"}));

        // Cancel in the list opens nothing and changes nothing.
        const QtModal::WhenModal cancelling("frmDeletePanels", [](QWidget* list) {
            Click(Control<QListWidget>(*list, "lstPanels"), "Site Panel");
            QTest::mouseClick(Control<QPushButton>(*list, "btnClose"), Qt::LeftButton);
        });
        QVERIFY(!frmDeletePanels::EditPanel(site.document, site.catalogue, site.options, site.host, site.files));
        QVERIFY(site.host.boxes.empty());
    }
};

FERROLUX_QT_TEST(frmPanelTest);
#include "frmPanelTest.moc"
