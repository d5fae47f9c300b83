#include "plane_shading.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace gp {
namespace {

// Cells a side of a block sampled at its corners.
constexpr int kBlock = 4;

class Shader {
  public:
    Shader(const ShiftPlane& plane, PlaneShading& out)
        : plane_(plane),
          out_(out),
          w_(out.window),
          width_(w_.x1_max - w_.x1_min),
          height_(w_.x2_max - w_.x2_min),
          block_columns_((out.columns + kBlock - 1) / kBlock),
          block_rows_((out.rows + kBlock - 1) / kBlock),
          known_(out.cells.size(), false),
          crossed_(static_cast<std::size_t>(block_columns_) * block_rows_, false) {}

    // Marks the blocks the segment p–q crosses. A block stands for the cells
    // between the centres of its corner cells, so its region is shifted by half a
    // cell from its cells'; points within half a cell of the window's edge belong to
    // the outer blocks.
    void cross(const PlanePoint& p, const PlanePoint& q) {
        double u0 = (p.x1 - w_.x1_min) / width_, v0 = (p.x2 - w_.x2_min) / height_;
        double u1 = (q.x1 - w_.x1_min) / width_, v1 = (q.x2 - w_.x2_min) / height_;
        if (!std::isfinite(u0) || !std::isfinite(v0) || !std::isfinite(u1) || !std::isfinite(v1) ||
            !clip(u0, v0, u1, v1)) {
            return;
        }
        const auto block_u = [this](double u) { return (u * out_.columns - 0.5) / kBlock; };
        const auto block_v = [this](double v) { return (v * out_.rows - 0.5) / kBlock; };
        walk(block_u(u0), block_v(v0), block_u(u1), block_v(v1));
    }

    void run() {
        for (int bj = 0; bj < block_rows_; ++bj) {
            for (int bi = 0; bi < block_columns_; ++bi) shade_block(bi, bj);
        }
    }

  private:
    PlaneCell evaluate(int i, int j) {
        const std::size_t k = static_cast<std::size_t>(j) * out_.columns + i;
        if (!known_[k]) {
            const double x1 = w_.x1_min + (i + 0.5) * (width_ / out_.columns);
            const double x2 = w_.x2_min + (j + 0.5) * (height_ / out_.rows);
            const auto v = plane_.at(std::min(x1, w_.x1_max), std::min(x2, w_.x2_max));
            ++out_.evaluations;
            const auto* values = std::get_if<ShiftValues>(&v);
            out_.cells[k] = !values              ? PlaneCell::Stops
                            : values->admissible ? PlaneCell::Admissible
                                                 : PlaneCell::NotAdmissible;
            known_[k] = true;
        }
        return out_.cells[k];
    }

    void shade_block(int bi, int bj) {
        const int i0 = bi * kBlock, j0 = bj * kBlock;
        const int i_end = std::min(i0 + kBlock, out_.columns), j_end = std::min(j0 + kBlock, out_.rows);
        // The corners: this block's first cells and the next block's.
        const int i1 = std::min(i0 + kBlock, out_.columns - 1);
        const int j1 = std::min(j0 + kBlock, out_.rows - 1);
        const PlaneCell corner = evaluate(i0, j0);
        const bool uniform = !crossed_[static_cast<std::size_t>(bj) * block_columns_ + bi] &&
                             evaluate(i1, j0) == corner && evaluate(i0, j1) == corner &&
                             evaluate(i1, j1) == corner;
        for (int j = j0; j < j_end; ++j) {
            for (int i = i0; i < i_end; ++i) {
                const std::size_t k = static_cast<std::size_t>(j) * out_.columns + i;
                if (known_[k]) continue;
                if (uniform) {
                    out_.cells[k] = corner;
                } else {
                    evaluate(i, j);
                }
            }
        }
    }

    // Cuts the segment to the unit square (Liang and Barsky); false when it misses.
    static bool clip(double& u0, double& v0, double& u1, double& v1) {
        double t0 = 0, t1 = 1;
        const double du = u1 - u0, dv = v1 - v0;
        const auto edge = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double t = q / p;
            if (p < 0) {
                if (t > t1) return false;
                t0 = std::max(t0, t);
            } else {
                if (t < t0) return false;
                t1 = std::min(t1, t);
            }
            return true;
        };
        if (!(edge(-du, u0) && edge(du, 1 - u0) && edge(-dv, v0) && edge(dv, 1 - v0))) return false;
        if (!std::isfinite(t0) || !std::isfinite(t1)) return false;
        const double a = u0, b = v0;
        u0 = a + t0 * du, v0 = b + t0 * dv;
        u1 = a + t1 * du, v1 = b + t1 * dv;
        return true;
    }

    static int block_of(double b, int count) {
        if (!(b > 0)) return 0;
        if (!(b < count - 1)) return count - 1;
        return static_cast<int>(b);
    }

    void mark(int bi, int bj) {
        crossed_[static_cast<std::size_t>(bj) * block_columns_ + bi] = true;
    }

    // Every block the segment passes through, in block coordinates (Amanatides and
    // Woo); coordinates beyond the outer blocks count as theirs.
    void walk(double u0, double v0, double u1, double v1) {
        int i = block_of(u0, block_columns_), j = block_of(v0, block_rows_);
        const int i_last = block_of(u1, block_columns_), j_last = block_of(v1, block_rows_);
        const double du = u1 - u0, dv = v1 - v0;
        const int step_i = du > 0 ? 1 : -1, step_j = dv > 0 ? 1 : -1;
        const double inf = HUGE_VAL;
        double next_u = du == 0 ? inf : ((step_i > 0 ? std::floor(u0) + 1 : std::floor(u0)) - u0) / du;
        double next_v = dv == 0 ? inf : ((step_j > 0 ? std::floor(v0) + 1 : std::floor(v0)) - v0) / dv;
        const double delta_u = du == 0 ? inf : 1 / std::fabs(du);
        const double delta_v = dv == 0 ? inf : 1 / std::fabs(dv);
        mark(i, j);
        for (int n = block_columns_ + block_rows_ + 2; n > 0 && (i != i_last || j != j_last); --n) {
            if (next_u < next_v) {
                i = std::clamp(i + step_i, 0, block_columns_ - 1);
                next_u += delta_u;
            } else {
                j = std::clamp(j + step_j, 0, block_rows_ - 1);
                next_v += delta_v;
            }
            mark(i, j);
        }
        mark(i_last, j_last);
    }

    const ShiftPlane& plane_;
    PlaneShading& out_;
    const ShiftWindow w_;
    const double width_, height_;
    const int block_columns_, block_rows_;
    std::vector<bool> known_;
    std::vector<bool> crossed_;
};

}  // namespace

PlaneShading plane_shading(const ShiftPlane& plane, const ShiftWindow& window, int columns,
                           int rows, std::span<const std::vector<PlanePoint>> boundaries) {
    PlaneShading out;
    out.window = window;
    if (!is_valid_window(window) || columns < 1 || rows < 1) return out;
    out.columns = std::min(columns, kMostShadingCells);
    out.rows = std::min(rows, kMostShadingCells);
    out.cells.assign(static_cast<std::size_t>(out.columns) * out.rows, PlaneCell::Stops);
    Shader shader(plane, out);
    for (const auto& run : boundaries) {
        for (std::size_t k = 1; k < run.size(); ++k) shader.cross(run[k - 1], run[k]);
    }
    shader.run();
    return out;
}

}  // namespace gp
