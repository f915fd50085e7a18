// The traced point and what is read there: the y that the report gives at a 32-bit x, read on the
// window's thread with an evaluator of its own (built from the drawing's postfix text when first
// needed) once each time the trace moves, the readout's words, and the searches for the next
// zero, extremum or break, run in slices so that the window never waits more than a moment.
#pragma once

#include "CompiledPostfix.h"
#include "CurveReading.h"
#include "Evaluation.h"
#include "NumberText.h"
#include "ReadoutNumbers.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pellitor::graph {

struct GraphCurve;

class GraphTrace : public QObject {
    Q_OBJECT
public:
    using MessageTranslator = std::function<QString(const QString&)>;

    GraphTrace(const platform::NumberText& numbers, MessageTranslator translateMessage, QObject* parent = nullptr);

    // The drawing whose expression is read; nullptr or a refused one reads nothing.
    void setCurve(const GraphCurve* curve);
    // A postfix text read in the angle unit; an empty one reads nothing.
    void setExpression(const std::u16string& postfix, bool degrees);
    // The name of the curve read, in front of the readout where several curves show ("y2"); none
    // where one does.
    void setName(const QString& name) { m_name = name; }
    bool readable() const { return !m_postfix.empty(); }

    // Reads what the report gives at x, for reading() and readout() until the next move; pixel,
    // where the trace was put there by the pointer or by a pixel's step, is how wide a pixel is
    // in x, and the readout gives x to that.
    void moveTo(float x, std::optional<double> pixel = std::nullopt);
    // What the report gives at the traced x; no value before the first move to a readable curve.
    const Evaluation& reading() const { return m_reading; }
    // "x = 0.5   y = 3.8756" at the traced x, or the report's words where it has no y.
    QString readout() const;
    // The readout's numbers in the user's number format.
    const ReadoutNumbers& numbers() const { return m_texts; }

    // Looks for the next feature of a kind from x towards direction over the view (columns and
    // rows in pixels); atFeature says that x is what an earlier search found. found() comes when
    // it ends, with its words.
    void search(FeatureSearch::Looking looking, int direction, float x, bool atFeature, const plot::Span& xs,
                const plot::Span& ys, int columns, int rows);
    void cancelSearch();
    bool searching() const { return m_search != nullptr; }

    // The words for a feature: "zero at x = 1.25331414", "maximum at x = ...; y = ...".
    QString words(const Feature& feature) const;

signals:
    // A search ended: at the feature it found, or with nothing and the words that say so.
    void found(std::optional<pellitor::graph::Feature> feature, const QString& words);

private:
    void searchOn();
    CompiledPostfix& compiled();

    ReadoutNumbers m_texts;
    MessageTranslator m_translateMessage;
    std::u16string m_postfix;
    QString m_name;
    bool m_degrees = false;
    std::unique_ptr<CompiledPostfix> m_compiled;
    float m_x = 0.0f;
    std::optional<double> m_pixel;
    Evaluation m_reading;
    std::unique_ptr<FeatureSearch> m_search;
    int m_searchDirection = 1;
    FeatureSearch::Looking m_looking = FeatureSearch::Looking::Zero;
};

} // namespace pellitor::graph
