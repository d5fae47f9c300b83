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
#include "mesh_scene.h"

class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace gp {

class MeshView;
class SlidingPlot;

enum class OutlineFormat { Dxf, Svg, Csv };

// The file text of one gear's whole outline (`gear` an index: 0 the pinion, 1 the
// wheel), or the reason there is none (`error` not empty).
struct OutlineFile {
    std::string bytes;
    std::string error;
};
using OutlineWriter = std::function<OutlineFile(int gear, OutlineFormat format)>;

class MeshWindow : public QWidget {
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
    // The slider's place, 0 at its start to 1 at its end.
    double position() const;

    // The picture as the page that is printed, into an SVG or a PNG file by the
    // path's suffix. Nothing on success, else the reason, in the user's words.
    std::optional<QString> save_picture(const QString& path) const;
    // One gear's outline into a file; nothing on success, else the reason.
    std::optional<QString> export_outline(int gear, OutlineFormat format,
                                          const QString& path) const;
    // The page on the printer (a PDF when there is none); tells the user the outcome
    // unless it was printed.
    void print_picture();

  private:
    void ask_and_save_picture();
    void ask_and_export(int gear);
    void toggle_play();
    void step_play();
    void tell(const QString& text, bool failure);

    MeshScene scene_;
    OutlineWriter outlines_;
    DesktopServices desktop_;
    FileDialogs& dialogs_;
    MeshView* view_ = nullptr;
    SlidingPlot* plot_ = nullptr;
    QSlider* slider_ = nullptr;
    QPushButton* play_ = nullptr;
    QLabel* faults_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace gp
