#include "mesh_scene_of.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <variant>

#include "mesh_figures.h"
#include "messages/base.h"
#include "messages/mesh.h"
#include "messages/profile.h"
#include "outline_csv.h"
#include "outline_dxf.h"
#include "outline_svg.h"
#include "qt_text.h"
#include "rack_rounding.h"
#include "tooth_outline.h"

namespace gp {

namespace {

// Samples of the sliding curves from A to E.
constexpr int kSlidingSamples = 241;

// `decimals` places, or six significant digits for the lengths of a tiny module.
QString fixed(double v, int decimals) {
    return std::abs(v) >= 0.1 || v == 0 ? QString::number(v, 'f', decimals)
                                        : QString::number(v, 'g', 6);
}

double radius_of(const OutlinePoint& p) { return std::hypot(p.x, p.y); }

// Each point's kind of piece.
std::vector<SegmentKind> point_kinds(const GearOutline& o) {
    std::vector<SegmentKind> kinds(o.points.size(), SegmentKind::TipLand);
    const std::size_t n = o.points.size();
    if (n == 0) return kinds;
    for (const OutlineSegment& s : o.segments) {
        std::size_t i = s.first % n;
        const std::size_t last = s.last % n;
        for (std::size_t guard = 0; guard <= n; ++guard) {
            kinds[i] = s.kind;
            if (i == last) break;
            i = (i + 1) % n;
        }
    }
    return kinds;
}

// The runs of consecutive outline points that `keep` accepts, as polylines.
template <typename Keep>
std::vector<QPolygonF> runs_of(const GearOutline& o, Keep keep) {
    std::vector<QPolygonF> out;
    QPolygonF run;
    for (std::size_t i = 0; i < o.points.size(); ++i) {
        if (keep(i)) {
            run << QPointF(o.points[i].x, o.points[i].y);
        } else if (!run.isEmpty()) {
            if (run.size() > 1) out.push_back(run);
            run.clear();
        }
    }
    if (run.size() > 1) out.push_back(run);
    return out;
}

void add_gear(MeshScene& scene, int i, const GearOutline& o, const GeometryNumbers& n) {
    GearScene& g = scene.gears[static_cast<std::size_t>(i)];
    g.outline.reserve(static_cast<qsizetype>(o.points.size()));
    for (const OutlinePoint& p : o.points) g.outline << QPointF(p.x, p.y);
    g.ra = o.tip_radius;
    g.r = o.reference_radius;
    g.rw = o.working_radius;
    g.rb = o.base_radius;
    g.rf = o.root_radius;

    const std::vector<SegmentKind> kinds = point_kinds(o);
    if (o.undercut) {
        const auto red = runs_of(o, [&](std::size_t k) { return kinds[k] == SegmentKind::Fillet; });
        g.faults.insert(g.faults.end(), red.begin(), red.end());
        scene.faults << qt(msg::mesh::undercut(i, fixed(n.z[i], 0).toStdString(),
                                               fixed(n.zmin[i], 2).toStdString()));
    }
    if (o.pointed) {
        const double depth = o.outer_radius - o.root_radius;
        const auto red = runs_of(o, [&](std::size_t k) {
            return radius_of(o.points[k]) > o.outer_radius - 0.08 * depth;
        });
        g.faults.insert(g.faults.end(), red.begin(), red.end());
        scene.faults << qt(msg::mesh::pointed(i, fixed(n.sta[i], 4).toStdString()));
    }
    // The mate's tip works down to dc; below the root form circle dff it meets the
    // fillet instead of the involute.
    if (n.btf[i] > 1) {
        const double from = n.dc[i] / 2;
        const double to = n.dff[i] / 2;
        const auto red = runs_of(o, [&](std::size_t k) {
            const double r = radius_of(o.points[k]);
            return kinds[k] != SegmentKind::TipLand && r >= from && r <= to;
        });
        g.faults.insert(g.faults.end(), red.begin(), red.end());
        g.r_fault = from;
        scene.faults << qt(msg::mesh::tip_interference(i, fixed(n.dc[i], 4).toStdString(),
                                                       fixed(n.dff[i], 4).toStdString(),
                                                       fixed(n.btf[i], 4).toStdString()));
    }
    if (o.capped) {
        scene.notes << qt(
            msg::mesh::points_capped(i, QString::number(o.tolerance, 'g', 3).toStdString()));
    }
}

QPointF point(const OutlinePoint& p) { return {p.x, p.y}; }

OutlineFile outline_file(const GearOutline& o, OutlineFormat format) {
    switch (format) {
        case OutlineFormat::Dxf: {
            auto dxf = outline_dxf(o);
            if (const auto* stop = std::get_if<Stop>(&dxf)) return {{}, stop->message};
            return {std::get<std::string>(std::move(dxf)), {}};
        }
        case OutlineFormat::Svg:
            return {outline_svg(o), {}};
        case OutlineFormat::Csv:
            return {std::string(kOutlineCsvHeader) + "\n" + outline_csv_lines(o, 1), {}};
    }
    return {{}, msg::kCannotCompute};
}

}  // namespace

MeshPicture refused_picture(const std::string& message) {
    MeshPicture p;
    p.scene.refusal = qt(message);
    return p;
}

MeshPicture mesh_picture(const GeometryNumbers& n, const GearPairInput& form) {
    auto roundings = rack_roundings(form, n);
    if (const auto* stop = std::get_if<Stop>(&roundings)) return refused_picture(stop->message);
    const auto& rounding = std::get<GearPairOf<RackRounding>>(roundings);

    auto outlines = std::make_shared<GearPairOf<GearOutline>>();
    for (int i = 0; i < kGears; ++i) {
        auto o = gear_outline(n, i, rounding[static_cast<std::size_t>(i)]);
        if (const auto* stop = std::get_if<Stop>(&o)) {
            return refused_picture(msg::mesh::gear_refused(i, stop->message));
        }
        (*outlines)[static_cast<std::size_t>(i)] = std::get<GearOutline>(std::move(o));
    }
    const GearOutline& o1 = (*outlines)[0];
    const GearOutline& o2 = (*outlines)[1];
    const MeshFigures m = mesh_figures(n);
    if (!m.has_contact) return refused_picture(msg::kNoContact);

    MeshPicture picture;
    MeshScene& scene = picture.scene;
    scene.caption = qt(msg::mesh::caption(
        fixed(n.z[0], 0).toStdString(), fixed(n.z[1], 0).toStdString(),
        QString::number(n.mn, 'g', 8).toStdString(), QString::number(n.a, 'g', 10).toStdString()));
    add_gear(scene, 0, o1, n);
    add_gear(scene, 1, o2, n);
    // An empty root fillet radius field: the rack's rounding was taken as 0.38 × module,
    // or as the largest radius that fits the rack's tip when that does not.
    const auto radius_text = [](double r) { return QString::number(r, 'g', 6).toStdString(); };
    const auto rounding_note = [&](const GearOutline& o, bool both) {
        const std::string taken = radius_text(o.rounding.radius);
        if (!o.rounding.fitted) {
            return qt(both ? msg::mesh::default_rounding(taken)
                           : msg::mesh::default_rounding(o.index, taken));
        }
        const std::string asked = radius_text(kDefaultRoundingPerModule * n.mn);
        return qt(both ? msg::mesh::fitted_rounding(asked, taken)
                       : msg::mesh::fitted_rounding(o.index, asked, taken));
    };
    if (o1.rounding.from_default && o2.rounding.from_default &&
        o1.rounding.radius == o2.rounding.radius) {
        scene.notes.prepend(rounding_note(o1, true));
    } else {
        for (const GearOutline* o : {&o2, &o1}) {
            if (o->rounding.from_default) scene.notes.prepend(rounding_note(*o, false));
        }
    }
    scene.drawing_numbers = {qt(form.th1), qt(form.th2)};
    scene.form = form;
    scene.gears[0].centre = QPointF(0, 0);
    scene.gears[1].centre = QPointF(m.centre_distance, 0);

    // The slider starts with one pair touching at A and carries the contacts at
    // least one base pitch on.
    const MeshPose start = mesh_pose(m, o1, o2, m.a - m.c);
    scene.gears[0].angle0 = start.gear1_angle;
    scene.gears[0].rate = start.gear1_rate;
    scene.gears[1].angle0 = start.gear2_angle;
    scene.gears[1].rate = start.gear2_rate;
    scene.travel = std::max(m.ae, m.pbt);

    scene.t1 = point(tangent_point_1(m));
    scene.t2 = point(tangent_point_2(m));
    scene.a = point(point_on_line(m, m.a));
    scene.b = point(point_on_line(m, m.b));
    scene.c = point(point_on_line(m, m.c));
    scene.d = point(point_on_line(m, m.d));
    scene.e = point(point_on_line(m, m.e));
    scene.ae = m.ae;
    scene.eps_alpha = m.eps_alpha;
    scene.pbt = m.pbt;
    scene.module = n.mt;

    auto sliding = sliding_along_path(m, kSlidingSamples);
    if (const auto* stop = std::get_if<Stop>(&sliding)) {
        scene.sliding.refusal = qt(stop->message);
    } else {
        for (const SpecificSliding& z : std::get<std::vector<SpecificSliding>>(sliding)) {
            scene.sliding.s.push_back(z.s - m.a);
            scene.sliding.zeta1.push_back(z.zeta1);
            scene.sliding.zeta2.push_back(z.zeta2);
        }
        scene.sliding.b = m.b - m.a;
        scene.sliding.c = m.c - m.a;
        scene.sliding.d = m.d - m.a;
    }

    // The nominal outlines are those drawn; another thickness is cut when asked for.
    picture.outlines = [outlines, n, rounding](int gear, OutlineFormat format,
                                               ThicknessChoice thickness) {
        const std::size_t i = gear == 0 ? 0 : 1;
        if (thickness == ThicknessChoice::Nominal) return outline_file((*outlines)[i], format);
        OutlineOptions options;
        options.thickness = thickness;
        auto o = gear_outline(n, static_cast<int>(i), rounding[i], options);
        if (const auto* stop = std::get_if<Stop>(&o)) return OutlineFile{{}, stop->message};
        return outline_file(std::get<GearOutline>(o), format);
    };
    return picture;
}

}  // namespace gp
