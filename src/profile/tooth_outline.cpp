#include "tooth_outline.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "messages/base.h"
#include "messages/profile.h"
#include "pi.h"

namespace gp {
namespace {

// The smallest whole tooth count that still leaves a tooth space on each side.
constexpr double kFewestTeeth = 3;
// Exact end points of one pitch (tip land, involute, fillet, root land ends and the
// middle of the tip): an outline below this many points per tooth cannot be drawn.
constexpr std::size_t kLeastPointsPerTooth = 8;

struct Point {
    double x = 0;
    double y = 0;
};

Point rotated(Point p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance of p from the chord a–b.
double chord_distance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len = std::hypot(dx, dy);
    if (len == 0.0) return distance(p, a);
    return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / len;
}

// Angle of p clockwise from +y: where a point sits across the tooth space.
double clockwise_from_y(Point p) { return std::atan2(p.x, p.y); }

// The generating rack in the transverse plane of one gear, and the point of the gear
// that a point of the rack cuts.
//
// Frame of the cut: the gear's centre at the origin, the rack's rolling line (the
// reference circle's tangent) at y = r, one rack tooth centred on x = 0 pointing
// down into the tooth space it cuts. Rack coordinates (u, v): u along the rolling
// line, v above it (negative: towards the gear centre).
struct Rack {
    double r = 0;            // rolling (reference) radius
    double cos_beta = 1;     // the rack's normal section is stretched by 1/cos β
    double tan_alpha_n = 0;  // flank slope in the normal section
    double sin_alpha_n = 0;
    double cos_alpha_n = 1;
    double sin_alpha_t = 0;  // flank slope in the transverse section
    double tan_alpha_t = 0;
    double half_space = 0;  // half the gear's tooth space at the reference circle
    double tip_line = 0;    // v of the rack's tip line: root radius − r
    double rho = 0;         // corner rounding radius (normal section)
    double corner_u_n = 0;  // u of the rounding's centre, normal section

    // The gear point cut by the rack point (u, v) whose outward normal is
    // (k, 1)·n_v: the rack has rolled on so far that this normal passes through the
    // pitch point (the rolling line's contact with the reference circle).
    Point cut(double u, double v, double k) const {
        const double shift = v * k - u;  // rack travel r·φ
        return rotated({u + shift, r + v}, shift / r);
    }

    // Rounded corner, ψ = 0 at the tip line to ψ = π/2 − αn at the straight flank:
    // a circle in the normal section, an ellipse in the transverse one.
    Point corner(double psi) const {
        const double u = (corner_u_n + rho * std::sin(psi)) / cos_beta;
        const double v = tip_line + rho * (1.0 - std::cos(psi));
        return cut(u, v, -std::tan(psi) * cos_beta);
    }
    double corner_end() const { return kExactPi / 2 - std::atan(tan_alpha_n); }

    // Straight flank, as the involute it cuts: roll length L from the base circle's
    // tangent point along the line of action (negative below the interference
    // point, where the flank cuts the involute's mirror branch).
    double flank_v(double roll) const { return (roll - r * sin_alpha_t) * sin_alpha_t; }
    Point involute(double roll) const {
        const double v = flank_v(roll);
        return cut(half_space + v * tan_alpha_t, v, -1.0 / tan_alpha_t);
    }
    double roll_of_flank_v(double v) const { return r * sin_alpha_t + v / sin_alpha_t; }
};

// How finely to sample: the chord tolerance, and how many points a half pitch may
// take before the sampling gives up (the caller then widens the tolerance).
struct Chords {
    double tol = 0;
    std::size_t budget = 0;
};

// Chord sampling of a smooth curve: points for parameters in (t0, t1], enough that
// no chord strays more than the tolerance from the curve (probed at its quarter
// points). The caller passes the curve's points at t0 and t1; each halving reuses the
// probes it already made, so a chord costs two evaluations.
template <typename Curve>
void sample_between(const Curve& curve, double t0, double t1, Point a, Point mid_point, Point b,
                    const Chords& chords, std::vector<Point>& out, int depth) {
    const double mid = 0.5 * (t0 + t1);
    const Point q1 = curve(0.5 * (t0 + mid)), q3 = curve(0.5 * (mid + t1));
    const double worst = std::max(
        {chord_distance(q1, a, b), chord_distance(mid_point, a, b), chord_distance(q3, a, b)});
    // A little below the tolerance, for the curve between the probes. A curve that
    // leaves the doubles (a wild size) is not refined: halving cannot help, and the
    // caller refuses the outline for its non-finite point.
    if (!(worst > 0.9 * chords.tol) || depth >= 40 || out.size() >= chords.budget) {
        out.push_back(b);
        return;
    }
    sample_between(curve, t0, mid, a, q1, mid_point, chords, out, depth + 1);
    sample_between(curve, mid, t1, mid_point, q3, b, chords, out, depth + 1);
}

template <typename Curve>
void sample(const Curve& curve, double t0, double t1, const Chords& chords,
            std::vector<Point>& out) {
    sample_between(curve, t0, t1, curve(t0), curve(0.5 * (t0 + t1)), curve(t1), chords, out, 0);
}

// Arc of radius R centred on the origin from clockwise angle t0 to t1 (from +y).
void sample_arc(double radius, double t0, double t1, const Chords& chords,
                std::vector<Point>& out) {
    const double sweep = std::abs(t1 - t0);
    // A chord of half-angle h strays R·(1 − cos h) = 2R·sin²(h/2) from the arc.
    double pieces = 1;
    if (chords.tol < 2.0 * radius) {
        const double half_angle = 2.0 * std::asin(std::sqrt(chords.tol / (2.0 * radius)));
        if (half_angle > 0.0) pieces = std::ceil(sweep / (2.0 * half_angle));
    }
    const double room = out.size() < chords.budget ? double(chords.budget - out.size()) : 1.0;
    const int n = static_cast<int>(std::clamp(pieces, 1.0, std::max(1.0, room)));
    for (int k = 1; k <= n; ++k) {
        const double t = k == n ? t1 : t0 + (t1 - t0) * k / n;
        out.push_back({radius * std::sin(t), radius * std::cos(t)});
    }
}

// Where the corner's sweep leaves the involute of an undercut flank. Low on the
// flank the sweep lies deeper in the tooth than the involute at the same radius (it
// cuts the involute away); higher up it falls back into the tooth space. The
// crossing is the highest point where the two change places, found by scanning the
// corner down from the straight flank and halving the last step; nothing when the
// sweep never reaches into the involute (it then meets the flank's mirror branch).
//
// The sweep may cut into the involute only just above the base circle, in a band
// narrower than a step of the scan. So where the scan steps from above the base
// circle to below it, that step is halved too, the sweep below the base circle
// counting as deeper: the halving ends on the crossing when the sweep reaches the
// base circle deeper than the involute's cusp, on the base circle otherwise.
// Missing that crossing would draw the cusp and the flank's mirror branch, a loop
// out across the fillet.
std::optional<double> undercut_crossing(const Rack& rack, double rb) {
    // Clockwise angle of the sweep less that of the involute at the same radius.
    const auto deeper = [&rack, rb](double psi) -> std::optional<double> {
        const Point p = rack.corner(psi);
        const double radius = std::hypot(p.x, p.y);
        if (radius < rb) return std::nullopt;
        const double roll = std::sqrt(radius * radius - rb * rb);
        return clockwise_from_y(p) - clockwise_from_y(rack.involute(roll));
    };
    constexpr int kSteps = 256;
    const double top = rack.corner_end();
    double above = top;  // a corner angle where the sweep is not deeper
    for (int k = 0; k <= kSteps; ++k) {
        const double psi = top * (kSteps - k) / kSteps;
        const auto f = deeper(psi);
        if (f && *f <= 0.0) {
            above = psi;
            continue;
        }
        if (k == 0) return f ? std::optional(top) : std::nullopt;
        // Halving the step (the sweep climbs with ψ): lo stays deeper or below the
        // base circle, hi neither.
        double lo = psi, hi = above;
        for (int it = 0; it < 100 && hi - lo > 1e-16 * top; ++it) {
            const double mid = 0.5 * (lo + hi);
            if (mid == lo || mid == hi) break;  // neighbouring doubles
            const auto fm = deeper(mid);
            (!fm || *fm > 0.0 ? lo : hi) = mid;
        }
        // Halved down onto the base circle: the sweep reaches it outside the
        // involute's cusp, and meets the mirror branch instead.
        if (!deeper(lo)) return std::nullopt;
        return lo;
    }
    return std::nullopt;
}

// Corner angle below `hi` at which the sweep reaches radius `radius` (the sweep
// climbs with ψ).
double corner_at_radius(const Rack& rack, double radius, double hi) {
    double lo = 0.0;
    for (int it = 0; it < 100 && hi - lo > 1e-16; ++it) {
        const double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi) break;  // neighbouring doubles
        const Point p = rack.corner(mid);
        (std::hypot(p.x, p.y) < radius ? lo : hi) = mid;
    }
    return lo;
}

// Roll length at which the flank reaches the tooth's middle line (clockwise angle
// `middle` in the cut frame): the apex of a pointed tooth.
double apex_roll(const Rack& rack, double lo, double hi, double middle) {
    for (int it = 0; it < 200 && hi - lo > 1e-15 * std::max(1.0, hi); ++it) {
        const double mid = 0.5 * (lo + hi);
        (clockwise_from_y(rack.involute(mid)) < middle ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

double deviation_of(const GeometryNumbers& n, int i, ThicknessChoice choice) {
    switch (choice) {
        case ThicknessChoice::Upper:
            return n.ess[i];
        case ThicknessChoice::Lower:
            return n.esi[i];
        case ThicknessChoice::Mean:
            return 0.5 * (n.ess[i] + n.esi[i]);
        case ThicknessChoice::Nominal:
            break;
    }
    return 0.0;
}

// Half a pitch in the cut frame, from the middle of the tooth space to the middle of
// the tooth on its clockwise side, with the kinds of its pieces.
struct HalfPitch {
    std::vector<Point> points;  // points[0] is the middle of the space's root land
    std::vector<std::pair<SegmentKind, std::size_t>> piece_ends;  // kind, index of its end
    bool undercut = false;
    bool pointed = false;
    double form_radius = 0;
    double outer_radius = 0;
    Point base_start;  // where the flank's involute leaves the base circle
};

struct Shape {
    Rack rack;
    double ra = 0;
    double rb = 0;
    double middle = 0;         // clockwise angle of the tooth middle: half a pitch
    double psi_end = 0;        // the fillet is the corner's sweep over ψ in [0, psi_end]
    bool has_involute = true;  // false: the fillet reaches the tip circle first
    double roll_start = 0;     // the flank runs from here (negative: on the mirror branch
    double roll_end = 0;       // down to the base circle) up to here
    bool undercut = false;
    bool pointed = false;
};

HalfPitch half_pitch(const Shape& s, const Chords& tol) {
    const Rack& rack = s.rack;
    HalfPitch h;
    auto& pts = h.points;
    const auto end_piece = [&h](SegmentKind kind) {
        h.piece_ends.push_back({kind, h.points.size() - 1});
    };
    const double root = rack.r + rack.tip_line;
    const Point fillet_start = rack.corner(0.0);
    pts.push_back({0.0, root});
    const double land_end = clockwise_from_y(fillet_start);
    if (land_end > 0.0) {
        sample_arc(root, 0.0, land_end, tol, pts);
        pts.back() = fillet_start;  // the exact end point
        end_piece(SegmentKind::RootLand);
    }
    const auto flank = [&rack](double t) { return rack.involute(t); };
    const std::size_t fillet_begin = pts.size();
    if (s.psi_end > 0.0) {
        sample([&rack](double t) { return rack.corner(t); }, 0.0, s.psi_end, tol, pts);
    }
    if (s.has_involute && s.roll_start < 0.0) {
        // Undercut where the corner's sweep stays below the base circle: the straight
        // flank below the interference point cuts the involute's mirror branch down
        // to the base circle. Still part of the fillet.
        sample(flank, s.roll_start, 0.0, tol, pts);
    }
    if (pts.size() > fillet_begin) end_piece(SegmentKind::Fillet);
    if (s.has_involute) {
        const double start = std::max(0.0, s.roll_start);
        const Point flank_start = flank(start);
        // The fillet's last point and the involute's first are the same point.
        if (distance(pts.back(), flank_start) > 1e-12 * rack.r) pts.push_back(flank_start);
        sample(flank, start, s.roll_end, tol, pts);
        end_piece(SegmentKind::Involute);
        h.form_radius = std::hypot(flank_start.x, flank_start.y);
    }
    if (!s.pointed) {
        sample_arc(s.ra, clockwise_from_y(pts.back()), s.middle, tol, pts);
        end_piece(SegmentKind::TipLand);
    }
    h.undercut = s.undercut;
    h.pointed = s.pointed;
    h.outer_radius = std::hypot(pts.back().x, pts.back().y);
    if (!s.has_involute) h.form_radius = h.outer_radius;
    h.base_start = flank(0.0);
    return h;
}

// Stage 1, the rack and its rounding: the generating rack of gear i in the cut
// frame, moved for the thickness chosen, with the rounding checked to fit the tooth
// space.
Outcome<Shape> rack_of(const GeometryNumbers& n, int i, int teeth, const RackRounding& rounding,
                       double deviation) {
    Shape s;
    Rack& rack = s.rack;
    rack.r = n.d[i] / 2.0;
    rack.cos_beta = std::cos(n.beta);
    rack.tan_alpha_n = std::tan(n.alpha_n);
    rack.sin_alpha_n = std::sin(n.alpha_n);
    rack.cos_alpha_n = std::cos(n.alpha_n);
    rack.sin_alpha_t = std::sin(n.alpha_t);
    rack.tan_alpha_t = std::tan(n.alpha_t);
    s.ra = n.da[i] / 2.0;
    s.rb = n.db[i] / 2.0;
    s.middle = kExactPi / teeth;
    if (!(rack.r > 0.0 && s.rb > 0.0 && rack.cos_beta > 0.0 && rack.tan_alpha_n > 0.0)) {
        return Stop{msg::kCannotCompute};
    }

    // A thickness deviation Es is cut by a rack moved radially by Es / (2·tan αn):
    // the flanks and the root move together.
    const double transverse_thickness = (n.sn[i] + deviation) / rack.cos_beta;
    rack.half_space = 0.5 * (2.0 * kExactPi * rack.r / teeth - transverse_thickness);
    rack.tip_line = (n.df[i] - n.d[i]) / 2.0 + deviation / (2.0 * rack.tan_alpha_n);
    rack.rho = rounding.radius;

    // The rack tooth's half width at its tip line, in the normal section: its sharp
    // corner must lie on the tooth's own side of the middle line, and the rounding
    // must fit between the tip line and the flank.
    const double half_space_n = rack.half_space * rack.cos_beta;
    const double sharp_corner_u_n = half_space_n + rack.tip_line * rack.tan_alpha_n;
    if (!(sharp_corner_u_n >= 0.0)) return Stop{msg::kRackTooPointed};
    rack.corner_u_n =
        half_space_n + (rack.tip_line + rack.rho) * rack.tan_alpha_n - rack.rho / rack.cos_alpha_n;
    if (!(rack.corner_u_n >= 0.0)) return Stop{msg::kRackRoundingTooLarge};
    if (!(rack.r + rack.tip_line > 0.0) || !(s.ra > rack.r + rack.tip_line)) {
        return Stop{msg::kCannotCompute};
    }
    return s;
}

// Stage 2, the branches of the cut and where they meet: how far the corner's sweep
// (the fillet) runs, where the involute starts and ends, whether the tooth is
// undercut or pointed. Stops when nothing of the tooth is left.
std::optional<Stop> cut_branches(Shape& s) {
    const Rack& rack = s.rack;
    // Where the rounding meets the straight flank, and the involute that flank cuts.
    const double flank_v = rack.tip_line + rack.rho * (1.0 - rack.sin_alpha_n);
    const double tangent_roll = rack.roll_of_flank_v(flank_v);
    const double tip_roll = std::sqrt(std::max(0.0, s.ra * s.ra - s.rb * s.rb));
    s.psi_end = rack.corner_end();
    s.roll_start = tangent_roll;
    s.roll_end = tip_roll;
    if (tangent_roll < 0.0) {
        // Undercut: the flank's lower end lies below the interference point, and the
        // corner's sweep cuts into the involute.
        s.undercut = true;
        if (const auto psi = undercut_crossing(rack, s.rb)) {
            const Point p = rack.corner(*psi);
            s.psi_end = *psi;
            s.roll_start = std::sqrt(std::max(0.0, p.x * p.x + p.y * p.y - s.rb * s.rb));
        }
    }
    if (s.roll_start >= s.roll_end) {
        // The fillet reaches the tip circle before the involute starts.
        s.has_involute = false;
        s.psi_end = corner_at_radius(rack, s.ra, s.psi_end);
        if (clockwise_from_y(rack.corner(s.psi_end)) >= s.middle) return Stop{msg::kToothCutAway};
    } else {
        if (clockwise_from_y(rack.involute(s.roll_start)) >= s.middle) {
            return Stop{msg::kToothCutAway};
        }
        if (clockwise_from_y(rack.involute(s.roll_end)) >= s.middle) {
            s.pointed = true;
            s.roll_end = apex_roll(rack, std::max(0.0, s.roll_start), s.roll_end, s.middle);
        }
    }
    return std::nullopt;
}

// A half pitch sampled to a chord tolerance that fits the point cap.
struct Sampled {
    HalfPitch half;
    double tolerance = 0;
    bool capped = false;
};

// Stage 3, sampling to the tolerance: points of one half pitch, widening the
// tolerance until the whole outline fits the cap.
Outcome<Sampled> sample_to_tolerance(const Shape& s, int teeth, const OutlineOptions& options) {
    // Below a millionth of a micrometre per metre of radius doubles carry no more
    // detail.
    double tol = std::max(options.tolerance, 1e-12 * s.ra);
    bool capped = tol > options.tolerance;
    // A half pitch may take its share of the cap (the outline is 2·teeth half
    // pitches sharing their end points) and a little more, so that an outline just
    // over the cap learns by how much. Sampling stops there: no attempt costs more
    // than one outline's worth of points, whatever the sizes typed.
    const std::size_t share = options.max_points / (2 * static_cast<std::size_t>(teeth));
    const std::size_t budget = share + share / 8 + 16;
    // The share of the cap the whole outline would take: 2·teeth half pitches,
    // each sharing its end point with the next.
    const auto load = [&](const HalfPitch& half) {
        return 2.0 * static_cast<double>(half.points.size() - 1) * teeth /
               static_cast<double>(options.max_points);
    };
    HalfPitch h = half_pitch(s, {tol, budget});
    bool cut_short = false;
    for (int attempt = 0; load(h) > 1.0 && attempt < 60; ++attempt) {
        // Points go as 1/√tolerance. A half pitch cut short says only "more": a
        // sixteenth of the tolerance's points at a time, then refined below.
        const double over = load(h);
        cut_short = cut_short || h.points.size() >= budget;
        tol *= h.points.size() >= budget ? 16.0 : std::max(1.5, 1.05 * over * over);
        capped = true;
        h = half_pitch(s, {tol, budget});
    }
    if (load(h) > 1.0) return Stop{msg::kProfileTooManyTeeth};
    if (cut_short) {
        // The jump may have left far fewer points than the cap allows: one more try
        // at the tolerance that the count predicts would just fit.
        const double used = load(h);
        const double finer = std::max(tol * 1.1 * used * used, tol / 16.0);
        if (finer < tol) {
            HalfPitch refined = half_pitch(s, {finer, budget});
            if (load(refined) <= 1.0) {
                h = std::move(refined);
                tol = finer;
            }
        }
    }

    // A half pitch that leaves its sector would overlap the neighbouring teeth.
    for (const Point& p : h.points) {
        const double angle = clockwise_from_y(p);
        if (!(angle >= -1e-12 && angle <= s.middle + 1e-12) || !std::isfinite(p.x) ||
            !std::isfinite(p.y)) {
            return Stop{msg::kToothCutAway};
        }
    }
    return Sampled{std::move(h), tol, capped};
}

// Stage 4, the tooth pattern: the half pitch and its mirror image make one pitch,
// turned z times around the centre, with the pieces of every tooth.
void tooth_pattern(const HalfPitch& h, double middle, int teeth, GearOutline& o) {
    // One pitch, counter-clockwise from the middle of tooth 1 (on +y): the half
    // pitch turned so that its tooth sits on +y, read backwards (tip to root), then
    // its mirror image in the middle line of the space.
    std::vector<Point> pitch;
    std::vector<std::pair<SegmentKind, std::size_t>> kinds;  // piece kind, end index
    const std::size_t m = h.points.size();
    for (std::size_t k = m; k-- > 0;) pitch.push_back(rotated(h.points[k], middle));
    for (std::size_t k = h.piece_ends.size(); k-- > 0;) {
        const std::size_t start = k == 0 ? 0 : h.piece_ends[k - 1].second;
        kinds.push_back({h.piece_ends[k].first, m - 1 - start});
    }
    const double mirror_line = kExactPi / 2.0 + middle;  // middle of the space, polar angle
    const double c2 = std::cos(2.0 * mirror_line), s2 = std::sin(2.0 * mirror_line);
    for (std::size_t k = m - 1; k-- > 0;) {
        const Point p = pitch[k];
        pitch.push_back({p.x * c2 + p.y * s2, p.x * s2 - p.y * c2});
    }
    for (std::size_t k = 0; k < h.piece_ends.size(); ++k) {
        kinds.push_back({h.piece_ends[k].first, (m - 1) + h.piece_ends[k].second});
    }
    pitch.pop_back();  // the next tooth's middle is the next pitch's first point
    pitch[0].x = 0.0;  // on +y exactly
    const std::size_t per_pitch = pitch.size();

    o.teeth = teeth;
    o.points.resize(per_pitch * teeth);
    for (int t = 0; t < teeth; ++t) {
        const double angle = 2.0 * kExactPi * t / teeth;
        const double c = std::cos(angle), sn = std::sin(angle);
        OutlinePoint* dst = o.points.data() + per_pitch * t;
        for (std::size_t k = 0; k < per_pitch; ++k) {
            dst[k] = {pitch[k].x * c - pitch[k].y * sn, pitch[k].x * sn + pitch[k].y * c};
        }
        // Pieces of this pitch; the two halves of a tip land, or of a root land, are
        // one piece.
        std::size_t begin = per_pitch * t;
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const std::size_t end = per_pitch * t + kinds[k].second;
            const int tooth = (k < kinds.size() / 2 || kinds[k].first == SegmentKind::RootLand)
                                  ? t + 1
                                  : (t + 1) % teeth + 1;
            const bool land =
                kinds[k].first == SegmentKind::TipLand || kinds[k].first == SegmentKind::RootLand;
            if (land && !o.segments.empty() && o.segments.back().kind == kinds[k].first &&
                o.segments.back().last == begin) {
                o.segments.back().last = end;
            } else {
                o.segments.push_back({kinds[k].first, tooth, begin, end});
            }
            begin = end;
        }
    }
    // The last piece ends where the outline began.
    if (!o.segments.empty()) o.segments.back().last %= o.points.size();
}

}  // namespace

Outcome<GearOutline> gear_outline(const GeometryNumbers& n, int i, const RackRounding& rounding,
                                  const OutlineOptions& options) {
    const double z = n.z[i];
    if (!(options.tolerance > 0.0) || !std::isfinite(options.tolerance)) {
        return Stop{msg::kBadChordTolerance};
    }
    if (!(z >= kFewestTeeth) || z != std::floor(z)) return Stop{msg::kProfileToothCount};
    if (z * kLeastPointsPerTooth > static_cast<double>(options.max_points)) {
        return Stop{msg::kProfileTooManyTeeth};
    }
    const int teeth = static_cast<int>(z);
    const double deviation = deviation_of(n, i, options.thickness);

    auto shape = rack_of(n, i, teeth, rounding, deviation);
    if (auto* stop = std::get_if<Stop>(&shape)) return *stop;
    Shape& s = std::get<Shape>(shape);
    if (auto stop = cut_branches(s)) return *stop;
    auto sampled = sample_to_tolerance(s, teeth, options);
    if (auto* stop = std::get_if<Stop>(&sampled)) return *stop;
    const Sampled& cut = std::get<Sampled>(sampled);
    const HalfPitch& h = cut.half;

    GearOutline o;
    o.index = i;
    tooth_pattern(h, s.middle, teeth, o);
    o.tip_radius = s.ra;
    o.reference_radius = s.rack.r;
    o.working_radius = n.dw[i] / 2.0;
    o.base_radius = s.rb;
    o.root_radius = s.rack.r + s.rack.tip_line;
    o.form_radius = h.form_radius;
    o.outer_radius = h.outer_radius;
    o.thickness_deviation = deviation;
    // The right flank of tooth 1 is the mirror image, in +y, of the flank cut above.
    const Point left_start = rotated(h.base_start, s.middle);
    o.right_flank_base_angle = std::atan2(left_start.y, -left_start.x);
    o.rounding = rounding;
    o.undercut = h.undercut;
    o.pointed = h.pointed;
    o.capped = cut.capped;
    o.tolerance = cut.tolerance;
    return o;
}

}  // namespace gp
