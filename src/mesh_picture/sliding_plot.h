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
// `contacts` (mm from A) are marked on both curves: where the teeth touch now.
// The texts inside the plot keep clear of one another and of its legend, a text
// without room left out; `labels`, when given, receives their boxes (the legend's
// among them).
void paint_sliding_plot(QPainter& painter, const QRectF& area, const SlidingCurves& curves,
                        double text_px, const std::vector<double>& contacts = {},
                        std::vector<QRectF>* labels = nullptr);

class SlidingPlot : public QWidget {
  public:
    explicit SlidingPlot(QWidget* parent = nullptr);
    void set_curves(SlidingCurves curves);
    void set_contacts(std::vector<double> contacts);
    void set_text_size(double pixels);
    const std::vector<double>& contacts() const { return contacts_; }
    // The boxes of the texts last painted.
    const std::vector<QRectF>& labels() const { return labels_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SlidingCurves curves_;
    std::vector<double> contacts_;
    double text_px_ = 13;
    std::vector<QRectF> labels_;
};

}  // namespace gp
