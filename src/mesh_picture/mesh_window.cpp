#include "mesh_window.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "mesh_painting.h"
#include "mesh_view.h"
#include "pi.h"
#include "messages/base.h"
#include "messages/mesh.h"
#include "plot_style.h"
#include "qt_text.h"
#include "sliding_plot.h"
#include "solid_export.h"
#include "ui_font.h"
#include "window_zoom.h"

namespace gp {

namespace {

constexpr int kSliderSteps = 1000;
constexpr int kPlayStep = 5;  // slider steps per frame
constexpr int kPlayIntervalMs = 30;
// The window's size as laid out at the program's own type size, before it is fitted
// to its screen.
constexpr QSize kNaturalSize(1180, 720);
// Type sizes at the program's own size: the picture's texts, the plot's, the legend's.
constexpr double kPictureTextPx = 12;
constexpr double kPlotTextPx = 13;
constexpr double kLegendTextPx = 12;

constexpr ThicknessChoice kThicknesses[] = {ThicknessChoice::Nominal, ThicknessChoice::Upper,
                                            ThicknessChoice::Lower, ThicknessChoice::Mean};

// A drawing number as part of a file name: characters no file name may hold become
// "_".
QString file_name_part(const QString& text) {
    static const QRegularExpression kForbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return QString(text.trimmed()).replace(kForbidden, QStringLiteral("_"));
}

// The kinds the export dialog offers, in the order of its filters in the registry.
const std::vector<QString> kOutlineSuffixes = {QStringLiteral("dxf"), QStringLiteral("svg"),
                                               QStringLiteral("csv")};
constexpr OutlineFormat kOutlineFormats[] = {OutlineFormat::Dxf, OutlineFormat::Svg,
                                             OutlineFormat::Csv};

// The picture's legend, beside the picture rather than over it; its type shrinks
// when the panel is narrower than its longest line.
class LegendPanel : public QWidget {
  public:
    explicit LegendPanel(const MeshScene& scene) : scene_(scene) { set_text_size(kLegendTextPx); }

    void set_text_size(double pixels) {
        text_px_ = pixels;
        setFixedHeight(static_cast<int>(mesh_legend_height(scene_, text_px_)) + 4);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        const double needed = mesh_legend_width(scene_, text_px_);
        const double px = needed > width() ? std::max(8.0, text_px_ * width() / needed) : text_px_;
        paint_mesh_legend(painter, scene_, QRectF(rect()), px);
    }

  private:
    const MeshScene& scene_;
    double text_px_ = kLegendTextPx;
};

}  // namespace

MeshWindow::MeshWindow(MeshScene scene, OutlineWriter outlines, DesktopServices desktop,
                       FileDialogs& dialogs, QWidget* parent)
    : PictureWindow({msg::mesh::kWindowTitle, &msg::mesh::printed_to_pdf, &msg::mesh::not_printed,
                     msg::mesh::kSavePictureTitle},
                    desktop, dialogs, parent),
      scene_(std::move(scene)),
      outlines_(std::move(outlines)) {
    setObjectName(QStringLiteral("meshwindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* fit = new QPushButton(qt(msg::mesh::kFit));
    play_ = new QPushButton(qt(msg::mesh::kPlay));
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setRange(0, kSliderSteps);
    slider_->setToolTip(qt(msg::mesh::kTurnTip));
    auto* save = new QPushButton(qt(msg::mesh::kSavePicture));
    auto* print = new QPushButton(qt(msg::mesh::kPrint));
    auto* export_button = new QPushButton(qt(msg::mesh::kExportOutline));
    auto* export_menu = new QMenu(export_button);
    export_menu->addAction(qt(msg::mesh::kExportPinion), this, [this] { ask_and_export(0); });
    export_menu->addAction(qt(msg::mesh::kExportWheel), this, [this] { ask_and_export(1); });
    // The thickness, as the batch tool offers it: the choice stays for the next export.
    export_menu->addSection(qt(msg::mesh::kThicknessTitle));
    thicknesses_ = new QActionGroup(export_menu);
    for (int k = 0; k < 4; ++k) {
        QAction* a = export_menu->addAction(qt(msg::mesh::thickness_action(k)));
        a->setCheckable(true);
        a->setChecked(k == 0);
        a->setData(k);
        thicknesses_->addAction(a);
        connect(a, &QAction::triggered, this, [this, k] { thickness_ = kThicknesses[k]; });
    }
    export_button->setMenu(export_menu);
    angle_ = new QLabel;
    angle_->setObjectName(QStringLiteral("turnangle"));

    auto* tools = tools_ = new QHBoxLayout;
    tools->addWidget(fit);
    tools->addWidget(play_);
    tools->addWidget(new QLabel(qt(msg::mesh::kTurnAngle)));
    tools->addWidget(slider_, 1);
    tools->addWidget(angle_);
    tools->addWidget(save);
    tools->addWidget(print);
    tools->addWidget(export_button);
    tools->addWidget(solid_export_button(*this, dialogs_, desktop_.boxes));

    view_ = new MeshView;
    plot_ = new SlidingPlot;
    auto* side = new QWidget;
    auto* side_layout = new QVBoxLayout(side);
    side_layout->setContentsMargins(0, 0, 0, 0);
    side_layout->addWidget(plot_, 1);
    if (scene_.refusal.isEmpty()) side_layout->addWidget(legend_ = new LegendPanel(scene_));
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(view_);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({700, 460});

    faults_ = new_fault_label();
    faults_->setText(scene_.refusal.isEmpty() ? scene_.faults.join(QLatin1Char('\n'))
                                              : scene_.refusal);
    faults_->setVisible(!faults_->text().isEmpty());

    QLabel* hint = new_hint_label(msg::mesh::kMouseHint);
    status_label()->hide();  // the picture has no values under the cursor

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(split, 1);
    layout->addWidget(faults_);
    layout->addWidget(hint);

    const bool drawable = scene_.refusal.isEmpty();
    view_->set_drawing(
        [this](QPainter& painter, const QTransform& to_pixels) {
            paint_mesh(painter, scene_, to_pixels, QRectF(view_->rect()), position(),
                       kPictureTextPx * scale_, false);
        },
        drawable ? scene_.whole() : QRectF(-1, -1, 2, 2),
        drawable ? scene_.contact_zone() : QRectF(-1, -1, 2, 2));
    if (drawable) plot_->set_curves(scene_.sliding);
    slider_->setEnabled(drawable);
    play_->setEnabled(drawable);
    fit->setEnabled(drawable);
    export_button->setEnabled(drawable);

    timer_ = new QTimer(this);
    timer_->setInterval(kPlayIntervalMs);
    connect(timer_, &QTimer::timeout, this, &MeshWindow::step_play);
    connect(fit, &QPushButton::clicked, view_, &MeshView::fit);
    connect(play_, &QPushButton::clicked, this, &MeshWindow::toggle_play);
    connect(slider_, &QSlider::valueChanged, this, &MeshWindow::turned);
    connect(save, &QPushButton::clicked, this, &MeshWindow::ask_and_save_picture);
    connect(print, &QPushButton::clicked, this, &MeshWindow::print_picture);
    apply_scale(1.0);
    turned();
    resize(kNaturalSize);
}

void MeshWindow::turned() {
    view_->update();
    if (!scene_.refusal.isEmpty()) return;
    plot_->set_contacts(contacts_at(scene_, position()));
    // The pinion's turn from the slider's start, in degrees.
    const double degrees = std::abs(scene_.gears[0].rate * travel_at(scene_, position())) * 180 / kExactPi;
    angle_->setText(qt(msg::mesh::turn_angle(QString::number(degrees, 'f', 2).toStdString())));
}

void MeshWindow::set_thickness(ThicknessChoice thickness) {
    thickness_ = thickness;
    for (QAction* a : thicknesses_->actions()) {
        a->setChecked(kThicknesses[a->data().toInt()] == thickness);
    }
}

void MeshWindow::apply_scale(double factor) {
    scale_ = factor;
    const QFont font = zoomed_font(factor);
    setFont(font);
    plot_->set_text_size(kPlotTextPx * factor);
    if (auto* legend = static_cast<LegendPanel*>(legend_)) legend->set_text_size(kLegendTextPx * factor);
    view_->setMinimumSize(static_cast<int>(320 * factor), static_cast<int>(240 * factor));
    // The angle's label keeps its width as the digits change.
    angle_->setMinimumWidth(QFontMetrics(font).horizontalAdvance(
        qt(msg::mesh::turn_angle("000.00"))));
    view_->update();
}

void MeshWindow::set_zoom(int percent) {
    zoom_percent_ = percent;
    zoom_laid_out_window(this, percent, [this](double factor) { apply_scale(factor); });
}

void MeshWindow::fit_to_screen(QWidget* sheet) {
    show_beside(this, sheet, kNaturalSize * scale_, true);
}

MeshWindow::~MeshWindow() = default;

double MeshWindow::position() const { return static_cast<double>(slider_->value()) / kSliderSteps; }

void MeshWindow::toggle_play() {
    if (timer_->isActive()) {
        timer_->stop();
        play_->setText(qt(msg::mesh::kPlay));
    } else {
        timer_->start();
        play_->setText(qt(msg::mesh::kPause));
    }
}

void MeshWindow::step_play() {
    // Round and round: the contact pattern repeats each base pitch.
    slider_->setValue((slider_->value() + kPlayStep) % (kSliderSteps + 1));
}

PictureWindow::PagePainter MeshWindow::page_painter() const {
    const QRectF view = view_->visible_area();
    const double at = position();
    const PageFoot foot = page_foot();
    return [this, view, at, foot](QPainter& painter, const QRectF& page) {
        paint_mesh_page(painter, page, scene_, view, at, foot);
    };
}

std::optional<QString> MeshWindow::export_outline(int gear, OutlineFormat format,
                                                  const QString& path) const {
    if (!outlines_) return qt(msg::mesh::no_outline(scene_.refusal.toStdString()));
    const OutlineFile file = outlines_(gear, format, thickness_);
    if (!file.error.empty()) return qt(msg::mesh::no_outline(file.error));
    return write_picture_file(path, QByteArray::fromStdString(file.bytes));
}

PageFoot MeshWindow::page_foot() const {
    const ReportStamp now = desktop_.clock.now();
    return {qt(msg::mesh::page_drawing_numbers(scene_.drawing_numbers[0].toStdString(),
                                               scene_.drawing_numbers[1].toStdString())),
            qt(now.date + " " + now.time)};
}

QString MeshWindow::picture_file_name() const {
    return qt(msg::mesh::picture_file_name(file_name_part(scene_.drawing_numbers[0]).toStdString(),
                                           file_name_part(scene_.drawing_numbers[1]).toStdString()));
}

QString MeshWindow::outline_file_name(int gear) const {
    int k = 0;
    while (k < 3 && kThicknesses[k] != thickness_) ++k;
    return qt(msg::mesh::outline_file_name(
        file_name_part(scene_.drawing_numbers[gear == 0 ? 0 : 1]).toStdString(), gear, k));
}

void MeshWindow::ask_and_export(int gear) {
    const auto choice = dialogs_.save_path_of_kind(
        msg::mesh::kExportOutlineTitle,
        QDir::home().filePath(outline_file_name(gear)).toStdString(),
        dialog_filters(msg::mesh::kOutlineFilter));
    if (!choice) return;
    const auto [path, kind] = with_suffix(*choice, kOutlineSuffixes);
    if (const auto error = export_outline(gear, kOutlineFormats[kind], path)) tell(*error, true);
}

}  // namespace gp
