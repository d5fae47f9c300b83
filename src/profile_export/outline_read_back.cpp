#include "outline_read_back.h"

#include <charconv>
#include <cmath>
#include <string>
#include <variant>

#include "outline_csv.h"
#include "outline_dxf.h"
#include "outline_svg.h"

namespace gp {
namespace {

// The number at the start of `text`, and the text after it.
std::optional<double> number(std::string_view& text) {
    double value = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc{}) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(read.ptr - text.data()));
    return value;
}

// The next line of `text` without its '\n', removed from `text`.
std::string_view line(std::string_view& text) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view first = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return first;
}

// "row,gear,x,y" lines.
std::vector<OutlinePoint> csv_points(std::string_view text) {
    std::vector<OutlinePoint> points;
    while (!text.empty()) {
        std::string_view l = line(text);
        for (int field = 0; field < 2; ++field)
            l.remove_prefix(std::min(l.find(',') + 1, l.size()));
        const auto x = number(l);
        if (!x || l.empty() || l[0] != ',') break;
        l.remove_prefix(1);
        const auto y = number(l);
        if (!y) break;
        points.push_back({*x, *y});
    }
    return points;
}

// The path "M x,y L x,y … Z" of the outline group.
std::vector<OutlinePoint> svg_points(std::string_view text) {
    std::vector<OutlinePoint> points;
    const std::size_t group = text.find("id=\"outline\"");
    const std::size_t path =
        text.find(" d=\"", group == std::string_view::npos ? text.size() : group);
    if (path == std::string_view::npos) return points;
    text.remove_prefix(path + 4);
    for (;;) {
        while (!text.empty() && (text[0] == ' ' || text[0] == '\n')) text.remove_prefix(1);
        if (text.empty() || (text[0] != 'M' && text[0] != 'L')) break;
        text.remove_prefix(1);
        const auto x = number(text);
        if (!x || text.empty() || text[0] != ',') break;
        text.remove_prefix(1);
        const auto y = number(text);
        if (!y) break;
        points.push_back({*x, *y});
    }
    return points;
}

// The vertices (group codes 10 and 20) of the first LWPOLYLINE entity.
std::vector<OutlinePoint> dxf_points(std::string_view text) {
    std::vector<OutlinePoint> points;
    while (!text.empty() && line(text) != "LWPOLYLINE") {
    }
    while (!text.empty()) {
        std::string_view code = line(text);
        while (!code.empty() && code[0] == ' ') code.remove_prefix(1);
        std::string_view value = line(text);
        if (code == "0") break;  // the next entity
        if (code == "10") {
            const auto x = number(value);
            if (!x) break;
            points.push_back({*x, 0.0});
        } else if (code == "20" && !points.empty()) {
            const auto y = number(value);
            if (!y) break;
            points.back().y = *y;
        }
    }
    return points;
}

int decimals_of(OutlineFormat format) {
    switch (format) {
        case OutlineFormat::Csv:
            return kOutlineCsvDecimals;
        case OutlineFormat::Svg:
            return kOutlineSvgDecimals;
        case OutlineFormat::Dxf:
            break;
    }
    return kOutlineDxfDecimals;
}

}  // namespace

std::vector<OutlinePoint> outline_points_read_back(OutlineFormat format, std::string_view bytes) {
    switch (format) {
        case OutlineFormat::Csv:
            return csv_points(bytes);
        case OutlineFormat::Svg:
            return svg_points(bytes);
        case OutlineFormat::Dxf:
            break;
    }
    return dxf_points(bytes);
}

std::optional<std::size_t> first_point_not_read_back(const GearOutline& outline,
                                                     OutlineFormat format) {
    std::string bytes;
    if (format == OutlineFormat::Csv) bytes = outline_csv_lines(outline, 1);
    if (format == OutlineFormat::Svg) bytes = outline_svg(outline);
    if (format == OutlineFormat::Dxf) {
        auto dxf = outline_dxf(outline);
        if (std::holds_alternative<Stop>(dxf)) return std::nullopt;
        bytes = std::get<std::string>(std::move(dxf));
    }
    const auto back = outline_points_read_back(format, bytes);
    // The text is the value rounded to the decimals; reading it gives the double
    // nearest the text.
    const double half_unit = 0.5 * std::pow(10.0, -decimals_of(format));
    const auto same = [half_unit](double computed, double read) {
        return std::abs(read - computed) <= half_unit * (1 + 1e-9) + std::abs(computed) * 0x1p-52;
    };
    const std::size_t n = std::min(back.size(), outline.points.size());
    for (std::size_t k = 0; k < n; ++k) {
        if (!same(outline.points[k].x, back[k].x) || !same(outline.points[k].y, back[k].y))
            return k;
    }
    if (back.size() != outline.points.size()) return n;
    return std::nullopt;
}

}  // namespace gp
