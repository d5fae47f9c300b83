// The input form js: 28 text fields in five frames, the two shift-distribution
// options and the four buttons, on a fixed-size body below the window's menu bar.
#pragma once

#include <QMainWindow>
#include <array>
#include <string>
#include <string_view>

#include "gear_pair_input.h"
#include "strength_result.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gp {

enum class FormButton { ComputeGeometry, Clear, ComputeStrength, Exit };

class InputForm : public QMainWindow {
    Q_OBJECT

  public:
    InputForm();

    // The texts as they stand and the selected option.
    GearPairInput read() const;
    // Empties the 21 fields that describe a pair's geometry; the torque, the shift
    // coefficients, the fillet radii, the face widths and the option stay.
    void clear();
    // The texts `in` as clear() leaves them.
    static GearPairInput cleared(GearPairInput in);
    // Focuses the field a failed check named; an unknown name focuses nothing.
    void focus_field(std::string_view name);

    // The field that holds that text of the input record.
    QLineEdit* field(std::string GearPairInput::*text) const;
    QPushButton* button(FormButton which) const;
    QRadioButton* equal_strength() const { return dx1_; }
    QRadioButton* equal_noise() const { return dx2_; }
    // The form itself, below the menu bar: the frames and buttons at their places.
    QWidget* body() const { return body_; }
    // A line under the form about the file it shows (columns passed over, say); an
    // empty text takes the line away. The form's own layout stays as it is.
    void show_notice(const std::string& text);
    QString notice() const;

    // The last strength calculation's diameters, read by the strength report.
    SingleDiameters kept_diameters;

  signals:
    // The window's own close button was pressed; the shell decides what follows.
    void closeRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter in a text field goes on to the next text field in keyboard order,
    // Shift+Enter back to the previous one; a focused button still takes Enter.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* add_field(QWidget* frame, std::string GearPairInput::*text, int left, int top,
                         int width);
    void build_gear_frames();
    void build_pair_frame();
    void build_gear_detail_frames(QWidget* pair_frame);
    void build_option_frame();
    void build_buttons();
    void set_keyboard_order();
    void focus_neighbour_field(bool forward);

    QWidget* body_ = nullptr;
    QRadioButton* dx1_ = nullptr;
    QRadioButton* dx2_ = nullptr;
    QPushButton* buttons_[4] = {};
    // The text fields in the order of kInputFields.
    std::array<QLineEdit*, kInputFields.size()> fields_{};
};

}  // namespace gp
