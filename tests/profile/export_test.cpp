// The outline files: the DXF read back by the DXF library's own reader is one
// closed polyline with the gear's teeth, the CSV and SVG carry every point.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "golden_pairs.h"
#include "messages/profile.h"
#include "outline_csv.h"
#include "outline_dxf.h"
#include "outline_read_back.h"
#include "outline_svg.h"

#if GEARPAIR_HAVE_DXF
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#endif

namespace gp {
namespace {

#if GEARPAIR_HAVE_DXF
// What the reader found in a DXF file.
struct DxfContents : DL_CreationAdapter {
    struct Polyline {
        std::string layer;
        int flags = 0;
        std::vector<OutlinePoint> vertices;
    };
    std::vector<Polyline> polylines;
    std::vector<std::pair<std::string, double>> circles;  // layer, radius

    void addPolyline(const DL_PolylineData& data) override {
        polylines.push_back({attributes.getLayer(), data.flags, {}});
    }
    void addVertex(const DL_VertexData& data) override {
        if (!polylines.empty()) polylines.back().vertices.push_back({data.x, data.y});
    }
    void addCircle(const DL_CircleData& data) override {
        circles.emplace_back(attributes.getLayer(), data.radius);
    }
};

TEST(OutlineExport, DxfReadsBackAsOneClosedPolylineWithTheTeeth) {
    int checked = 0;
    for (const auto& pair : testing::golden_pairs()) {
        if (pair.row % 25 != 1) continue;  // a spread of spur, helical, undercut pairs
        for (int i = 0; i < kGears; ++i) {
            const auto* o = std::get_if<GearOutline>(&pair.profile.outlines[i]);
            if (!o) continue;
            SCOPED_TRACE("cases.csv row " + std::to_string(pair.row) + ", gear " +
                         std::to_string(i + 1));
            const auto dxf = outline_dxf(*o);
            ASSERT_TRUE(std::holds_alternative<std::string>(dxf));
            std::istringstream stream(std::get<std::string>(dxf));
            DxfContents found;
            DL_Dxf reader;
            ASSERT_TRUE(reader.in(stream, &found));

            ASSERT_EQ(found.polylines.size(), 1u);
            const auto& poly = found.polylines[0];
            EXPECT_EQ(poly.layer, i == 0 ? "GEAR1" : "GEAR2");
            EXPECT_EQ(poly.flags & 1, 1) << "closed";
            ASSERT_EQ(poly.vertices.size(), o->points.size());
            // z-fold symmetry: a vertex turned by one pitch is the vertex one
            // tooth's worth of points further on.
            const std::size_t count = poly.vertices.size();
            ASSERT_EQ(count % o->teeth, 0u);
            const std::size_t per_tooth = count / o->teeth;
            const double pitch = 2 * 3.141592653589793 / o->teeth;
            for (std::size_t k = 0; k < count; k += 7) {
                const auto a = poly.vertices[k], b = poly.vertices[(k + per_tooth) % count];
                EXPECT_NEAR(a.x * std::cos(pitch) - a.y * std::sin(pitch), b.x, 1e-6);
                EXPECT_NEAR(a.x * std::sin(pitch) + a.y * std::cos(pitch), b.y, 1e-6);
            }
            ASSERT_EQ(found.circles.size(), 4u);
            for (const auto& [layer, r] : found.circles) EXPECT_EQ(layer, "CIRCLES");
            EXPECT_NEAR(found.circles[0].second, o->tip_radius, 1e-9);
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}
#else
TEST(OutlineExport, DxfSaysItIsNotAvailable) {
    const auto pairs = testing::golden_pairs();
    const auto& o = std::get<GearOutline>(pairs.front().profile.outlines[0]);
    const auto dxf = outline_dxf(o);
    ASSERT_TRUE(std::holds_alternative<Stop>(dxf));
    EXPECT_EQ(std::get<Stop>(dxf).message, msg::kDxfNotAvailable);
}
#endif

TEST(OutlineExport, CsvAndSvgCarryEveryPoint) {
    const auto pairs = testing::golden_pairs();
    const auto& o = std::get<GearOutline>(pairs.front().profile.outlines[1]);
    const std::string csv = outline_csv_lines(o, 7);
    std::istringstream lines(csv);
    std::string line;
    std::size_t k = 0;
    while (std::getline(lines, line)) {
        double x = 0, y = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "7,2,%lf,%lf", &x, &y), 2) << line;
        EXPECT_NEAR(x, o.points[k].x, 1e-9);
        EXPECT_NEAR(y, o.points[k].y, 1e-9);
        ++k;
    }
    EXPECT_EQ(k, o.points.size());

    const std::string svg = outline_svg(o);
    std::size_t vertices = 0;
    for (char c : svg) vertices += c == 'M' || c == 'L';
    EXPECT_EQ(vertices, o.points.size());
    EXPECT_NE(svg.find(" Z\""), std::string::npos) << "closed path";
    EXPECT_NE(svg.find("id=\"circles\""), std::string::npos);
}

// Every coordinate comes back as computed, to the file's decimals, whatever its size:
// one tooth of an outline scaled to every power of ten from 1e-300 mm to 1e300 mm
// (negative coordinates too).
TEST(OutlineExport, EveryFileCarriesCoordinatesOfAnySize) {
    const auto pairs = testing::golden_pairs();
    const auto& o = std::get<GearOutline>(pairs.front().profile.outlines[0]);
    for (int exponent = -300; exponent <= 300; ++exponent) {
        GearOutline scaled = o;
        scaled.points.resize(scaled.points.size() / o.teeth);
        const double scale = std::pow(10.0, exponent) / o.outer_radius;
        for (auto& p : scaled.points) p = {p.x * scale, p.y * scale};
        for (double* r : {&scaled.tip_radius, &scaled.reference_radius, &scaled.base_radius,
                          &scaled.root_radius}) {
            *r *= scale;
        }
        for (auto format : {OutlineFormat::Csv, OutlineFormat::Svg, OutlineFormat::Dxf}) {
            EXPECT_EQ(first_point_not_read_back(scaled, format), std::nullopt)
                << "1e" << exponent << " mm, format " << int(format);
        }
    }
}

}  // namespace
}  // namespace gp
