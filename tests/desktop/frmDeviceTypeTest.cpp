#include "desktop/frmDeviceType.h"

#include "platform/MessageHost.h"
#include "support/FamilySite.h"
#include "support/QtClicks.h"
#include "support/QtTestMain.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace QtClicks;

class frmDeviceTypeTest : public QObject {
    Q_OBJECT

private slots:
    void outlineGroupsTypesByFamilyAndOnlyATypeCanBeChosen()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmDeviceType form(site.catalogue, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* outline = Control<QTreeWidget>(form, "outDevices");
        auto* ok = Control<QPushButton>(form, "btnOK");
        QVERIFY(!ok->isEnabled());
        Click(outline, "Heat Detector");
        QVERIFY(ok->isEnabled());
        Click(outline, "Detectors");
        QVERIFY(!ok->isEnabled());

        // A type not implemented is told once and keeps the chooser open.
        Click(outline, "Legacy Module");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(host.boxes.size(), size_t(1));
        QVERIFY(form.isVisible());

        // Double-clicking a type presses OK.
        Click(outline, "Optical Detector", true);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.Result(), std::optional<int>(site.Optical));
    }
};

FERROLUX_QT_TEST(frmDeviceTypeTest);
#include "frmDeviceTypeTest.moc"
