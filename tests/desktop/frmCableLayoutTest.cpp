#include "desktop/frmCableLayout.h"

#include "support/DesktopSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"
#include "support/SameLoop.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace QtClicks;

namespace {

QTableWidget& Grid(QWidget& window) { return *Control<QTableWidget>(window, "grdCableLayout"); }

QString Text(QWidget& window, int row, int column) { return Grid(window).item(row, column)->text(); }

// Opens the cell's box as a double-click does and types into it; the box
// commits once the key has reached it.
void TypeInto(QWidget& window, int row, int column, const QString& text)
{
    QTableWidget& grid = Grid(window);
    grid.setCurrentCell(row, column);
    grid.edit(grid.model()->index(row, column));
    // The box may take the focus only once the last box's close has been handled.
    QLineEdit* box = nullptr;
    const char* name = column == frmCableLayout::Location ? "txtLocation" : "txtCableLength";
    QTRY_VERIFY((box = OpenBox(window, name)) != nullptr && box->hasFocus());
    box->selectAll();
    const QPointer<QLineEdit> typed = box;
    Type(box, text, Qt::Key_Return);
    QTRY_VERIFY(!typed || !typed->isVisible());
}

void Click(QWidget& window, const char* button) { QTest::mouseClick(Control(window, button), Qt::LeftButton); }

// Works the cable layout window that the loop editor's button opens.
void InCableLayout(QWidget& editor, const std::function<void(QWidget&)>& walk)
{
    const WhenModal laying([&](QWidget* modal) { walk(*modal); });
    Click(editor, "btnCableLayout");
}

constexpr int Address = frmCableLayout::Address;
constexpr int Distance = frmCableLayout::Distance;
constexpr int Length = frmCableLayout::Length;
constexpr int Location = frmCableLayout::Location;

}  // namespace

class frmCableLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void laysOutASampleLoopAndKeepsItOnlyOnOK()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow("\"" + site.CopyExample("Riverside-Warehouse.QLX", "Documents/riverside.QLX") + "\""));
        frmMain& window = site.app->MainWindow();
        Document& document = site.app->document();
        const Catalogue& catalogue = document.Catalog();
        const clsCalculator before = document.Loop(1).Copy();

        const WhenModal editing([&](QWidget* editor) {
            // Loop 1 runs 380 m, the first 20 m to its first point.
            InCableLayout(*editor, [&](QWidget& layout) {
                QCOMPARE(layout.windowTitle(), "Cable Layout - Loop 1 - Offices");
                TypeInto(layout, 0, Distance, "12.5");
                // The box Enter opened on the next row takes Ctrl+Z for its
                // own text; closed, the window's undo has it. The buttons
                // name the step.
                auto* undo = Control<QToolButton>(layout, "btnUndo")->defaultAction();
                QCOMPARE(undo->text(), "&Undo Distance of point 1 12.5 m");
                QVERIFY(!Control<QToolButton>(layout, "btnRedo")->isEnabled());
                QTRY_VERIFY(OpenBox(layout, "txtCableLength") && OpenBox(layout, "txtCableLength")->hasFocus());
                QCOMPARE(Grid(layout).currentRow(), 1);
                QTest::keyClick(OpenBox(layout, "txtCableLength"), Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(Text(layout, 0, Distance), "12.5");
                QTest::keyClick(OpenBox(layout, "txtCableLength"), Qt::Key_Escape);
                QTRY_VERIFY(Grid(layout).hasFocus());
                QTest::keyClick(&Grid(layout), Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(Text(layout, 0, Distance), "");
                QVERIFY(!undo->isEnabled());
                QTest::keyClick(&Grid(layout), Qt::Key_Y, Qt::ControlModifier);
                QCOMPARE(Text(layout, 0, Distance), "12.5");
                TypeInto(layout, 1, Length, "7.5");
                QCOMPARE(Text(layout, 1, Distance), "20.0");

                // Refused: said once, and the box is open again on the cell with the text.
                TypeInto(layout, 2, Distance, "15");
                QCOMPARE(site.host.boxes.size(), size_t(1));
                QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->objectName() == "txtCableLength");
                QCOMPARE(Grid(layout).currentIndex(), Grid(layout).model()->index(2, Distance));
                auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                QCOMPARE(box->selectedText(), "15");
                QTest::keyClick(box, Qt::Key_Escape);  // ends the edit, not the window
                QVERIFY(layout.isVisible());

                Grid(layout).setCurrentCell(3, Address);
                Click(layout, "btnMoveUp");
                QCOMPARE(Text(layout, 2, Address), "4");
                QCOMPARE(Grid(layout).currentRow(), 2);

                // Spacing evenly asks first, since distances were typed; Cancel keeps them.
                site.host.Answer(MsgResult::Cancel);
                Click(layout, "btnSpaceEvenly");
                QCOMPARE(site.host.Texts().back(), CableLayoutCore::SpaceEvenlyQuestion(2));
                QCOMPARE(Text(layout, 0, Distance), "12.5");
                site.host.Answer(MsgResult::OK);
                Click(layout, "btnSpaceEvenly");
                QCOMPARE(Text(layout, 0, Distance), "27.8");  // 20 m + 360 m / 46
                SaveScreen(layout, "frmCableLayout");

                QApplication::clipboard()->setText("Address\tDistance\n1\t10\n2\tabc\n");
                Click(layout, "btnPaste");
                QCOMPARE(site.host.boxes.size(), size_t(4));
                QCOMPARE(Text(layout, 0, Distance), "10.0");

                // Esc and the close button ask before the changes go;
                // Keep Editing keeps them, Discard closes.
                const size_t boxes = site.host.boxes.size();
                site.host.Answer(MsgResult::No);
                QTest::keyClick(&Grid(layout), Qt::Key_Escape);
                QVERIFY(layout.isVisible());
                layout.close();
                QCOMPARE(site.host.boxes.size(), boxes + 2);
                QVERIFY(layout.isVisible());
                QCOMPARE(Text(layout, 0, Distance), "10.0");
                site.host.Answer(MsgResult::Yes);
                QTest::keyClick(&Grid(layout), Qt::Key_Escape);
            });
            QVERIFY(!site.host.boxes.empty());
            const testing::AssertionResult unchanged = SameLoop(document.Loop(1), before, catalogue);
            QVERIFY2(unchanged, unchanged.message());

            int address = -1;
            const QString place = "Room 1.12, corridor ceiling above the north stair door, beside the fire "
                                  "shutter to the plant room";
            InCableLayout(*editor, [&](QWidget& layout) {
                Grid(layout).setCurrentCell(45, Distance);
                Click(layout, "btnMoveUp");

                // Tab goes on from the table to the buttons; the one with the
                // focus is marked, however it got it.
                auto* ok = Control<QPushButton>(layout, "btnOK");
                const QImage unfocused = ok->grab().toImage();
                ok->setFocus(Qt::MouseFocusReason);
                QVERIFY(ok->grab().toImage() != unfocused);
                Grid(layout).setFocus(Qt::OtherFocusReason);
                QTest::keyClick(&Grid(layout), Qt::Key_Tab);
                QVERIFY(qobject_cast<QAbstractButton*>(QApplication::focusWidget()));

                Click(layout, "btnSpaceEvenly");

                // A location typed in its cell; Esc in a cell leaves it as it was.
                TypeInto(layout, 0, Location, "  " + place);
                QCOMPARE(Text(layout, 0, Location), place);
                QTRY_VERIFY(OpenBox(layout, "txtLocation") && OpenBox(layout, "txtLocation")->hasFocus());
                Type(OpenBox(layout, "txtLocation"), "Stair B", Qt::Key_Escape);
                QTRY_VERIFY(Grid(layout).hasFocus());
                QCOMPARE(Text(layout, 1, Location), "");
                SaveScreen(layout, "frmCableLayout-location");
                address = Text(layout, 0, Address).toInt();
                Click(layout, "btnOK");
            });
            QCOMPARE(document.Loop(1).Location(address), place.toStdString());
            QCOMPARE(document.Loop(1).CablePosition(1), 278);
            QCOMPARE(document.Loop(1).AddressAtPosition(45), 46);  // address 0 comes first
            Click(*editor, "btnOK");
        });
        Click(window, "btnChange_1");
        QVERIFY(document.Dirty);  // its way through the file is the document's round trip
    }
};

FERROLUX_QT_TEST(frmCableLayoutTest);
#include "frmCableLayoutTest.moc"
