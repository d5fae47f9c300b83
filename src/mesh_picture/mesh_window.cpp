#include "mesh_window.h"

#include <QActionGroup>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSaveFile>
#include <QSlider>
#include <QSplitter>
#include <QSvgGenerator>
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
#include "ui_font.h"
#include "window_zoom.h"

namespace gp {

namespace {

constexpr int kSliderSteps = 1000;
// The saved and printed page, in pixels: A4 at 150 dots per inch.
constexpr QSize kPageSize(1240, 1754);
constexpr int kPageDpi = 150;
constexpr int kPlayStep = 5;  // slider steps per frame
constexpr int kPlayIntervalMs = 30;
// The window's size as laid out at the program's own type size, before it is fitted
// to its screen; at most this share of the screen's room.
constexpr QSize kNaturalSize(1180, 720);
constexpr double kScreenShare = 0.9;
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

std::optional<QString> write_file(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return qt(msg::mesh::not_written(QDir::toNativeSeparators(path).toStdString(),
                                         file.errorString().toStdString()));
    }
    return std::nullopt;
}

// The kinds the dialogs offer, in the order of their filters in the registry.
const std::vector<QString> kPictureSuffixes = {QStringLiteral("svg"), QStringLiteral("png")};
const std::vector<QString> kOutlineSuffixes = {QStringLiteral("dxf"), QStringLiteral("svg"),
                                               QStringLiteral("csv")};
constexpr OutlineFormat kOutlineFormats[] = {OutlineFormat::Dxf, OutlineFormat::Svg,
                                             OutlineFormat::Csv};

std::vector<std::string> filters_of(const char* text) {
    std::vector<std::string> filters;
    for (const QString& f : qt(text).split(QStringLiteral(";;")))
        filters.push_back(f.toStdString());
    return filters;
}

// The path to write and its kind (an index into `suffixes`): a name ending in one of
// the suffixes keeps it and is written as that kind; any other name (none, or
// "x.txt") is written as the kind of the filter left chosen, with its suffix added,
// so that a file's name always says what it holds.
std::pair<QString, std::size_t> with_suffix(const SaveChoice& choice,
                                            const std::vector<QString>& suffixes) {
    const QString path = qt(choice.path);
    const QString typed = QFileInfo(path).suffix().toLower();
    for (std::size_t k = 0; k < suffixes.size(); ++k) {
        if (typed == suffixes[k]) return {path, k};
    }
    const std::size_t kind = choice.filter < suffixes.size() ? choice.filter : 0;
    return {path + QLatin1Char('.') + suffixes[kind], kind};
}

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
    : QWidget(parent, Qt::Window),
      scene_(std::move(scene)),
      outlines_(std::move(outlines)),
      desktop_(desktop),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("meshwindow"));
    setWindowTitle(qt(msg::mesh::kWindowTitle));
    setFont(ui_font());
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

    auto* tools = new QHBoxLayout;
    tools->addWidget(fit);
    tools->addWidget(play_);
    tools->addWidget(new QLabel(qt(msg::mesh::kTurnAngle)));
    tools->addWidget(slider_, 1);
    tools->addWidget(angle_);
    tools->addWidget(save);
    tools->addWidget(print);
    tools->addWidget(export_button);

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

    auto* hint = new QLabel(qt(msg::mesh::kMouseHint));
    hint->setStyleSheet(QStringLiteral("color: gray"));

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
    QFont font = ui_font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
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
    // The smallest layout must fit the screen's room: a zoom too large for it is
    // taken down by steps until it fits (never below the program's own size).
    const QSize room = room_on_screen(this) * kScreenShare;
    double factor = percent / 100.0;
    for (;;) {
        apply_scale(factor);
        layout()->activate();
        const QSize least = minimumSizeHint().expandedTo(minimumSize());
        if ((least.width() <= room.width() && least.height() <= room.height()) || factor <= 1.0)
            break;
        factor = std::max(1.0, factor - 0.125);
    }
}

void MeshWindow::fit_to_screen(QWidget* sheet) {
    const QScreen* screen = sheet ? sheet->screen() : this->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect avail = screen->availableGeometry();
    const QSize frame = avail.size() - room_on_screen(this);
    const QSize room = room_on_screen(this) * kScreenShare;
    const QSize least = minimumSizeHint().expandedTo(minimumSize());
    QSize size = (kNaturalSize * scale_).boundedTo(room).expandedTo(least.boundedTo(room));
    QPoint at(avail.left() + (avail.width() - size.width() - frame.width()) / 2,
              avail.top() + (avail.height() - size.height() - frame.height()) / 2);

    // Beside the sheet when the screen has room for both side by side: narrowed to
    // the room there (never below what its layout needs), on the side with room,
    // the sheet moved aside when neither side has enough.
    if (sheet && avail.width() - sheet->frameGeometry().width() - frame.width() >= least.width()) {
        QRect s = sheet->frameGeometry();
        size.setWidth(std::min(size.width(), avail.width() - s.width() - frame.width()));
        const int outer = size.width() + frame.width();
        if (avail.right() - s.right() < outer && s.left() - avail.left() < outer) {
            s.moveLeft(avail.left() + (avail.width() - s.width() - outer) / 2);
            sheet->move(s.topLeft());
        }
        const int top = std::clamp(s.top(), avail.top(),
                                   std::max(avail.top(), avail.bottom() + 1 - size.height() -
                                                             frame.height()));
        at = avail.right() - s.right() >= outer ? QPoint(s.right() + 1, top)
                                                 : QPoint(s.left() - outer, top);
    }
    resize(size);
    move(at);
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

std::optional<QString> MeshWindow::save_picture(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QRectF page(QPointF(0, 0), QSizeF(kPageSize));
    const QRectF view = view_->visible_area();
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(kPageSize);
        svg.setViewBox(page);
        svg.setResolution(kPageDpi);  // an A4 page in millimetres
        svg.setTitle(qt(msg::mesh::kWindowTitle));
        svg.setDescription(scene_.caption);
        QPainter painter(&svg);
        paint_mesh_page(painter, page, scene_, view, position(), page_foot());
        painter.end();
    } else if (suffix == QLatin1String("png")) {
        QImage image(kPageSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint_mesh_page(painter, page, scene_, view, position(), page_foot());
        painter.end();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    } else {
        return qt(msg::mesh::unknown_picture_type(QDir::toNativeSeparators(path).toStdString()));
    }
    return write_file(path, bytes);
}

std::optional<QString> MeshWindow::export_outline(int gear, OutlineFormat format,
                                                  const QString& path) const {
    if (!outlines_) return qt(msg::mesh::no_outline(scene_.refusal.toStdString()));
    const OutlineFile file = outlines_(gear, format, thickness_);
    if (!file.error.empty()) return qt(msg::mesh::no_outline(file.error));
    return write_file(path, QByteArray::fromStdString(file.bytes));
}

void MeshWindow::print_picture() {
    PageDrawing drawing;
    drawing.title = msg::mesh::kWindowTitle;
    const QRectF view = view_->visible_area();
    const double at = position();
    const PageFoot foot = page_foot();
    drawing.paint = [this, view, at, foot](QPainter& painter, const QRectF& page) {
        paint_mesh_page(painter, page, scene_, view, at, foot);
    };
    const PrintOutcome out = desktop_.printer.print_drawing(drawing);
    switch (out.kind) {
        case PrintOutcome::Kind::Printed:
            return;
        case PrintOutcome::Kind::SavedAsPdf:
            tell(qt(msg::mesh::printed_to_pdf(out.reason, out.pdf_path)), false);
            return;
        case PrintOutcome::Kind::Failed:
            tell(qt(msg::mesh::not_printed(out.reason)), true);
            return;
    }
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

void MeshWindow::tell(const QString& text, bool failure) {
    desktop_.boxes.show(msg::kNoticeTitle, text.toStdString(),
                        failure ? MessageIcon::Warning : MessageIcon::Information);
}

void MeshWindow::ask_and_save_picture() {
    const auto choice = dialogs_.save_path_of_kind(
        msg::mesh::kSavePictureTitle,
        QDir::home().filePath(picture_file_name()).toStdString(),
        filters_of(msg::mesh::kPictureFilter));
    if (!choice) return;
    const QString path = with_suffix(*choice, kPictureSuffixes).first;
    if (const auto error = save_picture(path)) tell(*error, true);
}

void MeshWindow::ask_and_export(int gear) {
    const auto choice = dialogs_.save_path_of_kind(
        msg::mesh::kExportOutlineTitle,
        QDir::home().filePath(outline_file_name(gear)).toStdString(),
        filters_of(msg::mesh::kOutlineFilter));
    if (!choice) return;
    const auto [path, kind] = with_suffix(*choice, kOutlineSuffixes);
    if (const auto error = export_outline(gear, kOutlineFormats[kind], path)) tell(*error, true);
}

}  // namespace gp
