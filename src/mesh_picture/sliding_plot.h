// The specific sliding of both flanks along the path of contact, as a plot.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace gp {

struct SlidingCurves {
    // Non-empty when the sliding cannot be given: the reason, in the plot's place.
    QString refusal;
    // Positions along the line of action, mm measured from A, rising to AE.
    std::vector<double> s;
    std::vector<double> zeta1;  // pinion flank
    std::vector<double> zeta2;  // wheel flank
    // The marked points B, C, D, also from A (a mark outside 0..AE is not drawn).
    double b = 0, c = 0, d = 0;
};

// Axes with ticks and labels, both curves, the marks A to E and the values at A
// and E, all inside `area` (pixels of the painter's device); texts `text_px` high.
void paint_sliding_plot(QPainter& painter, const QRectF& area, const SlidingCurves& curves,
                        double text_px);

class SlidingPlot : public QWidget {
  public:
    explicit SlidingPlot(QWidget* parent = nullptr);
    void set_curves(SlidingCurves curves);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SlidingCurves curves_;
};

}  // namespace gp
