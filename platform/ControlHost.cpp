// The host's extent keys.
#include "ControlHost.h"

#include "PropertyBag.h"

#include <cmath>

namespace pellitor::platform {

namespace {
constexpr double HimetricPerPixel = 2540.0 / 96.0; // 25.4 mm per inch, 96 pixels per inch

qint32 toHimetric(int pixels)
{
    return static_cast<qint32>(std::lround(pixels * HimetricPerPixel));
}

int toPixels(qint32 himetric)
{
    return static_cast<int>(std::lround(himetric / HimetricPerPixel));
}
} // namespace

void writeExtent(PropertyBag& bag, QSize pixels)
{
    bag.store("_extentx", toHimetric(pixels.width()));
    bag.store("_extenty", toHimetric(pixels.height()));
}

QSize readExtent(const PropertyBag& bag, QSize fallback)
{
    if (!bag.contains("_extentx") || !bag.contains("_extenty"))
        return fallback;
    return {toPixels(bag.read<qint32>("_extentx", 0)), toPixels(bag.read<qint32>("_extenty", 0))};
}

} // namespace pellitor::platform
