// The rating window "承载能力校核（ISO 6336）", beside the input form: an input
// page with the rating inputs grouped as an engineer thinks of them (duty,
// accuracy, material per gear, lubrication and surfaces, structure, known
// factors) and the pair read from the form; and the result sheet
// "承载能力校核结果" with the safety factors marked against their minima, T1max,
// every reported quantity, and the warnings under it. It computes when asked (计算,
// F8), from the form as it stands then; it does not follow the form.
#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop_services.h"
#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "material_lines.h"
#include "rating_inputs.h"
#include "rating_sheet.h"
#include "spectrum_page.h"

class QBoxLayout;
class QGridLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace gp {

enum class RatingButton { Compute, Copy, Preview, Print, Pdf, SaveText, Close };

class RatingWindow : public QWidget {
    Q_OBJECT

  public:
    using FormSource = std::function<GearPairInput()>;
    // `form` gives the form's texts as they stand; the report dialogs, the printer and
    // the message boxes come from `desktop`, the text report's path from `dialogs`.
    RatingWindow(FormSource form, DesktopServices desktop, FileDialogs& dialogs,
                 QWidget* parent = nullptr);

    // The rating inputs as typed on the input page.
    RatingInputs inputs() const;
    // Puts the inputs on the page (a file opened, a new pair); no inputsEdited.
    void set_inputs(const RatingInputs& inputs);
    // Shows the form's pair read-only on the input page.
    void show_pair(const GearPairInput& form);
    // Reads the form now and rates it with the page's inputs: the sheet, or the
    // stop's message with its explanation.
    void compute();
    // The 视图 zoom by the one rule of the laid-out windows (window_zoom.h): the type
    // at `percent`, less where the window would not fit its screen; the window takes
    // the size its content wants within the screen.
    void zoom(int percent);
    // The pair or an input changed: the sheet shown is no longer the rating of what
    // is typed. It stays readable, marked 已过期, and cannot be copied, printed or saved.
    void mark_stale();
    bool stale() const { return stale_; }

    QLineEdit* field(std::string RatingInputs::*text) const;
    // The material page of one gear: class, type, quality, hardness and its unit.
    QComboBox* material_choice(int gear) const { return class_box_[gear]; }
    QComboBox* type_choice(int gear) const { return type_box_[gear]; }
    QComboBox* quality_choice(int gear) const { return quality_box_[gear]; }
    QComboBox* hardness_unit(int gear) const { return unit_box_[gear]; }
    QLineEdit* hardness(int gear) const { return hardness_[gear]; }
    QLabel* line_used(int gear) const { return line_label_[gear]; }
    QComboBox* oil_grade() const { return oil_box_; }
    QPushButton* button(RatingButton which) const;
    QTabWidget* pages() const { return pages_; }
    QTableWidget* sheet_table() const { return table_; }
    QLabel* capacity_label() const { return capacity_; }
    // The notices under the window's layout (the sheet's warnings).
    std::vector<std::string> notices() const { return notices_shown_; }
    const std::optional<rating::RatingSheet>& sheet() const { return sheet_; }
    SpectrumPage* spectrum_page() const { return spectrum_; }

  signals:
    // The user changed a rating input (typed, or picked a material).
    void inputsEdited();
    // The user is done with an input (left its field, or picked a material): the
    // typing so far is one step of the document's history.
    void inputsSettled();

  private:
    QWidget* build_input_page();
    QWidget* build_sheet_page();
    void build_buttons(QBoxLayout* under);
    void material_rows(QGridLayout* grid, int row);
    void pick_class(int gear);
    void apply_line(int gear);
    void hand_typed_limit(int gear);
    void sync_oil_grade();
    void fill_sheet();
    void show_notices(const std::vector<std::string>& notices);
    void focus_rating_field(const std::string& column);
    void fit_to_screen();
    void fit_columns(int page_width);
    void paint_capacity(bool stale);
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    ReportDocument report() const;
    void copy();
    void print();
    void dialog(DialogOutcome (ReportDialogs::*show)(const ReportDocument&), const char* task,
                std::string (*failure)(const std::string&));
    void save_text();
    void tell(const std::string& text, MessageIcon icon);

    FormSource form_;
    DesktopServices desktop_;
    FileDialogs& dialogs_;
    bool filling_ = false;

    QTabWidget* pages_ = nullptr;
    QWidget* input_content_ = nullptr;  // the input page inside its scroll area
    QBoxLayout* columns_ = nullptr;     // its two columns
    int side_by_side_width_ = 0;        // the page's least width with the columns side by side
    std::array<QLineEdit*, kRatingFields.size()> fields_{};
    std::array<QComboBox*, 2> class_box_{}, type_box_{}, quality_box_{}, unit_box_{};
    std::array<QLineEdit*, 2> hardness_{};
    std::array<QLabel*, 2> line_label_{};
    std::array<rating::MaterialNote, 2> material_notes_{};
    QComboBox* oil_box_ = nullptr;
    bool stale_ = false;
    std::array<QLabel*, 5> pair_lines_{};
    QLabel* duty_ = nullptr;
    QLabel* capacity_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* placeholder_ = nullptr;
    QTableWidget* table_ = nullptr;
    QWidget* notice_holder_ = nullptr;  // under the layout: the notice strip's place
    std::vector<std::string> notices_shown_;
    std::array<QPushButton*, 7> buttons_{};
    std::optional<rating::RatingSheet> sheet_;
    std::array<std::string, 2> drawings_;
    SpectrumPage* spectrum_ = nullptr;  // the load spectrum's page; its sheet a page too
};

}  // namespace gp
