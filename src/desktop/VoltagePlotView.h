#pragma once
// The loop editor's voltage plot: draws the loop's latest analysis along the
// cable as the window resizes, and tells about the point under the mouse.

#include <QStringList>
#include <QWidget>

#ifndef Q_MOC_RUN
#include "report/VoltagePlotLayout.h"
#endif

class VoltagePlotView : public QWidget {
    Q_OBJECT
public:
    explicit VoltagePlotView(QWidget* parent = nullptr);

    // The plot to draw, lengths in metres or feet by `units`, with a tip for
    // each point (in the order of the result's points).
    void SetPlot(AlongCableResult result, int units, QStringList tips);

    const AlongCableResult& Result() const { return result_; }
    const VoltagePlotLayout& Layout() const { return layout_; }
    // The tip for the point whose marker is near `at`; empty when none is.
    QString TipAt(QPointF at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    AlongCableResult result_;
    int units_ = 0;
    QStringList tips_;
    VoltagePlotLayout layout_;  // as last painted
};
