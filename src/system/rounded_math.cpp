#include "rounded_math.h"

#include <cmath>

namespace gp::rounded {
namespace {

// A double-double: the unevaluated sum hi + lo with |lo| <= ulp(hi) / 2.
struct DD {
    double hi = 0;
    double lo = 0;
};

DD two_sum(double a, double b) {
    const double s = a + b;
    const double v = s - a;
    return {s, (a - (s - v)) + (b - v)};
}

DD quick_two_sum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Dekker's exact product (no fused multiply-add: the build forbids contraction).
DD two_prod(double a, double b) {
    constexpr double kSplit = 134217729.0;  // 2^27 + 1
    const double p = a * b;
    const double ta = kSplit * a, tb = kSplit * b;
    const double ah = ta - (ta - a), al = a - ah;
    const double bh = tb - (tb - b), bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD operator+(DD a, DD b) {
    DD s = two_sum(a.hi, b.hi);
    const DD t = two_sum(a.lo, b.lo);
    s.lo += t.hi;
    s = quick_two_sum(s.hi, s.lo);
    s.lo += t.lo;
    return quick_two_sum(s.hi, s.lo);
}
DD operator-(DD a) { return {-a.hi, -a.lo}; }
DD operator-(DD a, DD b) { return a + (-b); }

DD operator*(DD a, DD b) {
    DD p = two_prod(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return quick_two_sum(p.hi, p.lo);
}
DD operator*(DD a, double b) {
    DD p = two_prod(a.hi, b);
    p.lo += a.lo * b;
    return quick_two_sum(p.hi, p.lo);
}

DD operator/(DD a, DD b) {
    const double q1 = a.hi / b.hi;
    DD r = a - b * q1;
    const double q2 = r.hi / b.hi;
    r = r - b * q2;
    const double q3 = r.hi / b.hi;
    return DD{q1, 0} + DD{q2, 0} + DD{q3, 0};
}

double rounded(DD a) { return a.hi + a.lo; }

// π/2 and ln 2 in three parts, the first two a double-double.
constexpr double kHalfPi[3] = {1.570796326794896558e+00, 6.123233995736766036e-17,
                               -1.497384904859169833e-33};
constexpr double kLn2[3] = {6.931471805599452862e-01, 2.319046813846299558e-17,
                            5.707708438416212066e-34};
constexpr double kLargest = 1048576.0;  // 2^20

// x − k·π/2 with |result| <= π/4 (a little more at worst), and k.
DD reduce(double x, int& k) {
    const double n = std::nearbyint(x / kHalfPi[0]);
    k = static_cast<int>(n);
    DD r = DD{x, 0} - two_prod(n, kHalfPi[0]);
    r = r - two_prod(n, kHalfPi[1]);
    return r - two_prod(n, kHalfPi[2]);
}

// 1/n! for n = 0 .. 27, as double-doubles.
struct InverseFactorials {
    DD of[28];
    InverseFactorials() {
        of[0] = of[1] = DD{1, 0};
        for (int n = 2; n < 28; ++n) of[n] = of[n - 1] / DD{double(n), 0};
    }
};
const InverseFactorials& inverse_factorials() {
    static const InverseFactorials table;
    return table;
}

// Taylor series of sine and cosine for |r| <= π/4: terms to r^27 and r^26 leave an
// error far below 2^-106.
DD sin_series(DD r) {
    const auto& f = inverse_factorials().of;
    const DD r2 = r * r;
    DD sum;
    for (int n = 27; n >= 1; n -= 2) sum = (n % 4 == 1 ? f[n] : -f[n]) + sum * r2;
    return sum * r;
}
DD cos_series(DD r) {
    const auto& f = inverse_factorials().of;
    const DD r2 = r * r;
    DD sum;
    for (int n = 26; n >= 0; n -= 2) sum = (n % 4 == 0 ? f[n] : -f[n]) + sum * r2;
    return sum;
}

DD sin_dd(DD r, int k) {
    switch (k & 3) {
        case 0:
            return sin_series(r);
        case 1:
            return cos_series(r);
        case 2:
            return -sin_series(r);
        default:
            return -cos_series(r);
    }
}

// atan from the system's value a, within a few last bits: one step
// a + atan((x − tan a) / (1 + x·tan a)), the arctangent of that tiny quotient being
// the quotient itself to far below 2^-106.
DD atan_dd(double x) {
    const double a = std::atan(x);
    int k = 0;
    const DD r = reduce(a, k);  // k is 0 or ±1 only for a at ±π/2 within rounding
    const DD s = sin_dd(r, k), c = sin_dd(r, k + 1);
    const DD t = s / c;
    return DD{a, 0} + (DD{x, 0} - t) / (DD{1, 0} + t * x);
}

// e^a for |a| <= 709: a = k·ln 2 + r, e^r from its series at r / 1024, squared ten
// times.
DD exp_dd(DD a) {
    const double k = std::nearbyint(a.hi / kLn2[0]);
    DD r = a - two_prod(k, kLn2[0]);
    r = r - two_prod(k, kLn2[1]);
    r = r - two_prod(k, kLn2[2]);
    r = r * (1.0 / 1024);
    const auto& f = inverse_factorials().of;
    DD sum = f[12];
    for (int n = 11; n >= 0; --n) sum = f[n] + sum * r;
    for (int i = 0; i < 10; ++i) sum = sum * sum;
    return {std::ldexp(sum.hi, static_cast<int>(k)), std::ldexp(sum.lo, static_cast<int>(k))};
}

// ln x for x > 0 by two Newton steps on e^y = x from the library's value.
DD log_dd(double x) {
    DD y{std::log(x), 0};
    for (int i = 0; i < 2; ++i) y = y + DD{x, 0} * exp_dd(-y) - DD{1, 0};
    return y;
}

}  // namespace

double sin(double x) {
    if (x == 0 || !(std::fabs(x) < kLargest)) return std::sin(x);
    int k = 0;
    const DD r = reduce(x, k);
    return rounded(sin_dd(r, k));
}

double cos(double x) {
    if (!(std::fabs(x) < kLargest)) return std::cos(x);
    int k = 0;
    const DD r = reduce(x, k);
    return rounded(sin_dd(r, k + 1));
}

double tan(double x) {
    if (x == 0 || !(std::fabs(x) < kLargest)) return std::tan(x);
    int k = 0;
    const DD r = reduce(x, k);
    const DD s = sin_series(r), c = cos_series(r);
    return rounded((k & 1) ? -(c / s) : s / c);
}

double atan(double x) {
    if (x == 0 || !std::isfinite(x)) return std::atan(x);
    return rounded(atan_dd(x));
}

double pow(double x, double y) {
    if (!(x > 0) || !std::isfinite(x) || !std::isfinite(y) || y == 0 || x == 1) {
        return std::pow(x, y);
    }
    const DD exponent = log_dd(x) * y;
    if (!(std::fabs(exponent.hi) < 700)) return std::pow(x, y);
    return rounded(exp_dd(exponent));
}

}  // namespace gp::rounded
