// An expression as the report's evaluator reads it, as a curve of 32-bit x and of 64-bit x.
#pragma once

#include "CompiledPostfix.h"
#include "CurveReading.h"
#include "Evaluation.h"
#include "RecordingMessageBox.h"

#include <memory>
#include <string>

namespace pellitor::testing {

class CurveOf {
public:
    explicit CurveOf(const std::u16string& expression, bool degrees = false)
    {
        RecordingMessageBox boxes;
        m_compiled = std::make_unique<CompiledPostfix>(translate(expression, boxes).value().postfix, degrees);
    }
    graph::ValueAt single() const
    {
        return [this](float x) { return valueAt(*m_compiled, x); };
    }
    graph::ValueAtDouble wide() const
    {
        return [this](double x) { return valueAtDouble(*m_compiled, x); };
    }

private:
    std::unique_ptr<CompiledPostfix> m_compiled;
};

inline std::string shown(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

} // namespace pellitor::testing
