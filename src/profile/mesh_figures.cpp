#include "mesh_figures.h"

#include <cmath>

#include "messages/profile.h"
#include "pi.h"

namespace gp {

MeshFigures mesh_figures(const GeometryNumbers& n) {
    MeshFigures m;
    m.centre_distance = n.a;
    m.alpha_wt = n.alpha_wt;
    m.pbt = n.pbt;
    m.u = n.z[1] / n.z[0];
    for (int i = 0; i < kGears; ++i) {
        m.base_radius[i] = n.db[i] / 2.0;
        m.tip_radius[i] = n.da[i] / 2.0;
    }
    m.t1t2 = n.line_of_action;

    // From each tangent point to where that gear's own tip circle crosses the line.
    const auto to_tip = [&m](int i) {
        return std::sqrt(m.tip_radius[i] * m.tip_radius[i] - m.base_radius[i] * m.base_radius[i]);
    };
    m.a = m.t1t2 - to_tip(1);  // the driven gear's tip meets the driving gear's flank
    m.e = to_tip(0);           // the driving gear's tip leaves the driven gear's flank
    m.c = m.base_radius[0] * std::tan(n.alpha_wt);
    m.b = m.e - m.pbt;
    m.d = m.a + m.pbt;
    m.ae = m.e - m.a;
    m.eps_alpha = m.ae / m.pbt;
    m.has_contact = m.a < m.e;
    m.within_tangents = m.a > 0.0 && m.e < m.t1t2;
    return m;
}

OutlinePoint tangent_point_1(const MeshFigures& m) {
    return {m.base_radius[0] * std::cos(m.alpha_wt), -m.base_radius[0] * std::sin(m.alpha_wt)};
}

OutlinePoint tangent_point_2(const MeshFigures& m) { return point_on_line(m, m.t1t2); }

OutlinePoint point_on_line(const MeshFigures& m, double s) {
    const OutlinePoint t1 = tangent_point_1(m);
    return {t1.x + s * std::sin(m.alpha_wt), t1.y + s * std::cos(m.alpha_wt)};
}

std::optional<SpecificSliding> specific_sliding(const MeshFigures& m, double s) {
    const double rho1 = s;
    const double rho2 = m.t1t2 - s;
    if (!(rho1 > 0.0 && rho2 > 0.0 && m.u > 0.0)) return std::nullopt;
    return SpecificSliding{s, 1.0 - rho2 / (m.u * rho1), 1.0 - m.u * rho1 / rho2};
}

std::optional<Stop> sliding_stop(const MeshFigures& m) {
    if (!m.has_contact) return Stop{msg::kNoContact};
    if (!m.within_tangents) return Stop{msg::kContactBeyondTangent};
    return std::nullopt;
}

Outcome<std::vector<SpecificSliding>> sliding_along_path(const MeshFigures& m, int samples) {
    if (auto stop = sliding_stop(m)) return *stop;
    if (samples < 2) samples = 2;
    std::vector<SpecificSliding> out;
    out.reserve(static_cast<std::size_t>(samples));
    for (int k = 0; k < samples; ++k) {
        // The last sample is E itself, not A plus a rounded sum of steps.
        const double s = k == samples - 1 ? m.e : m.a + m.ae * k / (samples - 1);
        if (auto z = specific_sliding(m, s)) out.push_back(*z);
    }
    return out;
}

MeshPose mesh_pose(const MeshFigures& m, const GearOutline& gear1, const GearOutline& gear2,
                   double travel) {
    // A flank touching the line at distance s from its gear's tangent point is the
    // involute whose base-circle start lies s/rb ahead of the tangent point
    // (counter-clockwise): the line is the unwound string of that involute, which
    // is a left flank (x < 0 on the tooth drawn on +y), the mirror image of the right
    // flank whose start the outline gives.
    const auto reduced = [](double angle, int teeth) {
        const double pitch = 2.0 * kExactPi / teeth;
        return angle - pitch * std::round(angle / pitch);
    };
    const double rb1 = m.base_radius[0];
    const double rb2 = m.base_radius[1];
    // At travel 0 a pair touches at the pitch point C.
    const double start1 = -m.alpha_wt + m.c / rb1 - kExactPi + gear1.right_flank_base_angle;
    const double start2 = -m.alpha_wt + (m.t1t2 - m.c) / rb2 + gear2.right_flank_base_angle;

    MeshPose p;
    p.gear1_angle = reduced(start1, gear1.teeth) + travel / rb1;
    p.gear2_angle = reduced(start2, gear2.teeth) - travel / rb2;
    p.gear1_rate = 1 / rb1;
    p.gear2_rate = -1 / rb2;
    if (m.has_contact && m.pbt > 0.0) {
        // Every pair in contact sits a whole number of base pitches from this one.
        const double s0 = m.c + travel;
        const double k_low = std::ceil((m.a - s0) / m.pbt);
        // A picture never needs more pairs than a wild contact ratio would list.
        constexpr std::size_t kMostContacts = 64;
        for (double k = k_low; s0 + k * m.pbt <= m.e && p.contacts.size() < kMostContacts;
             k += 1.0) {
            p.contacts.push_back(s0 + k * m.pbt);
        }
    }
    return p;
}

}  // namespace gp
