#include "desktop/frmDeviceType.h"

#include "platform/MessageHost.h"
#include "support/QtTestMain.h"
#include "support/FamilySite.h"
#include "support/QtClicks.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace QtClicks;

class frmDeviceTypeTest : public QObject {
    Q_OBJECT

    static bool ShowsIcon(const QTreeWidgetItem* item, QStyle::StandardPixmap pixmap)
    {
        const QIcon expected = QApplication::style()->standardIcon(pixmap);
        return item->icon(0).pixmap(16).toImage() == expected.pixmap(16).toImage();
    }

    // Runs ChooseDeviceType and, once the chooser is up, acts on it.
    static std::optional<int> ChooseWith(const Catalogue& catalogue, MessageHost& host,
                                         const std::function<void(frmDeviceType&)>& act)
    {
        QTimer::singleShot(0, [&act] {
            auto* chooser = qobject_cast<frmDeviceType*>(QApplication::activeModalWidget());
            if (!chooser)
                qFatal("the chooser is not shown");
            act(*chooser);
        });
        return frmDeviceType::ChooseDeviceType(catalogue, host);
    }

private slots:
    void outlineGroupsTypesByFamilyAndOnlyATypeCanBeChosen()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmDeviceType form(site.catalogue, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), "Add Device Type");
        QCOMPARE(Control<QLabel>(form, "lblChoose")->text(), "Choose a new device type.");
        QVERIFY(Control<QLabel>(form, "lblHint")->isVisible());
        QCOMPARE(Control<QLabel>(form, "lblHint")->text(), "(Click on '+' to expand a family of device types)");

        auto* outline = Control<QTreeWidget>(form, "outDevices");
        auto* ok = Control<QPushButton>(form, "btnOK");
        QCOMPARE(outline->topLevelItemCount(), 2);
        QTreeWidgetItem* interfaces = outline->topLevelItem(0);
        QTreeWidgetItem* detectors = outline->topLevelItem(1);
        QCOMPARE(interfaces->text(0), "Interfaces");
        QCOMPARE(detectors->text(0), "Detectors");
        QCOMPARE(detectors->data(0, Qt::UserRole).toInt(), 0);
        QCOMPARE(detectors->childCount(), 3);
        QCOMPARE(detectors->child(1)->text(0), "Heat Detector");
        QCOMPARE(detectors->child(1)->data(0, Qt::UserRole).toInt(), site.Heat);
        QVERIFY(ShowsIcon(detectors->child(1), QStyle::SP_FileIcon));
        QVERIFY(!interfaces->isExpanded() && !detectors->isExpanded());
        QVERIFY(ShowsIcon(detectors, QStyle::SP_DirClosedIcon));
        // The first family is current: nothing to return yet.
        QCOMPARE(outline->currentItem(), interfaces);
        QVERIFY(!ok->isEnabled());

        Click(outline, detectors, true);
        QVERIFY(detectors->isExpanded());
        QVERIFY(ShowsIcon(detectors, QStyle::SP_DirOpenIcon));
        QVERIFY(!ShowsIcon(detectors, QStyle::SP_DirClosedIcon));
        QVERIFY(!ok->isEnabled());
        Screenshot(&form, "frmDeviceType");

        Click(outline, Find(outline, "Heat Detector"));
        QVERIFY(ok->isEnabled());
        Click(outline, detectors);
        QVERIFY(!ok->isEnabled());
        Click(outline, detectors, true);
        QVERIFY(!detectors->isExpanded());
        QVERIFY(ShowsIcon(detectors, QStyle::SP_DirClosedIcon));
        QVERIFY(form.isVisible());

        // Double-clicking a type presses OK.
        detectors->setExpanded(true);
        Click(outline, Find(outline, "Optical Detector"), true);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.Result(), std::optional<int>(site.Optical));
        QVERIFY(host.boxes.empty());
    }

    void aTypeNotImplementedKeepsTheChooserOpen()
    {
        FamilySite site;
        ScriptedMessageHost host;
        frmDeviceType form(site.catalogue, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* outline = Control<QTreeWidget>(form, "outDevices");
        outline->topLevelItem(0)->setExpanded(true);

        Click(outline, Find(outline, "Legacy Module"));
        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QCOMPARE(host.Texts(), std::vector<std::string>{"Sorry, this type is not implemented in the calculator!"});
        QCOMPARE(host.boxes[0].Style, MsgStyle::Information);
        QVERIFY(form.isVisible());
        QCOMPARE(form.Result(), std::nullopt);

        Click(outline, Find(outline, "Input Unit"));
        QTest::mouseClick(Control<QPushButton>(form, "btnOK"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Result(), std::optional<int>(site.InputUnit));
    }

    void withNoFamilyShownItExplainsInsteadOfTheOutline()
    {
        FamilySite site;
        site.ShowOnly({});
        ScriptedMessageHost host;
        frmDeviceType form(site.catalogue, host);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(Control<QLabel>(form, "lblChoose")->text(),
                 "There are no addressable devices to choose from! Select a Device Family in the Options dialogue "
                 "box.");
        QVERIFY(!Control<QTreeWidget>(form, "outDevices")->isVisible());
        QVERIFY(!Control<QLabel>(form, "lblHint")->isVisible());
        QVERIFY(!Control<QPushButton>(form, "btnOK")->isEnabled());
        Screenshot(&form, "frmDeviceType_empty");
        form.accept();
        QVERIFY(form.isVisible());
        QCOMPARE(form.Result(), std::nullopt);
    }

    void chooseDeviceTypeReturnsTheCodeOrNothing()
    {
        FamilySite site;
        ScriptedMessageHost host;

        const auto chosen = ChooseWith(site.catalogue, host, [](frmDeviceType& chooser) {
            auto* outline = Control<QTreeWidget>(chooser, "outDevices");
            outline->topLevelItem(1)->setExpanded(true);
            Click(outline, Find(outline, "Detector Base Slave"));
            QTest::mouseClick(Control<QPushButton>(chooser, "btnOK"), Qt::LeftButton);
        });
        QCOMPARE(chosen, std::optional<int>(site.SlaveBase));

        const auto cancelled = ChooseWith(site.catalogue, host, [](frmDeviceType& chooser) {
            QTest::mouseClick(Control<QPushButton>(chooser, "btnCancel"), Qt::LeftButton);
        });
        QCOMPARE(cancelled, std::nullopt);

        const auto closed = ChooseWith(site.catalogue, host, [](frmDeviceType& chooser) {
            auto* outline = Control<QTreeWidget>(chooser, "outDevices");
            outline->topLevelItem(1)->setExpanded(true);
            Click(outline, Find(outline, "Heat Detector"));
            chooser.close();
        });
        QCOMPARE(closed, std::nullopt);
        QVERIFY(host.boxes.empty());
    }
};

FERROLUX_QT_TEST(frmDeviceTypeTest);
#include "frmDeviceTypeTest.moc"
