#include "sizing_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "number_parse.h"
#include "number_text.h"
#include "qt_text.h"
#include "rating_calculation.h"
#include "messages/sizing.h"
#include "sizing_plot.h"
#include "sizing_rows.h"
#include "rating_numbers.h"
#include "window_zoom.h"

namespace gp {

namespace m = msg::sizing;
using sizing::Column;

namespace {

// A typed number, or nothing for a text that is none.
std::optional<double> typed(const std::string& text) {
    if (!is_numeric(text)) return std::nullopt;
    try {
        return strict_convert(text);
    } catch (const StopSignal&) {
        return std::nullopt;
    }
}

std::string count_text(std::uint64_t n) { return std::to_string(n); }

void add_columns(QComboBox* box, Column chosen) {
    for (int c = 0; c < sizing::kColumns; ++c) {
        box->addItem(qt(sizing::column_info(static_cast<Column>(c)).caption), c);
    }
    box->setCurrentIndex(static_cast<int>(chosen));
}

Column column_of(const QComboBox* box) { return static_cast<Column>(box->currentData().toInt()); }

}  // namespace

SizingWindow::SizingWindow(FormReader read_form, RatingReader read_rating, FormWriter write_form,
                           DesktopServices desktop, FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      read_form_(std::move(read_form)),
      read_rating_(std::move(read_rating)),
      write_form_(std::move(write_form)),
      desktop_(desktop),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("sizing_window"));
    setWindowTitle(qt(m::kTitle));

    // The requirements page.
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const auto& [key, caption] : m::kKeyCaptions) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(key));
        edit->setToolTip(QString::fromLatin1(key));
        edit->setMinimumWidth(60);
        edit->setMaximumWidth(90);
        form->addRow(qt(caption), edit);
        fields_[key] = edit;
        connect(edit, &QLineEdit::returnPressed, this, &SizingWindow::start);
        connect(edit, &QLineEdit::textChanged, this, &SizingWindow::show_count);
    }
    keep_by_ = new QComboBox;
    // The most compact first: the front of any column against a is then whole.
    add_columns(keep_by_, Column::a);
    descending_ = new QCheckBox(qt(m::kDescending));
    form->addRow(qt(m::kKeepBy), keep_by_);
    form->addRow(QString(), descending_);
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(page->sizeHint().width() + 24);

    // The run.
    start_ = new QPushButton(qt(m::kStart));
    cancel_ = new QPushButton(qt(m::kCancel));
    cancel_->setEnabled(false);
    progress_ = new QProgressBar;
    progress_->setRange(0, 1000);
    status_ = new QLabel;
    status_->setWordWrap(true);
    failures_ = new QLabel;
    failures_->setWordWrap(true);
    auto* run_row = new QHBoxLayout;
    run_row->addWidget(start_);
    run_row->addWidget(cancel_);
    run_row->addWidget(progress_, 1);

    // The table and its filter.
    rows_ = new SizingRows(this);
    filter_ = new SizingRowFilter(rows_, this);
    table_ = new QTableView;
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->horizontalHeader()->setDefaultSectionSize(64);
    table_->verticalHeader()->setVisible(false);
    auto* filters = new QGridLayout;
    filters->addWidget(new QLabel(qt(m::kFilter)), 0, 0);
    int col = 1;
    const std::pair<const char*, const char*> bounds[] = {
        {"min_SH", m::kFilterMinSH}, {"min_SF", m::kFilterMinSF}, {"max_a", m::kFilterMaxA},
        {"max_b", m::kFilterMaxB},   {"max_mass", m::kFilterMaxMass}};
    for (const auto& [name, caption] : bounds) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaximumWidth(60);
        filters->addWidget(new QLabel(qt(caption)), 0, col++);
        filters->addWidget(edit, 0, col++);
        filter_fields_[name] = edit;
    }
    filter_column_ = new QComboBox;
    add_columns(filter_column_, Column::mass);
    filters->addWidget(new QLabel(qt(m::kFilterColumn)), 1, 0);
    filters->addWidget(filter_column_, 1, 1, 1, 3);
    for (const auto& [name, caption] : {std::pair{"from", m::kFilterFrom}, {"to", m::kFilterTo}}) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaximumWidth(60);
        filters->addWidget(new QLabel(qt(caption)), 1, col - 6);
        filters->addWidget(edit, 1, col - 5);
        col += 2;
        filter_fields_[name] = edit;
    }
    for (auto& [name, edit] : filter_fields_) {
        connect(edit, &QLineEdit::editingFinished, this, &SizingWindow::apply_filter);
    }
    connect(filter_column_, &QComboBox::currentIndexChanged, this, &SizingWindow::apply_filter);

    // The plot.
    plot_x_ = new QComboBox;
    plot_y_ = new QComboBox;
    add_columns(plot_x_, Column::a);
    add_columns(plot_y_, Column::safety);
    plot_ = new SizingPlot;
    auto* plot_axes = new QHBoxLayout;
    plot_axes->addWidget(new QLabel(qt(m::kPlotX)));
    plot_axes->addWidget(plot_x_, 1);
    plot_axes->addWidget(new QLabel(qt(m::kPlotY)));
    plot_axes->addWidget(plot_y_, 1);
    auto* legend = new QLabel(qt(m::kParetoLegend));
    legend->setWordWrap(true);
    auto* plot_box = new QWidget;
    auto* plot_layout = new QVBoxLayout(plot_box);
    plot_layout->setContentsMargins(0, 0, 0, 0);
    plot_layout->addLayout(plot_axes);
    plot_layout->addWidget(plot_, 1);
    plot_layout->addWidget(legend);
    const auto axes_changed = [this] { plot_->set_axes(column_of(plot_x_), column_of(plot_y_)); };
    connect(plot_x_, &QComboBox::currentIndexChanged, this, axes_changed);
    connect(plot_y_, &QComboBox::currentIndexChanged, this, axes_changed);

    auto* table_box = new QWidget;
    auto* table_layout = new QVBoxLayout(table_box);
    table_layout->setContentsMargins(0, 0, 0, 0);
    table_layout->addWidget(table_, 1);
    table_layout->addLayout(filters);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(table_box);
    split->addWidget(plot_box);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    fill_ = new QPushButton(qt(m::kFillForm));
    copy_ = new QPushButton(qt(m::kCopy));
    save_ = new QPushButton(qt(m::kSaveCsv));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fill_);
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(save_);

    // The requirements, the table and the plot in one scrolling body between the run's
    // row and the buttons: on a small screen, or at a large zoom, the window stays within
    // the screen with its buttons in view, and the body scrolls.
    auto* body = new QWidget;
    auto* middle = new QHBoxLayout(body);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(scroll);
    middle->addWidget(split, 1);
    auto* outer = new QScrollArea;
    outer->setWidget(body);
    outer->setWidgetResizable(true);
    outer->setFrameShape(QFrame::NoFrame);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(run_row);
    whole->addWidget(status_);
    whole->addWidget(failures_);
    whole->addWidget(outer, 1);
    whole->addLayout(buttons);

    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this, &SizingWindow::poll);
    connect(start_, &QPushButton::clicked, this, &SizingWindow::start);
    connect(cancel_, &QPushButton::clicked, this, &SizingWindow::cancel);
    connect(fill_, &QPushButton::clicked, this, &SizingWindow::fill_form);
    connect(copy_, &QPushButton::clicked, this, &SizingWindow::copy_table);
    connect(save_, &QPushButton::clicked, this, &SizingWindow::save_table);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return plot_->set_selected(std::nullopt);
                plot_->set_selected(static_cast<std::size_t>(filter_->mapToSource(current).row()));
            });
    connect(plot_, &SizingPlot::picked, this, &SizingWindow::select_row);
    resize(1000, 700);
    fill_defaults();
}

SizingWindow::~SizingWindow() {
    if (run_) run_->cancel();
    if (thread_.joinable()) thread_.join();
}

QLineEdit* SizingWindow::field(const std::string& key) const {
    const auto f = fields_.find(key);
    return f == fields_.end() ? nullptr : f->second;
}

void SizingWindow::fill_defaults() {
    const GearPairInput form = read_form_();
    const RatingInputs rating = read_rating_();
    for (const auto& k : sizing::requirement_keys()) {
        if (QLineEdit* edit = field(k.key)) edit->setText(QString::fromLatin1(k.default_text));
    }
    const auto set = [this](const char* key, const std::string& text) {
        field(key)->setText(qt(text));
    };
    if (const auto nj = typed(form.nj); nj && *nj > 0) {
        set("T1", rounded_text(Real(*nj * rating::kNewtonMetresPerKgfMetre), 4));
    }
    set("n1", rating.n1);
    const auto z1 = typed(form.cs1z1), z2 = typed(form.cs2z2);
    if (z1 && z2 && *z1 > 0 && *z2 > 0) set("i", rounded_text(Real(*z2 / *z1), 4));
    const std::pair<const char*, const std::string*> rack[] = {
        {"alpha_n", &form.fjafn}, {"h0", &form.h0}, {"c0", &form.c0}};
    for (const auto& [key, text] : rack) {
        if (typed(*text)) set(key, *text);
    }
    set("SHmin", rating.SHmin);
    set("SFmin", rating.SFmin);
}

Outcome<sizing::Space> SizingWindow::space_on_page() const {
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& k : sizing::requirement_keys()) {
        values.emplace_back(k.key, field(k.key)->text().toStdString());
    }
    const auto req = sizing::requirements_of(values);
    if (const auto* stop = std::get_if<Stop>(&req)) return *stop;
    return sizing::space_of(std::get<sizing::Requirements>(req), read_rating_());
}

void SizingWindow::show_count() {
    if (running() || fields_.size() < std::size(m::kKeyCaptions)) return;
    const auto space = space_on_page();
    const auto* s = std::get_if<sizing::Space>(&space);
    status_->setText(s ? qt(m::variant_count(count_text(s->variant_count()))) : QString());
}

void SizingWindow::start() {
    if (running()) return;
    const auto refuse = [this](const Stop& stop) {
        if (QLineEdit* edit = field(stop.field)) edit->setFocus();
        desktop_.boxes.show(m::kTitle, stop.message, MessageIcon::Warning, stop.detail);
    };
    auto space = space_on_page();
    if (const auto* stop = std::get_if<Stop>(&space)) return refuse(*stop);
    space_ = std::make_unique<sizing::Space>(std::get<sizing::Space>(std::move(space)));
    const std::uint64_t count = space_->variant_count();
    if (count > kAskAbove &&
        !desktop_.boxes.confirm(m::kTitle, m::ask_large_run(count_text(count)), m::kStart)) {
        return;
    }
    kept_ = std::make_unique<sizing::KeptRows>(kKeptRows, column_of(keep_by_),
                                               descending_->isChecked());
    run_ = std::make_unique<sizing::SizingRun>(*space_, sizing::default_workers());
    summary_ = {};
    done_ = false;
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    progress_->setValue(0);
    status_->setText(qt(m::variant_count(count_text(count))));
    failures_->clear();
    thread_ = std::thread([this] {
        try {
            summary_ = run_->run([this](const sizing::Variant& v) { kept_->take(v); });
        } catch (...) {  // no memory for the rows: what was kept stays
            summary_.cancelled = true;
        }
        done_ = true;
    });
    poll_->start();
}

void SizingWindow::cancel() {
    if (run_) run_->cancel();
}

void SizingWindow::poll() {
    if (!run_) return;
    const sizing::Progress p = run_->progress();
    if (p.total > 0) progress_->setValue(static_cast<int>(1000.0 * p.done / p.total));
    status_->setText(qt(m::progress(count_text(p.done), count_text(p.total),
                                    count_text(p.admissible),
                                    p.seconds_left ? std::to_string(std::lround(*p.seconds_left))
                                                   : std::string())));
    if (!done_) return;
    thread_.join();
    poll_->stop();
    show_results();
}

void SizingWindow::show_results() {
    rows_->set_rows(kept_->sorted());
    table_->sortByColumn(-1, Qt::AscendingOrder);  // the kept order
    shown_space_ = std::move(space_);
    run_.reset();
    std::string text = m::finished(count_text(summary_.tried), count_text(summary_.admissible),
                                   count_text(rows_->rows().size()), summary_.cancelled);
    if (const std::string note = sizing::outcome_note(summary_); !note.empty()) text += "\n" + note;
    status_->setText(qt(text));
    std::string counts;
    for (int k = 0; k < sizing::kFailureKinds; ++k) {
        if (!counts.empty()) counts += m::kListSeparator;
        counts += m::failure_line(sizing::failure_text(static_cast<sizing::Failure>(k)),
                                  count_text(summary_.failures[k]));
    }
    failures_->setText(qt(counts));
    progress_->setValue(summary_.cancelled ? progress_->value() : 1000);
    start_->setEnabled(true);
    cancel_->setEnabled(false);
    apply_filter();
    emit finished();
}

void SizingWindow::apply_filter() {
    RowFilter f;
    bool understood = true;
    const auto bound = [&](const char* name) -> std::optional<double> {
        const std::string text = filter_fields_.at(name)->text().trimmed().toStdString();
        if (text.empty()) return std::nullopt;
        const auto v = typed(text);
        understood = understood && v.has_value();
        return v;
    };
    f.min_SH = bound("min_SH");
    f.min_SF = bound("min_SF");
    f.max_a = bound("max_a");
    f.max_b = bound("max_b");
    f.max_mass = bound("max_mass");
    f.column = column_of(filter_column_);
    f.from = bound("from");
    f.to = bound("to");
    filter_->set_filter(f);
    std::vector<std::size_t> shown;
    for (int r = 0; r < filter_->rowCount(); ++r) {
        shown.push_back(static_cast<std::size_t>(filter_->mapToSource(filter_->index(r, 0)).row()));
    }
    plot_->set_rows(&rows_->rows(), std::move(shown));
    if (!understood) failures_->setText(qt(m::kBadFilter));
}

void SizingWindow::select_row(std::size_t row) {
    const QModelIndex at = filter_->mapFromSource(rows_->index(static_cast<int>(row), 0));
    if (!at.isValid()) return;
    table_->setCurrentIndex(at);
    table_->selectRow(at.row());
    table_->scrollTo(at);
}

std::optional<sizing::Variant> SizingWindow::selected() const {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return rows_->rows()[static_cast<std::size_t>(filter_->mapToSource(current).row())];
}

void SizingWindow::fill_form() {
    const auto v = selected();
    if (!v || !shown_space_) {
        desktop_.boxes.show(m::kTitle, m::kNothingChosen, MessageIcon::Information);
        return;
    }
    const GearPairInput variant = sizing::form_of(*shown_space_, *v);
    GearPairInput texts = read_form_();
    for (std::string GearPairInput::*text :
         {&GearPairInput::zxja, &GearPairInput::fmn, &GearPairInput::fjafn, &GearPairInput::lxjbt,
          &GearPairInput::ckbw, &GearPairInput::h0, &GearPairInput::c0, &GearPairInput::nj,
          &GearPairInput::cs1z1, &GearPairInput::cs2z2, &GearPairInput::xng1, &GearPairInput::xng2,
          &GearPairInput::ck1, &GearPairInput::ck2}) {
        texts.*text = variant.*text;
    }
    // The fillet the variant was rated with, in mm at its module.
    texts.cgyj1 = texts.cgyj2 = text_of_double(rating::kDefaultRootRadiusPerModule * v->mn);
    const std::string pair =
        m::variant_named(std::to_string(v->z1), std::to_string(v->z2), text_of_double(v->mn),
                         rounded_text(Real(v->beta), 4), rounded_text(Real(v->a), 4));
    if (!desktop_.boxes.confirm(m::kFillTitle, m::confirm_fill(pair), m::kFillForm)) return;
    write_form_(texts, qt(m::kFillUndoName));
}

std::string SizingWindow::table_tsv() const {
    std::string text;
    for (int c = 0; c < sizing::kColumns; ++c) {
        text += std::string(c ? "\t" : "") + sizing::column_info(static_cast<Column>(c)).key;
    }
    text += '\n';
    for (int r = 0; r < filter_->rowCount(); ++r) {
        const auto& v = rows_->rows()[static_cast<std::size_t>(filter_->mapToSource(filter_->index(r, 0)).row())];
        for (int c = 0; c < sizing::kColumns; ++c) {
            if (c) text += '\t';
            if (const auto x = sizing::value_of(v, static_cast<Column>(c))) text += full_precision_text(*x);
        }
        text += '\n';
    }
    return text;
}

std::string SizingWindow::table_csv() const {
    std::string text = sizing::csv_header();
    for (int r = 0; r < filter_->rowCount(); ++r) {
        text += sizing::csv_line(
            rows_->rows()[static_cast<std::size_t>(filter_->mapToSource(filter_->index(r, 0)).row())]);
    }
    return text;
}

void SizingWindow::copy_table() { QApplication::clipboard()->setText(qt(table_tsv())); }

void SizingWindow::save_table() {
    const std::string suggested = (QDir::homePath() + QLatin1Char('/') + qt(m::kSuggestedFile)).toStdString();
    const auto choice = dialogs_.save_path_of_kind(m::kSaveTitle, suggested, {m::kCsvFilter});
    if (!choice) return;
    QSaveFile file(QString::fromStdString(choice->path));
    const std::string bytes = table_csv();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        desktop_.boxes.show(m::kTitle, m::kSaveFailed, MessageIcon::Warning,
                            file.errorString().toStdString());
    }
}

void SizingWindow::set_zoom(int percent) {
    // The one rule of the windows Qt lays out (window_zoom.h), the plot's lettering
    // and the table's rows growing with the type.
    const double factor = zoom_laid_out_window(this, percent, [this](double f) {
        setFont(zoomed_font(f));
        plot_->set_text_px(SizingPlot::kTextPx * f);
        table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);
    });
    resize(size_on_screen(this, kNaturalSize * factor));
}

void SizingWindow::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
}

}  // namespace gp
