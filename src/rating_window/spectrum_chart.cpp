#include "spectrum_chart.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "messages/spectrum.h"
#include "qt_text.h"

namespace gp {

SpectrumChart::SpectrumChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("spectrum_chart"));
    setToolTip(qt(msg::spectrum::kChartTitle));
}

void SpectrumChart::set_shares(std::vector<double> shares, std::vector<bool> damaging,
                               std::string caption) {
    shares_ = std::move(shares);
    damaging_ = std::move(damaging);
    caption_ = std::move(caption);
    update();
}

void SpectrumChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    draw(p, rect());
}

void SpectrumChart::draw(QPainter& p, const QRect& area) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(area, palette().base());
    const QFontMetrics fm(font());
    const int line = fm.height();
    p.setPen(palette().text().color());
    p.drawText(area.adjusted(6, 2, -6, 0), Qt::AlignLeft | Qt::AlignTop,
               qt(std::string(msg::spectrum::kChartTitle) +
                  (caption_.empty() ? std::string() : "  " + caption_)));
    const QRect plot = area.adjusted(fm.horizontalAdvance(QStringLiteral("100 %")) + 12, line + 10,
                                     -10, -(line + 8));
    if (plot.width() < 20 || plot.height() < 20) {
        p.restore();
        return;
    }
    // Axis and its scale: 0 to the largest share, rounded up to a tenth.
    const double largest =
        shares_.empty() ? 0.0 : *std::max_element(shares_.begin(), shares_.end());
    // Gridlines every 10 % up to 50 %, every 20 % above.
    const double step = largest <= 0.5 ? 0.1 : 0.2;
    const int ticks = std::max(1, static_cast<int>(std::ceil(largest / step - 1e-9)));
    const double top = ticks * step;
    const QColor grid(0xd8, 0xdc, 0xe2);
    for (int k = 0; k <= ticks; ++k) {
        const int y =
            plot.bottom() - static_cast<int>(std::lround(plot.height() * k / double(ticks)));
        p.setPen(grid);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().text().color());
        p.drawText(QRect(area.left(), y - line / 2, plot.left() - area.left() - 4, line),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(std::lround(100.0 * step * k)));
    }
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    if (shares_.empty()) {
        p.restore();
        return;
    }
    const double pitch = double(plot.width()) / double(shares_.size());
    const int width = std::max(1, static_cast<int>(pitch * 0.7));
    const QColor hot(0xc0, 0x39, 0x2b), cool(0x9a, 0xa5, 0xb1);
    const int label_every = std::max(
        1, static_cast<int>(std::ceil(fm.horizontalAdvance(QStringLiteral("000")) / pitch)));
    for (std::size_t j = 0; j < shares_.size(); ++j) {
        const int x = plot.left() + static_cast<int>(pitch * (double(j) + 0.15));
        const int h =
            static_cast<int>(std::lround(plot.height() * std::clamp(shares_[j] / top, 0.0, 1.0)));
        const bool damaging = j < damaging_.size() && damaging_[j];
        if (h > 0) {
            p.fillRect(QRect(x, plot.bottom() - h + 1, width, h), damaging ? hot : cool);
        } else if (!damaging) {
            p.setPen(cool);
            p.drawLine(x, plot.bottom() - 1, x + width - 1, plot.bottom() - 1);
        }
        if (j % static_cast<std::size_t>(label_every) == 0) {
            p.setPen(palette().text().color());
            p.drawText(QRect(x - 10, plot.bottom() + 2, width + 20, line), Qt::AlignCenter,
                       QString::number(j + 1));
        }
    }
    p.restore();
}

}  // namespace gp
