#include "input_form.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <array>

#include "messages/tips.h"
#include "qt_text.h"
#include "quantity_tips.h"
#include "twips.h"
#include "ui_font.h"
#include "window_zoom.h"

namespace gp {

namespace {

constexpr int kFieldHeight = 270;

QGroupBox* add_frame(QWidget* parent, const char* name, const char* caption, int left, int top,
                     int width, int height) {
    auto* frame = new QGroupBox(qt(caption), parent);
    frame->setObjectName(qt(name));
    place(frame, left, top, width, height);
    return frame;
}

void add_caption(QWidget* frame, const char* text, QWidget* field, int left, int top, int width,
                 Qt::Alignment side) {
    auto* label = new QLabel(qt(text), frame);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(side | Qt::AlignVCenter);
    label->setBuddy(field);
    label->setToolTip(field->toolTip());  // the caption explains its field too
    place(label, left, top, width, kFieldHeight);
}

using G = GearPairInput;
using Text = std::string G::*;

// One line of a gear's frame: caption at the left, field at 1440 twips.
struct GearLine {
    const char* caption;
    Text pinion_field;
    Text wheel_field;
    int top;
};

constexpr std::array<GearLine, 8> kGearLines = {{
    {"齿    数", &G::cs1z1, &G::cs2z2, 300},
    {"齿厚上偏差", &G::ess1, &G::ess2, 660},
    {"齿厚下偏差", &G::esi1, &G::esi2, 1020},
    {"齿圈径跳", &G::fr1, &G::fr2, 1380},
    {"法向变位系数", &G::xng1, &G::xng2, 1740},
    {"量棒直径", &G::dpg1, &G::dpg2, 2100},
    {"齿根圆角半径", &G::cgyj1, &G::cgyj2, 2520},
    {"工作齿宽", &G::ck1, &G::ck2, 2880},
}};

// The fields Clear empties, in the order it empties them.
constexpr std::array<Text, 21> kClearedFields = {
    &G::th1,   &G::jd1,  &G::th2,   &G::jd2,  &G::zxja,  &G::fmn,  &G::fjafn,
    &G::lxjbt, &G::ckbw, &G::h0,    &G::c0,   &G::cs1z1, &G::ess1, &G::esi1,
    &G::fr1,   &G::dpg1, &G::cs2z2, &G::ess2, &G::esi2,  &G::fr2,  &G::dpg2};

}  // namespace

InputForm::InputForm() {
    setObjectName(QStringLiteral("js"));
    setWindowTitle(QStringLiteral("齿轮参数及强度计算-根据Tolmaren方法编写"));
    setFont(ui_font());
    body_ = new QWidget;
    body_->setObjectName(QStringLiteral("form"));
    body_->setFixedSize(px(7650), px(8265));
    set_scrolling_content(this, body_);

    build_gear_frames();
    build_pair_frame();
    build_option_frame();
    build_buttons();
    set_keyboard_order();
    dx1_->setChecked(true);
    dx1_->setFocus();
}

QLineEdit* InputForm::add_field(QWidget* frame, Text text, int left, int top, int width) {
    auto* edit = new QLineEdit(frame);
    const std::size_t index = input_field_index(text);
    edit->setObjectName(qt(kInputFields[index].name));
    // Meaning, symbol and unit; the caption is kept as the form has always read.
    edit->setToolTip(qt(field_tip(kInputFields[index].name)));
    fields_[index] = edit;
    place(edit, left, top, width, kFieldHeight);
    return edit;
}

void InputForm::build_gear_frames() {
    struct Gear {
        const char* frame;
        const char* caption;
        int top;
        Text drawing;
        Text accuracy;
    };
    for (const Gear& g : {Gear{"Frame1", "主动齿轮", 0, &G::th1, &G::jd1},
                          Gear{"Frame2", "从动齿轮", 840, &G::th2, &G::jd2}}) {
        auto* frame = add_frame(body_, g.frame, g.caption, 240, g.top, 7095, 735);
        auto* drawing = add_field(frame, g.drawing, 840, 300, 1575);
        add_caption(frame, "图 号", drawing, 240, 300, 600, Qt::AlignLeft);
        auto* accuracy = add_field(frame, g.accuracy, 4920, 300, 1815);
        add_caption(frame, "精度等级及偏差代号", accuracy, 3120, 300, 1800, Qt::AlignLeft);
    }
}

void InputForm::build_pair_frame() {
    auto* frame = add_frame(body_, "Frame3", "基本参数", 120, 1680, 7335, 5055);
    struct PairField {
        const char* caption;
        Text field;
        int caption_left;
        int caption_width;
        int left;
        int top;
    };
    // Captions end just before their fields.
    static constexpr PairField kPairFields[] = {
        {"中心距", &G::zxja, 120, 1140, 1320, 300},
        {"法向模数", &G::fmn, 2460, 1080, 3600, 300},
        {"法向压力角", &G::fjafn, 4710, 1230, 6000, 300},
        {"分度圆螺旋角", &G::lxjbt, 120, 1140, 1320, 660},
        {"工 作 齿 宽", &G::ckbw, 2460, 1080, 3600, 660},
        {"法面齿顶高系数", &G::h0, 4710, 1275, 6000, 660},
        {"法面顶隙系数", &G::c0, 120, 1140, 1320, 1080},
        {"主动齿轮输入扭矩（kg/m)", &G::nj, 3720, 2175, 6000, 1080},
    };
    for (const PairField& f : kPairFields) {
        auto* edit = add_field(frame, f.field, f.left, f.top, 1095);
        add_caption(frame, f.caption, edit, f.caption_left, f.top, f.caption_width, Qt::AlignRight);
    }
    build_gear_detail_frames(frame);
}

void InputForm::build_gear_detail_frames(QWidget* pair_frame) {
    auto* pinion = add_frame(pair_frame, "Frame4", "主动齿轮", 480, 1560, 2655, 3375);
    auto* wheel = add_frame(pair_frame, "Frame6", "从动齿轮", 3840, 1560, 2655, 3375);
    for (const GearLine& line : kGearLines) {
        auto* p = add_field(pinion, line.pinion_field, 1440, line.top, 975);
        add_caption(pinion, line.caption, p, 240, line.top, 1200, Qt::AlignLeft);
        auto* w = add_field(wheel, line.wheel_field, 1440, line.top, 975);
        // The wheel's longest caption starts further left to keep clear of its field.
        const int left = line.wheel_field == &G::cgyj2 ? 120 : 240;
        add_caption(wheel, line.caption, w, left, line.top, 1440 - left, Qt::AlignLeft);
    }
}

void InputForm::build_option_frame() {
    auto* frame = add_frame(body_, "Frame5", "变位系数分配情况", 240, 6960, 7095, 735);
    dx1_ = new QRadioButton(QStringLiteral("按等强度分配变位系数"), frame);
    dx1_->setObjectName(QStringLiteral("dx1"));
    place(dx1_, 960, 360, 2175, 255);
    dx2_ = new QRadioButton(QStringLiteral("按等噪音分配变位系数"), frame);
    dx2_->setObjectName(QStringLiteral("dx2"));
    place(dx2_, 4440, 360, 2175, 255);
    dx1_->setToolTip(qt(msg::tips::kEqualStrength));
    dx2_->setToolTip(qt(msg::tips::kEqualNoise));
}

void InputForm::build_buttons() {
    struct Button {
        FormButton which;
        const char* name;
        const char* text;
        int left;
        int width;
    };
    for (const Button& b :
         {Button{FormButton::ComputeGeometry, "computer", "计算齿轮参数", 120, 1455},
          Button{FormButton::Clear, "clear", "清 空", 2400, 855},
          Button{FormButton::ComputeStrength, "Command1", "计算齿轮强度", 3840, 1575},
          Button{FormButton::Exit, "myexit", "退 出", 6360, 855}}) {
        auto* button = new QPushButton(qt(b.text), body_);
        button->setObjectName(qt(b.name));
        button->setAutoDefault(true);  // Enter presses the focused button
        // The two calculations have function keys, named in their tool tips; the keys
        // belong to the 计算 menu's actions (a key owned twice would fire neither).
        if (b.which == FormButton::ComputeGeometry || b.which == FormButton::ComputeStrength) {
            const bool geometry = b.which == FormButton::ComputeGeometry;
            const QKeySequence key(geometry ? Qt::Key_F5 : Qt::Key_F6);
            button->setToolTip(qt(b.text) + QStringLiteral("（") +
                               key.toString(QKeySequence::NativeText) + QStringLiteral("）"));
        }
        place(button, b.left, 7800, b.width, 375);
        buttons_[static_cast<int>(b.which)] = button;
    }
}

void InputForm::set_keyboard_order() {
    // The form as it reads, top to bottom and left to right: the drawing numbers,
    // the pair's quantities row by row (the torque ends the third row), the gears'
    // quantities line by line, pinion then wheel, and last the option and the
    // buttons, so that Enter and Tab never jump back up the form.
    QWidget* chain[] = {
        field(&G::th1),
        field(&G::jd1),
        field(&G::th2),
        field(&G::jd2),
        field(&G::zxja),
        field(&G::fmn),
        field(&G::fjafn),
        field(&G::lxjbt),
        field(&G::ckbw),
        field(&G::h0),
        field(&G::c0),
        field(&G::nj),
        field(&G::cs1z1),
        field(&G::cs2z2),
        field(&G::ess1),
        field(&G::ess2),
        field(&G::esi1),
        field(&G::esi2),
        field(&G::fr1),
        field(&G::fr2),
        field(&G::xng1),
        field(&G::xng2),
        field(&G::dpg1),
        field(&G::dpg2),
        field(&G::cgyj1),
        field(&G::cgyj2),
        field(&G::ck1),
        field(&G::ck2),
        dx1_,
        dx2_,
        button(FormButton::ComputeGeometry),
        button(FormButton::Clear),
        button(FormButton::ComputeStrength),
        button(FormButton::Exit),
    };
    for (std::size_t i = 1; i < std::size(chain); ++i) setTabOrder(chain[i - 1], chain[i]);
}

GearPairInput InputForm::read() const {
    GearPairInput in;
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        in.*kInputFields[i].text = fields_[i]->text().toStdString();
    }
    in.rule = dx1_->isChecked() ? ShiftRule::EqualStrength : ShiftRule::EqualNoise;
    return in;
}

void InputForm::clear() {
    for (Text text : kClearedFields) field(text)->clear();
}

GearPairInput InputForm::cleared(GearPairInput in) {
    for (Text text : kClearedFields) (in.*text).clear();
    return in;
}

void InputForm::show_notice(const std::string& text) {
    // The bar exists only while there is something to say, so that the form opens
    // at its own size.
    QStatusBar* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (text.empty()) {
        if (bar) bar->hide();
        return;
    }
    bar = statusBar();
    auto* label = bar->findChild<QLabel*>(QStringLiteral("form_notice"));
    if (!label) {
        label = new QLabel(bar);
        label->setObjectName(QStringLiteral("form_notice"));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        bar->addWidget(label, 1);
    }
    label->setText(qt(text));
    bar->show();
}

QString InputForm::notice() const {
    const QStatusBar* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    const auto* label =
        bar && !bar->isHidden() ? bar->findChild<QLabel*>(QStringLiteral("form_notice")) : nullptr;
    return label ? label->text() : QString();
}

void InputForm::focus_field(std::string_view name) {
    if (const auto f = find_input_field(name)) field(f->text)->setFocus(Qt::OtherFocusReason);
}

QLineEdit* InputForm::field(Text text) const { return fields_.at(input_field_index(text)); }

QPushButton* InputForm::button(FormButton which) const { return buttons_[static_cast<int>(which)]; }

void InputForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A text field lets Enter pass on to its window; a button keeps it.
    if (enter && qobject_cast<QLineEdit*>(focusWidget())) {
        focus_neighbour_field(!(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void InputForm::focus_neighbour_field(bool forward) {
    QWidget* start = focusWidget();
    QWidget* w = start;
    // Along the focus chain (the keyboard order), skipping everything that is not
    // an enabled text field; the chain is a ring, so the walk ends at the start.
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && edit->isEnabled() && edit->isVisibleTo(this) &&
            (edit->focusPolicy() & Qt::TabFocus)) {
            edit->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (w && w != start);
}

void InputForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

}  // namespace gp
