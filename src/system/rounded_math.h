// Sine, cosine, tangent, arctangent and power rounded correctly to the nearest
// double, the same on every system.
//
// The results are rounded at the fifth decimal, so a mathematics library that
// differs from another in the last bit of one tangent flips a displayed digit at a
// tie. The C library of Linux misrounds these functions for about one argument in
// 600, always by one last bit: 8,838 of the 5,236,111 distinct arguments that 100,000
// random forms and the golden cases hand them. The Windows C runtime misrounds far
// more often (one tangent or arctangent in twenty), and its cosine next to a right
// angle is wrong in several bits. These functions compute in double-double
// arithmetic (about 106 bits) and round once, so that the Windows build gives the
// Linux results. Arguments beyond 2^20 (no sensible angle) and powers outside the
// doubles' range fall back to the system's library.
#pragma once

namespace gp::rounded {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
// x^y for x > 0 (the only powers the calculations take); the system's for others.
double pow(double x, double y);

}  // namespace gp::rounded
