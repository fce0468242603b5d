#include "axis_ticks.h"

#include <cmath>

AxisTicks NiceTicks(double max, int target) {
    const double rough = max / target;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    const double step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
    // max / step is at most about target here, so the conversion is safe.
    int count = static_cast<int>(std::ceil(max / step * (1 - 1e-12)));
    if (count < 1) count = 1;
    return {step, count};
}
