// An SVG picture of the design spectrum Sd(T) of one case: the curve for
// q* and for the two corner behaviour factors, TB, TC and TD, the nominal
// point, the Tmin..Tmax band and the four corner ordinates.
#pragma once

#include <string>

#include "error_factor_bounds.h"

// Empty when the case can be drawn; otherwise why not, naming the field.
// Drawing needs finite, positive behaviour and error factors.
std::string CheckPlottable(const ErrorFactorInputs& in);

std::string RenderSpectrumSvg(const ErrorFactorInputs& in);
