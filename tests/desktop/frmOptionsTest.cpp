#include "desktop/frmOptions.h"

#include "platform/MessageHost.h"
#include "support/FamilySite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace QtClicks;

namespace {

QString LabelText(QWidget& form, const char* name) { return Control<QLabel>(form, name)->text(); }

// Ticks or unticks a cable group with the keyboard, as the list offers.
void ToggleCableGroup(QWidget& form, int row)
{
    auto* list = Control<QListWidget>(form, "lstCableGroups");
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Space);
}

}  // namespace

class frmOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void editsEveryTabAndOKStoresIt()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmOptions form(site.catalogue, site.options, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* tabs = Control<QTabWidget>(form, "tabOptions");
        QStringList captions;
        QList<int> topics;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            ClickTab(tabs, tab);
            captions << tabs->tabText(tab);
            QVERIFY(!topics.contains(form.HelpTopic()));  // each tab has a help topic of its own
            topics << form.HelpTopic();
            Screenshot(&form, "frmOptions_" + QString::number(tab));
        }
        QCOMPARE(captions, QStringList({"Device &Families", "'&Standard' Devices", "&Units", "&Cables"}));
        QCOMPARE(Control<QRadioButton>(form, "optUnit_0")->text(), "&Metric");
        QCOMPARE(Control<QRadioButton>(form, "optUnit_1")->text(), "&Imperial");
        QCOMPARE(LabelText(form, "lblUnitLength_1"), "feet (ft)");

        auto* families = Control<QListWidget>(form, "lstFamilies");
        auto* standard = Control<QListWidget>(form, "lstStandard");
        QCOMPARE(Entries(families), QStringList({"Detectors*", "Interfaces*", "Sounders", "Beacons"}));
        QCOMPARE(LabelText(form, "lblFamilySelectCount"), "2 families selected.");
        Click(families, "Sounders");
        Click(families, "Interfaces");
        QCOMPARE(LabelText(form, "lblFamilySelectCount"), "2 families selected.");
        ClickTab(tabs, OptionsDialogCore::StandardTab);
        QCOMPARE(Entries(standard),
                 QStringList({"Optical Detector*", "Heat Detector", "Wall Sounder*", "Standalone Sounder*"}));
        Click(standard, "Standalone Sounder");
        Click(standard, "Heat Detector");
        QCOMPARE(LabelText(form, "lblStandardSelectCount"), "3 devices selected.");
        ClickTab(tabs, OptionsDialogCore::UnitsTab);
        QTest::mouseClick(Control<QRadioButton>(form, "optUnit_1"), Qt::LeftButton);
        ClickTab(tabs, OptionsDialogCore::CablesTab);
        ToggleCableGroup(form, 1);

        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(host.boxes.empty());
        QVERIFY(!site.catalogue.DeviceFamilies[FamilySite::Interfaces].Shown);
        QVERIFY(site.catalogue.DeviceFamilies[FamilySite::Sounders].Shown);
        QVERIFY(site.options.GetSettingBool("DontShowFamily2"));
        QVERIFY(site.options.IsStandardDevice(site.Heat));
        QVERIFY(!site.options.IsStandardDevice(site.StandaloneSounder));
        QCOMPARE(site.options.Units(), 1);
        QVERIFY(site.catalogue.CableGroups[1].Enabled);
    }

    void okWithoutAFamilyShowsTheFamiliesTabAndCancelStoresNothing()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmOptions form(site.catalogue, site.options, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* tabs = Control<QTabWidget>(form, "tabOptions");
        auto* families = Control<QListWidget>(form, "lstFamilies");
        const std::string settingsBefore = site.folder.Read("Harvex Ferrolux.conf");
        Click(families, "Detectors");
        Click(families, "Interfaces");
        QCOMPARE(Control<QListWidget>(form, "lstStandard")->count(), 0);
        ClickTab(tabs, OptionsDialogCore::UnitsTab);
        QTest::mouseClick(Control<QRadioButton>(form, "optUnit_1"), Qt::LeftButton);

        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(host.boxes.size(), size_t(1));
        QCOMPARE(host.boxes[0].Caption, "Options");
        QCOMPARE(tabs->currentIndex(), int(OptionsDialogCore::FamiliesTab));
        QCOMPARE(form.focusWidget(), families);
        QVERIFY(form.isVisible());

        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(site.folder.Read("Harvex Ferrolux.conf"), settingsBefore);
        QVERIFY(site.catalogue.DeviceFamilies[FamilySite::Detectors].Shown);
        QCOMPARE(site.options.Units(), 0);
    }
};

FERROLUX_QT_TEST(frmOptionsTest);
#include "frmOptionsTest.moc"
