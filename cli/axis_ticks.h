// Round tick steps (1, 2 or 5 times a power of ten) for an axis from 0.
#pragma once

struct AxisTicks {
    double step;  // distance between ticks
    int count;    // ticks after 0; the axis ends at count * step
};

// At most about `target` ticks covering 0..max (max > 0 and finite).
AxisTicks NiceTicks(double max, int target);
