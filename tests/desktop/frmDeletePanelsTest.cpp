#include "desktop/frmDeletePanels.h"

#include "support/QtTestMain.h"
#include "support/PanelSite.h"
#include "support/QtClicks.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace QtClicks;

namespace {

void Press(QWidget& form, const char* button)
{
    QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton);
}

void DoubleClick(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable("no single item " + text));
    ClickIndex(list, list->indexFromItem(found.front()), true);
}

// Runs the step once the modal dialog of this name is on show (the entry
// points run their dialogs modally, one after the other).
void WhenShown(const QString& name, std::function<void(QWidget&)> step)
{
    QTimer::singleShot(10, [name, step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name && modal->isVisible())
            step(*modal);
        else
            WhenShown(name, step);
    });
}

}  // namespace

class frmDeletePanelsTest : public QObject {
    Q_OBJECT

private slots:

    void editModeOpensTheChosenPanelInTheEditor()
    {
        PanelSite site;
        // Seen inside the modal dialogs, compared once they have closed.
        QStringList listTexts;
        QString editorName;
        WhenShown("frmDeletePanels", [&](QWidget& list) {
            listTexts << list.windowTitle() << Control<QPushButton>(list, "btnDelete")->text()
                      << Control<QPushButton>(list, "btnClose")->text();
            Screenshot(&list, "frmDeletePanels_edit");
            WhenShown("frmPanel", [&](QWidget& editor) {
                auto* name = Control<QLineEdit>(editor, "txtName");
                editorName = name->text();
                QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(name, "Reserve Panel");
                Press(editor, "btnOK");
            });
            DoubleClick(Control<QListWidget>(list, "lstPanels"), "Spare Panel");
        });
        QVERIFY(frmDeletePanels::EditPanel(site.document, site.catalogue, site.options, site.host, site.files));
        QCOMPARE(listTexts, QStringList({"Edit User-Defined Control Panel", "&Edit...", "&Cancel"}));
        QCOMPARE(editorName, "Spare Panel");
        QVERIFY(site.host.boxes.empty());
        QCOMPARE(site.NamesAfterRestart(),
                 (std::vector<std::string>{"Acme 2", "Reserve Panel", "Site Panel", "Unknown Panel"}));

        // Cancel in the list opens nothing and changes nothing.
        WhenShown("frmDeletePanels", [](QWidget& list) {
            Click(Control<QListWidget>(list, "lstPanels"), "Site Panel");
            Press(list, "btnClose");
        });
        QVERIFY(!frmDeletePanels::EditPanel(site.document, site.catalogue, site.options, site.host, site.files));
    }
};

FERROLUX_QT_TEST(frmDeletePanelsTest);
#include "frmDeletePanelsTest.moc"
