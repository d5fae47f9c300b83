#include "contour_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <variant>

#include "contour_view.h"
#include "messages/contour.h"
#include "number_text.h"
#include "plot_legend.h"
#include "plot_style.h"
#include "qt_text.h"
#include "window_zoom.h"

namespace gp {

namespace {

// A click this close to the typed line (or to a mark), in pixels, picks on it.
constexpr double kSnapPx = 6;
// Typing in the form redraws the plane once the texts rest this long.
constexpr int kRecomputeDelayMs = 250;
// The shading follows the view once it rests this long after a zoom or a pan.
constexpr int kShadeDelayMs = 120;
// Pixels per cell of the shading: fine enough to follow the curves closely.
constexpr double kShadeCellPx = 3;
// The window as laid out at the program's own type size, before it is fitted to its
// screen; the legend's share of it.
constexpr QSize kNaturalSize(1100, 760);
constexpr int kLegendWidth = 280;
constexpr int kLeastLegendWidth = 160;
// The chart's type and the legend's marks at the program's own type size.
constexpr double kChartTextPx = 13;
constexpr QSize kLegendIcon(36, 16);
// The legend's type is made smaller down to this, in pixels, before it would scroll.
constexpr int kLeastLegendPx = 9;

// Texts the form takes: five decimals.
std::string five(double v) { return rounded_text(Real(v), 5); }

QString shown(double v, int decimals) {
    if (!std::isfinite(v)) return qt(msg::contour::kNoValue);
    if (std::abs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0;
    return QString::number(v, 'f', decimals);
}

// "可用", or "不可用：" with the limits that fail there.
std::string verdict(const ShiftValues& v) {
    const std::string failing = failing_limits_text(v);
    return failing.empty() ? std::string(msg::contour::kAdmissibleVerdict) : failing;
}

QIcon legend_icon(const LegendEntry& e) {
    QPixmap pixmap(kLegendIcon);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_marker(painter, e.mark, QPointF(18, 8), e.mark == LegendMark::Line ? 14 : 11, e.pen,
                 e.fill);
    return QIcon(pixmap);
}

}  // namespace

ContourWindow::ContourWindow(FormReader read_form, FormWriter write_form, DesktopServices desktop,
                             FileDialogs& dialogs, QWidget* parent)
    : PictureWindow({msg::contour::kWindowTitle, &msg::contour::printed_to_pdf,
                     &msg::contour::not_printed, msg::contour::kSavePictureTitle},
                    desktop, dialogs, parent),
      read_form_(std::move(read_form)),
      write_form_(std::move(write_form)) {
    setObjectName(QStringLiteral("contourwindow"));
    resize(kNaturalSize);

    fit_ = new QPushButton(qt(msg::contour::kFit));
    auto* again = new QPushButton(qt(msg::contour::kRecompute));
    fill_ = new QPushButton(qt(msg::contour::kFillForm));
    fill_->setObjectName(QStringLiteral("fill"));
    save_ = new QPushButton(qt(msg::contour::kSavePicture));
    print_ = new QPushButton(qt(msg::contour::kPrint));
    tools_ = new QHBoxLayout;
    for (QPushButton* b : {fit_, again, fill_}) tools_->addWidget(b);
    tools_->addStretch(1);
    tools_->addWidget(save_);
    tools_->addWidget(print_);

    view_ = new ContourView;
    legend_ = new QListWidget;
    legend_->setObjectName(QStringLiteral("legend"));
    legend_->setSelectionMode(QAbstractItemView::NoSelection);
    legend_->setFocusPolicy(Qt::NoFocus);
    legend_->setIconSize(kLegendIcon);
    legend_->setWordWrap(true);
    legend_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    legend_->setMinimumWidth(kLeastLegendWidth);
    split_ = new QSplitter(Qt::Horizontal);
    split_->addWidget(view_);
    split_->addWidget(legend_);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    split_->setSizes({kNaturalSize.width() - kLegendWidth, kLegendWidth});

    message_ = new_fault_label();
    message_->hide();
    picked_ = new QLabel(qt(msg::contour::kNothingPicked));
    picked_->setTextFormat(Qt::PlainText);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools_);
    layout->addWidget(split_, 1);
    layout->addWidget(message_);
    layout->addWidget(picked_);
    layout->addWidget(status_label());
    keep_status_room();
    layout->addWidget(new_hint_label(msg::contour::kMouseHint));

    view_->set_chart_painter([this](QPainter& painter, const QRectF& area, const PlotAxes& axes) {
        paint_contour_chart(painter, area, axes, chart_, pick_, view_->text_px());
    });
    soon_ = new QTimer(this);
    soon_->setSingleShot(true);
    soon_->setInterval(kRecomputeDelayMs);
    shade_soon_ = new QTimer(this);
    shade_soon_->setSingleShot(true);
    shade_soon_->setInterval(kShadeDelayMs);
    connect(soon_, &QTimer::timeout, this, &ContourWindow::recompute);
    connect(shade_soon_, &QTimer::timeout, this, &ContourWindow::shade_view);
    connect(view_, &PlaneView::viewChanged, shade_soon_, qOverload<>(&QTimer::start));
    connect(fit_, &QPushButton::clicked, view_, &PlaneView::fit);
    connect(again, &QPushButton::clicked, this, &ContourWindow::recompute);
    connect(fill_, &QPushButton::clicked, this, &ContourWindow::fill_form);
    connect(save_, &QPushButton::clicked, this, &ContourWindow::ask_and_save_picture);
    connect(print_, &QPushButton::clicked, this, &ContourWindow::print_picture);
    connect(view_, &PlaneView::hovered, this, &ContourWindow::show_values_at);
    connect(view_, &PlaneView::clicked, this, &ContourWindow::pick_at);
    recompute();
}

ContourWindow::~ContourWindow() = default;

void ContourWindow::recompute_soon() { soon_->start(); }

void ContourWindow::start_afresh() {
    plane_ = ShiftWindow{};
    view_->set_plane(plane_);
    recompute();
    view_->fit();
}

void ContourWindow::set_plane(const ShiftWindow& plane) {
    if (!is_valid_window(plane)) return;
    plane_ = plane;
    view_->set_plane(plane_);
    recompute();
    view_->fit();
}

void ContourWindow::set_zoom(int percent) {
    zoom_laid_out_window(this, percent, [this](double factor) {
        zoom_ = factor;
        setFont(zoomed_font(factor));
        keep_status_room();
        view_->set_text_px(kChartTextPx * factor);
        legend_->setIconSize(kLegendIcon * factor);
        legend_->setMinimumWidth(static_cast<int>(kLeastLegendWidth * factor));
        refresh_legend();
    });
    // The window grows with its type, within its screen.
    resize(size_on_screen(this, kNaturalSize * zoom_));
    share_width();
}

void ContourWindow::share_width() {
    // The legend as wide as at the program's own size times the zoom, but never more
    // than a third of the window: the plane keeps the rest, the legend's entries wrap.
    const int total = split_->width() > 0 ? split_->width() : width();
    const int legend = std::max(legend_->minimumWidth(),
                                std::min(static_cast<int>(kLegendWidth * zoom_), total / 3));
    split_->setSizes({std::max(0, total - legend), legend});
}

void ContourWindow::keep_status_room() {
    // Three lines for the values under the cursor (they wrap on a narrow window),
    // whether shown or cleared, so that the plane's view keeps its size as they change.
    status_label()->setFixedHeight(3 * QFontMetrics(font()).lineSpacing());
}

void ContourWindow::fit_to_screen(QWidget* form) {
    show_beside(this, form, kNaturalSize * zoom_, false);
    layout()->activate();
    share_width();
    fit_legend();
}

void ContourWindow::recompute() {
    soon_->stop();
    // Always over the plane: the view, wherever the user moved it, stays as it is.
    chart_ = contour_chart(read_form_(), plane_);
    view_->set_plane(plane_);
    shade_view();

    const bool drawable = chart_.drawable();
    // A refused pair says why in the plane's place; here only what the plane cannot.
    message_->setText(!drawable                          ? QString()
                      : chart_.contour.search_cut_short ? qt(msg::contour::kSearchCutShort)
                      : chart_.contour.cut_short()      ? qt(msg::contour::kCutShort)
                                                        : QString());
    message_->setVisible(!message_->text().isEmpty());
    // A pick is of a pair that may have changed: it goes with the old plane, and so do
    // the values last read under the cursor, until the mouse moves again.
    pick_.reset();
    picked_->setText(qt(msg::contour::kNothingPicked));
    status_label()->clear();
    fill_->setEnabled(false);
    save_->setEnabled(drawable);
    print_->setEnabled(drawable);
    refresh_legend();
    view_->update();
}

void ContourWindow::shade_view() {
    shade_soon_->stop();
    if (!chart_.drawable()) return;
    const QRectF frame = view_->frame();
    shade_region(chart_, view_->visible_plane(),
                 std::max(1, static_cast<int>(std::ceil(frame.width() / kShadeCellPx))),
                 std::max(1, static_cast<int>(std::ceil(frame.height() / kShadeCellPx))));
    view_->update();
}

void ContourWindow::refresh_legend() {
    legend_->clear();
    for (const LegendEntry& e : contour_legend(chart_))
        legend_->addItem(new QListWidgetItem(legend_icon(e), e.text));
    fit_legend();
}

void ContourWindow::fit_legend() {
    // The entries wrap to the legend's width; where they are still taller than it,
    // their type shrinks rather than the legend scrolling.
    const int wanted = font().pixelSize() > 0 ? font().pixelSize() : 12;
    for (int px = wanted;; --px) {
        QFont f = font();
        f.setPixelSize(px);
        legend_->setFont(f);
        legend_->doItemsLayout();
        if (px <= kLeastLegendPx || legend_->verticalScrollBar()->maximum() == 0) break;
    }
}

void ContourWindow::resizeEvent(QResizeEvent* event) {
    PictureWindow::resizeEvent(event);
    fit_legend();
}

void ContourWindow::show_values_at(QPointF p) {
    if (!chart_.plane) return;
    const auto at = chart_.plane->at(p.x(), p.y());
    const std::string x1 = shown(p.x(), 4).toStdString(), x2 = shown(p.y(), 4).toStdString();
    if (const auto* stop = std::get_if<Stop>(&at)) {
        status_label()->setText(qt(msg::contour::point_stops(x1, x2, stop->message)));
        return;
    }
    const ShiftValues& v = std::get<ShiftValues>(at);
    auto text = [](double value) { return shown(value, 3).toStdString(); };
    auto zeta = [&](const std::optional<double>& z) {
        return z ? text(*z) : std::string(msg::contour::kNoValue);
    };
    const std::string limits = msg::contour::limits_at(
        text(v.eps_alpha), text(v.sta[0]), text(v.sta[1]), text(v.btf[0]), text(v.btf[1]),
        zeta(v.zeta1_a), zeta(v.zeta2_e), verdict(v));
    status_label()->setText(
        qt(msg::contour::point_status(x1, x2, shown(v.at.a, 4).toStdString(), limits)));
}

void ContourWindow::pick_at(QPointF plane, QPointF pixel) {
    if (!chart_.plane) return;
    std::optional<ContourPick> pick;
    // A mark under the click: its point.
    const std::pair<const Outcome<PlanePoint>*, bool> marks[] = {
        {&chart_.contour.dx1, true}, {&chart_.contour.dx2, true}, {&chart_.contour.current, false}};
    for (const auto& [at, on_line] : marks) {
        const auto* p = std::get_if<PlanePoint>(at);
        if (p && QLineF(view_->pixel_of(p->x1, p->x2), pixel).length() <= kSnapPx) {
            const bool typed = on_line || (chart_.typed_x_sum &&
                                           std::abs(p->x1 + p->x2 - *chart_.typed_x_sum) < 1e-9);
            pick = ContourPick{*p, typed};
            break;
        }
    }
    // On the typed line: the split there, its foot from the click.
    if (!pick && chart_.typed_x_sum) {
        const double off = plane.x() + plane.y() - *chart_.typed_x_sum;
        const double off_px = std::abs(off) / std::sqrt(2.0) * view_->place().scale;
        if (off_px <= kSnapPx) {
            const double x1 = plane.x() - off / 2, x2 = plane.y() - off / 2;
            if (const auto a = chart_.plane->centre_distance(x1 + x2))
                pick = ContourPick{{x1, x2, *a}, true};
        }
    }
    // Anywhere else: the point with its own centre distance.
    if (!pick) {
        if (const auto a = chart_.plane->centre_distance(plane.x() + plane.y())) {
            pick = ContourPick{{plane.x(), plane.y(), *a}, false};
        } else {
            status_label()->setText(qt(msg::contour::no_centre_distance(
                shown(plane.x(), 4).toStdString(), shown(plane.y(), 4).toStdString())));
            return;
        }
    }
    pick_ = pick;
    picked_->setText(qt(msg::contour::picked(five(pick_->at.x1), five(pick_->at.x2),
                                             five(pick_->at.a), pick_->on_typed_line)));
    fill_->setEnabled(true);
    show_values_at(QPointF(pick_->at.x1, pick_->at.x2));
    view_->update();
}

void ContourWindow::fill_form() {
    if (!pick_) return;
    const ContourPick p = *pick_;
    GearPairInput texts = read_form_();
    texts.xng1 = five(p.at.x1);
    texts.xng2 = five(p.at.x2);
    if (!p.on_typed_line) texts.zxja = five(p.at.a);
    const std::string question =
        msg::contour::confirm_fill(texts.xng1, texts.xng2, p.on_typed_line ? "" : texts.zxja);
    // The user asked to fill: Enter fills, Escape cancels.
    if (!desktop_.boxes.confirm_action(msg::contour::kFillTitle, question, msg::contour::kFillForm))
        return;
    write_form_(texts, qt(msg::contour::kFillUndoName));
}

PictureWindow::PagePainter ContourWindow::page_painter() const {
    const QRectF visible = view_->visible_plane();
    const auto pick = pick_;
    return [this, visible, pick](QPainter& painter, const QRectF& page) {
        paint_contour_page(painter, page, chart_, visible, pick);
    };
}

QString ContourWindow::picture_file_name() const { return qt(msg::contour::kPictureFileName); }

}  // namespace gp
