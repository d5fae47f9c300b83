#include "solid_checks.h"

#include <BRepAlgoAPI_Common.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <GeomAPI_IntSS.hxx>
#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <GeomAPI_ProjectPointOnCurve.hxx>
#include <Geom_Plane.hxx>
#include <STEPControl_Reader.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Pln.hxx>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace solid_checks {
namespace {

bool is_end_face(const TopoDS_Face& face, double z) {
    Bnd_Box box;
    BRepBndLib::AddOptimal(face, box, false, false);
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    return z1 - z0 < 1e-6 && std::abs(0.5 * (z0 + z1) - z) < 1e-6;
}

}  // namespace

bool valid_and_closed(const solid_kernel::Body& body) {
    if (!BRepCheck_Analyzer(*body).IsValid()) return false;
    TopTools_IndexedDataMapOfShapeListOfShape faces_of;
    TopExp::MapShapesAndAncestors(*body, TopAbs_EDGE, TopAbs_FACE, faces_of);
    for (int k = 1; k <= faces_of.Extent(); ++k) {
        if (BRep_Tool::Degenerated(TopoDS::Edge(faces_of.FindKey(k)))) continue;
        if (faces_of(k).Extent() < 2) return false;
    }
    return true;
}

double volume(const solid_kernel::Body& body) {
    GProp_GProps props;
    BRepGProp::VolumeProperties(*body, props, 1e-8, true);
    return props.Mass();
}

double end_face_area(const solid_kernel::Body& body, double z) {
    double area = 0;
    for (TopExp_Explorer f(*body, TopAbs_FACE); f.More(); f.Next()) {
        const TopoDS_Face face = TopoDS::Face(f.Current());
        if (!is_end_face(face, z)) continue;
        GProp_GProps props;
        BRepGProp::SurfaceProperties(face, props, 1e-10);
        area += props.Mass();
    }
    return area;
}

double section_gap(const solid_kernel::Body& body, const std::vector<double>& xy, double z,
                   double b) {
    std::vector<TopoDS_Edge> edges;
    if (std::abs(std::abs(z) - 0.5 * b) < 1e-12) {
        for (TopExp_Explorer f(*body, TopAbs_FACE); f.More(); f.Next()) {
            if (!is_end_face(TopoDS::Face(f.Current()), z)) continue;
            for (TopExp_Explorer e(f.Current(), TopAbs_EDGE); e.More(); e.Next())
                edges.push_back(TopoDS::Edge(e.Current()));
        }
    } else {
        // The plane through every side face: the faces span their surfaces' whole
        // parameter ranges, so the surfaces' intersections are the section.
        const Handle(Geom_Plane) plane = new Geom_Plane(gp_Pnt(0, 0, z), gp_Dir(0, 0, 1));
        for (TopExp_Explorer f(*body, TopAbs_FACE); f.More(); f.Next()) {
            const TopoDS_Face face = TopoDS::Face(f.Current());
            TopLoc_Location where;
            Handle(Geom_Surface) surface = BRep_Tool::Surface(face, where);
            if (surface->IsKind(STANDARD_TYPE(Geom_Plane))) continue;
            GeomAPI_IntSS meet(surface, plane, 1e-9);
            for (int k = 1; meet.IsDone() && k <= meet.NbLines(); ++k) {
                edges.push_back(BRepBuilderAPI_MakeEdge(meet.Line(k)).Edge());
            }
        }
    }
    struct Piece {
        Handle(Geom_Curve) curve;
        double first = 0, last = 0;
        Bnd_Box box;
    };
    std::vector<Piece> pieces;
    for (const TopoDS_Edge& e : edges) {
        Piece p;
        p.curve = BRep_Tool::Curve(e, p.first, p.last);
        if (p.curve.IsNull()) continue;
        BRepBndLib::Add(e, p.box);
        p.box.Enlarge(1e-2);
        pieces.push_back(p);
    }
    double worst = pieces.empty() ? 1e9 : 0.0;
    for (std::size_t k = 0; k + 1 < xy.size(); k += 2) {
        const gp_Pnt p(xy[k], xy[k + 1], z);
        double best = 1e9;
        for (const Piece& piece : pieces) {
            if (piece.box.IsOut(p)) continue;
            best = std::min({best, p.Distance(piece.curve->Value(piece.first)),
                             p.Distance(piece.curve->Value(piece.last))});
            GeomAPI_ProjectPointOnCurve proj(p, piece.curve, piece.first, piece.last);
            if (proj.NbPoints() > 0) best = std::min(best, proj.LowerDistance());
        }
        worst = std::max(worst, best);
    }
    return worst;
}

double common_volume(const solid_kernel::Body& a, const solid_kernel::Body& b) {
    // Oriented boxes: the thin, turned teeth of helical gears fill few of each other's.
    BRepAlgoAPI_Common common;
    TopTools_ListOfShape first, second;
    first.Append(*a);
    second.Append(*b);
    common.SetArguments(first);
    common.SetTools(second);
    common.SetUseOBB(true);
    common.SetRunParallel(false);
    common.Build();
    if (!common.IsDone()) return -1;
    GProp_GProps props;
    BRepGProp::VolumeProperties(common.Shape(), props);
    return props.Mass();
}

std::array<double, 6> bounding_box(const solid_kernel::Body& body) {
    Bnd_Box box;
    BRepBndLib::AddOptimal(*body, box, false, false);
    std::array<double, 6> out{};
    box.Get(out[0], out[1], out[2], out[3], out[4], out[5]);
    return out;
}

StepContents read_step(const std::string& text) {
    StepContents out;
    const auto path = std::filesystem::temp_directory_path() / "gearpair-solid-test-read.step";
    {
        std::ofstream f(path, std::ios::binary);
        f << text;
    }
    STEPControl_Reader reader;
    if (reader.ReadFile(path.string().c_str()) == IFSelect_RetDone) {
        reader.TransferRoots();
        for (int k = 1; k <= reader.NbShapes(); ++k) {
            for (TopExp_Explorer s(reader.Shape(k), TopAbs_SOLID); s.More(); s.Next())
                out.solids.push_back(std::make_shared<const TopoDS_Shape>(s.Current()));
        }
        const Handle(Interface_InterfaceModel) model = reader.Model();
        for (int k = 1; k <= model->NbEntities(); ++k) {
            const auto product = Handle(StepBasic_Product)::DownCast(model->Value(k));
            if (!product.IsNull()) out.names.push_back(product->Name()->ToCString());
        }
    }
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return out;
}

}  // namespace solid_checks
