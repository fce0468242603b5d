// Where the minimised window draws its icon along one axis: centred, with
// the odd pixel to the left or top, in signed arithmetic that truncates
// toward zero (an empty client area puts a 32-pixel icon at -15).
#pragma once

constexpr int MinimisedIconOffset(int clientExtent, int iconExtent) { return (clientExtent - iconExtent + 1) / 2; }

static_assert(MinimisedIconOffset(36, 32) == 2);
static_assert(MinimisedIconOffset(0, 32) == -15);
static_assert(MinimisedIconOffset(33, 32) == 1);
