// The sizing table's rows for the views: every column of the kept variants, sorted
// by its number, and the filter of the table (and of the plot).
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

#include "sizing_table.h"

namespace gp {

class SizingRows : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The role under which a cell gives its number (nothing for no value).
    static constexpr int kNumberRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;
    void set_rows(std::vector<sizing::Variant> rows);
    const std::vector<sizing::Variant>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<sizing::Variant> rows_;
};

// Bounds a row must keep to stay in view; an empty bound holds nothing back.
struct RowFilter {
    std::optional<double> min_SH, min_SF, max_a, max_b, max_mass;
    sizing::Column column = sizing::Column::a;
    std::optional<double> from, to;

    bool accepts(const sizing::Variant& v) const;
};

class SizingRowFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit SizingRowFilter(SizingRows* rows, QObject* parent = nullptr);
    void set_filter(const RowFilter& f);
    const RowFilter& filter() const { return filter_; }

  protected:
    bool filterAcceptsRow(int source_row, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    SizingRows* rows_;
    RowFilter filter_;
};

}  // namespace gp
