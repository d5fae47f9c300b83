// The mesh picture window "齿轮啮合图": both gears in mesh with their circles and
// the line of action, turned by a slider; the specific sliding beside it; saving,
// printing and the export of a tooth outline for CAD.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "desktop_services.h"
#include "file_dialogs.h"
#include "mesh_painting.h"
#include "mesh_scene.h"
#include "picture_window.h"
#include "tooth_outline.h"

class QActionGroup;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace gp {

class MeshView;
class SlidingPlot;

enum class OutlineFormat { Dxf, Svg, Csv };

// The file text of one gear's whole outline (`gear` an index: 0 the pinion, 1 the
// wheel) at a tooth thickness, or the reason there is none (`error` not empty).
struct OutlineFile {
    std::string bytes;
    std::string error;
};
using OutlineWriter =
    std::function<OutlineFile(int gear, OutlineFormat format, ThicknessChoice thickness)>;

class MeshWindow : public PictureWindow {
    Q_OBJECT

  public:
    // Saving and exporting ask `dialogs` where to write.
    MeshWindow(MeshScene scene, OutlineWriter outlines, DesktopServices desktop,
               FileDialogs& dialogs, QWidget* parent = nullptr);
    ~MeshWindow() override;

    const MeshScene& scene() const { return scene_; }
    MeshView* view() const { return view_; }
    QSlider* slider() const { return slider_; }
    QLabel* faults_label() const { return faults_; }
    SlidingPlot* sliding_plot() const { return plot_; }
    // The pinion's turn at the slider's place, as the label beside the slider shows it.
    QLabel* angle_label() const { return angle_; }
    // The slider's place, 0 at its start to 1 at its end.
    double position() const;

    // The type at `percent` of the program's (the 视图 zoom), by the zoom rule of
    // window_zoom.h: less when the screen cannot hold the window's least layout.
    void set_zoom(int percent);
    // The size within its screen and the place: beside `sheet` when the screen has
    // room for both side by side (the sheet moved aside if need be), else centred on
    // the screen (window_zoom.h's show_beside).
    void fit_to_screen(QWidget* sheet = nullptr);
    // The zoom actually taken, as a factor of the program's type size.
    double text_scale() const { return scale_; }

    // The thickness 导出齿形 cuts the outline with; nominal at first.
    ThicknessChoice thickness() const { return thickness_; }
    void set_thickness(ThicknessChoice thickness);

    // One gear's outline, at the thickness chosen, into a file; nothing on success,
    // else the reason.
    std::optional<QString> export_outline(int gear, OutlineFormat format,
                                          const QString& path) const;
    // The names the save and export dialogs offer: from the drawing numbers.
    QString picture_file_name() const override;
    QString outline_file_name(int gear) const;

    // The buttons along the top, in their order (the slider between them): further
    // actions are added here.
    QHBoxLayout* tool_row() const { return tools_; }

  protected:
    PagePainter page_painter() const override;
    QString page_caption() const override { return scene_.caption; }

  private:
    void ask_and_export(int gear);
    void toggle_play();
    void step_play();
    void turned();
    void apply_scale(double factor);
    // The page's foot: the drawing numbers and the moment, from the desktop's clock.
    PageFoot page_foot() const;

    MeshScene scene_;
    OutlineWriter outlines_;
    QHBoxLayout* tools_ = nullptr;
    MeshView* view_ = nullptr;
    SlidingPlot* plot_ = nullptr;
    QSlider* slider_ = nullptr;
    QPushButton* play_ = nullptr;
    QLabel* faults_ = nullptr;
    QLabel* angle_ = nullptr;
    QWidget* legend_ = nullptr;
    QTimer* timer_ = nullptr;
    QActionGroup* thicknesses_ = nullptr;
    ThicknessChoice thickness_ = ThicknessChoice::Nominal;
    int zoom_percent_ = 100;
    double scale_ = 1.0;
};

}  // namespace gp
