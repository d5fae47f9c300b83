#include "pair_document.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <variant>

#include "input_form.h"
#include "messages.h"
#include "pair_file.h"
#include "qt_text.h"
#include "window_zoom.h"

namespace gp {

namespace {

std::string s(const QString& q) { return q.toStdString(); }

bool same_texts(const GearPairInput& a, const GearPairInput& b) {
    for (const InputField& f : kInputFields) {
        if (a.*f.text != b.*f.text) return false;
    }
    return a.rule == b.rule;
}

// The one local file a drag carries, if that is what it carries.
QString dropped_file(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// A file name for a pair not yet saved: its pinion's drawing number when that
// makes a plain file name.
QString suggested_name(const GearPairInput& in) {
    const QString th1 = qt(in.th1).trimmed();
    static const QString kUnfit = QStringLiteral("\\/:*?\"<>|");
    const bool fit = !th1.isEmpty() && th1.size() <= 100 &&
                     std::none_of(th1.begin(), th1.end(),
                                  [](QChar c) { return c.unicode() < 0x20 || kUnfit.contains(c); });
    return fit ? th1 + QStringLiteral(".csv") : qt(msg::pair_file::kDefaultFileName);
}

}  // namespace

PairDocument::PairDocument(InputForm& form, MessageBoxes& boxes, FileDialogs& dialogs,
                           std::string about_text)
    : QObject(&form),
      form_(form),
      boxes_(boxes),
      dialogs_(dialogs),
      about_text_(std::move(about_text)),
      base_title_(form.windowTitle()),
      saved_(form.read()),
      zoom_(preferences_.zoom_percent()) {
    build_menus();
    for (const InputField& f : kInputFields) {
        connect(form_.field(f.text), &QLineEdit::textChanged, this, &PairDocument::refresh_title);
    }
    connect(form_.equal_strength(), &QRadioButton::toggled, this, &PairDocument::refresh_title);
    // A file dropped anywhere on the form opens, rather than its name going into a field.
    form_.setAcceptDrops(true);
    form_.installEventFilter(this);
    for (QWidget* w : form_.body()->findChildren<QWidget*>()) w->installEventFilter(this);
}

void PairDocument::build_menus() {
    QMenuBar* bar = form_.menuBar();
    file_menu_ = bar->addMenu(qt(msg::pair_file::kFileMenu));
    file_menu_->addAction(qt(msg::pair_file::kOpenAction), QKeySequence::Open, this,
                          &PairDocument::open);
    file_menu_->addAction(qt(msg::pair_file::kSaveAction), QKeySequence::Save, this,
                          &PairDocument::save);
    file_menu_->addAction(qt(msg::pair_file::kSaveAsAction),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                          &PairDocument::save_as);
    file_menu_->addSeparator();
    recent_end_ = file_menu_->addSeparator();
    file_menu_->addAction(qt(msg::pair_file::kExitAction), this, &PairDocument::exitRequested);
    refresh_recent_files();

    QMenu* view = bar->addMenu(qt(msg::pair_file::kViewMenu));
    auto* zooms = new QActionGroup(view);
    for (const int percent : kZoomSteps) {
        QAction* a = view->addAction(qt(msg::pair_file::zoom_action(percent)));
        a->setCheckable(true);
        a->setChecked(percent == zoom_);
        zooms->addAction(a);
        connect(a, &QAction::triggered, this, [this, percent] {
            zoom_ = percent;
            preferences_.set_zoom_percent(percent);
            emit zoomChanged(percent);
        });
    }

    QMenu* help = bar->addMenu(qt(msg::pair_file::kHelpMenu));
    help->addAction(qt(msg::pair_file::kAboutAction), this,
                    [this] { dialogs_.about(msg::pair_file::kAboutTitle, about_text_); });
}

void PairDocument::refresh_recent_files() {
    for (QAction* a : file_menu_->actions()) {
        if (a->data().isValid()) {
            file_menu_->removeAction(a);
            a->deleteLater();
        }
    }
    int n = 0;
    for (const QString& path : preferences_.recent_files()) {
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(path).fileName()),
                              file_menu_);
        a->setData(path);
        a->setToolTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] {
            if (!may_replace_texts()) return;
            if (!open_file(path) && !QFileInfo::exists(path)) {
                preferences_.remove_recent_file(path);
                refresh_recent_files();
            }
        });
        file_menu_->insertAction(recent_end_, a);
    }
}

bool PairDocument::modified() const {
    return !same_texts(form_.read(), saved_) || rating_ != saved_rating_;
}

void PairDocument::set_rating(const RatingInputs& rating) {
    rating_ = rating;
    refresh_title();
}

void PairDocument::refresh_title() {
    if (path_.isEmpty()) {
        form_.setWindowTitle(base_title_);
        return;
    }
    form_.setWindowTitle(base_title_ + QStringLiteral(" - ") + QFileInfo(path_).fileName() +
                         (modified() ? QStringLiteral("*") : QString()));
}

void PairDocument::problem(const std::string& text) {
    boxes_.show(msg::kNoticeTitle, text, MessageIcon::Warning);
}

bool PairDocument::open_file(const QString& path) {
    const std::string shown = s(QDir::toNativeSeparators(path));
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        problem(msg::pair_file::not_opened(shown, s(file.errorString())));
        return false;
    }
    // Read one byte past the limit, so that a pipe or a growing file is measured too.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        problem(msg::pair_file::not_opened(shown, s(file.errorString())));
        return false;
    }
    if (bytes.size() > kMaxFileBytes) {
        problem(msg::pair_file::not_opened(shown, msg::pair_file::too_large(kMaxFileBytes)));
        return false;
    }
    const auto read =
        read_pair_file(std::string_view(bytes.constData(), bytes.size()), kMaxCellChars);
    if (const auto* error = std::get_if<PairFileError>(&read)) {
        problem(msg::pair_file::not_opened(shown, pair_file_problem_text(*error)));
        return false;
    }
    const std::vector<PairRow>& rows = std::get<PairFile>(read).rows;
    if (rows.empty()) {
        problem(msg::pair_file::not_opened(shown, msg::pair_file::kNoPair));
        return false;
    }
    std::size_t chosen = 0;
    if (rows.size() > 1) {
        std::vector<std::string> items;
        for (const PairRow& row : rows) {
            items.push_back(msg::pair_file::row_item(row.line, row.input.th1, row.input.th2));
        }
        const auto index = dialogs_.choose_row(msg::pair_file::kChooseRow, items);
        if (!index || *index < 0 || std::size_t(*index) >= rows.size()) return false;
        chosen = std::size_t(*index);
    }
    const GearPairInput& in = rows[chosen].input;
    for (const InputField& f : kInputFields) form_.field(f.text)->setText(qt(in.*f.text));
    (in.rule == ShiftRule::EqualStrength ? form_.equal_strength() : form_.equal_noise())
        ->setChecked(true);
    rating_ = rows[chosen].rating;
    emit ratingReplaced();
    opened_or_saved(path);
    return true;
}

bool PairDocument::open() {
    if (!may_replace_texts()) return false;
    const QStringList recent = preferences_.recent_files();
    const QString folder =
        !path_.isEmpty()    ? QFileInfo(path_).absolutePath()
        : !recent.isEmpty() ? QFileInfo(recent.front()).absolutePath()
                            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto path = dialogs_.open_path(s(folder));
    return path && open_file(qt(*path));
}

bool PairDocument::save() { return path_.isEmpty() ? save_as() : write_to(path_); }

bool PairDocument::save_as() {
    const QString folder = path_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(path_).absolutePath();
    const QString name =
        path_.isEmpty() ? suggested_name(form_.read()) : QFileInfo(path_).fileName();
    const auto path = dialogs_.save_path(s(QDir(folder).filePath(name)));
    return path && write_to(qt(*path));
}

bool PairDocument::write_to(const QString& path) {
    const std::string bytes = write_pair_file(form_.read(), rating_);
    // The old file is replaced only once the new one is whole on the disk.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written) {
        problem(
            msg::pair_file::not_saved(s(QDir::toNativeSeparators(path)), s(file.errorString())));
        return false;
    }
    opened_or_saved(path);
    return true;
}

void PairDocument::opened_or_saved(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = form_.read();
    saved_rating_ = rating_;
    preferences_.add_recent_file(path_);
    refresh_recent_files();
    refresh_title();
}

bool PairDocument::may_discard_changes() { return path_.isEmpty() || may_replace_texts(); }

bool PairDocument::may_replace_texts() {
    if (!modified()) return true;
    const std::string name =
        path_.isEmpty() ? msg::pair_file::kUntitled : s(QFileInfo(path_).fileName());
    switch (dialogs_.ask_to_save(msg::pair_file::save_changes(name))) {
        case SaveAnswer::Save:
            return save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool PairDocument::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (dropped_file(drag->mimeData()).isEmpty()) break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = dropped_file(drop->mimeData());
            if (path.isEmpty()) break;
            drop->acceptProposedAction();
            if (may_replace_texts()) open_file(path);
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace gp
