#include "desktop/frmOptions.h"

#include "platform/MessageHost.h"
#include "support/FamilySite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace QtClicks;

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
        auto* tabs = Control<QTabWidget>(form, "tabOptions")->tabBar();
        auto clickTab = [tabs](int tab) { QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center()); };
        auto* families = Control<QListWidget>(form, "lstFamilies");
        auto* standard = Control<QListWidget>(form, "lstStandard");
        Click(families, "Sounders");
        Click(families, "Interfaces");
        clickTab(OptionsDialogCore::StandardTab);
        QCOMPARE(standard->count(), 4);  // the sounders now shown, no interfaces
        Click(standard, "Standalone Sounder");
        Click(standard, "Heat Detector");
        clickTab(OptionsDialogCore::UnitsTab);
        QTest::mouseClick(Control<QRadioButton>(form, "optUnit_1"), Qt::LeftButton);
        clickTab(OptionsDialogCore::CablesTab);
        auto* cables = Control<QListWidget>(form, "lstCableGroups");  // ticked with the keyboard
        cables->setCurrentRow(1);
        QTest::keyClick(cables, Qt::Key_Space);

        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!site.catalogue.DeviceFamilies[FamilySite::Interfaces].Shown);
        QVERIFY(site.catalogue.DeviceFamilies[FamilySite::Sounders].Shown);
        QVERIFY(site.options.IsStandardDevice(site.Heat));
        QVERIFY(!site.options.IsStandardDevice(site.StandaloneSounder));
        QCOMPARE(site.options.Units(), 1);
        QVERIFY(site.catalogue.CableGroups[1].Enabled);
    }
};

FERROLUX_QT_TEST(frmOptionsTest);
#include "frmOptionsTest.moc"
