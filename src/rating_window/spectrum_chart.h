// The bar chart of the result sheet "载荷谱寿命计算": each bin's share of the
// governing damage sum, a bar per bin, the damaging bins in the warning colour,
// bins that add nothing as an empty mark on the axis.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPainter;

namespace gp {

class SpectrumChart : public QWidget {
  public:
    explicit SpectrumChart(QWidget* parent = nullptr);

    // The shares 0…1 per bin, whether each adds damage, and the line naming the sum.
    void set_shares(std::vector<double> shares, std::vector<bool> damaging, std::string caption);
    const std::vector<double>& shares() const { return shares_; }

    // Draws the chart into `area` of any painter (the screen, a picture for a test).
    void draw(QPainter& painter, const QRect& area) const;

    QSize sizeHint() const override { return {560, 220}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<double> shares_;
    std::vector<bool> damaging_;
    std::string caption_;
};

}  // namespace gp
