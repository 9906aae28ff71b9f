#include "desktop/frmOptions.h"

#include "platform/MessageHost.h"
#include "support/QtTestMain.h"
#include "support/FamilySite.h"
#include "support/QtClicks.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace QtClicks;

class frmOptionsTest : public QObject {
    Q_OBJECT

    static QString LabelText(QWidget& form, const char* name) { return Control<QLabel>(form, name)->text(); }

    // Ticks or unticks a cable group with the keyboard, as the list offers.
    static void ToggleCableGroup(QListWidget* list, int row)
    {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Space);
    }

private slots:
    void showsTheTabsListsAndUnitCaptions()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmOptions form(site.catalogue, site.options, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.windowTitle(), "Options");
        auto* tabs = Control<QTabWidget>(form, "tabOptions");
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(0), "Device &Families");
        QCOMPARE(tabs->tabText(1), "'&Standard' Devices");
        QCOMPARE(tabs->tabText(2), "&Units");
        QCOMPARE(tabs->tabText(3), "&Cables");
        QCOMPARE(Entries(Control<QListWidget>(form, "lstFamilies")),
                 QStringList({"Detectors*", "Interfaces*", "Sounders", "Beacons"}));
        QCOMPARE(Control<QListWidget>(form, "lstFamilies")->item(2)->data(Qt::UserRole).toInt(), 3);
        QCOMPARE(LabelText(form, "lblFamilySelectCount"), "2 families selected.");
        QCOMPARE(Entries(Control<QListWidget>(form, "lstStandard")),
                 QStringList({"Optical Detector*", "Heat Detector", "Input Unit*", "Legacy Module"}));
        QCOMPARE(Control<QListWidget>(form, "lstStandard")->item(1)->data(Qt::UserRole).toInt(), site.Heat);
        QCOMPARE(LabelText(form, "lblStandardSelectCount"), "2 devices selected.");
        QCOMPARE(LabelText(form, "lblFamiliesNote"),
                 "Select which families will be shown when adding new rows of devices.");
        QCOMPARE(LabelText(form, "lblStandardNote"), "Select which devices will always be shown in the Loop Data "
                                                     "dialogue box, without needing to use Add Row.");
        QCOMPARE(LabelText(form, "lblUnitsNote"), "Select units of measurement for input and output.");
        QCOMPARE(LabelText(form, "lblCablesNote"), "Select the groups of cable sizes that should be displayed:");

        QVERIFY(Control<QRadioButton>(form, "optUnit_0")->isChecked());
        QCOMPARE(Control<QRadioButton>(form, "optUnit_0")->text(), "&Metric");
        QCOMPARE(Control<QRadioButton>(form, "optUnit_1")->text(), "&Imperial");
        QCOMPARE(LabelText(form, "lblUnitLength_0"), "metres (m)");
        QCOMPARE(LabelText(form, "lblUnitImpedance_0"), "ohms/km/core");
        QCOMPARE(LabelText(form, "lblUnitImpedanceTemp_0"), QString::fromUtf8("(copper at 20°C)"));
        QCOMPARE(LabelText(form, "lblUnitLength_1"), "feet (ft)");
        QCOMPARE(LabelText(form, "lblUnitImpedance_1"), "ohms/kft/core");
        QCOMPARE(LabelText(form, "lblUnitImpedanceTemp_1"), QString::fromUtf8("(copper at 68°F)"));

        auto* groups = Control<QListWidget>(form, "lstCableGroups");
        QCOMPARE(groups->count(), 2);
        QCOMPARE(groups->item(0)->text(), "Metric sizes");
        QCOMPARE(groups->item(0)->checkState(), Qt::Checked);
        QCOMPARE(groups->item(1)->checkState(), Qt::Unchecked);

        // Each tab has a help topic of its own.
        QList<int> topics;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            ClickTab(tabs, tab);
            QCOMPARE(tabs->currentIndex(), tab);
            QVERIFY(!topics.contains(form.HelpTopic()));
            topics << form.HelpTopic();
            Screenshot(&form, "frmOptions_" + QString::number(tab));
        }
    }

    void editsEveryTabAndOKStoresIt()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmOptions form(site.catalogue, site.options, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* tabs = Control<QTabWidget>(form, "tabOptions");
        auto* families = Control<QListWidget>(form, "lstFamilies");
        auto* standard = Control<QListWidget>(form, "lstStandard");

        Click(families, "Sounders");
        QCOMPARE(LabelText(form, "lblFamilySelectCount"), "3 families selected.");
        QCOMPARE(LabelText(form, "lblStandardSelectCount"), "4 devices selected.");
        Click(families, "Interfaces");
        QCOMPARE(LabelText(form, "lblFamilySelectCount"), "2 families selected.");

        ClickTab(tabs, OptionsDialogCore::StandardTab);
        QCOMPARE(Entries(standard),
                 QStringList({"Optical Detector*", "Heat Detector", "Wall Sounder*", "Standalone Sounder*"}));
        QCOMPARE(LabelText(form, "lblStandardSelectCount"), "3 devices selected.");
        Click(standard, "Standalone Sounder");
        Click(standard, "Heat Detector");
        QCOMPARE(LabelText(form, "lblStandardSelectCount"), "3 devices selected.");
        QCOMPARE(Entries(standard),
                 QStringList({"Optical Detector*", "Heat Detector*", "Wall Sounder*", "Standalone Sounder"}));

        ClickTab(tabs, OptionsDialogCore::UnitsTab);
        QTest::mouseClick(Control<QRadioButton>(form, "optUnit_1"), Qt::LeftButton);
        QVERIFY(Control<QRadioButton>(form, "optUnit_1")->isChecked());

        ClickTab(tabs, OptionsDialogCore::CablesTab);
        auto* groups = Control<QListWidget>(form, "lstCableGroups");
        ToggleCableGroup(groups, 1);
        QCOMPARE(groups->item(1)->checkState(), Qt::Checked);

        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QVERIFY(host.boxes.empty());

        QVERIFY(!site.catalogue.DeviceFamilies[FamilySite::Interfaces].Shown);
        QVERIFY(site.catalogue.DeviceFamilies[FamilySite::Sounders].Shown);
        QVERIFY(site.options.GetSettingBool("DontShowFamily2"));
        QVERIFY(site.options.IsStandardDevice(site.Heat));
        QVERIFY(site.options.IsStandardDevice(site.WallSounder));
        QVERIFY(!site.options.IsStandardDevice(site.StandaloneSounder));
        QVERIFY(!site.options.IsStandardDevice(site.InputUnit));
        QCOMPARE(site.options.Units(), 1);
        QVERIFY(site.catalogue.CableGroups[0].Enabled);
        QVERIFY(site.catalogue.CableGroups[1].Enabled);
        QCOMPARE(site.catalogue.CableNameForImpedance(1320), "16 AWG");
    }

    void okWithoutAFamilyShowsTheFamiliesTabAndStoresNothing()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmOptions form(site.catalogue, site.options, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* tabs = Control<QTabWidget>(form, "tabOptions");
        auto* families = Control<QListWidget>(form, "lstFamilies");
        const std::string settingsBefore = site.folder.Read("Harvex Ferrolux.conf");

        // Other tabs changed first: imperial units and no cable group at all.
        ClickTab(tabs, OptionsDialogCore::UnitsTab);
        QTest::mouseClick(Control<QRadioButton>(form, "optUnit_1"), Qt::LeftButton);
        ClickTab(tabs, OptionsDialogCore::CablesTab);
        ToggleCableGroup(Control<QListWidget>(form, "lstCableGroups"), 0);
        ClickTab(tabs, OptionsDialogCore::FamiliesTab);
        Click(families, "Detectors");
        Click(families, "Interfaces");
        QCOMPARE(LabelText(form, "lblFamilySelectCount"), "0 families selected.");
        QCOMPARE(Control<QListWidget>(form, "lstStandard")->count(), 0);
        QCOMPARE(LabelText(form, "lblStandardSelectCount"), "0 devices selected.");
        ClickTab(tabs, OptionsDialogCore::CablesTab);

        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(host.Texts(), std::vector<std::string>{"You must select at least one device family!"});
        QCOMPARE(host.boxes[0].Style, MsgStyle::Exclamation);
        QCOMPARE(host.boxes[0].Caption, "Options");
        QCOMPARE(tabs->currentIndex(), int(OptionsDialogCore::FamiliesTab));
        QCOMPARE(form.focusWidget(), families);
        QVERIFY(form.isVisible());

        // With a family again, the missing cable group is next.
        Click(families, "Beacons");
        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(host.boxes.size(), size_t(2));
        QCOMPARE(host.boxes[1].Text, "You must select at least one cable group!");
        QCOMPARE(host.boxes[1].Caption, "Options");
        QCOMPARE(tabs->currentIndex(), int(OptionsDialogCore::CablesTab));
        QCOMPARE(form.focusWidget(), Control<QListWidget>(form, "lstCableGroups"));
        QVERIFY(form.isVisible());

        QTest::mouseClick(Control<QPushButton>(form, "btnCancel"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(site.folder.Read("Harvex Ferrolux.conf"), settingsBefore);
        QVERIFY(site.catalogue.DeviceFamilies[FamilySite::Detectors].Shown);
        QVERIFY(!site.catalogue.DeviceFamilies[FamilySite::Beacons].Shown);
        QCOMPARE(site.options.Units(), 0);
        QVERIFY(site.catalogue.CableGroups[0].Enabled);
    }
};

FERROLUX_QT_TEST(frmOptionsTest);
#include "frmOptionsTest.moc"
