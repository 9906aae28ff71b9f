#include "desktop/frmHowManyMore.h"
#include "desktop/frmLoop.h"

#include "forms/HelpTopics.h"
#include "support/LoopEditorSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using namespace QtClicks;

class frmHowManyMoreTest : public QObject {
    Q_OBJECT

private slots:
    // From the detector row of the loop editor: how many more, either
    // placement, Add as one step of the editor, Esc, then Undo in the editor.
    void answersForARowAndAddsThemAsOneStep()
    {
        LoopEditorSite site;
        const auto window = site.Open<frmLoop>();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ClickRow(*window, "grdDevices", 0);
        bool walked = false;
        const WhenModal asking([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), "How Many More? - Loop 1");
            QCOMPARE(dynamic_cast<HelpTopicWindow*>(modal)->HelpTopic(), HelpTopic::HowManyMore);
            QCOMPARE(Control<QLabel>(*modal, "lblType")->text(), "Detector");
            const QString fit = "32 more fit; one more fails along the cable: no isolator: 33 points, limit 32";
            QCOMPARE(Control<QLabel>(*modal, "lblAnswer")->text(), fit);
            Control<QRadioButton>(*modal, "optFarEnd")->click();
            QCOMPARE(Control<QLabel>(*modal, "lblAnswer")->text(), fit);
            modal->resize(1366, 768);
            modal->resize(modal->minimumSizeHint());
            SaveScreen(*modal, "frmHowManyMore");
            auto* add = Control<QPushButton>(*modal, "btnAddMore");
            QCOMPARE(add->text(), "Add 32");
            QTest::mouseClick(add, Qt::LeftButton);
            QCOMPARE(site.Loop().QtyDevices(), 32);
            QVERIFY(!add->isEnabled());
            QTest::keyClick(modal, Qt::Key_Escape);
            QVERIFY(!modal->isVisible());
            walked = true;
        });
        QTest::keyClick(Control<QTableView>(*window, "grdDevices"), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(walked);
        auto* undo = Control<QToolButton>(*window, "btnUndo");
        QCOMPARE(undo->defaultAction()->text(), "&Undo Add 32 Detector");
        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(site.Loop().QtyDevices(), 0);
    }
};

FERROLUX_QT_TEST(frmHowManyMoreTest);
#include "frmHowManyMoreTest.moc"
