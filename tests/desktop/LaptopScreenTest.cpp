// The windows on a laptop's screen (the Qt tests run on a 1366 x 768 one):
// each fits it at its smallest and at the size it opens at, with room for a
// panel and a title bar; the main window's texts are whole; F1 opens each
// window's own help topic; a window opens again at the size it was left at.
// Screenshots of each are saved as SaveScreen says.

#include "desktop/frmCableLayout.h"
#include "desktop/frmLoop.h"
#include "desktop/frmPower.h"

#include "forms/HelpTopics.h"
#include "forms/OptionsDialogCore.h"
#include "support/DesktopSite.h"
#include "support/LoopEditorSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSplitter>

using namespace QtClicks;

namespace {

// The screen less a panel of 32 and a title bar of 30.
constexpr QSize LaptopRoom(1366, 768 - 32 - 30);

bool Fits(QSize size) { return size.width() <= LaptopRoom.width() && size.height() <= LaptopRoom.height(); }

void CheckFits(QWidget& window)
{
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    QVERIFY2(Fits(least) && Fits(window.size()), qPrintable(window.objectName()));
}

// Every label on show holds its whole text: on its line, or wrapped in its height.
void CheckTextsWhole(QWidget& area)
{
    // Each layout's pending request may post another up the tree.
    for (int depth = 0; depth < 8; ++depth)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QLabel* label : area.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&area) || label->text().isEmpty())
            continue;
        const bool whole = label->wordWrap()
                               ? label->heightForWidth(label->contentsRect().width()) <= label->contentsRect().height()
                               : label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
        QVERIFY2(whole, qPrintable(label->objectName() + " cuts \"" + label->text() + "\""));
    }
}

// F1 where the focus is opens the window's topic, which the help pages have.
// A window just shown may be active before the focus has moved into it.
void CheckHelpKey(DesktopSite& site, QWidget& window, int topic)
{
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    const QString anchor = QString("topic-%1").arg(topic);
    QCOMPARE(site.helpOpened.value(site.helpOpened.size() - 1).fragment(), anchor);
    QFile pages(FERROLUX_HELP_INDEX);
    QVERIFY(pages.open(QIODevice::ReadOnly));
    QVERIFY2(pages.readAll().contains(QString("<section id=\"%1\">").arg(anchor).toUtf8()), qPrintable(anchor));
}

// The modal window that `open` brings up, worked by `walk` once active.
void InModal(const std::function<void()>& open, const std::function<void(QWidget&)>& walk)
{
    const WhenModal working([&](QWidget* modal) { walk(*modal), modal->close(); });
    open();
}

void Click(QWidget& window, const char* button) { QTest::mouseClick(Control(window, button), Qt::LeftButton); }

}  // namespace

class LaptopScreenTest : public QObject {
    Q_OBJECT

private slots:
    void eachWindowFitsAndF1OpensItsTopic()
    {
        DesktopSite site;
        QVERIFY(site.ShowMainWindow(site.CopyExample("Riverside-Warehouse.QLX", "Documents/riverside.QLX")));
        frmMain& window = site.app->MainWindow();
        CheckFits(window);
        CheckTextsWhole(*Control(window, "fraLoops"));
        SaveScreen(window, "laptop-frmMain");

        InModal([&] { Click(window, "btnChange_2"); },
                [&](QWidget& editor) {
                    CheckFits(editor);
                    CheckHelpKey(site, editor, HelpTopic::LoopEditor);
                    SaveScreen(editor, "laptop-frmLoop");
                    InModal([&] { Click(editor, "btnCableLayout"); },
                            [&](QWidget& layout) {
                                CheckFits(layout);
                                CheckHelpKey(site, layout, HelpTopic::CableLayout);
                                SaveScreen(layout, "laptop-frmCableLayout");
                            });
                    InModal([&] { Click(editor, "btnPlaceIsolators"); },
                            [&](QWidget& placing) {
                                CheckFits(placing);
                                CheckHelpKey(site, placing, HelpTopic::PlaceIsolators);
                            });
                    InModal([&] { Click(editor, "btnCompareCables"); },
                            [&](QWidget& compare) {
                                CheckFits(compare);
                                CheckHelpKey(site, compare, HelpTopic::CompareCables);
                            });
                });
        InModal([&] { Click(window, "btnPower"); },
                [&](QWidget& power) {
                    CheckFits(power);
                    CheckHelpKey(site, power, HelpTopic::Power);
                    SaveScreen(power, "laptop-frmPower");
                });
        InModal([&] { Control<QAction>(window, "mnuProjectProperties")->trigger(); },
                [&](QWidget& project) {
                    CheckFits(project);
                    CheckHelpKey(site, project, HelpTopic::ProjectProperties);
                    SaveScreen(project, "laptop-frmProjectProperties");
                });
        InModal([&] { Control<QAction>(window, "mnuOptions")->trigger(); }, [&](QWidget& options) {
            CheckFits(options);
            CheckHelpKey(site, options, OptionsDialogCore::HelpTopic(0));
        });
        InModal([&] { Control<QAction>(window, "mnuPrint")->trigger(); }, [&](QWidget& print) {
            CheckFits(print);
            CheckHelpKey(site, print, HelpTopic::Printing);
        });
        site.chooser.Answer(site.folder.Write("Documents/list.csv", "Loop,Type,Qty\n1,Heat sensor,2\n2,Wall Sounder,9\n"));
        InModal([&] { Control<QAction>(window, "mnuImportDeviceList")->trigger(); }, [&](QWidget& import) {
            CheckFits(import);
            CheckHelpKey(site, import, HelpTopic::ImportDeviceList);
            SaveScreen(import, "laptop-frmImportDeviceList");
        });
    }

    // Left at another size (and the loop editor's plot given more room),
    // each window opens again as it was left.
    void aWindowOpensAgainAtTheSizeItWasLeftAt()
    {
        LoopEditorSite site;
        const std::function<std::unique_ptr<QDialog>()> windows[] = {
            [&] { return site.Open<frmLoop>(); },
            [&] { return std::make_unique<frmCableLayout>(site.document, site.options, 0, site.host, 1); },
            [&] { return std::make_unique<frmPower>(site.document, site.options, "0809", site.host); },
        };
        for (const auto& open : windows) {
            QSize left;
            QList<int> split;
            {
                const std::unique_ptr<QDialog> window = open();
                window->show();
                QVERIFY(QTest::qWaitForWindowExposed(window.get()));
                left = window->minimumSize().expandedTo(QSize(900, 560)) + QSize(37, 23);
                window->resize(left);
                if (auto* splitter = window->findChild<QSplitter*>("splVoltagePlot")) {
                    splitter->setSizes({200, 300});
                    split = splitter->sizes();
                }
                window->reject();
            }
            const std::unique_ptr<QDialog> again = open();
            again->show();
            QVERIFY(QTest::qWaitForWindowExposed(again.get()));
            QCOMPARE(again->size(), left);
            if (!split.isEmpty()) {
                const QList<int> now = again->findChild<QSplitter*>("splVoltagePlot")->sizes();
                QVERIFY2(std::abs(now[1] - split[1]) <= 2, qPrintable(QString("plot %1, left at %2").arg(now[1]).arg(split[1])));
            }
            again->reject();
        }
    }
};

FERROLUX_QT_TEST(LaptopScreenTest);
#include "LaptopScreenTest.moc"
