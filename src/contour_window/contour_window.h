// The window "变位系数选择（封闭图）": the shift plane of the form's pair with every
// limit as a curve, the admissible region, the lines of constant centre distance and
// the typed one with its splits. The mouse reads the limits anywhere; a click picks
// a point, which "填入输入表" writes into the form once confirmed, as one change of
// the document that 撤销 takes back. Saving and printing as the mesh picture does.
//
// The plane keeps its extent (−1 … 2 both ways, or the window given): zooming and
// panning change only the view, a recalculation keeps the view, and 适合窗口 or a
// double click shows the whole plane again.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "contour_chart.h"
#include "desktop_services.h"
#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "picture_window.h"

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QTimer;

namespace gp {

class ContourView;

class ContourWindow : public PictureWindow {
    Q_OBJECT

  public:
    // The form's texts as they stand, and the one way to change them (a single
    // undoable change named by its second argument).
    using FormReader = std::function<GearPairInput()>;
    using FormWriter = std::function<void(const GearPairInput&, const QString&)>;

    ContourWindow(FormReader read_form, FormWriter write_form, DesktopServices desktop,
                  FileDialogs& dialogs, QWidget* parent = nullptr);
    ~ContourWindow() override;

    // Computes the contour of the form's texts over the plane, the view kept.
    void recompute();
    // Recomputes shortly, once the form's texts have stopped changing.
    void recompute_soon();
    // Computes over the default plane and fits it, as when first opened.
    void start_afresh();
    // The plane the curves are computed over and fitting shows (a valid window).
    void set_plane(const ShiftWindow& plane);
    const ShiftWindow& plane() const { return plane_; }
    // The 视图 menu's zoom, by the zoom rule of window_zoom.h: the window's type, the
    // chart's and the legend's.
    void set_zoom(int percent);
    // The size within its screen and the place beside the form where the screen has
    // room.
    void fit_to_screen(QWidget* form);

    const ContourChart& chart() const { return chart_; }
    ContourView* view() const { return view_; }
    QListWidget* legend() const { return legend_; }
    QPushButton* fill_button() const { return fill_; }
    QPushButton* fit_button() const { return fit_; }
    const std::optional<ContourPick>& pick() const { return pick_; }
    // The buttons along the top, in their order: further actions are added here.
    QHBoxLayout* tool_row() const { return tools_; }

    // A click at the plane's point `plane`, `pixel` in the view: the typed line's split
    // there when the click is within a few pixels of the line, a mark's point when on
    // the mark, else the point itself with its centre distance.
    void pick_at(QPointF plane, QPointF pixel);
    // The limits at a point of the plane, into the status line.
    void show_values_at(QPointF plane);
    // "填入输入表": asks (Enter fills, Esc cancels), then writes the pick into the form.
    void fill_form();
    // The admissible region shaded again at the view's resolution (after it moved).
    void shade_view();

  protected:
    PagePainter page_painter() const override;
    QString page_caption() const override { return chart_.caption; }
    QString picture_file_name() const override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refresh_legend();
    void fit_legend();
    void keep_status_room();
    void share_width();

    FormReader read_form_;
    FormWriter write_form_;
    ShiftWindow plane_;
    ContourChart chart_;
    std::optional<ContourPick> pick_;
    double zoom_ = 1.0;
    ContourView* view_ = nullptr;
    QSplitter* split_ = nullptr;
    QListWidget* legend_ = nullptr;
    QHBoxLayout* tools_ = nullptr;
    QLabel* message_ = nullptr;  // curves cut short by the bound on the work
    QLabel* picked_ = nullptr;   // the point picked
    QPushButton* fit_ = nullptr;
    QPushButton* fill_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QTimer* soon_ = nullptr;
    QTimer* shade_soon_ = nullptr;
};

}  // namespace gp
