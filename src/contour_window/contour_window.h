// The window "变位系数选择（封闭图）": the shift plane of the form's pair with every
// limit as a curve, the admissible region, the lines of constant centre distance and
// the typed one with its splits. The mouse reads the limits anywhere; a click picks
// a point, which "填入输入表" writes into the form once confirmed, as one change of
// the document that 撤销 takes back. Saving and printing as the mesh picture does.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "contour_chart.h"
#include "desktop_services.h"
#include "file_dialogs.h"
#include "gear_pair_input.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace gp {

class ContourView;

class ContourWindow : public QWidget {
    Q_OBJECT

  public:
    // The form's texts as they stand, and the one way to change them (a single
    // undoable change named by its second argument).
    using FormReader = std::function<GearPairInput()>;
    using FormWriter = std::function<void(const GearPairInput&, const QString&)>;

    ContourWindow(FormReader read_form, FormWriter write_form, DesktopServices desktop,
                  FileDialogs& dialogs, QWidget* parent = nullptr);
    ~ContourWindow() override;

    // Computes the contour of the form's texts over the plane in view (over the
    // default window the first time).
    void recompute();
    // Recomputes shortly, once the form's texts have stopped changing.
    void recompute_soon();
    // Computes over the default window and fits it, as when first opened.
    void start_afresh();
    // The 视图 menu's zoom: the window's type and the chart's, in percent.
    void set_zoom(int percent);

    const ContourChart& chart() const { return chart_; }
    ContourView* view() const { return view_; }
    QListWidget* legend() const { return legend_; }
    QLabel* status_label() const { return status_; }
    QPushButton* fill_button() const { return fill_; }
    const std::optional<ContourPick>& pick() const { return pick_; }

    // A click at the plane's point `plane`, `pixel` in the view: the typed line's split
    // there when the click is within a few pixels of the line, a mark's point when on
    // the mark, else the point itself with its centre distance.
    void pick_at(QPointF plane, QPointF pixel);
    // The limits at a point of the plane, into the status line.
    void show_values_at(QPointF plane);
    // "填入输入表": asks, then writes the pick into the form.
    void fill_form();

    // The picture as its page, into an SVG or PNG file by the path's suffix. Nothing on
    // success, else the reason in the user's words.
    std::optional<QString> save_picture(const QString& path) const;
    void print_picture();

  private:
    void ask_and_save_picture();
    void refresh_legend();
    void tell(const QString& text, bool failure);

    FormReader read_form_;
    FormWriter write_form_;
    DesktopServices desktop_;
    FileDialogs& dialogs_;
    ContourChart chart_;
    std::optional<ContourPick> pick_;
    bool computed_once_ = false;
    ContourView* view_ = nullptr;
    QListWidget* legend_ = nullptr;
    QLabel* message_ = nullptr;  // curves cut short by the bound on the work
    QLabel* status_ = nullptr;   // the values under the cursor
    QLabel* picked_ = nullptr;   // the point picked
    QPushButton* fill_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QTimer* soon_ = nullptr;
};

}  // namespace gp
