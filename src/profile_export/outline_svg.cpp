#include "outline_svg.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "decimal_text.h"

namespace gp {
namespace {

void append_number(std::string& out, double v) { append_decimal(out, v, kOutlineSvgDecimals); }

void append_circle(std::string& out, const char* id, double r) {
    if (!(r > 0.0)) return;
    out += "    <circle id=\"";
    out += id;
    out += "\" cx=\"0\" cy=\"0\" r=\"";
    append_number(out, r);
    out += "\"/>\n";
}

}  // namespace

std::string outline_svg(const GearOutline& o) {
    double extent = o.tip_radius;
    for (const OutlinePoint& p : o.points)
        extent = std::max({extent, std::abs(p.x), std::abs(p.y)});
    extent *= 1.02;
    const double size = 2.0 * extent;

    std::string out;
    out.reserve(o.points.size() * 26 + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    append_number(out, size);
    out += "mm\" height=\"";
    append_number(out, size);
    out += "mm\" viewBox=\"";
    append_number(out, -extent);
    out += ' ';
    append_number(out, -extent);
    out += ' ';
    append_number(out, size);
    out += ' ';
    append_number(out, size);
    out += "\">\n";
    out += "  <title>gear " + std::to_string(o.index + 1) + ", z = " + std::to_string(o.teeth) +
           "</title>\n";
    // The outline's y axis points up, the drawing's down: mirror once for all.
    out += "  <g transform=\"scale(1,-1)\">\n";
    out += "  <g id=\"circles\" fill=\"none\" stroke=\"#808080\" stroke-width=\"0.05\">\n";
    append_circle(out, "tip", o.tip_radius);
    append_circle(out, "reference", o.reference_radius);
    append_circle(out, "base", o.base_radius);
    append_circle(out, "root", o.root_radius);
    out += "  </g>\n";
    out += "  <g id=\"outline\" fill=\"none\" stroke=\"#000000\" stroke-width=\"0.1\">\n";
    out += "    <path d=\"";
    for (std::size_t i = 0; i < o.points.size(); ++i) {
        out += i == 0 ? "M" : (i % 8 == 0 ? "\n      L" : " L");
        append_number(out, o.points[i].x);
        out += ',';
        append_number(out, o.points[i].y);
    }
    out += " Z\"/>\n";
    out += "  </g>\n";
    out += "  </g>\n";
    out += "</svg>\n";
    return out;
}

}  // namespace gp
