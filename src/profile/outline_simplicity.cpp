#include "outline_simplicity.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace gp {
namespace {

// Sign of the turn a → b → c: positive counter-clockwise, zero when collinear.
double turn(OutlinePoint a, OutlinePoint b, OutlinePoint c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Whether p, collinear with a–b, lies within the box of a–b.
bool within(OutlinePoint a, OutlinePoint b, OutlinePoint p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether the closed segments a–b and c–d have a point in common.
bool segments_meet(OutlinePoint a, OutlinePoint b, OutlinePoint c, OutlinePoint d) {
    const double d1 = turn(c, d, a), d2 = turn(c, d, b);
    const double d3 = turn(a, b, c), d4 = turn(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
        return true;
    }
    return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) ||
           (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
}

// Grid cells an outline may take per point before the cells are made coarser.
constexpr double kCellsPerPoint = 8;

// An edge in one cell of the grid; the cells numbered row by row.
struct CellEdge {
    std::uint64_t cell;
    std::uint32_t edge;
};

// Sorts by cell, keeping the order of the edges within a cell (a stable radix sort
// over the bits of the largest cell number): linear in the entries, where a
// comparison sort of a capped outline's half a million entries took most of the
// check's time.
void sort_by_cell(std::vector<CellEdge>& entries, std::uint64_t largest_cell) {
    constexpr int kDigitBits = 11;
    constexpr std::uint64_t kDigitMask = (std::uint64_t{1} << kDigitBits) - 1;
    std::vector<CellEdge> sorted(entries.size());
    std::vector<std::size_t> start(std::size_t{1} << kDigitBits);
    for (int shift = 0; shift < 64 && (largest_cell >> shift) != 0; shift += kDigitBits) {
        std::fill(start.begin(), start.end(), 0);
        for (const CellEdge& e : entries) ++start[(e.cell >> shift) & kDigitMask];
        std::size_t sum = 0;
        for (std::size_t& s : start) sum += std::exchange(s, sum);
        for (const CellEdge& e : entries) sorted[start[(e.cell >> shift) & kDigitMask]++] = e;
        entries.swap(sorted);
    }
}

}  // namespace

std::optional<OutlineCrossing> outline_crossing(const std::vector<OutlinePoint>& points) {
    const std::size_t n = points.size();
    if (n < 4) return std::nullopt;  // a triangle's edges are all neighbours
    const auto at = [&points, n](std::size_t k) { return points[k % n]; };

    double x0 = INFINITY, y0 = INFINITY, y1 = -INFINITY, length = 0;
    for (std::size_t k = 0; k < n; ++k) {
        x0 = std::min(x0, points[k].x);
        y0 = std::min(y0, points[k].y);
        y1 = std::max(y1, points[k].y);
        length += std::hypot(at(k + 1).x - points[k].x, at(k + 1).y - points[k].y);
    }
    if (!std::isfinite(length)) return std::nullopt;
    // Cells about two mean edges wide; coarser while the edges' boxes would take
    // too many cells (a few long edges among many short ones).
    double cell = 2.0 * length / static_cast<double>(n);
    if (!(cell > 0.0)) return OutlineCrossing{0, 2};  // every point the same
    const auto across = [&cell](double lo, double hi, double origin) {
        return std::floor((hi - origin) / cell) - std::floor((lo - origin) / cell) + 1;
    };
    for (;;) {
        double cells = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const OutlinePoint a = points[k], b = at(k + 1);
            cells += across(std::min(a.x, b.x), std::max(a.x, b.x), x0) *
                     across(std::min(a.y, b.y), std::max(a.y, b.y), y0);
        }
        if (cells <= kCellsPerPoint * static_cast<double>(n)) break;
        cell *= 2.0;
    }

    // (cell, edge) for every cell an edge's box covers, sorted by cell and within a
    // cell by edge. No side of the box is longer than half the outline, so a row
    // holds at most n/4 + 2 cells and the numbers fit in 64 bits.
    const auto rows = static_cast<std::uint64_t>((y1 - y0) / cell) + 1;
    std::vector<CellEdge> entries;
    entries.reserve(2 * n);
    std::uint64_t largest_cell = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const OutlinePoint a = points[k], b = at(k + 1);
        const auto ix0 = static_cast<std::uint64_t>((std::min(a.x, b.x) - x0) / cell);
        const auto ix1 = static_cast<std::uint64_t>((std::max(a.x, b.x) - x0) / cell);
        const auto iy0 = static_cast<std::uint64_t>((std::min(a.y, b.y) - y0) / cell);
        const auto iy1 = static_cast<std::uint64_t>((std::max(a.y, b.y) - y0) / cell);
        for (std::uint64_t ix = ix0; ix <= ix1; ++ix) {
            for (std::uint64_t iy = iy0; iy <= iy1; ++iy) {
                entries.push_back({ix * rows + iy, static_cast<std::uint32_t>(k)});
                largest_cell = std::max(largest_cell, entries.back().cell);
            }
        }
    }
    sort_by_cell(entries, largest_cell);

    std::optional<OutlineCrossing> found;
    for (std::size_t lo = 0; lo < entries.size();) {
        std::size_t hi = lo;
        while (hi < entries.size() && entries[hi].cell == entries[lo].cell) ++hi;
        for (std::size_t i = lo; i < hi; ++i) {
            for (std::size_t j = i + 1; j < hi; ++j) {
                const std::size_t e = entries[i].edge, f = entries[j].edge;  // e < f
                if (f == e + 1 || (e == 0 && f == n - 1)) continue;              // neighbours
                if (found && std::pair(e, f) >= std::pair(found->first, found->second)) continue;
                if (segments_meet(points[e], at(e + 1), points[f], at(f + 1))) found = {e, f};
            }
        }
        lo = hi;
    }
    return found;
}

}  // namespace gp
