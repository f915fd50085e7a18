// What a graphing calculator calculates on the traced curve: the next intersection with another
// shown curve (I, Shift+I), the next x where it reaches a height c (y = c), the slope at the traced
// x with its error (T), and the area under it between two marked x (A, then B). Each in 64 bits or
// to neighbouring 32-bit x as graph/core computes it; the searches run in slices so that the
// window never waits, and their words are the readout's.
#pragma once

#include "Area.h"
#include "CompiledPostfix.h"
#include "Intersection.h"
#include "PlotStyle.h"
#include "ReadoutNumbers.h"
#include "Slope.h"

#include <QObject>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace pellitor::graph {

class CurveCalculations : public QObject {
    Q_OBJECT
public:
    // A shown curve: its name ("y2", empty where it is the only one), as the trace reads it.
    struct Reader {
        QString name;
        std::u16string postfix;
        bool degrees = false;
    };
    // The view the searches look over, in pixels as the picture has it.
    struct View {
        plot::Span xs;
        plot::Span ys;
        int columns = 0;
        int rows = 0;
    };

    explicit CurveCalculations(const ReadoutNumbers& numbers, QObject* parent = nullptr);

    // The shown curves, and which one the trace reads.
    void setCurves(std::vector<Reader> curves, std::size_t traced);

    // The next intersection of the traced curve with any other shown curve from x; found() gives
    // the nearest, with its words.
    void intersection(float x, int direction, const View& view);
    // The next x from x where the traced curve reaches c; found() gives it.
    void level(float c, float x, int direction, const View& view);
    // Every x in view where the traced curve reaches c, for marks.
    std::vector<float> levelMarks(float c, const View& view);
    void cancel();

    // dy/dx at x, and the words for it ("dy/dx = 0.5403023059 (± 1.2E-11)", or "no slope").
    Slope slope(double x);
    QString slopeWords(const Slope& slope) const;
    // The area from a to b, and its words ("∫ from 1 to 2 = 0.6931471806 (± 3.9E-14)").
    Area area(double a, double b);
    QString areaWords(double a, double b, const Area& area) const;

    // What the picture shows of them, over the curve: the x where the curve reaches a height, the
    // tangent at a point, the area between two x.
    struct Marks {
        std::optional<float> level;
        std::vector<float> levelXs;
        std::optional<QPointF> tangentAt; // x and y
        double tangentSlope = 0.0;
        std::optional<std::pair<double, double>> area; // from, to
        std::optional<double> areaStart;               // A pressed, B not yet
        // The rows of the table of values in view, as points on each shown curve: x, y and the
        // curve's place among them.
        struct Point {
            float x;
            float y;
            std::size_t curve;
        };
        std::vector<Point> tableRows;
    };
    Marks& marks() { return m_marks; }
    const Marks& marks() const { return m_marks; }
    // The table's rows at xs, as points on every shown curve that has a value there.
    void markTableRows(const std::vector<float>& xs);
    // Paints them, each in its curve's colour.
    void paintTableRows(QPainter& painter, const QRectF& frame, const plot::Span& xs, const plot::Span& ys,
                        const plot::PlotColours& colours) const;
    // Paints the marks over the frame, where x runs over xs and y over ys; pieces is the traced
    // curve's, for the area's shading; colour its colour.
    void paint(QPainter& painter, const QRectF& frame, const plot::Span& xs, const plot::Span& ys,
               const plot::Pieces* pieces, const QColor& colour) const;

signals:
    // A search ended: at the x it found with its words, or with nothing and the words that say so.
    void found(std::optional<float> x, const QString& words);

private:
    CompiledPostfix& compiled(std::size_t curve);
    ValueAt valueOf(std::size_t curve);
    void searchOn();
    QString named(std::size_t curve) const;

    const ReadoutNumbers& m_numbers;
    std::vector<Reader> m_curves;
    std::vector<std::unique_ptr<CompiledPostfix>> m_compiled;
    std::size_t m_traced = 0;
    // The searches under way, one for each other curve (or one for a height), and what they are.
    std::vector<std::pair<std::size_t, std::unique_ptr<IntersectionSearch>>> m_searches;
    int m_direction = 1;
    std::optional<float> m_level;
    Marks m_marks;
};

} // namespace pellitor::graph
