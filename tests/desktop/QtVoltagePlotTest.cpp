// The voltage plot painted on a recording paint device (its curves, markers
// and texts), and in the loop editor: following the recalculations, telling
// about the point under the mouse, and resizing with the window; its
// screenshots are saved as SaveScreen says.

#include "desktop/QtVoltagePlot.h"
#include "desktop/VoltagePlotView.h"
#include "desktop/frmLoop.h"

#include "document/AlongCableVerdict.h"
#include "support/AlongCableSample.h"
#include "support/LoopEditorSite.h"
#include "support/QtClicks.h"
#include "support/QtScreens.h"
#include "support/QtTestMain.h"

#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QTest>

namespace {

// What a painter asked for: polylines, round and three-cornered markers, red
// shapes (markers below their minimum) and texts.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyBrush)
            brush = state.brush().style() == Qt::NoBrush ? QColor() : state.brush().color();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }
    void drawEllipse(const QRectF&) override { Count(circles); }
    void drawPolygon(const QPointF*, int, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            ++polylines;
        else
            Count(triangles);
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int count) override { red += brush == Failing ? count : 0; }
    void drawPath(const QPainterPath&) override {}

    int polylines = 0, circles = 0, triangles = 0, red = 0;
    QStringList texts;

private:
    void Count(int& shapes)
    {
        ++shapes;
        red += brush == Failing ? 1 : 0;
    }
    QColor brush;
    const QColor Failing{0xd0, 0x1c, 0x1c};
};

// An 800 x 450 image whose painter records instead of drawing.
class RecordingDevice : public QImage {
public:
    RecordingDevice() : QImage(800, 450, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;
};

RecordingEngine& Paint(RecordingDevice& device, const AlongCableResult& result)
{
    QPainter painter(&device);
    PaintVoltagePlot(painter, QRectF(0, 0, 800, 450), result, 0);
    return device.engine;
}

// The loop editor's site with ten detectors on loop 1's 500 m cable.
struct Site : LoopEditorSite {
    Site()
    {
        for (int address = 1; address <= 10; ++address)
            Loop().SetDeviceType(address, detector);
        Loop().SetCableImpedance(1210);
        Loop().SetCableTotal(5000);
    }
};

}  // namespace

using namespace QtClicks;

class QtVoltagePlotTest : public QObject {
    Q_OBJECT

private slots:
    void aCurveAndMarkersPerFeedAndTheLowestLabelled()
    {
        RecordingDevice device;
        const RecordingEngine& drawn = Paint(device, ThreeDetectorsAlongTheCable());
        QCOMPARE(drawn.polylines, 3);
        // A marker per point and feed, and the legend's: circles for the loop
        // whole and for "below its minimum", triangles open at OUT.
        QCOMPARE(drawn.circles, 3 + 2);
        QCOMPARE(drawn.triangles, 3 + 1);
        QCOMPARE(drawn.red, 1 + 1);
        for (const char* text : {"Address 3: 21.50 V", "Address 3: 16.50 V", "Address 3: 21.00 V", "Open at IN end",
                                 "Distance from OUT (m)", "Voltage (V)"})
            QVERIFY2(drawn.texts.contains(text), text);
    }

    void theEditorsPlotFollowsTheLoopAndTellsAboutAPoint()
    {
        Site site;
        frmLoop window(site.document, site.options, site.host, 1, [](QWidget*) { return std::optional<int>(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* plot = Control<VoltagePlotView>(window, "picVoltagePlot");
        QCOMPARE(plot->Result().Points.size(), size_t(10));
        QVERIFY(plot->height() >= plot->minimumHeight() && plot->width() > window.width() / 2);
        SaveScreen(window, "frmLoop-plot");

        // Under the mouse, the first detector with its three voltages.
        const AlongCablePoint& first = plot->Result().Points.front();
        const QStringList tip = plot->TipAt(QPointF(PointX(plot->Layout(), first), PointY(plot->Layout(), first, Feed::Whole)))
                                    .split('\n');
        QCOMPARE(tip.size(), 4);
        QCOMPARE(tip.front(), "Address 1: Detector");
        QVERIFY(tip[2].startsWith("Open at IN end: ") && tip[2].endsWith(" V"));
        QVERIFY(plot->TipAt(QPointF(0, 0)).isEmpty());

        // A typed cable length recalculates the loop, and the plot follows.
        QLineEdit* total = Control<QLineEdit>(window, "txtTotalLength");
        total->setFocus();
        total->selectAll();
        Type(total, "300", Qt::Key_Return);
        QCOMPARE(plot->Result().CableLength, 3000.0);
        auto* along = Control<QLabel>(window, "lblAlongCable");
        QCOMPARE(along->text(), QString::fromStdString(AlongCableLine(JudgeAlongCable(plot->Result()))));
        QVERIFY(along->styleSheet().isEmpty());  // every check passes

        // At the smallest size the plot keeps its room beside everything else.
        window.resize(window.minimumSize());
        QTest::qWait(50);
        QVERIFY(plot->height() >= plot->minimumHeight());
        SaveScreen(window, "frmLoop-plot-small");
        window.reject();
    }
};

FERROLUX_QT_TEST(QtVoltagePlotTest);
#include "QtVoltagePlotTest.moc"
