#include "spectrum_page.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTableWidget>
#include <exception>
#include <iterator>

#include "messages/base.h"
#include "messages/rating_window_texts.h"
#include "messages/shell_texts.h"
#include "messages/spectrum.h"
#include "qt_text.h"
#include "spectrum_chart.h"

namespace gp {
namespace {

namespace m = msg::spectrum;

constexpr int kInputColumns = 4;
// The table's columns as the spectrum file names them; the duration's name by kind.
constexpr const char* kColumnNames[] = {"T1", "cycles", "n1", "KHb"};

std::string trimmed(const QString& text) { return text.trimmed().toStdString(); }

std::string number_text(double v) { return rating::shortest_text(v); }

QTableWidget* table_of(int columns) {
    auto* t = new QTableWidget(0, columns);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

}  // namespace

SpectrumPage::SpectrumPage(FormSource form, RatingSource rating, DesktopServices desktop,
                           FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      form_(std::move(form)),
      rating_(std::move(rating)),
      desktop_(desktop),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("spectrum"));
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(qt(m::kPageHelp));
    help->setWordWrap(true);
    layout->addWidget(help);
    auto* top = new QHBoxLayout;
    kind_ = new QComboBox;
    kind_->setObjectName(QStringLiteral("duration_kind"));
    kind_->addItem(qt(m::kByCycles));
    kind_->addItem(qt(m::kByHours));
    top->addWidget(kind_);
    file_ = new QLabel;
    file_->setObjectName(QStringLiteral("spectrum_file"));
    file_->setTextFormat(Qt::PlainText);
    top->addWidget(file_, 1);
    layout->addLayout(top);

    bins_ = table_of(kInputColumns);
    bins_->setObjectName(QStringLiteral("spectrum_bins"));
    for (int c = 0; c < kInputColumns; ++c) {
        auto* head = new QTableWidgetItem(qt(m::kInputHeads[c]));
        head->setToolTip(qt(m::kInputTips[c]));
        bins_->setHorizontalHeaderItem(c, head);
    }
    bins_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(bins_, 1);

    auto* row = new QHBoxLayout;
    add_button(row, SpectrumButton::AddRow, m::kAddRow);
    add_button(row, SpectrumButton::DeleteRows, m::kDeleteRows);
    add_button(row, SpectrumButton::Paste, m::kPaste);
    add_button(row, SpectrumButton::Open, m::kOpen);
    add_button(row, SpectrumButton::Save, m::kSave);
    row->addStretch(1);
    add_button(row, SpectrumButton::Compute, m::kCompute);
    layout->addLayout(row);

    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
        bins_->horizontalHeaderItem(1)->setText(qt(index == 0 ? m::kInputHeads[1] : m::kHoursHead));
        if (!filling_) {
            modified_ = true;
            show_file_state();
        }
    });
    connect(bins_, &QTableWidget::itemChanged, this, [this] {
        if (filling_) return;
        modified_ = true;
        show_file_state();
    });
    connect(button(SpectrumButton::AddRow), &QPushButton::clicked, this, [this] {
        const int at = bins_->currentRow() < 0 ? bins_->rowCount() : bins_->currentRow() + 1;
        bins_->insertRow(at);
        bins_->setCurrentCell(at, 0);
        modified_ = true;
        show_file_state();
    });
    connect(button(SpectrumButton::DeleteRows), &QPushButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& i : bins_->selectionModel()->selectedIndexes()) {
            if (!rows.contains(i.row())) rows.append(i.row());
        }
        std::sort(rows.begin(), rows.end(), std::greater<int>());
        for (int r : rows) bins_->removeRow(r);
        if (!rows.isEmpty()) {
            modified_ = true;
            show_file_state();
        }
    });
    connect(button(SpectrumButton::Paste), &QPushButton::clicked, this,
            [this] { paste_text(QGuiApplication::clipboard()->text().toStdString()); });
    auto* paste = new QAction(bins_);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    bins_->addAction(paste);
    connect(paste, &QAction::triggered, this,
            [this] { paste_text(QGuiApplication::clipboard()->text().toStdString()); });
    connect(button(SpectrumButton::Open), &QPushButton::clicked, this, [this] {
        if (const auto path = dialogs_.open_path(folder())) open_file(*path);
    });
    connect(button(SpectrumButton::Save), &QPushButton::clicked, this, [this] {
        const std::string suggested =
            file_name_.empty() ? QDir(qt(folder())).filePath(qt(m::kDefaultFileName)).toStdString()
                               : QDir(qt(folder())).absoluteFilePath(qt(file_name_)).toStdString();
        if (const auto choice =
                dialogs_.save_path_of_kind(m::kSaveTitle, suggested, {m::kFileFilter})) {
            save_file(choice->path);
        }
    });
    connect(button(SpectrumButton::Compute), &QPushButton::clicked, this, &SpectrumPage::compute);
    auto* again = new QAction(this);
    again->setShortcut(Qt::Key_F10);
    again->setShortcutContext(Qt::WindowShortcut);
    addAction(again);
    connect(again, &QAction::triggered, this, &SpectrumPage::compute);

    sheet_page_ = build_sheet_page();
    show_file_state();
}

void SpectrumPage::add_button(QBoxLayout* row, SpectrumButton which, const char* label) {
    auto* b = new QPushButton(qt(label));
    b->setAutoDefault(true);
    buttons_[std::size_t(which)] = b;
    row->addWidget(b);
}

QWidget* SpectrumPage::build_sheet_page() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("spectrum_sheet"));
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(qt(m::kSheetTitle));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-size: 130%; font-weight: bold;"));
    layout->addWidget(title);
    auto* method = new QLabel(qt(m::kMethodLine));
    method->setAlignment(Qt::AlignCenter);
    layout->addWidget(method);
    verdict_ = new QLabel;
    verdict_->setObjectName(QStringLiteral("spectrum_verdict"));
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    placeholder_ = new QLabel(qt(m::kSheetEmpty));
    placeholder_->setAlignment(Qt::AlignCenter);
    layout->addWidget(placeholder_);

    auto* split = new QSplitter(Qt::Vertical);
    results_ = table_of(int(std::size(m::kBinHeads)));
    results_->setObjectName(QStringLiteral("spectrum_results"));
    for (int c = 0; c < results_->columnCount(); ++c) {
        auto* head = new QTableWidgetItem(qt(m::kBinHeads[c]));
        head->setToolTip(qt(m::kBinHeadTips[c]));
        results_->setHorizontalHeaderItem(c, head);
    }
    results_->verticalHeader()->hide();
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    split->addWidget(results_);
    chart_ = new SpectrumChart;
    split->addWidget(chart_);
    totals_ = table_of(4);
    totals_->setObjectName(QStringLiteral("spectrum_totals"));
    totals_->setHorizontalHeaderLabels(
        {qt(msg::rating_window::kColumnName), qt(msg::rating_window::kColumnSymbol),
         qt(msg::rating_window::kDriving), qt(msg::rating_window::kDriven)});
    totals_->verticalHeader()->hide();
    totals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totals_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    split->addWidget(totals_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setStretchFactor(2, 2);
    split->hide();
    layout->addWidget(split, 1);
    notes_ = new QLabel;
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    layout->addWidget(notes_);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    add_button(row, SpectrumButton::Copy, m::kCopy);
    add_button(row, SpectrumButton::Preview, m::kPreview);
    add_button(row, SpectrumButton::Print, m::kPrint);
    add_button(row, SpectrumButton::Pdf, m::kPdf);
    layout->addLayout(row);
    connect(button(SpectrumButton::Copy), &QPushButton::clicked, this, [this] {
        if (sheet_) {
            QGuiApplication::clipboard()->setText(
                qt(rating::tab_separated(*sheet_, drawings_[0], drawings_[1])));
        }
    });
    connect(button(SpectrumButton::Print), &QPushButton::clicked, this, [this] {
        if (!sheet_) return;
        const PrintOutcome out = desktop_.printer.print(report());
        if (out.kind == PrintOutcome::Kind::SavedAsPdf) {
            tell(msg::shell::printed_to_pdf(out.reason, out.pdf_path), MessageIcon::Information);
        } else if (out.kind == PrintOutcome::Kind::Failed) {
            tell(msg::shell::not_printed(out.reason), MessageIcon::Warning);
        }
    });
    const auto dialog = [this](DialogOutcome (ReportDialogs::*show)(const ReportDocument&),
                               std::string (*failure)(const std::string&)) {
        if (!sheet_) return;
        try {
            const DialogOutcome out = (desktop_.dialogs.*show)(report());
            if (out.kind == DialogOutcome::Kind::Failed)
                tell(failure(out.reason), MessageIcon::Warning);
        } catch (const std::exception& e) {
            tell(msg::shell::task_fault(m::kTaskSpectrum, e.what()), MessageIcon::Warning);
        }
    };
    connect(button(SpectrumButton::Preview), &QPushButton::clicked, this,
            [dialog] { dialog(&ReportDialogs::preview, msg::shell::not_printed_to); });
    connect(button(SpectrumButton::Pdf), &QPushButton::clicked, this,
            [dialog] { dialog(&ReportDialogs::export_pdf, msg::shell::not_exported); });
    for (auto b : {SpectrumButton::Copy, SpectrumButton::Preview, SpectrumButton::Print,
                   SpectrumButton::Pdf}) {
        button(b)->setEnabled(false);
    }
    return page;
}

std::string SpectrumPage::folder() const {
    const std::string f = folder_ ? folder_() : std::string();
    return f.empty() ? QDir::homePath().toStdString() : f;
}

void SpectrumPage::tell(const std::string& text, MessageIcon icon, const std::string& detail) {
    desktop_.boxes.show(msg::kNoticeTitle, text, icon, detail);
}

void SpectrumPage::show_file_state() {
    std::string text = file_name_.empty() ? std::string(m::kNoFile)
                       : unreadable_      ? m::unreadable_named(file_name_)
                                          : m::file_named(file_name_);
    if (modified_ && !file_name_.empty()) text += m::kModified;
    file_->setText(qt(text));
}

void SpectrumPage::set_kind(rating::DurationKind kind) {
    kind_->setCurrentIndex(kind == rating::DurationKind::Cycles ? 0 : 1);
}

std::variant<rating::LoadSpectrum, rating::SpectrumError> SpectrumPage::spectrum() const {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> head(std::begin(kColumnNames), std::end(kColumnNames));
    if (kind_->currentIndex() == 1) head[1] = "hours";
    rows.push_back(head);
    for (int r = 0; r < bins_->rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < kInputColumns; ++c) {
            const QTableWidgetItem* item = bins_->item(r, c);
            cells.push_back(item ? trimmed(item->text()) : std::string());
        }
        rows.push_back(std::move(cells));
    }
    return rating::read_spectrum(rows);
}

void SpectrumPage::show_spectrum(const rating::LoadSpectrum& s) {
    filling_ = true;
    set_kind(s.kind);
    bins_->setRowCount(int(s.bins.size()));
    for (int r = 0; r < int(s.bins.size()); ++r) {
        const rating::SpectrumBin& b = s.bins[std::size_t(r)];
        const std::string cells[] = {number_text(b.T1), number_text(b.duration),
                                     b.n1 ? number_text(*b.n1) : std::string(),
                                     b.KHb ? number_text(*b.KHb) : std::string()};
        for (int c = 0; c < kInputColumns; ++c)
            bins_->setItem(r, c, new QTableWidgetItem(qt(cells[c])));
    }
    filling_ = false;
}

void SpectrumPage::paste_text(const std::string& text) {
    const QStringList lines = qt(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty()) return;
    int row = std::max(0, bins_->currentRow());
    int first = 0;
    std::array<int, kInputColumns> target = {0, 1, 2, 3};
    int start_column = std::max(0, bins_->currentColumn());
    // A header line names the columns (a spectrum file's or a spreadsheet's own).
    const QStringList head = lines.front().split(QLatin1Char('\t'));
    if (head.contains(QStringLiteral("T1"))) {
        first = 1;
        start_column = 0;
        target.fill(-1);
        for (int c = 0; c < head.size() && c < kInputColumns; ++c) {
            const std::string name = trimmed(head[c]);
            if (name == "T1") target[std::size_t(c)] = 0;
            if (name == "cycles" || name == "hours") {
                target[std::size_t(c)] = 1;
                set_kind(name == "cycles" ? rating::DurationKind::Cycles
                                          : rating::DurationKind::Hours);
            }
            if (name == "n1") target[std::size_t(c)] = 2;
            if (name == "KHb") target[std::size_t(c)] = 3;
        }
        if (bins_->rowCount() > 0 && bins_->currentRow() < 0) row = bins_->rowCount();
    }
    for (int l = first; l < lines.size(); ++l, ++row) {
        if (row >= bins_->rowCount()) bins_->insertRow(row);
        const QStringList cells = lines[l].split(QLatin1Char('\t'));
        for (int c = 0; c < cells.size(); ++c) {
            const int column =
                first ? (c < kInputColumns ? target[std::size_t(c)] : -1) : start_column + c;
            if (column < 0 || column >= kInputColumns) continue;
            bins_->setItem(row, column, new QTableWidgetItem(cells[c].trimmed()));
        }
    }
    modified_ = true;
    show_file_state();
}

bool SpectrumPage::open_file(const std::string& path) {
    QFile file(qt(path));
    if (!file.open(QIODevice::ReadOnly)) {
        tell(m::cannot_read(QDir::toNativeSeparators(qt(path)).toStdString()),
             MessageIcon::Warning);
        return false;
    }
    const QByteArray bytes = file.read(1 << 22);
    const auto read =
        rating::read_spectrum(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* e = std::get_if<rating::SpectrumError>(&read)) {
        tell(m::cannot_read(QDir::toNativeSeparators(qt(path)).toStdString()), MessageIcon::Warning,
             e->message);
        return false;  // the table stays as it was
    }
    show_spectrum(std::get<rating::LoadSpectrum>(read));
    const QString relative = QDir(qt(folder())).relativeFilePath(qt(path));
    file_name_ = relative.startsWith(QStringLiteral("..")) ? path : relative.toStdString();
    loaded_path_ = QFileInfo(qt(path)).absoluteFilePath().toStdString();
    unreadable_ = modified_ = false;
    show_file_state();
    emit fileNamed();
    return true;
}

bool SpectrumPage::save_file(const std::string& path, bool announce) {
    const auto read = spectrum();
    if (const auto* e = std::get_if<rating::SpectrumError>(&read)) {
        show_fault(*e);
        return false;
    }
    const std::string bytes = rating::write_spectrum(std::get<rating::LoadSpectrum>(read));
    QSaveFile file(qt(path));
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written) {
        tell(m::cannot_write(QDir::toNativeSeparators(qt(path)).toStdString(),
                             file.errorString().toStdString()),
             MessageIcon::Warning);
        return false;
    }
    const QString relative = QDir(qt(folder())).relativeFilePath(qt(path));
    const std::string name =
        relative.startsWith(QStringLiteral("..")) ? path : relative.toStdString();
    const bool renamed = name != file_name_;
    file_name_ = name;
    loaded_path_ = QFileInfo(qt(path)).absoluteFilePath().toStdString();
    unreadable_ = modified_ = false;
    show_file_state();
    if (renamed && announce) emit fileNamed();
    return true;
}

// Bins typed but not saved are offered a file before another pair's spectrum takes
// their place.
void SpectrumPage::keep_unsaved_bins() {
    if (!modified_ || bins_->rowCount() == 0) return;
    if (!desktop_.boxes.confirm(msg::kNoticeTitle, m::kUnsavedBins, m::kSaveBins)) return;
    const std::string suggested =
        file_name_.empty() ? QDir(qt(folder())).filePath(qt(m::kDefaultFileName)).toStdString()
                           : loaded_path_;
    if (const auto choice =
            dialogs_.save_path_of_kind(m::kSaveTitle, suggested, {m::kFileFilter})) {
        save_file(choice->path, false);
    }
}

void SpectrumPage::set_file_name(const std::string& name) {
    const std::string path =
        name.empty() ? std::string() : QDir(qt(folder())).absoluteFilePath(qt(name)).toStdString();
    if (name == file_name_ && path == loaded_path_) return;
    keep_unsaved_bins();
    file_name_ = name;
    loaded_path_ = path;
    modified_ = false;
    unreadable_ = false;
    if (name.empty()) {
        filling_ = true;
        bins_->setRowCount(0);  // another pair, without a spectrum of its own
        filling_ = false;
    } else {
        QFile file(qt(path));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(1 << 22) : QByteArray();
        const auto read =
            rating::read_spectrum(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (const auto* s = std::get_if<rating::LoadSpectrum>(&read)) {
            show_spectrum(*s);
        } else {
            unreadable_ = true;  // the name stays, so that saving the pair keeps it
        }
    }
    show_file_state();
}

void SpectrumPage::show_fault(const rating::SpectrumError& e) {
    tell(e.message, MessageIcon::None);
    int column = -1;
    for (int c = 0; c < kInputColumns; ++c) {
        if (e.column == kColumnNames[c] || (c == 1 && e.column == "hours")) column = c;
    }
    const int row = e.line - 2;
    if (row >= 0 && row < bins_->rowCount()) {
        bins_->setCurrentCell(row, std::max(0, column));
        bins_->setFocus();
    }
}

void SpectrumPage::compute() {
    const auto read = spectrum();
    if (const auto* e = std::get_if<rating::SpectrumError>(&read)) {
        show_fault(*e);
        return;
    }
    const GearPairInput form = form_();
    std::optional<Outcome<rating::SpectrumResult>> outcome;
    try {
        outcome = rating::rate_spectrum(form, rating_(), std::get<rating::LoadSpectrum>(read));
    } catch (const std::exception& e) {
        tell(msg::shell::task_fault(m::kTaskSpectrum, e.what()), MessageIcon::Warning);
        return;
    }
    if (const auto* stop = std::get_if<Stop>(&*outcome)) {
        tell(stop->message, MessageIcon::None, stop->detail);
        return;
    }
    sheet_ = rating::spectrum_sheet(std::get<rating::SpectrumResult>(*outcome));
    fill_sheet(form.th1, form.th2);
    emit computed();
}

void SpectrumPage::fill_sheet(const std::string& drawing1, const std::string& drawing2) {
    const rating::SpectrumSheet& s = *sheet_;
    drawings_ = {drawing1, drawing2};
    placeholder_->hide();
    results_->parentWidget()->show();
    const QColor green(0x1b, 0x7f, 0x2a), red(0xc0, 0x10, 0x10), hot(0xfb, 0xe3, 0xe0);
    verdict_->setText(qt(s.verdict));
    verdict_->setStyleSheet(
        QStringLiteral("QLabel { font-weight: bold; font-size: 115%; padding: 4px;"
                       " background: %1; color: %2; }")
            .arg(s.met ? QStringLiteral("#e6f4e8") : QStringLiteral("#fbe3e0"),
                 (s.met ? green : red).name()));
    results_->setRowCount(int(s.bins.size()));
    for (int r = 0; r < int(s.bins.size()); ++r) {
        for (int c = 0; c < int(s.bins[std::size_t(r)].size()); ++c) {
            auto* item = new QTableWidgetItem(qt(s.bins[std::size_t(r)][std::size_t(c)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (s.damaging[std::size_t(r)]) item->setBackground(hot);
            results_->setItem(r, c, item);
        }
    }
    results_->resizeColumnsToContents();
    chart_->set_shares(s.shares, s.damaging, s.governing);
    totals_->setRowCount(int(s.totals.size()));
    totals_->clearSpans();
    for (int r = 0; r < int(s.totals.size()); ++r) {
        const rating::SpectrumTotal& t = s.totals[std::size_t(r)];
        const QString texts[] = {qt(t.name), qt(t.symbol), qt(t.driving), qt(t.driven)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (c >= 2 && t.met[std::size_t(c - 2)]) {
                item->setForeground(*t.met[std::size_t(c - 2)] ? green : red);
            }
            totals_->setItem(r, c, item);
        }
        if (t.pair) totals_->setSpan(r, 2, 1, 2);
    }
    std::string notes;
    for (const std::string& n : s.notes)
        notes += std::string(msg::rating_window::kWarningsHeading) + n + "\n";
    if (!notes.empty()) notes.pop_back();
    notes_->setText(qt(notes));
    for (auto b : {SpectrumButton::Copy, SpectrumButton::Preview, SpectrumButton::Print,
                   SpectrumButton::Pdf}) {
        button(b)->setEnabled(true);
    }
}

ReportDocument SpectrumPage::report() const {
    return rating::spectrum_report(*sheet_, drawings_[0], drawings_[1], desktop_.clock.now());
}

}  // namespace gp
