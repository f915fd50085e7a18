// The start of most tests of the graph window: the window of an expression shown offscreen, its
// numbers in United States English and its texts untranslated, and the wait for its worker.
#pragma once

#include "GraphCanvas.h"
#include "GraphWindow.h"
#include "LocaleNumberText.h"

#include <QtTest>

#include <memory>
#include <string>

namespace pellitor::testing {

inline const platform::LocaleNumberText& englishNumbers()
{
    static const platform::LocaleNumberText english(QLocale(QLocale::English, QLocale::UnitedStates));
    return english;
}

// The graph of expression at parameter in radians, shown at size (an invalid size keeps the
// window's own).
inline std::unique_ptr<graph::GraphWindow> shownGraph(std::u16string expression, std::u16string parameter = {},
                                                      QSize size = {640, 480})
{
    auto window = std::make_unique<graph::GraphWindow>(englishNumbers(), [](const QString& text) { return text; });
    window->setInputs({std::move(expression), std::move(parameter), false});
    if (size.isValid())
        window->resize(size);
    window->show();
    return window;
}

// Whether the worker has drawn the latest request within ten seconds.
inline bool settled(const graph::GraphCanvas* canvas)
{
    return QTest::qWaitFor([canvas] { return !canvas->computing(); }, 10000);
}

} // namespace pellitor::testing
