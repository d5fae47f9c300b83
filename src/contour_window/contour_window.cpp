#include "contour_window.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <variant>

#include "contour_view.h"
#include "messages/base.h"
#include "messages/contour.h"
#include "messages/mesh.h"
#include "number_text.h"
#include "plot_legend.h"
#include "plot_style.h"
#include "qt_text.h"
#include "ui_font.h"

namespace gp {

namespace {

// The saved and printed page, in pixels: A4 at 150 dots per inch, as the mesh picture.
constexpr QSize kPageSize(1240, 1754);
constexpr int kPageDpi = 150;
// A click this close to the typed line (or to a mark), in pixels, picks on it.
constexpr double kSnapPx = 6;
// Typing in the form redraws the plane once the texts rest this long.
constexpr int kRecomputeDelayMs = 250;

// Texts the form takes: five decimals.
std::string five(double v) { return rounded_text(Real(v), 5); }

QString shown(double v, int decimals) {
    if (!std::isfinite(v)) return qt(msg::contour::kNoValue);
    if (std::abs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0;
    return QString::number(v, 'f', decimals);
}

QIcon legend_icon(const LegendEntry& e) {
    QPixmap pixmap(36, 16);
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
    : QWidget(parent, Qt::Window),
      read_form_(std::move(read_form)),
      write_form_(std::move(write_form)),
      desktop_(desktop),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("contourwindow"));
    setWindowTitle(qt(msg::contour::kWindowTitle));
    setFont(ui_font());
    resize(1100, 760);

    auto* fit = new QPushButton(qt(msg::contour::kFit));
    auto* again = new QPushButton(qt(msg::contour::kRecompute));
    fill_ = new QPushButton(qt(msg::contour::kFillForm));
    fill_->setObjectName(QStringLiteral("fill"));
    save_ = new QPushButton(qt(msg::contour::kSavePicture));
    print_ = new QPushButton(qt(msg::contour::kPrint));
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : {fit, again, fill_}) tools->addWidget(b);
    tools->addStretch(1);
    tools->addWidget(save_);
    tools->addWidget(print_);

    view_ = new ContourView;
    legend_ = new QListWidget;
    legend_->setObjectName(QStringLiteral("legend"));
    legend_->setSelectionMode(QAbstractItemView::NoSelection);
    legend_->setFocusPolicy(Qt::NoFocus);
    legend_->setIconSize(QSize(36, 16));
    legend_->setMinimumWidth(200);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(view_);
    split->addWidget(legend_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setSizes({800, 280});

    message_ = new_fault_label();
    message_->hide();
    picked_ = new QLabel(qt(msg::contour::kNothingPicked));
    picked_->setTextFormat(Qt::PlainText);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    auto* hint = new QLabel(qt(msg::contour::kMouseHint));
    hint->setStyleSheet(QStringLiteral("color: gray"));
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(split, 1);
    layout->addWidget(message_);
    layout->addWidget(picked_);
    layout->addWidget(status_);
    layout->addWidget(hint);

    view_->set_painter([this](QPainter& painter, const QRectF& area, const PlotAxes& axes) {
        paint_contour_chart(painter, area, axes, chart_, pick_, view_->text_px());
    });
    soon_ = new QTimer(this);
    soon_->setSingleShot(true);
    soon_->setInterval(kRecomputeDelayMs);
    connect(soon_, &QTimer::timeout, this, &ContourWindow::recompute);
    connect(fit, &QPushButton::clicked, view_, &ContourView::fit);
    connect(again, &QPushButton::clicked, this, &ContourWindow::recompute);
    connect(fill_, &QPushButton::clicked, this, &ContourWindow::fill_form);
    connect(save_, &QPushButton::clicked, this, &ContourWindow::ask_and_save_picture);
    connect(print_, &QPushButton::clicked, this, &ContourWindow::print_picture);
    connect(view_, &ContourView::hovered, this, &ContourWindow::show_values_at);
    connect(view_, &ContourView::clicked, this, &ContourWindow::pick_at);
    recompute();
}

ContourWindow::~ContourWindow() = default;

void ContourWindow::recompute_soon() { soon_->start(); }

void ContourWindow::start_afresh() {
    computed_once_ = false;
    recompute();
}

void ContourWindow::set_zoom(int percent) {
    QFont f = ui_font();
    if (f.pixelSize() > 0) f.setPixelSize(f.pixelSize() * percent / 100);
    setFont(f);
    view_->set_text_px(13.0 * percent / 100);
}

void ContourWindow::recompute() {
    soon_->stop();
    // The first time the default window; afterwards the plane in view, within reason.
    ShiftWindow window;
    if (computed_once_) {
        const QRectF v = view_->visible_plane();
        window = {std::max(v.left(), -kShiftLimit), std::min(v.right(), kShiftLimit),
                  std::max(v.top(), -kShiftLimit), std::min(v.bottom(), kShiftLimit)};
        if (!is_valid_window(window)) window = ShiftWindow{};
    }
    chart_ = contour_chart(read_form_(), window);
    view_->set_whole(window);
    if (!computed_once_) view_->fit();
    computed_once_ = true;

    const bool drawable = chart_.drawable();
    const bool cut_short = drawable && std::any_of(chart_.contour.curves.begin(),
                                                   chart_.contour.curves.end(),
                                                   [](const LimitCurve& c) { return c.cut_short; });
    // A refused pair says why in the plane's place; here only what the plane cannot.
    message_->setText(cut_short ? qt(msg::contour::kCutShort) : QString());
    message_->setVisible(!message_->text().isEmpty());
    // A pick is of a pair that may have changed: it goes with the old plane.
    pick_.reset();
    picked_->setText(qt(msg::contour::kNothingPicked));
    fill_->setEnabled(false);
    save_->setEnabled(drawable);
    print_->setEnabled(drawable);
    refresh_legend();
    view_->update();
}

void ContourWindow::refresh_legend() {
    legend_->clear();
    for (const LegendEntry& e : contour_legend(chart_))
        legend_->addItem(new QListWidgetItem(legend_icon(e), e.text));
}

void ContourWindow::show_values_at(QPointF p) {
    if (!chart_.plane) return;
    const auto at = chart_.plane->at(p.x(), p.y());
    const std::string x1 = shown(p.x(), 4).toStdString(), x2 = shown(p.y(), 4).toStdString();
    if (const auto* stop = std::get_if<Stop>(&at)) {
        status_->setText(qt(msg::contour::point_stops(x1, x2, stop->message)));
        return;
    }
    const ShiftValues& v = std::get<ShiftValues>(at);
    auto text = [](double value) { return shown(value, 3).toStdString(); };
    auto zeta = [&](const std::optional<double>& z) {
        return z ? text(*z) : std::string(msg::contour::kNoValue);
    };
    const std::string limits =
        msg::contour::limits_at(text(v.eps_alpha), text(v.sta[0]), text(v.sta[1]), text(v.btf[0]),
                                text(v.btf[1]), zeta(v.zeta1_a), zeta(v.zeta2_e), v.admissible);
    status_->setText(
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
        const double off_px = std::abs(off) / std::sqrt(2.0) * view_->axes().plot.width() /
                              (view_->axes().x_hi - view_->axes().x_lo);
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
            status_->setText(qt(msg::contour::no_centre_distance(shown(plane.x(), 4).toStdString(),
                                                                  shown(plane.y(), 4).toStdString())));
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
    if (!desktop_.boxes.confirm(msg::contour::kFillTitle, question, msg::contour::kFillForm)) return;
    write_form_(texts, qt(msg::contour::kFillUndoName));
}

std::optional<QString> ContourWindow::save_picture(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QRectF page(QPointF(0, 0), QSizeF(kPageSize));
    const QRectF visible = view_->visible_plane();
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(kPageSize);
        svg.setViewBox(page);
        svg.setResolution(kPageDpi);
        svg.setTitle(qt(msg::contour::kWindowTitle));
        svg.setDescription(chart_.caption);
        QPainter painter(&svg);
        paint_contour_page(painter, page, chart_, visible, pick_);
        painter.end();
    } else if (suffix == QLatin1String("png")) {
        QImage image(kPageSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint_contour_page(painter, page, chart_, visible, pick_);
        painter.end();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    } else {
        return qt(msg::mesh::unknown_picture_type(QDir::toNativeSeparators(path).toStdString()));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return qt(msg::mesh::not_written(QDir::toNativeSeparators(path).toStdString(),
                                         file.errorString().toStdString()));
    }
    return std::nullopt;
}

void ContourWindow::print_picture() {
    PageDrawing drawing;
    drawing.title = msg::contour::kWindowTitle;
    const QRectF visible = view_->visible_plane();
    const auto pick = pick_;
    drawing.paint = [this, visible, pick](QPainter& painter, const QRectF& page) {
        paint_contour_page(painter, page, chart_, visible, pick);
    };
    const PrintOutcome out = desktop_.printer.print_drawing(drawing);
    switch (out.kind) {
        case PrintOutcome::Kind::Printed:
            return;
        case PrintOutcome::Kind::SavedAsPdf:
            tell(qt(msg::contour::printed_to_pdf(out.reason, out.pdf_path)), false);
            return;
        case PrintOutcome::Kind::Failed:
            tell(qt(msg::contour::not_printed(out.reason)), true);
            return;
    }
}

void ContourWindow::tell(const QString& text, bool failure) {
    desktop_.boxes.show(msg::kNoticeTitle, text.toStdString(),
                        failure ? MessageIcon::Warning : MessageIcon::Information);
}

void ContourWindow::ask_and_save_picture() {
    std::vector<std::string> filters;
    for (const QString& f : qt(msg::mesh::kPictureFilter).split(QStringLiteral(";;")))
        filters.push_back(f.toStdString());
    const auto choice = dialogs_.save_path_of_kind(
        msg::contour::kSavePictureTitle,
        QDir::home().filePath(qt(msg::contour::kPictureFileName)).toStdString(), filters);
    if (!choice) return;
    QString path = qt(choice->path);
    const QString typed = QFileInfo(path).suffix().toLower();
    if (typed != QLatin1String("svg") && typed != QLatin1String("png"))
        path += choice->filter == 1 ? QStringLiteral(".png") : QStringLiteral(".svg");
    if (const auto error = save_picture(path)) tell(*error, true);
}

}  // namespace gp
