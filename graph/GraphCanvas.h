// The graph itself: y over x for the main window's three inputs, painted as pellitor-calc paints
// its picture, live as the inputs change, and moved by the pointer, the wheel, a touchpad's pinch
// and the keyboard. The curves are computed on the graph's own thread; this widget paints the
// latest one over the current view, so that a move shows at once and the curve follows. Painting
// evaluates nothing and copies no curve.
#pragma once

#include "CurveCalculations.h"
#include "CurveSet.h"
#include "GraphComputation.h"
#include "GraphMarks.h"
#include "GraphPicture.h"
#include "GraphSound.h"
#include "GraphTrace.h"
#include "GraphViewport.h"
#include "GraphWorker.h"
#include "NumberText.h"
#include "PlotPicture.h"
#include "TableModel.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace pellitor::graph {

class ViewNavigator;

class GraphCanvas : public QWidget {
    Q_OBJECT
public:
    // translateMessage puts an error's text, as the engine writes it, into the user's language.
    GraphCanvas(const platform::NumberText& numbers, GraphTrace::MessageTranslator translateMessage,
                QWidget* parent = nullptr);

    void setInputs(GraphInputs inputs);
    const GraphViewport& viewport() const { return m_viewport; }
    // The latest drawing, or nullptr before the first one came.
    const GraphCurve* curve() const { return m_curve.get(); }
    // Whether a drawing for the current inputs, view and size is still being computed.
    bool computing() const { return !m_curve || m_curve->serial != m_requested; }

    // The picture as it shows now, at size (the view, and the latest curve, shared), in style.
    plot::PlotPicture picture(const plot::Size& size, const plot::PlotStyle& style) const
    {
        return m_picture.picture(size, style);
    }
    // On the screen: in the desktop's colours and font.
    plot::PlotPicture shownPicture() const { return picture(pictureSize(), screenStyle()); }
    plot::PlotStyle screenStyle() const { return m_picture.screenStyle(); }
    // The widget's size within the sides that pellitor-calc draws: the picture's, and the bound
    // on the cost of drawing it, however large the window.
    plot::Size pictureSize() const { return m_picture.pictureSize(); }
    // The same in the screen's pixels: the size the curve is drawn for, every pixel column of
    // the screen true, and the size of the picture saved, copied or printed.
    plot::Size drawnSize() const { return m_picture.drawnSize(); }
    // Calls use with the picture as it shows, drawn for the view as it is now, at once or when
    // the worker has drawn it: the picture that pellitor-calc draws for the same view and size
    // (its light colours and its font, whatever the desktop's), at the screen's pixels.
    void whenDrawn(std::function<void(const plot::PlotPicture&)> use);

    // The traced x, once there is a curve; the readout at it.
    std::optional<float> traceX() const { return m_traceX; }
    const QString& readout() const { return m_readout; }
    // Moves the trace to x, and the view with it when x lies outside.
    void traceTo(float x);
    // Empties the readout until the trace moves again: an x typed for it was refused.
    void clearReadout() { showReadout(QString()); }
    // Whether the trace shows as the dashed line: its x is in view, the curve has no point there.
    bool traceIsALine() const { return m_marks->traceIsALine(frame()); }
    // How wide a pixel of the frame is in x.
    double pixelWidth() const;
    // The audio trace (H, Shift+H).
    GraphSound* sound() const { return m_sound; }
    // The view's moves, for the window's menu.
    ViewNavigator* navigator() const { return m_navigator; }
    // Home: the first view for the angle unit.
    void resetView();
    // The pinned curves (Ctrl+D pins the live one; Delete removes, Ctrl+H hides the traced one).
    const CurveSet& curves() const { return m_curves; }
    void pinLive();
    // Moves the trace to the next x where the traced curve reaches c, towards direction, and marks
    // every such x in view.
    void goToLevel(float c, int direction);
    // The rows of the table of values in view, marked as points on the shown curves.
    void markTableRows(std::vector<float> xs);
    // The shown curves as the table of values heads and reads them.
    std::vector<TableCurve> tableCurves() const;
    // What the calculations mark on the picture.
    const CurveCalculations::Marks& calculationMarks() const { return m_calc->marks(); }
    void setPinShown(std::size_t pin, bool shown);
    void removePin(std::size_t pin);

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

signals:
    // A word on the view for the status line ("" when there is none): a move refused at the
    // finest or the widest view.
    void viewNote(const QString& note);
    // A new drawing came.
    void curveChanged();
    // The view moved.
    void viewChanged();
    // The trace moved, or a search ended: what a reader hears.
    void readoutChanged(const QString& readout);
    // Enter on the trace: its x, for the report.
    void traceChosen(float x);
    // A key that starts a number was typed: the text of it, to begin an x with.
    void typingX(const QString& text);
    // The context menu, at globalPos: a right click, the Menu key or Shift+F10.
    void menuAsked(const QPoint& globalPos);
    // A curve was pinned, shown, hidden or removed, or the trace moved to another curve.
    void curvesEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Takes the drawings the worker has finished, in order, on this widget's thread.
    Q_INVOKABLE void takeFinished();
    void received(std::shared_ptr<const GraphCurve> curve);
    // Asks for the curve of the view; with shownYs, at the y in view even while y follows the curve.
    void requestCurve(bool shownYs = false);
    // Whether the latest curve was drawn for the view and the size as they show.
    bool drawnAsShown() const;
    void serveWaiting();
    void moved(GraphViewport::Move move);
    // The frame of the picture as it shows now, where the view's x and y lie.
    QRectF frame() const;
    CurveCalculations::View searchView() const;
    // What the trace shows beside the readout: the slope, where T turned it on.
    QString withSlope(const QString& readout);
    void foundPoint(std::optional<float> x, const QString& words);
    void readTracedCurve();

    void curvesChanged(bool redraw);
    void sweepWhenDrawn();
    SoundPoint tracedSound();
    // Moves the trace to x (the view with it where scroll says so), with the words of a jump
    // that found it there, or with pixel, the width of a pixel in x, where the pointer or a
    // pixel's step put it there.
    void moveTrace(float x, bool scroll, const QString& words = QString(), std::optional<double> pixel = std::nullopt);
    void showReadout(const QString& readout);
    void searchFor(FeatureSearch::Looking looking, int direction);
    void foundFeature(const std::optional<Feature>& feature, const QString& words);
    void describe();

    // The keys act on the canvas as its own code does.
    friend class GraphKeys;

    const platform::NumberText& m_numbers;
    GraphViewport m_viewport;
    CurveSet m_curves;
    CurveCalculations* m_calc = nullptr;
    bool m_slopeShown = false;
    std::vector<float> m_tableRows;
    std::shared_ptr<const GraphInputs> m_inputs = std::make_shared<const GraphInputs>();
    std::shared_ptr<const GraphCurve> m_curve;
    // The latest curve that was drawn: while the text is refused it stays, dimmed.
    std::shared_ptr<const GraphCurve> m_drawn;
    GraphPicture m_picture{{*this, m_numbers, m_viewport, m_curves, m_inputs, m_curve, m_drawn}};
    std::uint64_t m_requested = 0;
    bool m_askedShownYs = false;                                          // the latest request gave the y in view
    std::vector<std::function<void(const plot::PlotPicture&)>> m_waiting; // whenDrawn's
    GraphTrace m_trace;
    std::optional<float> m_traceX;
    bool m_traced = false;              // whether the user has traced: until then the readout says how
    std::optional<double> m_tracePixel; // the readout's resolution of the traced x, where it has one
    std::optional<float> m_parameterX;  // the parameter's x in the latest drawing, where in view
    QString m_readout;
    // What a jump found, its words kept while the trace stays at its x and the inputs stay.
    QString m_label;
    std::optional<float> m_labelX;
    std::shared_ptr<const GraphInputs> m_labelInputs;
    GraphSound* m_sound;
    ViewNavigator* m_navigator;
    bool m_sweepAsked = false; // H waits for the drawing of the view
    std::unique_ptr<GraphMarks> m_marks;
    // The worker's finished drawings, until this widget's thread takes them.
    std::mutex m_finishedMutex;
    std::vector<std::shared_ptr<const GraphCurve>> m_finished;
    // Last, so that its thread ends before the members it hands its drawings to.
    GraphWorker m_worker;
};

} // namespace pellitor::graph
