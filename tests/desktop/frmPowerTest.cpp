#include "desktop/frmPower.h"

#include "document/PowerText.h"
#include "support/CalcRun.h"
#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace QtClicks;

namespace {

QString Summary(QWidget& window) { return Control<QLabel>(window, "lblSummary")->text(); }

}  // namespace

class frmPowerTest : public QObject {
    Q_OBJECT

private slots:
    // A designer adds a load, changes the rule, mistypes a period and keeps
    // the result (its round trip through the file is the power section's).
    void walksTheBatteryFromSiteToSavedFile()
    {
        DesktopSite site;
        const std::string path = site.CopyExample("Harbour-Hotel.QLX", "Harbour-Hotel.QLX");
        QVERIFY(site.ShowMainWindow(path));
        frmMain& window = site.app->MainWindow();
        auto* line = Control<QLabel>(window, "lblPower");

        QString chosen;
        const WhenModal editing([&](QWidget* modal) {
            const QString before = Summary(*modal);
            QCOMPARE(before, line->text());

            // A new load opens on its description; its currents change the result.
            QTest::mouseClick(Control(*modal, "btnAddLoad"), Qt::LeftButton);
            auto* loads = Control<QTableWidget>(*modal, "grdLoads");
            const int added = loads->rowCount() - 1;
            QLineEdit* description = nullptr;
            for (QLineEdit* box : loads->findChildren<QLineEdit*>())
                description = box->isVisible() ? box : description;
            QVERIFY(description);
            Type(description, "Sounder circuits", Qt::Key_Return);
            QTRY_COMPARE(loads->item(added, frmPower::Description)->text(), "Sounder circuits");
            QVERIFY(modal->isVisible());  // Enter ends the cell, not the window
            loads->item(added, frmPower::Quantity)->setText("4");
            loads->item(added, frmPower::Alarm)->setText("250");
            QVERIFY(Summary(*modal) != before);

            // NFPA 72 brings its own alarm period (the power core's rule).
            auto* rule = Control<QComboBox>(*modal, "cmbRule");
            rule->setCurrentIndex(rule->findText("NFPA 72 2022"));
            auto* alarm = Control<QLineEdit>(*modal, "txtAlarm");
            QCOMPARE(alarm->text(), "5");
            SaveScreen(*modal, "frmPower");

            // A letter in a period: said on OK, and the box gets the focus.
            alarm->selectAll();
            QTest::keyClicks(alarm, "1O");
            QTest::mouseClick(Control(*modal, "btnOK"), Qt::LeftButton);
            QCOMPARE(site.host.boxes.size(), size_t(1));  // the refusal, word for word, is the power core's
            QVERIFY(modal->isVisible());
            QCOMPARE(QApplication::focusWidget(), alarm);
            alarm->selectAll();
            QTest::keyClicks(alarm, "10");
            chosen = Summary(*modal);
            QTest::mouseClick(Control(*modal, "btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(Control(window, "btnPower"), Qt::LeftButton);
        QCOMPARE(line->text(), chosen);
        QVERIFY(site.app->document().Dirty);
        QTest::qWait(50);
        SaveScreen(window, "frmMain-Power");

        QVERIFY(window.DoMenuSave());

        // Escape asks before the change is thrown away (whether to ask is
        // the power core's): Keep Editing keeps the window open, Discard
        // leaves the site as it was.
        const WhenModal cancelling([&](QWidget* modal) {
            Control<QComboBox>(*modal, "cmbRule")->setCurrentIndex(0);
            const size_t asked = site.host.boxes.size();
            site.host.Answer(MsgResult::No);
            QTest::keyClick(modal, Qt::Key_Escape);
            QVERIFY(modal->isVisible() && site.host.boxes.size() == asked + 1);
            site.host.Answer(MsgResult::Yes);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        Control<QAction>(window, "mnuPower")->trigger();
        QVERIFY(!site.app->document().Dirty);
        QCOMPARE(line->text(), chosen);
    }

    // A size typed in the fitted battery box stays as typed, though a listed
    // size begins with it.
    void theFittedBatteryIsTheNumberTyped()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(site.CopyExample("Harbour-Hotel.QLX", "Harbour-Hotel.QLX")));
        frmPower power(site.app->document(), site.app->options(), site.environment.LocaleId, site.host);
        power.show();
        QVERIFY(QTest::qWaitForWindowActive(&power));
        auto* fitted = Control<QComboBox>(power, "cmbFitted");
        QVERIFY(fitted->findText("100") >= 0);
        fitted->setFocus(Qt::TabFocusReason);
        fitted->lineEdit()->selectAll();
        QTest::keyClicks(fitted->lineEdit(), "10");
        QTest::keyClick(fitted->lineEdit(), Qt::Key_Tab);
        QCOMPARE(fitted->currentText(), "10");
        QVERIFY(Summary(power).contains("10 Ah fitted"));
        QTest::mouseClick(Control(power, "btnOK"), Qt::LeftButton);
        QCOMPARE(site.app->document().Power.FittedBattery, std::optional<int32_t>(1000));
    }
};

FERROLUX_QT_TEST(frmPowerTest);
#include "frmPowerTest.moc"
