#include "desktop/frmDeletePanels.h"

#include "support/PanelSite.h"
#include "support/QtClicks.h"
#include "support/QtModal.h"
#include "support/QtTestMain.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace QtClicks;

class frmDeletePanelsTest : public QObject {
    Q_OBJECT

private slots:
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

FERROLUX_QT_TEST(frmDeletePanelsTest);
#include "frmDeletePanelsTest.moc"
