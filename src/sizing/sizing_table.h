// The columns of the sizing table, its CSV form, the rows kept by a chosen order
// and the Pareto front of two columns.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sizing_variant.h"

namespace gp::sizing {

enum class Column {
    z1, z2, mn, beta, b, x1, x2, a, i, i_err, eps_alpha, eps_beta, eps_gamma,
    SH1, SH2, SF1, SF2, T1max, mass, zeta1_a, zeta2_e,
    safety,  // min(SH/SHmin, SF/SFmin); the window's, not the batch tool's
};
inline constexpr int kBatchColumns = 21;
inline constexpr int kColumns = 22;

struct ColumnInfo {
    const char* key;      // the batch tool's header
    const char* caption;  // the window's, with the unit
    bool larger_is_better;
};
const ColumnInfo& column_info(Column c);

// Nothing where the variant has no such value (no T1max found, no sliding).
std::optional<double> value_of(const Variant& v, Column c);

// The batch tool's header and lines: the first kBatchColumns columns, each number
// with 17 significant digits (it reads back as the same double), empty for none.
std::string csv_header();
std::string csv_line(const Variant& v);

// The first `capacity` rows by one column, larger or smaller first (the enumeration
// order among equals; a row without the value last), of however many are offered.
class KeptRows {
  public:
    KeptRows(std::size_t capacity, Column order, bool descending);
    void take(const Variant& v);
    std::uint64_t offered() const { return offered_; }
    // The kept rows in the chosen order.
    std::vector<Variant> sorted() const;

  private:
    bool before(const Variant& p, const Variant& q) const;
    std::size_t capacity_;
    Column order_;
    bool descending_;
    std::uint64_t offered_ = 0;
    std::vector<Variant> heap_;  // the worst kept row on top
};

// The positions of `rows` on the Pareto front of columns x and y (each better the
// way its column says): no other row is at least as good in both and better in one.
// Rows missing either value are neither on it nor counted against it.
std::vector<std::size_t> pareto_front(const std::vector<Variant>& rows, Column x, Column y);

}  // namespace gp::sizing
