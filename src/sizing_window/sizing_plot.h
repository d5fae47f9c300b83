// The plot beside the sizing table: the rows in view as points over any two
// columns, the Pareto front of the two drawn as a red line through its points, the
// selected row ringed. A click picks the nearest point.
#pragma once

#include <QWidget>
#include <vector>

#include "sizing_table.h"

namespace gp {

class SizingPlot : public QWidget {
    Q_OBJECT

  public:
    explicit SizingPlot(QWidget* parent = nullptr);

    // `rows` outlives the plot's use of it; `shown` the positions in view.
    void set_rows(const std::vector<sizing::Variant>* rows, std::vector<std::size_t> shown);
    void set_axes(sizing::Column x, sizing::Column y);
    void set_selected(std::optional<std::size_t> row);
    void set_text_px(double px);

    // The positions of `rows` on the front, of those in view.
    const std::vector<std::size_t>& front() const { return front_; }
    sizing::Column x() const { return x_; }
    sizing::Column y() const { return y_; }

  public:
    // The lettering's size at the program's own zoom, in pixels.
    static constexpr double kTextPx = 13;

  signals:
    void picked(std::size_t row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void refresh_front();

    const std::vector<sizing::Variant>* rows_ = nullptr;
    std::vector<std::size_t> shown_, front_;
    sizing::Column x_ = sizing::Column::a, y_ = sizing::Column::safety;
    std::optional<std::size_t> selected_;
    double text_px_ = kTextPx;
    std::vector<std::pair<QPointF, std::size_t>> drawn_;  // where each point was drawn
};

}  // namespace gp
