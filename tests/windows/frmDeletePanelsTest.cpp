#include "windows/frmDeletePanels.h"

#include "support/QtTestMain.h"
#include "windows/PanelSite.h"
#include "windows/QtClicks.h"

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
    void deletesPanelsButNotTheOneInUse()
    {
        PanelSite site;
        site.SelectCurrent("Site Panel");
        frmDeletePanels form(site.document, site.catalogue, site.options, site.host, site.files, true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.windowTitle(), "Delete User-Defined Control Panel");
        auto* list = Control<QListWidget>(form, "lstPanels");
        auto* btnDelete = Control<QPushButton>(form, "btnDelete");
        QCOMPARE(btnDelete->text(), "&Delete");
        QCOMPARE(Control<QPushButton>(form, "btnClose")->text(), "&Close");
        QCOMPARE(Entries(list), QStringList({"Site Panel", "Spare Panel"}));
        QCOMPARE(list->item(1)->data(Qt::UserRole).toInt(), PanelSite::SparePanel);
        QVERIFY(!btnDelete->isEnabled());
        Screenshot(&form, "frmDeletePanels_delete");

        // The panel in use is refused and stays.
        Click(list, "Site Panel");
        QVERIFY(btnDelete->isEnabled());
        Press(form, "btnDelete");
        QCOMPARE(site.host.Texts(),
                 std::vector<std::string>{"The current Loop Calculation is using this panel, it cannot be deleted!"});
        QCOMPARE(site.host.boxes[0].Caption, "Delete Custom Panel");
        QCOMPARE(Entries(list), QStringList({"Site Panel*", "Spare Panel"}));
        QVERIFY(btnDelete->isEnabled());
        QVERIFY(!form.Changed());

        Click(list, "Spare Panel");
        Press(form, "btnDelete");
        QCOMPARE(Entries(list), QStringList({"Site Panel"}));
        QVERIFY(!btnDelete->isEnabled());
        QVERIFY(form.isVisible());
        QVERIFY(form.Changed());

        // A double-click deletes too; the last one closes the list.
        site.SelectCurrent("Acme 2");
        DoubleClick(list, "Site Panel");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QVERIFY(!CheckCustomPanelMenu(site.catalogue));
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QCOMPARE(site.NamesAfterRestart(), (std::vector<std::string>{"Acme 2", "Unknown Panel"}));
    }

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
