#include "rating_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "messages/base.h"
#include "messages/rating.h"
#include "messages/rating_report.h"
#include "messages/rating_window_texts.h"
#include "messages/shell_texts.h"
#include "number_parse.h"
#include "oil_grades.h"
#include "stop.h"
#include "window_zoom.h"
#include "notice_strip.h"
#include "qt_text.h"
#include "rating_calculation.h"
#include "rating_numbers.h"
#include "messages/spectrum.h"

namespace gp {

namespace {

namespace text = msg::rating_window;

const text::RatingFieldText& texts_of(std::string_view key) {
    for (const auto& t : text::kRatingFieldTexts) {
        if (key == t.key) return t;
    }
    throw std::logic_error("a rating input without its texts");
}

std::size_t index_of(std::string RatingInputs::*text) {
    for (std::size_t i = 0; i < kRatingFields.size(); ++i) {
        if (kRatingFields[i].text == text) return i;
    }
    throw std::logic_error("not a rating input");
}

namespace words = msg::rating_report;

const char* name_of(std::string_view code, std::span<const words::CodeName> names) {
    for (const auto& n : names) {
        if (code == n.code) return n.name;
    }
    return "";
}

const char* placeholder_of(std::string_view key) { return name_of(key, words::kPlaceholders); }

// The rating column of a per-gear key for one gear: ("hard", 0) is hard1.
std::string RatingInputs::*choice_column(const char* key, int gear) {
    return find_rating_field(std::string(key) + char('1' + gear))->text;
}

// A number typed on the page, read by the program's one reader; empty when the
// text is not a number.
std::optional<double> typed_number(const QString& text) {
    const std::string t = text.toStdString();
    if (!is_numeric(t)) return std::nullopt;
    try {
        return strict_convert(t);
    } catch (...) {
        return std::nullopt;
    }
}

// A limit as the field takes it: to a tenth of a N/mm².
QString limit_text(double value) { return QString::number(std::round(value * 10) / 10, 'f', 1); }

// A number typed in the form, as the page shows it.
std::string shown_text(const std::string& typed) {
    return typed.empty() ? std::string(text::kEmptyShown) : typed;
}

// The input page's scroll area, telling its width as it changes, so that the page
// sets its columns side by side or one above the other.
class ColumnScroller : public QScrollArea {
  public:
    explicit ColumnScroller(std::function<void(int width)> on_width) : on_width_(std::move(on_width)) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QScrollArea::resizeEvent(event);
        on_width_(width());
    }

  private:
    std::function<void(int)> on_width_;
};

}  // namespace

RatingWindow::RatingWindow(FormSource form, DesktopServices desktop, FileDialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), form_(std::move(form)), desktop_(desktop), dialogs_(dialogs) {
    setObjectName(QStringLiteral("rating"));
    setWindowTitle(qt(text::kTitle));

    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addTab(build_input_page(), qt(text::kInputPage));
    pages_->addTab(build_sheet_page(), qt(text::kSheetTitle));
    // The load spectrum's page and sheet (spectrum_page.h), rated with this page's inputs.
    spectrum_ = new SpectrumPage(form_, [this] { return inputs(); }, desktop_, dialogs_);
    pages_->addTab(spectrum_, qt(msg::spectrum::kPage));
    pages_->addTab(spectrum_->sheet_page(), qt(msg::spectrum::kSheetTitle));
    connect(spectrum_, &SpectrumPage::fileNamed, this, [this] {
        emit inputsEdited();
        emit inputsSettled();
    });
    connect(spectrum_, &SpectrumPage::computed, this,
            [this] { pages_->setCurrentWidget(spectrum_->sheet_page()); });
    layout->addWidget(pages_, 1);
    auto* row = new QHBoxLayout;
    build_buttons(row);
    layout->addLayout(row);
    // The row's buttons act on the rating's page and sheet; under the spectrum's pages,
    // which carry buttons of their own, only 关闭 stays.
    connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
        const bool rating_page = page == 0 || page == 1;
        for (RatingButton b : {RatingButton::Compute, RatingButton::Copy, RatingButton::Preview,
                               RatingButton::Print, RatingButton::Pdf, RatingButton::SaveText}) {
            button(b)->setVisible(rating_page);
        }
    });
    // The notice strip under the layout, the one every window shows its notices in:
    // the sheet's warnings, no room taken when there are none.
    notice_holder_ = new QWidget;
    notice_holder_->setObjectName(QStringLiteral("notice_holder"));
    notice_holder_->setFixedHeight(0);
    layout->addWidget(notice_holder_);

    QEvent font_change(QEvent::FontChange);
    changeEvent(&font_change);
    paint_capacity(false);
    fit_to_screen();
}

QWidget* RatingWindow::build_input_page() {
    auto* inner = input_content_ = new QWidget;
    inner->setObjectName(QStringLiteral("inputs"));
    auto* columns = columns_ = new QHBoxLayout(inner);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    // The pair as the form holds it.
    auto* pair = new QGroupBox(qt(text::kGroupPair));
    pair->setObjectName(QStringLiteral("pair"));
    auto* pair_lines = new QVBoxLayout(pair);
    for (QLabel*& l : pair_lines_) {
        l = new QLabel;
        l->setTextFormat(Qt::PlainText);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        pair_lines->addWidget(l);
    }
    left->addWidget(pair);

    const auto connect_edit = [this](QLineEdit* edit) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            mark_stale();
            if (!filling_) emit inputsEdited();
        });
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (!filling_) emit inputsSettled();
        });
    };
    // A group of inputs: caption, the pinion's (or the pair's) field, the wheel's
    // field, the unit.
    const auto group = [&](const char* title, const char* name,
                           std::initializer_list<std::string_view> keys, bool per_gear_heads,
                           const std::function<int(QGridLayout*, int)>& first_row = {}) {
        auto* box = new QGroupBox(qt(title));
        box->setObjectName(qt(name));
        auto* grid = new QGridLayout(box);
        int r = 0;
        if (per_gear_heads) {
            grid->addWidget(new QLabel(qt(text::kDriving)), r, 1, Qt::AlignCenter);
            grid->addWidget(new QLabel(qt(text::kDriven)), r, 2, Qt::AlignCenter);
            ++r;
        }
        if (first_row) r += first_row(grid, r);
        for (std::string_view key : keys) {
            const auto& t = texts_of(key);
            auto* caption = new QLabel(qt(t.caption));
            caption->setToolTip(qt(t.tip));
            grid->addWidget(caption, r, 0);
            const auto single = find_rating_field(key);
            for (int gear = 0; gear < (single ? 1 : 2); ++gear) {
                const std::string column = single ? std::string(key)
                                                  : std::string(key) + char('1' + gear);
                const auto f = find_rating_field(column);
                QLineEdit* edit = nullptr;
                if (key == "mat") {
                    // The class by its code, named in Chinese in the list; the field
                    // holds the code the rating reads.
                    auto* combo = new QComboBox;
                    combo->setEditable(true);
                    combo->addItem(QString(), QString());
                    for (const char* c : rating::kMaterialClassNames) {
                        combo->addItem(qt(std::string(c) + " " + name_of(c, words::kCodeNames)),
                                       QString::fromLatin1(c));
                    }
                    combo->setObjectName(qt(column));
                    combo->setToolTip(qt(t.tip));
                    combo->setInsertPolicy(QComboBox::NoInsert);
                    edit = combo->lineEdit();
                    connect(combo, &QComboBox::activated, combo, [combo](int i) {
                        combo->lineEdit()->setText(combo->itemData(i).toString());
                    });
                    grid->addWidget(combo, r, 1 + gear);
                } else {
                    edit = new QLineEdit;
                    grid->addWidget(edit, r, 1 + gear);
                }
                edit->setObjectName(qt(column));
                std::string tip = t.tip;
                if (key == "SHmin") tip += words::kSHminRange;
                if (key == "SFmin") tip += words::kSFminRange;
                edit->setToolTip(qt(tip));
                edit->setPlaceholderText(qt(placeholder_of(key)));
                if (key == "sHlim" || key == "sFlim") {
                    connect(edit, &QLineEdit::textEdited, this,
                            [this, gear] { hand_typed_limit(gear); });
                }
                if (key == "nu40") {
                    connect(edit, &QLineEdit::textChanged, this, [this] { sync_oil_grade(); });
                }
                edit->setMinimumWidth(90);
                fields_[index_of(f->text)] = edit;
                connect_edit(edit);
                if (gear == 0) caption->setBuddy(edit);
            }
            auto* unit = new QLabel(qt(t.unit));
            unit->setToolTip(qt(t.tip));
            grid->addWidget(unit, r, 3);
            ++r;
        }
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(2, 1);
        return std::pair{box, grid};
    };

    left->addWidget(group(text::kGroupDuty, "duty", {"n1", "KA", "Lh", "YN10", "SHmin", "SFmin"},
                          false)
                        .first);
    left->addWidget(group(text::kGroupAccuracy, "accuracy", {"Q", "Ca"}, true).first);
    left->addWidget(group(text::kGroupKnown, "known", {"Kv", "KHb", "KHa"}, false).first);
    left->addStretch(1);

    // The material of ISO 6336-5 first: its line fills the gear's limits below it.
    const auto material_row = [this](QGridLayout* grid, int row) {
        material_rows(grid, row);
        return 5;
    };
    QGroupBox* material = group(text::kGroupMaterial, "material",
                                {"mat", "sHlim", "sFlim", "E", "nu", "rho"}, true, material_row)
                              .first;
    right->addWidget(material);
    right->addWidget(group(text::kGroupSurface, "surface", {"nu40", "Ra", "RzF"}, true,
                           [this](QGridLayout* grid, int row) {
                               auto* caption = new QLabel(qt(words::kOilGrade));
                               caption->setToolTip(qt(words::kOilGradeTip));
                               grid->addWidget(caption, row, 0);
                               oil_box_ = new QComboBox;
                               oil_box_->setObjectName(QStringLiteral("oil_grade"));
                               oil_box_->setToolTip(qt(words::kOilGradeTip));
                               oil_box_->addItem(qt(words::kOilGradeOwn), 0);
                               for (int g : rating::oil_grades()) {
                                   oil_box_->addItem(qt(rating::oil_grade_name(g)), g);
                               }
                               connect(oil_box_, &QComboBox::activated, this, [this](int i) {
                                   const int g = oil_box_->itemData(i).toInt();
                                   if (g > 0) field(&RatingInputs::nu40)->setText(QString::number(g));
                                   emit inputsSettled();
                               });
                               grid->addWidget(oil_box_, row, 1, 1, 2);
                               return 1;
                           })
                         .first);
    right->addWidget(group(text::kGroupStructure, "structure", {"sR", "HB"}, true).first);
    // The pinion's shaft and flank under the known factors, beside the material.
    left->insertWidget(left->count() - 1, group(text::kGroupShaft, "shaft",
                                                {"shaft", "l", "s", "dsh", "hmod", "k"}, false)
                                              .first);
    right->addStretch(1);

    auto* scroller = new ColumnScroller([this](int width) { fit_columns(width); });
    scroller->setObjectName(QStringLiteral("input_scroller"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(inner);
    return scroller;
}

QWidget* RatingWindow::build_sheet_page() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("sheet"));
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(qt(text::kSheetTitle));
    title->setObjectName(QStringLiteral("sheet_title"));
    title->setAlignment(Qt::AlignCenter);
    title_ = title;
    layout->addWidget(title);
    auto* method = new QLabel(qt(msg::rating::kMethodLine));
    method->setObjectName(QStringLiteral("method"));
    method->setAlignment(Qt::AlignCenter);
    layout->addWidget(method);
    capacity_ = new QLabel;
    capacity_->setObjectName(QStringLiteral("capacity"));
    capacity_->setWordWrap(true);
    capacity_->setTextFormat(Qt::PlainText);
    capacity_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    capacity_->setAutoFillBackground(true);
    capacity_->setMargin(4);
    layout->addWidget(capacity_);
    duty_ = new QLabel;
    duty_->setObjectName(QStringLiteral("duty"));
    duty_->setTextFormat(Qt::PlainText);
    duty_->setWordWrap(true);
    layout->addWidget(duty_);
    placeholder_ = new QLabel(qt(text::kNoResultYet));
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setWordWrap(true);
    layout->addWidget(placeholder_);

    table_ = new QTableWidget(0, 5);
    table_->setObjectName(QStringLiteral("rating_table"));
    table_->setHorizontalHeaderLabels({qt(text::kColumnName), qt(text::kColumnSymbol),
                                       qt(text::kDriving), qt(text::kDriven),
                                       qt(text::kColumnUnit)});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->hide();
    layout->addWidget(table_, 1);
    return page;
}

void RatingWindow::build_buttons(QBoxLayout* under) {
    const std::pair<RatingButton, const char*> kinds[] = {
        {RatingButton::Compute, text::kCompute}, {RatingButton::Copy, text::kCopy},
        {RatingButton::Preview, text::kPreview}, {RatingButton::Print, text::kPrint},
        {RatingButton::Pdf, text::kPdf},         {RatingButton::SaveText, text::kSaveText},
        {RatingButton::Close, text::kClose}};
    for (const auto& [which, label] : kinds) {
        auto* b = new QPushButton(qt(label));
        b->setAutoDefault(true);
        buttons_[std::size_t(which)] = b;
        under->addWidget(b);
        if (which == RatingButton::Compute) under->addStretch(1);
    }
    button(RatingButton::Compute)->setObjectName(QStringLiteral("compute"));
    button(RatingButton::Compute)->setToolTip(qt(text::kComputeTip));
    button(RatingButton::Close)->setObjectName(QStringLiteral("close"));
    // F8 computes here, as it opens the window from the form.
    auto* again = new QAction(this);
    again->setShortcut(Qt::Key_F8);
    addAction(again);
    connect(again, &QAction::triggered, this, &RatingWindow::compute);
    connect(button(RatingButton::Compute), &QPushButton::clicked, this, &RatingWindow::compute);
    connect(button(RatingButton::Copy), &QPushButton::clicked, this, &RatingWindow::copy);
    connect(button(RatingButton::Print), &QPushButton::clicked, this, &RatingWindow::print);
    connect(button(RatingButton::Preview), &QPushButton::clicked, this, [this] {
        dialog(&ReportDialogs::preview, msg::shell::kTaskPrint, msg::shell::not_printed_to);
    });
    connect(button(RatingButton::Pdf), &QPushButton::clicked, this, [this] {
        dialog(&ReportDialogs::export_pdf, msg::shell::kTaskExport, msg::shell::not_exported);
    });
    connect(button(RatingButton::SaveText), &QPushButton::clicked, this, &RatingWindow::save_text);
    connect(button(RatingButton::Close), &QPushButton::clicked, this, &QWidget::close);
    for (RatingButton b : {RatingButton::Copy, RatingButton::Preview, RatingButton::Print,
                           RatingButton::Pdf, RatingButton::SaveText}) {
        button(b)->setEnabled(false);
    }
}

QPushButton* RatingWindow::button(RatingButton which) const {
    return buttons_[std::size_t(which)];
}

QLineEdit* RatingWindow::field(std::string RatingInputs::*text) const {
    return fields_[index_of(text)];
}

void RatingWindow::material_rows(QGridLayout* grid, int row) {
    const auto caption = [grid](const char* words_text, int r, const char* tip = nullptr) {
        auto* label = new QLabel(qt(words_text));
        if (tip) label->setToolTip(qt(tip));
        grid->addWidget(label, r, 0);
    };
    // Class, type, quality and hardness on four rows, the line used on a fifth; the
    // rows are inserted above the limits they fill.
    // Why the list holds classes and not steel grades, where the user looks for one.
    const std::string class_tip = std::string(words::kLinesSource) + "\n" + words::kNoPresets;
    caption(words::kLineClass, row, class_tip.c_str());
    caption(words::kType, row + 1);
    caption(words::kQuality, row + 2, words::kQualityTip);
    caption(words::kHardness, row + 3, words::kLinesSource);
    caption(words::kLineUsed, row + 4, words::kLinesSource);
    for (int gear = 0; gear < 2; ++gear) {
        const QString n = QString::number(gear + 1);
        auto* klass = class_box_[gear] = new QComboBox;
        klass->setObjectName(QStringLiteral("material") + n);
        klass->setToolTip(qt(class_tip));
        klass->addItem(qt(text::kMaterialOwn), QString());
        for (const std::string& code : rating::material_codes()) {
            klass->addItem(qt(code + " " + name_of(code, words::kCodeNames)), qt(code));
        }
        auto* type = type_box_[gear] = new QComboBox;
        type->setObjectName(QStringLiteral("type") + n);
        auto* quality = quality_box_[gear] = new QComboBox;
        quality->setObjectName(QStringLiteral("quality") + n);
        quality->setToolTip(qt(words::kQualityTip));
        for (const char* q : rating::kQualities) quality->addItem(QString::fromLatin1(q));
        quality->setCurrentIndex(1);  // MQ
        auto* hardness = hardness_[gear] = new QLineEdit;
        hardness->setObjectName(QStringLiteral("hard") + n);
        hardness->setToolTip(qt(words::kLinesSource));
        auto* unit = unit_box_[gear] = new QComboBox;
        unit->setObjectName(QStringLiteral("hunit") + n);
        for (const char* u : {"HBW", "HV", "HRC"}) unit->addItem(QString::fromLatin1(u));
        auto* hardness_row = new QHBoxLayout;
        hardness_row->setContentsMargins(0, 0, 0, 0);
        hardness_row->addWidget(hardness, 1);
        hardness_row->addWidget(unit);
        auto* line = line_label_[gear] = new QLabel;
        line->setObjectName(QStringLiteral("line") + n);
        line->setWordWrap(true);
        line->setTextFormat(Qt::PlainText);
        line->setMinimumWidth(90);
        grid->addWidget(klass, row, 1 + gear);
        grid->addWidget(type, row + 1, 1 + gear);
        grid->addWidget(quality, row + 2, 1 + gear);
        grid->addLayout(hardness_row, row + 3, 1 + gear);
        grid->addWidget(line, row + 4, 1 + gear);
        connect(klass, &QComboBox::activated, this, [this, gear] { pick_class(gear); });
        for (QComboBox* box : {type, quality, unit}) {
            connect(box, &QComboBox::activated, this, [this, gear] { apply_line(gear); });
        }
        connect(hardness, &QLineEdit::editingFinished, this, [this, gear] { apply_line(gear); });
        type->setEnabled(false);
    }
}

void RatingWindow::pick_class(int gear) {
    const std::string code = class_box_[gear]->currentData().toString().toStdString();
    QComboBox* type = type_box_[gear];
    type->clear();
    for (const std::string& t : rating::material_types(code)) {
        type->addItem(qt(name_of(t, words::kTypeNames)), qt(t));
    }
    type->setEnabled(type->count() > 1);
    // The unit of the class's lines is the unit a hardness is usually given in.
    if (!code.empty()) {
        for (const rating::MaterialLine& l : rating::material_lines()) {
            if (l.code == code) {
                unit_box_[gear]->setCurrentText(QString::fromLatin1(rating::unit_name(l.unit)));
                break;
            }
        }
    }
    apply_line(gear);
}

void RatingWindow::apply_line(int gear) {
    rating::MaterialNote& note = material_notes_[gear];
    const std::string code = class_box_[gear]->currentData().toString().toStdString();
    QLabel* label = line_label_[gear];
    label->setPalette(QPalette());
    if (!filling_) emit inputsEdited();  // the choice is kept with the pair
    if (code.empty()) {
        note = {};
        label->setText(qt(words::kOwnLimits));
        return;
    }
    const auto x = typed_number(hardness_[gear]->text());
    if (!x) {
        note = {};
        label->setText(qt(words::kLinesSource));
        return;
    }
    rating::MaterialChoice choice{
        .code = code,
        .type = type_box_[gear]->currentData().toString().toStdString(),
        .quality = quality_box_[gear]->currentText().toStdString(),
        .hardness = *x,
        .unit = *rating::hardness_unit_of(unit_box_[gear]->currentText().toStdString())};
    const auto limits = rating::material_limits(choice);
    if (const auto* refusal = std::get_if<std::string>(&limits)) {
        note = {};
        label->setText(qt(*refusal));
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
        label->setPalette(red);
        return;
    }
    const auto& l = std::get<rating::MaterialLimits>(limits);
    note = {.code = code, .type = choice.type, .quality = choice.quality,
            .hardness = hardness_[gear]->text().trimmed().toStdString(),
            .unit = unit_box_[gear]->currentText().toStdString(),
            .contact_row = l.contact->row, .bending_row = l.bending->row};
    const char digit = char('1' + gear);
    const auto put = [&](const char* key, const QString& value) {
        field(find_rating_field(std::string(key) + digit)->text)->setText(value);
    };
    put("mat", qt(rating::rating_class_of(code)));
    put("sHlim", limit_text(l.sHlim));
    put("sFlim", limit_text(l.sFlim));
    // A through-hardened or cast flank's Brinell hardness, for its work hardening.
    if (l.HB) put("HB", limit_text(*l.HB));
    if (!filling_) emit inputsEdited();
    const auto formula = [](const rating::MaterialLine& m) {
        return m.A == 0 ? QString::number(m.B) : QStringLiteral("%1·x + %2").arg(m.A).arg(m.B);
    };
    // The rows on the page, the lines themselves in the tool tip.
    label->setText(qt(words::lines_used(l.contact->row, l.bending->row)));
    label->setToolTip(qt(words::line_formulas(formula(*l.contact).toStdString(),
                                              formula(*l.bending).toStdString(),
                                              rating::unit_name(l.contact->unit))) +
                      qt(words::kLinesSource));
    if (!filling_) emit inputsSettled();
}

void RatingWindow::hand_typed_limit(int gear) {
    // A limit typed by hand wins over the line: the choice goes back to 自定.
    class_box_[gear]->setCurrentIndex(0);
    type_box_[gear]->clear();
    type_box_[gear]->setEnabled(false);
    material_notes_[gear] = {};
    line_label_[gear]->setPalette(QPalette());
    line_label_[gear]->setText(qt(words::kOwnLimits));
    if (!filling_) emit inputsEdited();
}

void RatingWindow::sync_oil_grade() {
    if (!oil_box_) return;
    const auto nu40 = typed_number(field(&RatingInputs::nu40)->text());
    const auto grade = nu40 ? rating::oil_grade_of(*nu40) : std::nullopt;
    oil_box_->setCurrentIndex(grade ? oil_box_->findData(*grade) : 0);
}

RatingInputs RatingWindow::inputs() const {
    RatingInputs in;
    for (std::size_t i = 0; i < kRatingFields.size(); ++i) {
        if (fields_[i]) in.*kRatingFields[i].text = fields_[i]->text().toStdString();
    }
    // The material page's choice, where a line was chosen.
    for (int gear = 0; gear < 2; ++gear) {
        const std::string grade = class_box_[gear]->currentData().toString().toStdString();
        if (grade.empty()) continue;
        const auto put = [&](const char* key, const QString& value) {
            in.*choice_column(key, gear) = value.toStdString();
        };
        put("grade", qt(grade));
        put("type", type_box_[gear]->currentData().toString());
        put("quality", quality_box_[gear]->currentText());
        put("hard", hardness_[gear]->text());
        put("hunit", unit_box_[gear]->currentText());
    }
    in.spectrum = spectrum_->file_name();
    return in;
}

void RatingWindow::set_inputs(const RatingInputs& in) {
    filling_ = true;
    for (std::size_t i = 0; i < kRatingFields.size(); ++i) {
        if (fields_[i]) fields_[i]->setText(qt(in.*kRatingFields[i].text));
    }
    for (int gear = 0; gear < 2; ++gear) {
        hand_typed_limit(gear);
        const int at = class_box_[gear]->findData(qt(in.*choice_column("grade", gear)));
        if (at <= 0) continue;  // typed limits, or a code this program does not know
        class_box_[gear]->setCurrentIndex(at);
        pick_class(gear);
        const auto text = [&](const char* key) { return qt(in.*choice_column(key, gear)); };
        type_box_[gear]->setCurrentIndex(std::max(0, type_box_[gear]->findData(text("type"))));
        if (quality_box_[gear]->findText(text("quality")) >= 0) {
            quality_box_[gear]->setCurrentText(text("quality"));
        }
        if (unit_box_[gear]->findText(text("hunit")) >= 0) {
            unit_box_[gear]->setCurrentText(text("hunit"));
        }
        hardness_[gear]->setText(text("hard"));
        // The line is shown again; the limits stand as the file holds them.
        const QString sH = field(choice_column("sHlim", gear))->text();
        const QString sF = field(choice_column("sFlim", gear))->text();
        apply_line(gear);
        field(choice_column("sHlim", gear))->setText(sH);
        field(choice_column("sFlim", gear))->setText(sF);
    }
    sync_oil_grade();
    spectrum_->set_file_name(in.spectrum);
    filling_ = false;
    mark_stale();
}

void RatingWindow::show_pair(const GearPairInput& in) {
    std::string nm = text::kNotANumberShown;
    if (in.nj.empty()) {
        nm = text::kEmptyShown;
    } else if (const auto n = rating::rated_pair_of(in); const auto* pair = std::get_if<rating::RatedPair>(&n)) {
        nm = rating::shown_number(pair->T1);
    } else {
        // The geometry did not compute: the torque alone, read as the rating reads it.
        if (const auto kgfm = typed_number(qt(in.nj))) {
            nm = rating::shown_number(*kgfm * rating::kNewtonMetresPerKgfMetre);
        }
    }
    pair_lines_[0]->setText(qt(text::pair_teeth(shown_text(in.cs1z1), shown_text(in.cs2z2))));
    pair_lines_[1]->setText(
        qt(text::pair_module(shown_text(in.fmn), shown_text(in.fjafn), shown_text(in.lxjbt))));
    pair_lines_[2]->setText(qt(text::pair_size(shown_text(in.zxja), shown_text(in.ckbw))));
    pair_lines_[3]->setText(qt(text::pair_shift(shown_text(in.xng1), shown_text(in.xng2))));
    pair_lines_[4]->setText(qt(text::pair_torque(shown_text(in.nj), nm)));
}

void RatingWindow::tell(const std::string& message, MessageIcon icon) {
    desktop_.boxes.show(msg::kNoticeTitle, message, icon);
}

void RatingWindow::compute() {
    const GearPairInput form = form_();
    show_pair(form);
    std::optional<Outcome<rating::RatingResult>> outcome;
    try {
        outcome = rating::rate(form, inputs());
    } catch (const std::exception& e) {
        tell(msg::shell::task_fault(text::kTaskRating, e.what()), MessageIcon::Warning);
        return;
    } catch (...) {
        tell(msg::shell::task_fault(text::kTaskRating, msg::shell::kUnknownFault),
             MessageIcon::Warning);
        return;
    }
    if (const auto* stop = std::get_if<Stop>(&*outcome)) {
        desktop_.boxes.show(msg::kNoticeTitle, stop->message, MessageIcon::None, stop->detail);
        focus_rating_field(stop->field);
        return;
    }
    const auto& result = std::get<rating::RatingResult>(*outcome);
    rating::RatingRecord record{.form = form, .typed = inputs()};
    record.material = {material_notes_[0], material_notes_[1]};
    sheet_ = rating::rating_sheet(result, record);
    stale_ = false;
    drawings_ = {form.th1, form.th2};
    fill_sheet();
    pages_->setCurrentIndex(1);
}

void RatingWindow::focus_rating_field(const std::string& column) {
    if (const auto f = find_rating_field(column)) {
        pages_->setCurrentIndex(0);
        field(f->text)->setFocus();
        field(f->text)->selectAll();
    }
}

void RatingWindow::paint_capacity(bool stale) {
    // Colours by the palette and type by the font, so that both follow the zoom.
    QPalette p = capacity_->palette();
    p.setColor(QPalette::Window, stale ? QColor(0xfb, 0xe8, 0xe8) : QColor(0xe8, 0xf0, 0xfb));
    p.setColor(QPalette::WindowText, stale ? QColor(0xc0, 0x10, 0x10) : palette().color(QPalette::WindowText));
    capacity_->setPalette(p);
}

void RatingWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange || !title_) return;
    // The title and the verdict a size and a weight above the window's type.
    QFont big = font();
    big.setBold(true);
    big.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() * 1.3 : big.pointSizeF());
    if (font().pixelSize() > 0) big.setPixelSize(font().pixelSize() * 13 / 10);
    title_->setFont(big);
    QFont bold = font();
    bold.setBold(true);
    capacity_->setFont(bold);
}

void RatingWindow::mark_stale() {
    if (!sheet_ || stale_) return;
    stale_ = true;
    capacity_->setText(qt(words::kStale));
    paint_capacity(true);
    table_->setEnabled(false);
    for (RatingButton b : {RatingButton::Copy, RatingButton::Preview, RatingButton::Print,
                           RatingButton::Pdf, RatingButton::SaveText}) {
        button(b)->setEnabled(false);
    }
}

void RatingWindow::fill_sheet() {
    const rating::RatingSheet& s = *sheet_;
    placeholder_->hide();
    table_->show();
    table_->setEnabled(true);
    paint_capacity(false);
    std::string top = s.verdict + "\n" + s.capacity;
    if (!s.decided_by.empty()) top += "\n" + s.decided_by;
    capacity_->setText(qt(top));
    duty_->setText(qt(s.duty));
    table_->setRowCount(0);
    table_->clearSpans();
    table_->setRowCount(int(s.rows.size()));
    QFont bold = table_->font();
    bold.setBold(true);
    const QColor green(0x1b, 0x7f, 0x2a), red(0xc0, 0x10, 0x10);
    for (int r = 0; r < int(s.rows.size()); ++r) {
        const rating::SheetRow& row = s.rows[std::size_t(r)];
        const auto put = [&](int column, const std::string& t, Qt::Alignment align) {
            auto* item = new QTableWidgetItem(qt(t));
            item->setTextAlignment(align | Qt::AlignVCenter);
            table_->setItem(r, column, item);
            return item;
        };
        if (row.heading) {
            auto* item = put(0, row.name, Qt::AlignLeft);
            item->setFont(bold);
            item->setBackground(QColor(0xe4, 0xe8, 0xee));
            table_->setSpan(r, 0, 1, 5);
            continue;
        }
        const QString tip = qt(row.tip);
        put(0, row.name, Qt::AlignLeft)->setToolTip(tip);
        put(1, row.symbol, Qt::AlignCenter)->setToolTip(tip);
        if (row.pair) {
            put(2, row.pinion, Qt::AlignCenter)->setToolTip(tip);
            table_->setSpan(r, 2, 1, 2);
        } else {
            for (int gear = 0; gear < 2; ++gear) {
                auto* item = put(2 + gear, gear == 0 ? row.pinion : row.wheel, Qt::AlignCenter);
                item->setToolTip(tip);
                if (const auto met = row.met[gear]) {
                    item->setForeground(*met ? green : red);
                    item->setFont(bold);
                }
            }
        }
        put(4, row.unit, Qt::AlignCenter);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (RatingButton b : {RatingButton::Copy, RatingButton::Preview, RatingButton::Print,
                           RatingButton::Pdf, RatingButton::SaveText}) {
        button(b)->setEnabled(true);
    }
    show_notices(s.warnings);
}

void RatingWindow::show_notices(const std::vector<std::string>& notices) {
    notices_shown_ = notices;
    NoticeStrip::show_on(notice_holder_, notices);
}

void RatingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The strip follows the window's width; the holder takes its height.
    if (NoticeStrip* strip = NoticeStrip::of(notice_holder_, false)) strip->fit(0);
}

ReportDocument RatingWindow::report() const {
    return rating::rating_report(*sheet_, drawings_[0], drawings_[1], desktop_.clock.now());
}

void RatingWindow::copy() {
    if (!sheet_ || stale_) return;
    QGuiApplication::clipboard()->setText(
        qt(rating::tab_separated(*sheet_, drawings_[0], drawings_[1])));
}

void RatingWindow::print() {
    if (!sheet_ || stale_) return;
    const PrintOutcome out = desktop_.printer.print(report());
    if (out.kind == PrintOutcome::Kind::SavedAsPdf) {
        tell(msg::shell::printed_to_pdf(out.reason, out.pdf_path), MessageIcon::Information);
    } else if (out.kind == PrintOutcome::Kind::Failed) {
        tell(msg::shell::not_printed(out.reason), MessageIcon::Warning);
    }
}

void RatingWindow::dialog(DialogOutcome (ReportDialogs::*show)(const ReportDocument&),
                          const char* task, std::string (*failure)(const std::string&)) {
    if (!sheet_ || stale_) return;
    try {
        const DialogOutcome out = (desktop_.dialogs.*show)(report());
        if (out.kind == DialogOutcome::Kind::Failed) tell(failure(out.reason), MessageIcon::Warning);
    } catch (const std::exception& e) {
        tell(msg::shell::task_fault(task, e.what()), MessageIcon::Warning);
    }
}

void RatingWindow::save_text() {
    if (!sheet_ || stale_) return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto choice = dialogs_.save_path_of_kind(
        text::kSaveTextTitle, QDir(folder).filePath(qt(text::kTextFileName)).toStdString(),
        {text::kTextFilter});
    if (!choice) return;
    // A name without a suffix is given the text file's.
    QString path = qt(choice->path);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
    const std::string bytes = rating::text_report_bytes(report());
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written) {
        tell(text::text_not_saved(QDir::toNativeSeparators(path).toStdString(),
                                  file.errorString().toStdString()),
             MessageIcon::Warning);
        return;
    }
    std::vector<std::string> notices = sheet_->warnings;
    notices.push_back(words::report_written(QDir::toNativeSeparators(path).toStdString()));
    show_notices(notices);
}

void RatingWindow::zoom(int percent) {
    // The one rule of the windows Qt lays out: the window's type at the zoom, taken
    // down while the window at its least (the button row, the tabs) would not fit
    // the screen. The pages scroll; the buttons stay in view.
    zoom_laid_out_window(this, percent, [this](double factor) {
        setFont(zoomed_font(factor));
        // The input page lays itself out inside its scroll area, apart from the window.
        if (QLayout* l = input_content_->layout()) l->activate();
    });
    fit_to_screen();
}

void RatingWindow::fit_to_screen() {
    // The input page's least width with its two columns side by side, a scroll bar
    // beside them, measured at the window's type.
    columns_->setDirection(QBoxLayout::LeftToRight);
    input_content_->layout()->activate();
    side_by_side_width_ = input_content_->minimumSizeHint().width() +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    // As large as its content wants, the input page whole where there is room (its
    // scroll area reports no size of its own: its content, the page's frame and a
    // scroll bar), within the screen's share for a laid-out window: the input page
    // and the table scroll, the buttons stay in view.
    const QSize page = input_content_->sizeHint() + QSize(60, 120);
    resize(size_on_screen(this, sizeHint().expandedTo(page).expandedTo(QSize(900, 700))));
    if (const auto* scroller = findChild<QScrollArea*>(QStringLiteral("input_scroller"))) {
        fit_columns(scroller->width());
    }
}

void RatingWindow::fit_columns(int page_width) {
    // The two columns side by side where the page is wide enough for them, one above
    // the other where it is not: the page then scrolls one way only.
    const auto wanted = page_width >= side_by_side_width_ ? QBoxLayout::LeftToRight
                                                          : QBoxLayout::TopToBottom;
    if (columns_ && side_by_side_width_ > 0 && columns_->direction() != wanted) {
        columns_->setDirection(wanted);
    }
}

}  // namespace gp
