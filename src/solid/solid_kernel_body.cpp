// The gear body built face by face in the kernel (see solid_kernel.h).
#include "solid_kernel.h"

#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepLib.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRep_Builder.hxx>
#include <GProp_GProps.hxx>
#include <Geom2dAPI_Interpolate.hxx>
#include <Geom2dConvert.hxx>
#include <Geom2d_BSplineCurve.hxx>
#include <Geom2d_Circle.hxx>
#include <Geom2d_Line.hxx>
#include <Geom2d_TrimmedCurve.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TColgp_HArray1OfPnt2d.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace solid_kernel {
namespace {

// Tolerance of the model's vertices and edges, mm: far below the micrometre the
// surfaces keep to, far above the doubles' noise at gear sizes.
constexpr double kModelTolerance = 1e-7;
// Largest turn of the section between two knots of the helix's B-spline, rad. The
// cubic through the turns at the knots strays from the circle by about
// 5/384·r·h⁴: below 1e-5 mm at a radius of 100 mm.
constexpr double kTurnPerSpan = 0.05;
// Points of a flank closer than this are one point, mm.
constexpr double kSamePoint = 1e-9;
// How far a flank's B-spline may pass from a cut point it does not interpolate, mm.
constexpr double kFitCheck = 1e-5;

// The turn of the section along the axis as a B-spline in z: its coefficients
// carry cos(twist·z), sin(twist·z) and z itself, so that turning a planar curve's
// poles by them sweeps the curve along the helix. Straight (degree 1) for a spur
// gear.
struct Turn {
    int degree = 1;
    std::vector<double> knots;
    std::vector<int> mults;
    std::vector<double> c, s, z;
};

Turn turn_along(double z0, double z1, double twist) {
    Turn t;
    const double sweep = std::abs(twist) * (z1 - z0);
    if (!(sweep > 0.0)) {
        t.knots = {z0, z1};
        t.mults = {2, 2};
        t.c = {1, 1};
        t.s = {0, 0};
        t.z = {z0, z1};
        return t;
    }
    const int spans = std::max(2, static_cast<int>(std::ceil(sweep / kTurnPerSpan)));
    Handle(TColgp_HArray1OfPnt) points = new TColgp_HArray1OfPnt(1, spans + 1);
    Handle(TColStd_HArray1OfReal) params = new TColStd_HArray1OfReal(1, spans + 1);
    for (int j = 0; j <= spans; ++j) {
        const double z = j == spans ? z1 : z0 + (z1 - z0) * j / spans;
        points->SetValue(j + 1, gp_Pnt(std::cos(twist * z), std::sin(twist * z), z));
        params->SetValue(j + 1, z);
    }
    GeomAPI_Interpolate fit(points, params, Standard_False, 1e-12);
    fit.Perform();
    const Handle(Geom_BSplineCurve)& curve = fit.Curve();
    t.degree = curve->Degree();
    for (int k = 1; k <= curve->NbKnots(); ++k) {
        t.knots.push_back(curve->Knot(k));
        t.mults.push_back(curve->Multiplicity(k));
    }
    for (int j = 1; j <= curve->NbPoles(); ++j) {
        const gp_Pnt p = curve->Pole(j);
        t.c.push_back(p.X());
        t.s.push_back(p.Y());
        t.z.push_back(p.Z());
    }
    return t;
}

// A cubic through every step-th point, parametrised by the polyline's length, or
// nothing when the interpolation fails.
Handle(Geom2d_BSplineCurve) through(const std::vector<gp_Pnt2d>& pts,
                                    const std::vector<double>& length, std::size_t step) {
    std::vector<std::size_t> kept;
    for (std::size_t k = 0; k + 1 < pts.size(); k += step) kept.push_back(k);
    // The last point, and not too near the one before it.
    if (kept.size() > 1 && 2 * (pts.size() - 1 - kept.back()) < step) kept.pop_back();
    kept.push_back(pts.size() - 1);
    const int n = static_cast<int>(kept.size());
    Handle(TColgp_HArray1OfPnt2d) p = new TColgp_HArray1OfPnt2d(1, n);
    Handle(TColStd_HArray1OfReal) t = new TColStd_HArray1OfReal(1, n);
    for (int k = 0; k < n; ++k) {
        p->SetValue(k + 1, pts[kept[static_cast<std::size_t>(k)]]);
        t->SetValue(k + 1, length[kept[static_cast<std::size_t>(k)]]);
    }
    Geom2dAPI_Interpolate fit(p, t, Standard_False, kSamePoint / 10);
    fit.Perform();
    if (!fit.IsDone()) return nullptr;
    return fit.Curve();
}

// The cut points are spaced for straight chords; a cubic needs far fewer. The
// fewest of every fourth, third, second point whose curve passes every point left
// out within kFitCheck (measured at the point's own parameter: an upper bound of
// its distance), else all of them.
Handle(Geom2d_BSplineCurve) interpolated(const std::vector<gp_Pnt2d>& pts) {
    std::vector<double> length(pts.size(), 0.0);
    for (std::size_t k = 1; k < pts.size(); ++k) length[k] = length[k - 1] + pts[k].Distance(pts[k - 1]);
    for (std::size_t step : {4, 3, 2}) {
        if (pts.size() < 2 * step + 1) continue;
        Handle(Geom2d_BSplineCurve) c = through(pts, length, step);
        if (c.IsNull()) continue;
        double worst = 0;
        for (std::size_t k = 0; k < pts.size() && worst <= kFitCheck; ++k) {
            worst = std::max(worst, c->Value(length[k]).Distance(pts[k]));
        }
        if (worst <= kFitCheck) return c;
    }
    return through(pts, length, 1);
}

// One piece of the outline as a planar B-spline curve from its first to its last
// point (both exactly the outline's).
Handle(Geom2d_BSplineCurve) piece_curve(const Piece& piece) {
    const std::size_t count = piece.xy.size() / 2;
    if (count < 2) return nullptr;
    const auto at = [&](std::size_t k) { return gp_Pnt2d(piece.xy[2 * k], piece.xy[2 * k + 1]); };
    const gp_Pnt2d first = at(0), last = at(count - 1);
    if (first.Distance(last) <= kSamePoint) return nullptr;
    Handle(Geom2d_BSplineCurve) curve;
    if (piece.arc) {
        // An arc of a circle about the centre: exact as a rational B-spline.
        const double radius = std::hypot(first.X(), first.Y());
        const double a0 = std::atan2(first.Y(), first.X());
        double a1 = std::atan2(last.Y(), last.X());
        while (a1 <= a0) a1 += 2.0 * std::numbers::pi;
        Handle(Geom2d_Circle) circle = new Geom2d_Circle(gp_Ax22d(), radius);
        Handle(Geom2d_TrimmedCurve) arc = new Geom2d_TrimmedCurve(circle, a0, a1);
        curve = Geom2dConvert::CurveToBSplineCurve(arc);
    } else {
        // The exactly cut points of the involute or the trochoid, interpolated.
        std::vector<gp_Pnt2d> pts;
        for (std::size_t k = 0; k < count; ++k) {
            const gp_Pnt2d p = at(k);
            if (pts.empty() || p.Distance(pts.back()) > kSamePoint) pts.push_back(p);
        }
        pts.back() = last;
        if (pts.size() < 2) return nullptr;
        curve = interpolated(pts);
        if (curve.IsNull()) return nullptr;
    }
    // The ends bit for bit the outline's, so that neighbouring faces share them.
    curve->SetPole(1, first);
    curve->SetPole(curve->NbPoles(), last);
    return curve;
}

// The piece's curve swept along the helix: pole (i, j) is pole i turned by the
// j-th coefficients of the turn.
Handle(Geom_BSplineSurface) swept(const Geom2d_BSplineCurve& c, const Turn& t) {
    const int nu = c.NbPoles(), nv = static_cast<int>(t.c.size());
    TColgp_Array2OfPnt poles(1, nu, 1, nv);
    TColStd_Array2OfReal weights(1, nu, 1, nv);
    for (int i = 1; i <= nu; ++i) {
        const gp_Pnt2d p = c.Pole(i);
        const double w = c.Weight(i);
        for (int j = 1; j <= nv; ++j) {
            const double cj = t.c[j - 1], sj = t.s[j - 1];
            poles.SetValue(i, j, gp_Pnt(p.X() * cj - p.Y() * sj, p.X() * sj + p.Y() * cj, t.z[j - 1]));
            weights.SetValue(i, j, w);
        }
    }
    TColStd_Array1OfReal uk(1, c.NbKnots()), vk(1, static_cast<int>(t.knots.size()));
    TColStd_Array1OfInteger um(1, c.NbKnots()), vm(1, static_cast<int>(t.knots.size()));
    c.Knots(uk);
    c.Multiplicities(um);
    for (std::size_t k = 0; k < t.knots.size(); ++k) {
        vk.SetValue(static_cast<int>(k) + 1, t.knots[k]);
        vm.SetValue(static_cast<int>(k) + 1, t.mults[k]);
    }
    return new Geom_BSplineSurface(poles, weights, uk, vk, um, vm, c.Degree(), t.degree);
}

struct SideFace {
    Handle(Geom_BSplineSurface) surface;
    double u0 = 0, u1 = 0;
    TopoDS_Face face;
};

TopoDS_Edge edge_of(const Handle(Geom_Curve)& curve, const TopoDS_Vertex& from,
                    const TopoDS_Vertex& to, double p0, double p1) {
    BRep_Builder b;
    TopoDS_Edge e;
    b.MakeEdge(e, curve, kModelTolerance);
    b.Add(e, from.Oriented(TopAbs_FORWARD));
    b.Add(e, to.Oriented(TopAbs_REVERSED));
    b.Range(e, p0, p1);
    return e;
}

void add_pcurve(TopoDS_Edge& e, const TopoDS_Face& f, gp_Pnt2d origin, gp_Dir2d dir, double p0,
                double p1) {
    BRep_Builder b;
    b.UpdateEdge(e, new Geom2d_Line(origin, dir), f, kModelTolerance);
    b.Range(e, f, p0, p1);
}

// The closed body between z0 and z1 from the outline's pieces, face by face, every
// edge shared by its two faces.
TopoDS_Shape swept_body(const std::vector<Piece>& pieces, double z0, double z1, double twist) {
    const Turn turn = turn_along(z0, z1, twist);
    std::vector<SideFace> sides;
    for (const Piece& piece : pieces) {
        Handle(Geom2d_BSplineCurve) c = piece_curve(piece);
        if (c.IsNull()) continue;  // a piece of one point
        SideFace s;
        s.surface = swept(*c, turn);
        s.u0 = c->FirstParameter();
        s.u1 = c->LastParameter();
        sides.push_back(std::move(s));
    }
    const std::size_t n = sides.size();
    if (n < 3) return {};

    BRep_Builder b;
    std::vector<TopoDS_Vertex> low(n), high(n);
    for (std::size_t k = 0; k < n; ++k) {
        b.MakeVertex(low[k], sides[k].surface->Value(sides[k].u0, z0), kModelTolerance);
        b.MakeVertex(high[k], sides[k].surface->Value(sides[k].u0, z1), kModelTolerance);
        b.MakeFace(sides[k].face, sides[k].surface, kModelTolerance);
    }
    // The helical edge where piece k begins, shared by faces k − 1 and k.
    std::vector<TopoDS_Edge> rise(n), bottom(n), top(n);
    for (std::size_t k = 0; k < n; ++k) {
        SideFace& s = sides[k];
        SideFace& before = sides[(k + n - 1) % n];
        rise[k] = edge_of(s.surface->UIso(s.u0), low[k], high[k], z0, z1);
        add_pcurve(rise[k], s.face, gp_Pnt2d(s.u0, 0), gp_Dir2d(0, 1), z0, z1);
        add_pcurve(rise[k], before.face, gp_Pnt2d(before.u1, 0), gp_Dir2d(0, 1), z0, z1);
        bottom[k] = edge_of(s.surface->VIso(z0), low[k], low[(k + 1) % n], s.u0, s.u1);
        add_pcurve(bottom[k], s.face, gp_Pnt2d(0, z0), gp_Dir2d(1, 0), s.u0, s.u1);
        top[k] = edge_of(s.surface->VIso(z1), high[k], high[(k + 1) % n], s.u0, s.u1);
        add_pcurve(top[k], s.face, gp_Pnt2d(0, z1), gp_Dir2d(1, 0), s.u0, s.u1);
    }
    TopoDS_Shell shell;
    b.MakeShell(shell);
    TopoDS_Wire low_wire, high_wire;
    b.MakeWire(low_wire);
    b.MakeWire(high_wire);
    for (std::size_t k = 0; k < n; ++k) {
        // Counter-clockwise in the face's (u, z) parameters: the outward side.
        TopoDS_Wire w;
        b.MakeWire(w);
        b.Add(w, bottom[k]);
        b.Add(w, rise[(k + 1) % n]);
        b.Add(w, top[k].Reversed());
        b.Add(w, rise[k].Reversed());
        b.Add(sides[k].face, w);
        b.Add(shell, sides[k].face);
        b.Add(low_wire, bottom[k]);
        b.Add(high_wire, top[k]);
    }
    // The end faces: the outline runs counter-clockwise about +z.
    BRepBuilderAPI_MakeFace low_face(gp_Pln(gp_Pnt(0, 0, z0), gp_Dir(0, 0, 1)), low_wire, true);
    BRepBuilderAPI_MakeFace high_face(gp_Pln(gp_Pnt(0, 0, z1), gp_Dir(0, 0, 1)), high_wire, true);
    if (!low_face.IsDone() || !high_face.IsDone()) return {};
    TopoDS_Face lf = low_face.Face(), hf = high_face.Face();
    for (std::size_t k = 0; k < n; ++k) {
        BRepLib::BuildPCurveForEdgeOnPlane(bottom[k], lf);
        BRepLib::BuildPCurveForEdgeOnPlane(top[k], hf);
    }
    b.Add(shell, lf.Reversed());
    b.Add(shell, hf);
    shell.Closed(true);
    TopoDS_Solid solid;
    b.MakeSolid(solid);
    b.Add(solid, shell);
    return solid;
}

// A body of revolution with a 45° cone through each end face's tip corner, cut
// back by `chamfer`, reaching past the gear everywhere else: what the chamfered
// blank leaves of the teeth.
TopoDS_Shape chamfer_cutter(double ra, double z0, double z1, double chamfer) {
    // The cones run on a little past the tip circle and the end faces, so that no
    // face of the cutter lies on a face of the gear.
    const double past = 0.25 * std::min(chamfer, 0.5 * (z1 - z0) - chamfer);
    BRepBuilderAPI_MakePolygon profile;
    const double below = z0 - past, above = z1 + past;
    profile.Add(gp_Pnt(0, 0, below));
    profile.Add(gp_Pnt(ra - chamfer - past, 0, below));
    profile.Add(gp_Pnt(ra + past, 0, z0 + chamfer + past));
    profile.Add(gp_Pnt(ra + past, 0, z1 - chamfer - past));
    profile.Add(gp_Pnt(ra - chamfer - past, 0, above));
    profile.Add(gp_Pnt(0, 0, above));
    profile.Close();
    BRepBuilderAPI_MakeFace face(profile.Wire(), true);
    return BRepPrimAPI_MakeRevol(face.Face(), gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1))).Shape();
}

}  // namespace

Body build_body(const BodyPlan& plan) {
    const double b = plan.face_width;
    const double z0 = -0.5 * b, z1 = 0.5 * b;
    try {
        TopoDS_Shape solid = swept_body(plan.pieces, z0, z1, plan.twist);
        if (solid.IsNull()) return nullptr;
        if (plan.bore > 0.0) {
            const double past = 1.0 + b;
            BRepPrimAPI_MakeCylinder bore(gp_Ax2(gp_Pnt(0, 0, z0 - past), gp_Dir(0, 0, 1)),
                                          0.5 * plan.bore, b + 2.0 * past);
            BRepAlgoAPI_Cut cut(solid, bore.Shape());
            if (!cut.IsDone()) return nullptr;
            solid = cut.Shape();
        }
        if (plan.chamfer > 0.0) {
            BRepAlgoAPI_Common common(solid, chamfer_cutter(plan.tip_radius, z0, z1, plan.chamfer));
            if (!common.IsDone()) return nullptr;
            solid = common.Shape();
        }
        // A Boolean operation hands back a compound: the body is its one solid.
        TopExp_Explorer solids(solid, TopAbs_SOLID);
        if (!solids.More()) return nullptr;
        solid = solids.Current();
        solids.Next();
        if (solids.More() || !BRepCheck_Analyzer(solid).IsValid()) return nullptr;
        return std::make_shared<const TopoDS_Shape>(solid);
    } catch (const Standard_Failure&) {
        return nullptr;
    }
}

Body placed(const Body& body, double angle, double x) {
    gp_Trsf turn, shift;
    turn.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)), angle);
    shift.SetTranslation(gp_Vec(x, 0, 0));
    // Moved in its geometry, not by a location: a located shape would reach the STEP
    // file as an assembly of one unnamed part.
    return std::make_shared<const TopoDS_Shape>(
        BRepBuilderAPI_Transform(*body, shift * turn, true).Shape());
}

}  // namespace solid_kernel
