#include "sizing_rows.h"

#include <algorithm>

#include "number_text.h"
#include "qt_text.h"

namespace gp {

using sizing::Column;

void SizingRows::set_rows(std::vector<sizing::Variant> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int SizingRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SizingRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : sizing::kColumns;
}

QVariant SizingRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto value = sizing::value_of(rows_[static_cast<std::size_t>(index.row())],
                                        static_cast<Column>(index.column()));
    if (role == kNumberRole) return value ? QVariant(*value) : QVariant();
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || !value) return {};
    // Four decimals on the screen; the copied and saved table keeps every digit.
    return qt(rounded_text(Real(*value), 4));
}

QVariant SizingRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= sizing::kColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return qt(sizing::column_info(static_cast<Column>(section)).caption);
}

bool RowFilter::accepts(const sizing::Variant& v) const {
    const auto at_least = [](std::optional<double> bound, double value) {
        return !bound || value >= *bound;
    };
    const auto at_most = [](std::optional<double> bound, double value) {
        return !bound || value <= *bound;
    };
    if (!at_least(min_SH, std::min(v.SH[0], v.SH[1])) ||
        !at_least(min_SF, std::min(v.SF[0], v.SF[1])) || !at_most(max_a, v.a) ||
        !at_most(max_b, v.b) || !at_most(max_mass, v.mass)) {
        return false;
    }
    if (!from && !to) return true;
    const auto value = sizing::value_of(v, column);
    return value && at_least(from, *value) && at_most(to, *value);
}

SizingRowFilter::SizingRowFilter(SizingRows* rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
    setSourceModel(rows);
    setSortRole(SizingRows::kNumberRole);
}

void SizingRowFilter::set_filter(const RowFilter& f) {
    filter_ = f;
    invalidateFilter();
}

bool SizingRowFilter::filterAcceptsRow(int source_row, const QModelIndex&) const {
    return filter_.accepts(rows_->rows()[static_cast<std::size_t>(source_row)]);
}

bool SizingRowFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant l = left.data(SizingRows::kNumberRole), r = right.data(SizingRows::kNumberRole);
    if (l.isValid() != r.isValid()) return l.isValid();  // no value last
    // The rows' own numbers, stored as doubles: no text is read here.
    if (l.isValid() && l.value<double>() != r.value<double>()) {
        return l.value<double>() < r.value<double>();
    }
    return left.row() < right.row();
}

}  // namespace gp
