#include "solid_triangles.h"

#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>

namespace solid_checks {

std::vector<Triangle> triangles(const solid_kernel::Body& body, double deflection) {
    TopoDS_Shape shape = *body;
    BRepMesh_IncrementalMesh mesh(shape, deflection, false, 0.3);
    std::vector<Triangle> out;
    for (TopExp_Explorer f(shape, TopAbs_FACE); f.More(); f.Next()) {
        const TopoDS_Face face = TopoDS::Face(f.Current());
        TopLoc_Location where;
        const Handle(Poly_Triangulation) tri = BRep_Tool::Triangulation(face, where);
        if (tri.IsNull()) continue;
        const bool reversed = face.Orientation() == TopAbs_REVERSED;
        for (int k = 1; k <= tri->NbTriangles(); ++k) {
            int a, b, c;
            tri->Triangle(k).Get(a, b, c);
            if (reversed) std::swap(b, c);
            Triangle t;
            int idx[3] = {a, b, c};
            for (int j = 0; j < 3; ++j) {
                const gp_Pnt p = tri->Node(idx[j]).Transformed(where.Transformation());
                t.corners[static_cast<std::size_t>(j)] = {p.X(), p.Y(), p.Z()};
            }
            out.push_back(t);
        }
    }
    return out;
}

}  // namespace solid_checks
