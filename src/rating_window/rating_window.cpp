#include "rating_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "csv.h"
#include "messages/base.h"
#include "messages/rating.h"
#include "messages/rating_window.h"
#include "messages/shell.h"
#include "notice_strip.h"
#include "qt_text.h"
#include "rating_calculation.h"
#include "rating_numbers.h"

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


// A number typed in the form, as the page shows it.
std::string shown_text(const std::string& typed) {
    return typed.empty() ? std::string(text::kEmptyShown) : typed;
}

}  // namespace

RatingWindow::RatingWindow(FormSource form, DesktopServices desktop, FileDialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), form_(std::move(form)), desktop_(desktop), dialogs_(dialogs) {
    setObjectName(QStringLiteral("rating"));
    setWindowTitle(qt(text::kTitle));
    load_materials();

    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addTab(build_input_page(), qt(text::kInputPage));
    pages_->addTab(build_sheet_page(), qt(text::kSheetTitle));
    layout->addWidget(pages_, 1);
    auto* row = new QHBoxLayout;
    build_buttons(row);
    layout->addLayout(row);
    // The notice strip under the layout, the one every window shows its notices in:
    // the sheet's warnings, no room taken when there are none.
    notice_holder_ = new QWidget;
    notice_holder_->setObjectName(QStringLiteral("notice_holder"));
    notice_holder_->setFixedHeight(0);
    layout->addWidget(notice_holder_);

    built_font_ = font();
    fit_to_screen();
}

QWidget* RatingWindow::build_input_page() {
    auto* inner = input_content_ = new QWidget;
    inner->setObjectName(QStringLiteral("inputs"));
    auto* columns = new QHBoxLayout(inner);
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
                           const std::function<void(QGridLayout*, int)>& first_row = {}) {
        auto* box = new QGroupBox(qt(title));
        box->setObjectName(qt(name));
        auto* grid = new QGridLayout(box);
        int r = 0;
        if (per_gear_heads) {
            grid->addWidget(new QLabel(qt(text::kPinion)), r, 1, Qt::AlignCenter);
            grid->addWidget(new QLabel(qt(text::kWheel)), r, 2, Qt::AlignCenter);
            ++r;
        }
        if (first_row) first_row(grid, r++);
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
                    auto* combo = new QComboBox;
                    combo->setEditable(true);
                    combo->addItem(QString());
                    for (const char* c : rating::kMaterialClassNames) {
                        combo->addItem(QString::fromLatin1(c));
                    }
                    combo->setObjectName(qt(column));
                    combo->setToolTip(qt(t.tip));
                    combo->setInsertPolicy(QComboBox::NoInsert);
                    edit = combo->lineEdit();
                    grid->addWidget(combo, r, 1 + gear);
                } else {
                    edit = new QLineEdit;
                    grid->addWidget(edit, r, 1 + gear);
                }
                edit->setObjectName(qt(column));
                edit->setToolTip(qt(t.tip));
                edit->setPlaceholderText(QString());
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

    // The material table first: picking a row fills the gear's fields below it.
    const auto material_row = [this](QGridLayout* grid, int row) {
        auto* caption = new QLabel(qt(text::kMaterial));
        caption->setToolTip(qt(text::kMaterialTip));
        grid->addWidget(caption, row, 0);
        for (int gear = 0; gear < 2; ++gear) {
            auto* box = new QComboBox;
            box->setObjectName(QStringLiteral("material%1").arg(gear + 1));
            box->setToolTip(qt(text::kMaterialTip));
            box->addItem(qt(text::kMaterialOwn));
            for (const rating::Material& m : materials_) {
                box->addItem(qt(m.name));
                box->setItemData(box->count() - 1,
                                 qt(text::material_tip(m.source, materials_file_)),
                                 Qt::ToolTipRole);
            }
            box->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // whole names
            connect(box, &QComboBox::activated, this,
                    [this, gear](int index) { pick_material(gear, index); });
            grid->addWidget(box, row, 1 + gear);
            materials_box_[gear] = box;
        }
    };
    QGroupBox* material = group(text::kGroupMaterial, "material",
                                {"mat", "sHlim", "sFlim", "E", "nu", "rho"}, true, material_row)
                              .first;
    right->addWidget(material);
    right->addWidget(group(text::kGroupSurface, "surface", {"nu40", "Ra", "RzF"}, true).first);
    right->addWidget(group(text::kGroupStructure, "structure", {"sR", "HB"}, true).first);
    right->addWidget(group(text::kGroupShaft, "shaft",
                           {"shaft", "l", "s", "dsh", "hmod", "k"}, false)
                         .first);
    right->addStretch(1);

    auto* scroller = new QScrollArea;
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
    title->setStyleSheet(QStringLiteral("font-size: 130%; font-weight: bold;"));
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
    capacity_->setStyleSheet(QStringLiteral(
        "QLabel { font-weight: bold; font-size: 115%; background: #e8f0fb; padding: 4px; }"));
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
                                       qt(text::kPinion), qt(text::kWheel),
                                       qt(text::kColumnUnit)});
    table_->verticalHeader()->hide();
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

void RatingWindow::load_materials() {
    // The user's own table first, then the one installed with the program, then the
    // copy built into it.
    const QString app = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .filePath(QStringLiteral("materials.csv")),
        QDir(app).filePath(QStringLiteral("../share/gearpair/materials.csv")),
        QDir(app).filePath(QStringLiteral("materials.csv")),
        QStringLiteral(":/gearpair/materials.csv")};
    for (const QString& path : candidates) {
        QFile file(path);
        if (!file.exists() || !file.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = file.read(1 << 20);
        try {
            materials_ = rating::read_materials(std::string_view(bytes.constData(), bytes.size()));
            materials_file_ = QDir::toNativeSeparators(path).toStdString();
            return;
        } catch (const csv::ParseError& e) {
            tell(text::materials_unreadable(QDir::toNativeSeparators(path).toStdString(), e.what()),
                 MessageIcon::Warning);
        }
    }
}

void RatingWindow::pick_material(int gear, int index) {
    if (index <= 0 || std::size_t(index) > materials_.size()) return;
    const rating::Material& m = materials_[std::size_t(index) - 1];
    const char digit = char('1' + gear);
    const std::pair<const char*, const std::string*> values[] = {
        {"mat", &m.klass}, {"sHlim", &m.sHlim}, {"sFlim", &m.sFlim},
        {"E", &m.E},       {"nu", &m.nu},       {"rho", &m.rho}};
    for (const auto& [key, value] : values) {
        const auto f = find_rating_field(std::string(key) + digit);
        field(f->text)->setText(qt(*value));
    }
    emit inputsSettled();
}

RatingInputs RatingWindow::inputs() const {
    RatingInputs in;
    for (std::size_t i = 0; i < kRatingFields.size(); ++i) {
        in.*kRatingFields[i].text = fields_[i]->text().toStdString();
    }
    return in;
}

void RatingWindow::set_inputs(const RatingInputs& in) {
    filling_ = true;
    for (std::size_t i = 0; i < kRatingFields.size(); ++i) {
        fields_[i]->setText(qt(in.*kRatingFields[i].text));
    }
    for (QComboBox* box : materials_box_) box->setCurrentIndex(0);
    filling_ = false;
}

void RatingWindow::show_pair(const GearPairInput& in) {
    std::string nm = text::kNotANumberShown;
    if (in.nj.empty()) {
        nm = text::kEmptyShown;
    } else if (const auto n = rating::rated_pair_of(in); const auto* pair = std::get_if<rating::RatedPair>(&n)) {
        nm = rating::shown_number(pair->T1);
    } else {
        // The geometry did not compute: the torque alone, read as the rating reads it.
        bool ok = false;
        const double kgfm = QString::fromStdString(in.nj).trimmed().toDouble(&ok);
        if (ok) nm = rating::shown_number(kgfm * rating::kNewtonMetresPerKgfMetre);
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
    sheet_ = rating::rating_sheet(result);
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

void RatingWindow::fill_sheet() {
    const rating::RatingSheet& s = *sheet_;
    placeholder_->hide();
    table_->show();
    capacity_->setText(qt(s.capacity));
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
        put(0, row.name, Qt::AlignLeft);
        put(1, row.symbol, Qt::AlignCenter);
        if (row.pair) {
            put(2, row.pinion, Qt::AlignCenter);
            table_->setSpan(r, 2, 1, 2);
        } else {
            for (int gear = 0; gear < 2; ++gear) {
                auto* item = put(2 + gear, gear == 0 ? row.pinion : row.wheel, Qt::AlignCenter);
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
    if (!sheet_) return;
    QGuiApplication::clipboard()->setText(
        qt(rating::tab_separated(*sheet_, drawings_[0], drawings_[1])));
}

void RatingWindow::print() {
    if (!sheet_) return;
    const PrintOutcome out = desktop_.printer.print(report());
    if (out.kind == PrintOutcome::Kind::SavedAsPdf) {
        tell(msg::shell::printed_to_pdf(out.reason, out.pdf_path), MessageIcon::Information);
    } else if (out.kind == PrintOutcome::Kind::Failed) {
        tell(msg::shell::not_printed(out.reason), MessageIcon::Warning);
    }
}

void RatingWindow::dialog(DialogOutcome (ReportDialogs::*show)(const ReportDocument&),
                          const char* task, std::string (*failure)(const std::string&)) {
    if (!sheet_) return;
    try {
        const DialogOutcome out = (desktop_.dialogs.*show)(report());
        if (out.kind == DialogOutcome::Kind::Failed) tell(failure(out.reason), MessageIcon::Warning);
    } catch (const std::exception& e) {
        tell(msg::shell::task_fault(task, e.what()), MessageIcon::Warning);
    }
}

void RatingWindow::save_text() {
    if (!sheet_) return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto choice = dialogs_.save_path_of_kind(
        text::kSaveTextTitle, QDir(folder).filePath(qt(text::kTextFileName)).toStdString(),
        {text::kTextFilter});
    if (!choice) return;
    const std::string bytes = rating::text_report_bytes(report());
    QSaveFile file(qt(choice->path));
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written) {
        tell(text::text_not_saved(QDir::toNativeSeparators(qt(choice->path)).toStdString(),
                                  file.errorString().toStdString()),
             MessageIcon::Warning);
    }
}

void RatingWindow::zoom(int percent) {
    // At the zoom asked for, or smaller still when the screen cannot hold the
    // window's least size there, so that every control stays on the screen.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 0.9 : QSize(1 << 20, 1 << 20);
    for (int p = percent;; p -= 5) {
        QFont f = built_font_;
        if (f.pixelSize() > 0) {
            f.setPixelSize(std::max(1, f.pixelSize() * p / 100));
        } else {
            f.setPointSizeF(built_font_.pointSizeF() * p / 100.0);
        }
        setFont(f);
        const QSize least = minimumSizeHint();
        if (p <= 50 || (least.width() <= room.width() && least.height() <= room.height())) break;
    }
    fit_to_screen();
}

void RatingWindow::fit_to_screen() {
    // As large as its content wants, at most 90 % of the screen's free area: the
    // input page and the table scroll, the buttons stay in view.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 0.9 : QSize(1 << 20, 1 << 20);
    // The input page whole where there is room (its scroll area reports no size of
    // its own): its content, the page's frame and a scroll bar.
    const QSize page = input_content_->sizeHint() + QSize(60, 120);
    const QSize wanted = sizeHint().expandedTo(page).expandedTo(QSize(900, 760));
    resize(wanted.boundedTo(room));
}

}  // namespace gp
