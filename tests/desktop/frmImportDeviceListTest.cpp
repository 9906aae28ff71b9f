#include "desktop/frmImportDeviceList.h"

#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>

using namespace QtClicks;

namespace {

QString LabelText(QWidget& window, const QString& name) { return Control<QLabel>(window, name)->text(); }

void Trigger(QWidget& window, const char* action) { Control<QAction>(window, action)->trigger(); }

// Every line of the preview, a loop's lines indented under it.
QStringList PreviewLines(QWidget& window)
{
    QStringList lines;
    auto* tree = Control<QTreeWidget>(window, "treePreview");
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* loop = tree->topLevelItem(i);
        lines << loop->text(0);
        for (int j = 0; j < loop->childCount(); ++j)
            lines << "  " + loop->child(j)->text(0);
    }
    return lines;
}

}  // namespace

class frmImportDeviceListTest : public QObject {
    Q_OBJECT

private slots:
    // A list with a name the catalogues lack and a row the rules refuse:
    // the preview says so, a mapping changes it, Apply places it as one step
    // and Undo takes it back; the mapping is there the next time.
    void previewsMapsAppliesAndUndoes()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(ExamplePath("Northgate-Offices.QLX")));
        frmMain& window = site.app->MainWindow();
        const std::string list = site.folder.Write("Documents/list.csv", "Loop;Type;Qty\r\n1;Optical Smoke Detector;2\r\n"
                                                                       "1;Rauchmelder;3\r\n1;Wall Beacon;200\r\n");
        QStringList before, after;
        const WhenModal importing([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), "Import Device List - list.csv");
            before = PreviewLines(*modal);
            auto* use = Control<QComboBox>(*modal, "cboUse0");
            use->setFocus();
            use->setCurrentIndex(use->findText("Heat Detector Rate-of-Rise"));
            after = PreviewLines(*modal);
            modal->resize(1024, 600);
            SaveScreen(*modal, "frmImportDeviceList");
            QTest::mouseClick(Control(*modal, "btnApply"), Qt::LeftButton);
        });
        site.chooser.Answer(list);
        Trigger(window, "mnuImportDeviceList");
        const QString refused = "  Row 4: Invalid number of devices!  (Must be between 0 and 126)";
        QCOMPARE(before, (QStringList{"Loop 1 - Ground and first floor (1 row refused)", "  2 \u00D7 Optical Smoke Detector",
                                      refused}));
        QCOMPARE(after, (QStringList{"Loop 1 - Ground and first floor (1 row refused)", "  2 \u00D7 Optical Smoke Detector",
                                     "  3 \u00D7 Heat Detector Rate-of-Rise", refused}));
        QCOMPARE(LabelText(window, "lblDevice_1"), "45");
        QCOMPARE(Control<QAction>(window, "mnuUndo")->text(), "&Undo Import Device List");
        Trigger(window, "mnuUndo");
        QCOMPARE(LabelText(window, "lblDevice_1"), "40");

        // Again: the name's mapping is remembered; Esc places nothing.
        QString remembered;
        const WhenModal again([&](QWidget* modal) {
            remembered = Control<QComboBox>(*modal, "cboUse0")->currentText();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        site.chooser.Answer(list);
        Trigger(window, "mnuImportDeviceList");
        QCOMPARE(remembered, "Heat Detector Rate-of-Rise");
        QCOMPARE(LabelText(window, "lblDevice_1"), "40");

        // A file that is no device list is refused with the core's words, no window.
        site.chooser.Answer(site.folder.Write("Documents/notes.csv", "just,some,words\n"));
        Trigger(window, "mnuImportDeviceList");
        QCOMPARE(site.host.boxes.size(), size_t(1));
        QVERIFY(site.host.boxes.back().Text.starts_with("The device list 'notes.csv' has no header row"));
    }
};

FERROLUX_QT_TEST(frmImportDeviceListTest);
#include "frmImportDeviceListTest.moc"
