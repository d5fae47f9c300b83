// The mathematics library the calculations evaluate sine, cosine, tangent,
// arctangent and powers with. On Linux the C library's: the golden tables are
// computed with it. On Windows correctly rounded functions (rounded_math.h): the
// runtime's own are off in the last bit for one tangent or arctangent in twenty and
// in several bits for a cosine next to a right angle, while the C library of Linux
// misrounds about one argument in 600, always by one last bit (the figure measured
// in rounded_math.h).
#pragma once

#include <cmath>

#ifdef _WIN32
#include "rounded_math.h"
#endif

namespace gp::system_math {

#ifdef _WIN32
using rounded::atan;
using rounded::cos;
using rounded::pow;
using rounded::sin;
using rounded::tan;
#else
inline double sin(double x) { return std::sin(x); }
inline double cos(double x) { return std::cos(x); }
inline double tan(double x) { return std::tan(x); }
inline double atan(double x) { return std::atan(x); }
inline double pow(double x, double y) { return std::pow(x, y); }
#endif

}  // namespace gp::system_math
