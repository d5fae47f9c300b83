#include "solid_pair.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "mesh_figures.h"
#include "messages/profile.h"
#include "messages/solid.h"
#include "number_parse.h"
#include "pi.h"
#include "rack_rounding.h"

namespace gp {
namespace {

// Most turns a tooth may make about the axis between the end faces: the helix's
// B-spline takes a knot every few hundredths of a radian, and a face width of
// metres on a small helical gear would take millions.
constexpr double kMostTurns = 20;

std::string length_text(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// The gear's face width as typed (ck1, ck2): a positive number, else the reason.
Outcome<double> face_width(const GearPairInput& form, int gear) {
    const std::string& typed = gear == 0 ? form.ck1 : form.ck2;
    const Stop refused{msg::solid::bad_face_width(gear, typed)};
    if (!is_numeric(typed)) return refused;
    const auto width =
        run_to_outcome([&] { return strict_convert(typed, gear == 0 ? "ck1" : "ck2"); });
    const double* b = std::get_if<double>(&width);
    if (!b || !(*b > 0.0) || !std::isfinite(*b)) return refused;
    return *b;
}

std::string name_of(const GearPairInput& form, int gear) {
    std::string name = gear == 0 ? form.th1 : form.th2;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.back())) name.pop_back();
    name.erase(name.begin(), std::find_if_not(name.begin(), name.end(), blank));
    return name.empty() ? std::string(msg::gear_name(gear)) : name;
}

// The body of one gear, or why there is none: a bore that reaches the root, a
// chamfer deeper than the tooth or wider than half the face.
Outcome<solid_kernel::Body> body_of(const GearOutline& o, double b, double twist,
                                    const SolidRequest& request) {
    const double root = 2.0 * std::min(o.root_radius, o.form_radius);
    if (!(request.bore >= 0.0) || !(request.bore < root)) {
        return Stop{msg::solid::bore_too_large(length_text(request.bore), length_text(root))};
    }
    const double deepest = std::min(o.tip_radius - o.root_radius, 0.5 * b);
    if (!(request.chamfer >= 0.0) || !(request.chamfer < deepest)) {
        return Stop{msg::solid::chamfer_too_large(length_text(request.chamfer),
                                                  length_text(deepest))};
    }
    const double turns = std::abs(twist) * b / (2.0 * kExactPi);
    if (!(turns <= kMostTurns)) return Stop{msg::solid::too_many_turns(length_text(turns))};
    solid_kernel::BodyPlan plan;
    plan.pieces = kernel_pieces(o);
    plan.face_width = b;
    plan.twist = twist;
    plan.bore = request.bore;
    plan.chamfer = request.chamfer;
    plan.tip_radius = o.tip_radius;
    solid_kernel::Body body = solid_kernel::build_body(plan);
    if (!body) return Stop{msg::solid::kBuildFailed};
    return body;
}

}  // namespace

double twist_of(const GeometryNumbers& n, int gear) {
    const double hand = gear == 0 ? 1.0 : -1.0;
    return hand * 2.0 * std::tan(n.beta) / n.d[gear];
}

std::vector<solid_kernel::Piece> kernel_pieces(const GearOutline& o) {
    std::vector<solid_kernel::Piece> pieces;
    const std::size_t n = o.points.size();
    if (n == 0) return pieces;
    for (const OutlineSegment& seg : o.segments) {
        solid_kernel::Piece p;
        p.arc = seg.kind == SegmentKind::TipLand || seg.kind == SegmentKind::RootLand;
        const std::size_t count = (seg.last + n - seg.first) % n + 1;
        p.xy.reserve(2 * count);
        for (std::size_t k = 0; k < count; ++k) {
            const OutlinePoint& q = o.points[(seg.first + k) % n];
            p.xy.push_back(q.x);
            p.xy.push_back(q.y);
        }
        pieces.push_back(std::move(p));
    }
    return pieces;
}

Outcome<std::vector<NamedSolid>> solid_bodies(const GearPairInput& form,
                                              const SolidRequest& request) {
    auto computed = compute_geometry_numbers(form);
    if (auto* stop = std::get_if<Stop>(&computed)) return *stop;
    const GeometryNumbers& n = std::get<GeometryNumbers>(computed);
    auto roundings = rack_roundings(form, n);
    if (auto* stop = std::get_if<Stop>(&roundings)) return *stop;
    const auto& rounding = std::get<GearPairOf<RackRounding>>(roundings);

    const bool pair = request.gears == SolidGears::Pair;
    const auto wanted = [&](int i) {
        return pair || (i == 0) == (request.gears == SolidGears::Pinion);
    };
    const auto outline = [&](int i, ThicknessChoice thickness) -> Outcome<GearOutline> {
        OutlineOptions options;
        options.thickness = thickness;
        auto o = gear_outline(n, i, rounding[static_cast<std::size_t>(i)], options);
        if (auto* stop = std::get_if<Stop>(&o)) {
            return Stop{msg::solid::gear_refused(i, stop->message)};
        }
        return o;
    };
    GearPairOf<GearOutline> outlines;
    GearPairOf<double> widths{};
    for (int i = 0; i < kGears; ++i) {
        if (!wanted(i)) continue;
        auto b = face_width(form, i);
        if (auto* stop = std::get_if<Stop>(&b)) return *stop;
        widths[i] = std::get<double>(b);
        auto o = outline(i, request.thickness);
        if (auto* stop = std::get_if<Stop>(&o)) return *stop;
        outlines[i] = std::get<GearOutline>(std::move(o));
    }

    // In mesh as the mesh picture draws the nominal outlines: its starting position
    // with one pair touching at A, then the pinion's turn.
    GearPairOf<double> angles{0.0, 0.0};
    if (pair) {
        GearPairOf<GearOutline> nominal = outlines;
        for (int i = 0; i < kGears && request.thickness != ThicknessChoice::Nominal; ++i) {
            auto o = outline(i, ThicknessChoice::Nominal);
            if (auto* stop = std::get_if<Stop>(&o)) return *stop;
            nominal[i] = std::get<GearOutline>(std::move(o));
        }
        const MeshFigures m = mesh_figures(n);
        if (!m.has_contact) return Stop{msg::kNoContact};
        const double travel = m.a - m.c + request.pinion_turn * m.base_radius[0];
        const MeshPose pose = mesh_pose(m, nominal[0], nominal[1], travel);
        angles = {pose.gear1_angle, pose.gear2_angle};
    }

    std::vector<NamedSolid> solids;
    for (int i = 0; i < kGears; ++i) {
        if (!wanted(i)) continue;
        auto body = body_of(outlines[i], widths[i], twist_of(n, i), request);
        if (auto* stop = std::get_if<Stop>(&body)) {
            return Stop{msg::solid::gear_refused(i, stop->message)};
        }
        NamedSolid s;
        s.body = std::get<solid_kernel::Body>(body);
        if (pair) s.body = solid_kernel::placed(s.body, angles[i], i == 0 ? 0.0 : n.a);
        s.name = name_of(form, i);
        s.gear = i;
        s.face_width = widths[i];
        solids.push_back(std::move(s));
    }
    return solids;
}

bool solids_available() { return true; }

Outcome<std::string> solid_step(const GearPairInput& form, const SolidRequest& request) {
    auto solids = solid_bodies(form, request);
    if (auto* stop = std::get_if<Stop>(&solids)) return *stop;
    std::vector<solid_kernel::NamedBody> named;
    for (const NamedSolid& s : std::get<std::vector<NamedSolid>>(solids)) {
        named.push_back({s.body, s.name});
    }
    std::string text;
    if (!solid_kernel::write_step(named, text)) return Stop{msg::solid::kStepFailed};
    return text;
}

}  // namespace gp
