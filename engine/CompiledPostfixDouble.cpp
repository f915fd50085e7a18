// The compiled program evaluated at a 64-bit x, with its 64-bit result.
#include "CompiledPostfix.h"

#include "CompiledRun.h"

#include <cfloat>
#include <cmath>

namespace pellitor {

Truth CompiledPostfix::evaluateDouble(double x, double& result)
{
    // An x beyond the 32-bit range raises at the first "XX" as a non-finite 32-bit x does.
    if (m_readsX && !(std::fabs(x) <= FLT_MAX)) [[unlikely]]
        return run<true>(x, result);
    return run<false>(x, result);
}

} // namespace pellitor
