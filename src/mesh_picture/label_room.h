// Room for the texts of a picture: each label takes the first of its candidate
// places that lies inside the picture and clear of every label placed before it,
// or none (the label is then left out rather than drawn over another).
#pragma once

#include <QFontMetricsF>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace gp {

class LabelRoom {
  public:
    explicit LabelRoom(const QRectF& area) : area_(area) {}

    // Marks `box` as taken (a legend, a title) without a further check.
    void take(const QRectF& box) { taken_.push_back(box); }
    // Inside the area and clear of every box taken.
    bool fits(const QRectF& box) const {
        if (!area_.contains(box)) return false;
        for (const QRectF& t : taken_) {
            if (t.intersects(box)) return false;
        }
        return true;
    }
    // The first candidate that fits and that `also` accepts, taken; else nothing.
    template <typename Accept>
    std::optional<QRectF> place(const std::vector<QRectF>& candidates, Accept also) {
        for (const QRectF& c : candidates) {
            if (fits(c) && also(c)) {
                take(c);
                return c;
            }
        }
        return std::nullopt;
    }
    std::optional<QRectF> place(const std::vector<QRectF>& candidates) {
        return place(candidates, [](const QRectF&) { return true; });
    }

    const std::vector<QRectF>& taken() const { return taken_; }

  private:
    QRectF area_;
    std::vector<QRectF> taken_;
};

// The box a one-line text takes with its middle at `centre`, a hair's margin round it.
inline QRectF text_box(const QFontMetricsF& fm, const QString& text, QPointF centre) {
    const double w = fm.horizontalAdvance(text) + 2;
    const double h = fm.height();
    return QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h);
}

// Whether the segment from `a` to `b` enters `box`.
inline bool crosses(const QRectF& box, QPointF a, QPointF b) {
    if (box.contains(a) || box.contains(b)) return true;
    const QLineF segment(a, b);
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& e : edges) {
        if (segment.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
    }
    return false;
}

}  // namespace gp
