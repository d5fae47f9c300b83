#include "drawing_checks.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <variant>

#include "mesh_figures.h"
#include "messages/base.h"
#include "messages/profile.h"
#include "outline_read_back.h"
#include "outline_simplicity.h"
#include "pair_profile.h"

namespace gp::fuzz {
namespace {

bool is_known_message(const std::string& m) {
    const auto in = [&m](const auto& list) {
        return std::find(list.begin(), list.end(), m) != list.end();
    };
    return in(msg::kStopMessages) || in(msg::kProfileStopMessages);
}

// Points of an outline written and read back in each file format.
constexpr std::size_t kRoundTripPoints = 2000;

bool all_finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

std::string check_outline(const Outcome<GearOutline>& outcome, const char* gear) {
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        return is_known_message(stop->message)
                   ? ""
                   : std::string(gear) + " stopped with " + stop->message;
    }
    const auto& o = std::get<GearOutline>(outcome);
    if (o.points.size() < 3) return std::string(gear) + ": empty outline";
    if (o.points.size() > kMaxOutlinePoints)
        return std::string(gear) + ": more points than the cap";
    if (o.segments.empty()) return std::string(gear) + ": outline without pieces";
    for (const auto& p : o.points) {
        if (!all_finite({p.x, p.y})) return std::string(gear) + ": coordinate not finite";
    }
    if (!all_finite({o.tip_radius, o.root_radius, o.form_radius, o.outer_radius,
                     o.right_flank_base_angle, o.tolerance})) {
        return std::string(gear) + ": circle not finite";
    }
    // Binned on a grid: about linear in the points, bounded by the point cap.
    if (const auto crossing = outline_crossing(o.points)) {
        return std::string(gear) + ": outline crosses itself at edges " +
               std::to_string(crossing->first) + " and " + std::to_string(crossing->second);
    }
    // The files carry every coordinate as computed, whatever its size: checked on
    // the outline's first points, so that a check costs the same for any outline.
    GearOutline start = o;
    start.points.resize(std::min(o.points.size(), kRoundTripPoints));
    for (const auto& [format, name] :
         {std::pair{OutlineFormat::Csv, "CSV"}, std::pair{OutlineFormat::Svg, "SVG"},
          std::pair{OutlineFormat::Dxf, "DXF"}}) {
        if (const auto lost = first_point_not_read_back(start, format)) {
            return std::string(gear) + ": point " + std::to_string(*lost) + " of the " + name +
                   " file does not read back as computed";
        }
    }
    return "";
}

}  // namespace

std::string first_broken_drawing_promise(const GearPairInput& form) {
    const auto outcome = pair_profile(form);
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        return is_known_message(stop->message) ? "" : "profile stopped with " + stop->message;
    }
    const auto& p = std::get<PairProfile>(outcome);
    for (int i = 0; i < kGears; ++i) {
        if (auto broken = check_outline(p.outlines[i], i == 0 ? "gear 1" : "gear 2");
            !broken.empty()) {
            return broken;
        }
    }

    const MeshFigures m = mesh_figures(p.numbers);
    if (!all_finite({m.t1t2, m.a, m.b, m.c, m.d, m.e, m.ae, m.eps_alpha})) {
        return "mesh figures not finite";
    }
    const auto sliding = sliding_along_path(m, 16);
    if (const auto* stop = std::get_if<Stop>(&sliding)) {
        if (!is_known_message(stop->message)) return "sliding stopped with " + stop->message;
    } else {
        for (const auto& z : std::get<std::vector<SpecificSliding>>(sliding)) {
            if (!all_finite({z.s, z.zeta1, z.zeta2})) return "sliding not finite";
        }
    }
    const auto* g1 = std::get_if<GearOutline>(&p.outlines[0]);
    const auto* g2 = std::get_if<GearOutline>(&p.outlines[1]);
    if (g1 && g2) {
        const MeshPose pose = mesh_pose(m, *g1, *g2, 0.4 * m.pbt);
        if (!all_finite({pose.gear1_angle, pose.gear2_angle})) return "mesh pose not finite";
        for (double s : pose.contacts) {
            if (!std::isfinite(s)) return "contact not finite";
        }
    }
    return "";
}

}  // namespace gp::fuzz
