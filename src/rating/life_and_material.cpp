#include "life_and_material.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "rating_math.h"

namespace gp::rating {
namespace {

enum class RunIn { A, B, C };
enum class Surface { Hard, Structural, Soft };
enum class Size { a, b, c };

// Two points of a life curve before its end at 10¹⁰ cycles, which is YN10.
struct LifeCurve {
    double n0, z0, n1, z1;
};
constexpr LifeCurve kP1{1e5, 1.6, 5e7, 1.0};
constexpr LifeCurve kP2{1e5, 1.3, 2e6, 1.0};
constexpr LifeCurve kB1{1e4, 2.5, 3e6, 1.0};
constexpr LifeCurve kB2{1e3, 2.5, 3e6, 1.0};
constexpr LifeCurve kB3{1e3, 1.6, 3e6, 1.0};

struct ClassRow {
    RunIn run_in;
    LifeCurve pitting, bending;
    double slip_layer;  // ρ′, mm
    Surface surface;
    Size size;
};

// In the order of MaterialClass.
constexpr std::array<ClassRow, 9> kClasses = {{
    {RunIn::A, kP1, kB1, 0.0833, Surface::Structural, Size::a},  // St
    {RunIn::A, kP1, kB1, 0.0194, Surface::Hard, Size::a},        // V
    {RunIn::B, kP2, kB3, 0.3095, Surface::Soft, Size::c},        // GG
    {RunIn::A, kP1, kB1, 0.0194, Surface::Hard, Size::a},        // GGG
    {RunIn::A, kP1, kB1, 0.0194, Surface::Hard, Size::a},        // GTS
    {RunIn::C, kP1, kB2, 0.0030, Surface::Hard, Size::b},        // Eh
    {RunIn::C, kP1, kB2, 0.0030, Surface::Hard, Size::b},        // IF
    {RunIn::C, kP2, kB3, 0.1005, Surface::Soft, Size::b},        // NT
    {RunIn::C, kP2, kB3, 0.1005, Surface::Soft, Size::b},        // NV
}};

const ClassRow& row(MaterialClass c) { return kClasses[static_cast<std::size_t>(c)]; }

LifePoints points_of(const LifeCurve& curve, double yn10) {
    return {{curve.n0, curve.n1, 1e10}, {curve.z0, curve.z1, yn10}};
}

// The cap of group A and B allowances above 5 m/s.
double capped(double y, double v, double cap_to_10, double cap_above_10) {
    if (v > 10.0) return std::min(y, cap_above_10);
    if (v > 5.0) return std::min(y, cap_to_10);
    return y;
}

}  // namespace

double running_in_transverse(MaterialClass c, double sigma_hlim, double f, double v) {
    switch (row(c).run_in) {
        case RunIn::A:
            return capped(over(160.0, sigma_hlim) * f, v, over(12800.0, sigma_hlim),
                          over(6400.0, sigma_hlim));
        case RunIn::B:
            return capped(0.275 * f, v, 22.0, 11.0);
        case RunIn::C:
            break;
    }
    return std::min(0.075 * f, 3.0);
}

double running_in_helix(MaterialClass c, double sigma_hlim, double f, double v) {
    switch (row(c).run_in) {
        case RunIn::A:
            return capped(over(320.0, sigma_hlim) * f, v, over(25600.0, sigma_hlim),
                          over(12800.0, sigma_hlim));
        case RunIn::B:
            return capped(0.55 * f, v, 45.0, 22.0);
        case RunIn::C:
            break;
    }
    return std::min(0.15 * f, 6.0);
}

// A straight line in log N – log Z between consecutive points; the first value
// below the first point, YN10 beyond 10¹⁰ cycles.
double life_factor_at(const LifePoints& p, double cycles) {
    const auto& n = p.cycles;
    const auto& z = p.factor;
    if (cycles <= n[0]) return z[0];
    for (std::size_t k = 0; k + 1 < n.size(); ++k) {
        if (cycles <= n[k + 1]) {
            const double share = std::log(over(cycles, n[k])) / std::log(n[k + 1] / n[k]);
            return std::exp(std::log(z[k]) + share * (std::log(z[k + 1]) - std::log(z[k])));
        }
    }
    return z.back();
}

LifePoints pitting_life_points(MaterialClass c, double yn10) {
    return points_of(row(c).pitting, yn10);
}

LifePoints bending_life_points(MaterialClass c, double yn10) {
    return points_of(row(c).bending, yn10);
}

double pitting_life_factor(MaterialClass c, double cycles, double yn10) {
    return life_factor_at(pitting_life_points(c, yn10), cycles);
}

double bending_life_factor(MaterialClass c, double cycles, double yn10) {
    return life_factor_at(bending_life_points(c, yn10), cycles);
}

double relative_notch_sensitivity(MaterialClass c, double qs) {
    const double slip = row(c).slip_layer;
    const double chi = (1.0 + 2.0 * qs) / 5.0;
    const double chi_test = 1.2;  // the test gear, qsT = 2.5
    return (1.0 + std::sqrt(slip * chi)) / (1.0 + std::sqrt(slip * chi_test));
}

double relative_surface_factor(MaterialClass c, double rz) {
    switch (row(c).surface) {
        case Surface::Hard:
            return rz < 1.0 ? 1.120 : 1.674 - 0.529 * std::pow(rz + 1.0, 0.1);
        case Surface::Structural:
            return rz < 1.0 ? 1.070 : 5.306 - 4.203 * std::pow(rz + 1.0, 0.01);
        case Surface::Soft:
            break;
    }
    return rz < 1.0 ? 1.025 : 4.299 - 3.259 * std::pow(rz + 1.0, 0.0058);
}

double size_factor(MaterialClass c, double mn) {
    if (mn <= 5.0) return 1.0;
    switch (row(c).size) {
        case Size::a:
            return std::max(1.03 - 0.006 * mn, 0.85);
        case Size::b:
            return std::max(1.05 - 0.01 * mn, 0.80);
        case Size::c:
            break;
    }
    return std::max(1.075 - 0.015 * mn, 0.70);
}

}  // namespace gp::rating
