#include "sizing_table.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "number_text.h"
#include "messages/sizing.h"

namespace gp::sizing {

const ColumnInfo& column_info(Column c) {
    // The key and whether more is better; the caption from the registry.
    static constexpr std::array<std::pair<const char*, bool>, kColumns> columns = {{
        {"z1", false},        {"z2", false},       {"mn", false},        {"beta", false},
        {"b", false},         {"x1", false},       {"x2", false},        {"a", false},
        {"i", false},         {"i_err", false},    {"eps_alpha", true},  {"eps_beta", true},
        {"eps_gamma", true},  {"SH1", true},       {"SH2", true},        {"SF1", true},
        {"SF2", true},        {"T1max", true},     {"mass", false},      {"zeta1_a", false},
        {"zeta2_e", false},   {"safety", true},
    }};
    static const std::array<ColumnInfo, kColumns> info = [] {
        std::array<ColumnInfo, kColumns> all{};
        for (std::size_t k = 0; k < all.size(); ++k) {
            all[k] = {columns[k].first, msg::sizing::kColumnCaptions[k], columns[k].second};
        }
        return all;
    }();
    return info[static_cast<std::size_t>(c)];
}

std::optional<double> value_of(const Variant& v, Column c) {
    switch (c) {
        case Column::z1: return v.z1;
        case Column::z2: return v.z2;
        case Column::mn: return v.mn;
        case Column::beta: return v.beta;
        case Column::b: return v.b;
        case Column::x1: return v.x1;
        case Column::x2: return v.x2;
        case Column::a: return v.a;
        case Column::i: return v.i;
        case Column::i_err: return v.i_err;
        case Column::eps_alpha: return v.eps_alpha;
        case Column::eps_beta: return v.eps_beta;
        case Column::eps_gamma: return v.eps_gamma;
        case Column::SH1: return v.SH[0];
        case Column::SH2: return v.SH[1];
        case Column::SF1: return v.SF[0];
        case Column::SF2: return v.SF[1];
        case Column::T1max: return v.T1max;
        case Column::mass: return v.mass;
        case Column::zeta1_a: return v.zeta1_a;
        case Column::zeta2_e: return v.zeta2_e;
        case Column::safety: return v.safety;
    }
    return std::nullopt;
}

std::string csv_header() {
    std::string h;
    for (int c = 0; c < kBatchColumns; ++c) {
        if (c) h += ',';
        h += column_info(static_cast<Column>(c)).key;
    }
    return h + '\n';
}

std::string csv_line(const Variant& v) {
    std::string line;
    for (int c = 0; c < kBatchColumns; ++c) {
        if (c) line += ',';
        if (const auto value = value_of(v, static_cast<Column>(c))) line += full_precision_text(*value);
    }
    return line + '\n';
}

KeptRows::KeptRows(std::size_t capacity, Column order, bool descending)
    : capacity_(capacity), order_(order), descending_(descending) {}

bool KeptRows::before(const Variant& p, const Variant& q) const {
    const auto vp = value_of(p, order_), vq = value_of(q, order_);
    if (vp.has_value() != vq.has_value()) return vp.has_value();
    if (vp && *vp != *vq) return descending_ ? *vp > *vq : *vp < *vq;
    return p.index < q.index;
}

void KeptRows::take(const Variant& v) {
    ++offered_;
    const auto worse_on_top = [this](const Variant& p, const Variant& q) { return before(p, q); };
    if (heap_.size() < capacity_) {
        heap_.push_back(v);
        std::push_heap(heap_.begin(), heap_.end(), worse_on_top);
    } else if (capacity_ > 0 && before(v, heap_.front())) {
        std::pop_heap(heap_.begin(), heap_.end(), worse_on_top);
        heap_.back() = v;
        std::push_heap(heap_.begin(), heap_.end(), worse_on_top);
    }
}

std::vector<Variant> KeptRows::sorted() const {
    std::vector<Variant> rows = heap_;
    std::sort(rows.begin(), rows.end(), [this](const Variant& p, const Variant& q) { return before(p, q); });
    return rows;
}

std::vector<std::size_t> pareto_front(const std::vector<Variant>& rows, Column x, Column y) {
    // Both turned into "smaller is better".
    const auto cost = [&](std::size_t k, Column c) {
        const double v = *value_of(rows[k], c);
        return column_info(c).larger_is_better ? -v : v;
    };
    std::vector<std::size_t> order;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (value_of(rows[k], x) && value_of(rows[k], y)) order.push_back(k);
    }
    std::sort(order.begin(), order.end(), [&](std::size_t p, std::size_t q) {
        const double xp = cost(p, x), xq = cost(q, x);
        if (xp != xq) return xp < xq;
        return cost(p, y) < cost(q, y);
    });
    std::vector<std::size_t> front;
    double best_y = std::numeric_limits<double>::infinity();
    double last_x = 0, last_y = 0;
    for (const std::size_t k : order) {
        const double xk = cost(k, x), yk = cost(k, y);
        const bool same_as_last = !front.empty() && xk == last_x && yk == last_y;
        if (yk < best_y || same_as_last) {
            front.push_back(k);
            best_y = std::min(best_y, yk);
            last_x = xk;
            last_y = yk;
        }
    }
    std::sort(front.begin(), front.end());
    return front;
}

}  // namespace gp::sizing
