#include "pair_document.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>
#include <variant>

#include "field_captions.h"
#include "input_form.h"
#include "manual_window.h"
#include "messages/base.h"
#include "messages/files.h"
#include "messages/manual.h"
#include "messages/shell_texts.h"
#include "messages/tips.h"
#include "pair_file.h"
#include "pair_file_row.h"
#include "qt_text.h"
#include "window_zoom.h"

namespace gp {

namespace {

std::string s(const QString& q) { return q.toStdString(); }

// A step's name for what changed between two states of the form: the one field
// typed into, the option, or just typing.
std::string typing_step(const GearPairInput& before, const GearPairInput& after) {
    const InputField* changed = nullptr;
    int count = before.rule != after.rule ? 1 : 0;
    for (const InputField& f : kInputFields) {
        if (before.*f.text != after.*f.text) {
            changed = &f;
            ++count;
        }
    }
    if (count != 1) return msg::editing::step_typing("");
    return changed ? msg::editing::step_typing(field_caption(changed->name))
                   : msg::editing::kStepOption;
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

// Why the pair cannot go back into its row, and that 另存为 can keep it.
std::string row_problem_text(const PairRowProblem& problem, const std::string& file_name) {
    switch (problem.kind) {
        case PairRowProblem::MissingColumns: {
            std::vector<std::string> columns;
            for (const std::string& name : problem.items) {
                columns.push_back(
                    name == "dx" ? std::string(msg::pair_file::kShiftOptionColumn)
                                 : msg::pair_file::column_with_caption(name, field_caption(name)));
            }
            return msg::pair_file::missing_columns(file_name, columns);
        }
        case PairRowProblem::NotEncodable:
            return msg::pair_file::not_encodable(file_name, problem.items);
        case PairRowProblem::NoSuchRow:
        case PairRowProblem::NotAPairFile:
            break;
    }
    return msg::pair_file::row_gone(file_name);
}

// A field's own Ctrl+Z takes back the typing made in it since it took the focus,
// never typing from before a change to the whole form (a file opened, a split
// filled in by a window, a step undone): its own history starts again, the text,
// the cursor and the selection as they were.
void forget_own_typing(QWidget* widget) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit || !(edit->isUndoAvailable() || edit->isRedoAvailable())) return;
    const int cursor = edit->cursorPosition();
    const int start = edit->selectionStart();
    const int length = edit->selectionLength();
    const QSignalBlocker quiet(edit);
    edit->setText(edit->text());  // setText begins the field's history anew
    if (start >= 0) {
        edit->setSelection(start, length);
    } else {
        edit->setCursorPosition(cursor);
    }
}

}  // namespace

// One step of the history: the whole document before and after.
class DocumentStep : public QUndoCommand {
  public:
    DocumentStep(PairDocument& document, DocumentState before, DocumentState after,
                 const QString& name)
        : QUndoCommand(name),
          document_(document),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { document_.show(before_); }
    void redo() override { document_.show(after_); }

  private:
    PairDocument& document_;
    DocumentState before_;
    DocumentState after_;
};

PairDocument::PairDocument(InputForm& form, MessageBoxes& boxes, FileDialogs& dialogs,
                           std::string about_text)
    : QObject(&form),
      form_(form),
      boxes_(boxes),
      dialogs_(dialogs),
      about_text_(std::move(about_text)),
      base_title_(form.windowTitle()),
      zoom_(preferences_.zoom_percent()) {
    saved_ = settled_ = current();
    history_ = new QUndoStack(this);
    history_->setUndoLimit(kHistorySteps);
    build_menus();
    for (const InputField& f : kInputFields) {
        connect(form_.field(f.text), &QLineEdit::textChanged, this, [this] {
            refresh_title();
            refresh_edit_actions();
        });
    }
    // A click on the other option is a step at once.
    connect(form_.equal_strength(), &QRadioButton::toggled, this, [this] {
        settle_typing();
        refresh_title();
    });
    connect(history_, &QUndoStack::indexChanged, this, &PairDocument::refresh_edit_actions);
    refresh_edit_actions();
    // A file dropped anywhere on the form opens, rather than its name going into a field.
    form_.setAcceptDrops(true);
    form_.installEventFilter(this);
    for (QWidget* w : form_.body()->findChildren<QWidget*>()) w->installEventFilter(this);
}

void PairDocument::build_menus() {
    QMenuBar* bar = form_.menuBar();
    file_menu_ = bar->addMenu(qt(msg::pair_file::kFileMenu));
    file_menu_
        ->addAction(qt(msg::editing::kNewAction), QKeySequence::New, this,
                    &PairDocument::new_document)
        ->setObjectName(QStringLiteral("new"));
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

    QMenu* edit = bar->addMenu(qt(msg::editing::kEditMenu));
    undo_ = edit->addAction(qt(msg::editing::kUndoAction), this, &PairDocument::undo);
    undo_->setObjectName(QStringLiteral("undo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = edit->addAction(qt(msg::editing::kRedoAction), this, &PairDocument::redo);
    redo_->setObjectName(QStringLiteral("redo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

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
    help->addAction(qt(msg::manual::kManualAction), QKeySequence::HelpContents, this,
                    [this] { open_manual({}); });
    // Shift+F1 in a field: the manual at that field's entry.
    auto* field_help = new QAction(&form_);
    field_help->setShortcut(QKeySequence::WhatsThis);
    connect(field_help, &QAction::triggered, this, [this] {
        const QWidget* focus = QApplication::focusWidget();
        const bool field = focus && form_.isAncestorOf(focus) &&
                           find_input_field(focus->objectName().toStdString());
        open_manual(field ? focus->objectName() : QString());
    });
    form_.addAction(field_help);
    help->addAction(qt(msg::pair_file::kAboutAction), this,
                    [this] { dialogs_.about(msg::pair_file::kAboutTitle, about_text_); });
}

void PairDocument::open_manual(const QString& anchor) {
    if (!manual_) manual_ = new ManualWindow(&form_);
    manual_->open_at(anchor, &form_);
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

bool PairDocument::modified() const { return current() != saved_; }

DocumentState PairDocument::current() const { return DocumentState{form_.read(), rating_}; }

void PairDocument::set_rating(const RatingInputs& rating) {
    rating_ = rating;
    refresh_title();
    refresh_edit_actions();
}

void PairDocument::settle_rating() { settle_typing(); }

void PairDocument::show(const DocumentState& state) {
    showing_ = true;
    for (const InputField& f : kInputFields) {
        QLineEdit* edit = form_.field(f.text);
        const QString text = qt(state.form.*f.text);
        if (edit->text() != text) edit->setText(text);
    }
    (state.form.rule == ShiftRule::EqualStrength ? form_.equal_strength() : form_.equal_noise())
        ->setChecked(true);
    const bool new_rating = rating_ != state.rating;
    rating_ = state.rating;
    showing_ = false;
    forget_own_typing(form_.focusWidget());
    if (new_rating) emit ratingReplaced();
    settled_ = state;
    refresh_title();
    refresh_edit_actions();
}

void PairDocument::settle_typing() {
    if (showing_) return;
    const DocumentState now = current();
    if (now == settled_) return;
    // Pushed with the typing already on the form: its first redo shows nothing new.
    history_->push(
        new DocumentStep(*this, settled_, now, qt(typing_step(settled_.form, now.form))));
}

void PairDocument::apply_change(const GearPairInput& texts, const QString& what) {
    DocumentState state = current();
    state.form = texts;
    apply_change(state, what);
}

void PairDocument::apply_change(const DocumentState& state, const QString& what) {
    settle_typing();
    if (state == settled_) return;
    history_->push(new DocumentStep(*this, settled_, state, what));
}

void PairDocument::undo() {
    settle_typing();
    history_->undo();
}

void PairDocument::redo() {
    settle_typing();
    history_->redo();
}

void PairDocument::refresh_edit_actions() {
    if (!undo_) return;
    const DocumentState now = current();
    const bool typing = now != settled_;
    undo_->setEnabled(typing || history_->canUndo());
    undo_->setText(qt(msg::editing::undo_action(typing ? typing_step(settled_.form, now.form)
                                                       : s(history_->undoText()))));
    // Typing not yet a step would discard what could be redone.
    redo_->setEnabled(!typing && history_->canRedo());
    redo_->setText(qt(
        msg::editing::redo_action(redo_->isEnabled() ? s(history_->redoText()) : std::string())));
}

bool PairDocument::new_document() {
    if (!may_replace_texts()) return false;
    apply_change(DocumentState{}, qt(msg::editing::kStepNew));
    show_notice({});
    path_.clear();
    saved_ = current();
    refresh_title();
    return true;
}

void PairDocument::refresh_title() {
    if (path_.isEmpty()) {
        form_.setWindowTitle(base_title_);
        return;
    }
    form_.setWindowTitle(base_title_ + QStringLiteral(" - ") + qt(shown_name()) +
                         (modified() ? QStringLiteral("*") : QString()));
}

std::string PairDocument::shown_name() const {
    const std::string name = s(QFileInfo(path_).fileName());
    return rows_ > 1 ? msg::pair_file::row_title(name, row_line_) : name;
}

void PairDocument::show_notice(const std::string& text) {
    form_.show_notice(text);
    zoom_main_window(&form_, form_.body(), zoom_);  // the form grows by the line, or back
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
    // Columns a spreadsheet added (备注, 日期 …) are passed over and named; saving
    // the row back keeps their cells.
    const auto read = read_pair_file(std::string_view(bytes.constData(), bytes.size()),
                                     kMaxCellChars, UnknownColumns::Ignore);
    if (const auto* error = std::get_if<PairFileError>(&read)) {
        problem(msg::pair_file::not_opened(shown, pair_file_problem_text(*error)));
        return false;
    }
    const std::vector<PairRow>& rows = std::get<PairFile>(read).rows;
    const std::vector<std::string>& ignored = std::get<PairFile>(read).ignored;
    if (rows.empty()) {
        problem(msg::pair_file::not_opened(shown, msg::pair_file::kNoPair));
        return false;
    }
    std::size_t chosen = 0;
    if (rows.size() > 1) {
        std::vector<std::string> items;
        // Rows that differ only in their split rule or numbers are told apart.
        for (const PairRow& row : rows) {
            const GearPairInput& in = row.input;
            items.push_back(msg::tips::row_item(row.line, in.cs1z1, in.cs2z2, in.fmn, in.zxja,
                                                in.lxjbt, in.rule == ShiftRule::EqualStrength,
                                                in.th1, in.th2));
        }
        const auto index = dialogs_.choose_row(msg::pair_file::kChooseRow, items);
        if (!index || *index < 0 || std::size_t(*index) >= rows.size()) return false;
        chosen = std::size_t(*index);
    }
    apply_change(DocumentState{rows[chosen].input, rows[chosen].rating},
                 qt(msg::editing::step_open(s(QFileInfo(path).fileName()))));
    opened_or_saved(path, bytes, rows[chosen].line, rows.size());
    show_notice(ignored.empty() ? std::string() : msg::pair_file::ignored_columns(ignored));
    return true;
}

QString PairDocument::start_folder() const {
    // The open file's folder, else that of the file last opened or saved, else home;
    // never a folder that is not there.
    QStringList candidates;
    if (!path_.isEmpty()) candidates << QFileInfo(path_).absolutePath();
    const QStringList recent = preferences_.recent_files();
    if (!recent.isEmpty()) candidates << QFileInfo(recent.front()).absolutePath();
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

bool PairDocument::open() {
    if (!may_replace_texts()) return false;
    const auto path = dialogs_.open_path(s(start_folder()));
    return path && open_file(qt(*path));
}

bool PairDocument::save() { return path_.isEmpty() ? save_as() : write_row(); }

bool PairDocument::save_as() {
    // A file of several pairs is not proposed: it would take this pair alone.
    const QString name =
        path_.isEmpty() || rows_ > 1 ? suggested_name(form_.read()) : QFileInfo(path_).fileName();
    const auto chosen = dialogs_.save_path(s(QDir(start_folder()).filePath(name)));
    if (!chosen) return false;
    // A name without a suffix becomes a pair file the open dialog lists.
    QString path = qt(*chosen);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    return write_to(path);
}

bool PairDocument::write_row() {
    const std::string name = s(QFileInfo(path_).fileName());
    // Changed since it was opened (by a spreadsheet, say): those changes would go.
    QFile now(path_);
    const bool unchanged = now.open(QIODevice::ReadOnly) &&
                           now.read(kMaxFileBytes + 1) == file_bytes_ &&
                           now.error() == QFileDevice::NoError;
    now.close();
    if (!unchanged && !boxes_.confirm(msg::kNoticeTitle, msg::pair_file::changed_on_disk(name),
                                      msg::pair_file::kOverwrite)) {
        return false;
    }
    const auto spliced =
        replace_pair_row(std::string_view(file_bytes_.constData(), std::size_t(file_bytes_.size())),
                         row_line_, form_.read(), rating_);
    if (const auto* refused = std::get_if<PairRowProblem>(&spliced)) {
        // A file of one pair has no other rows to keep: it is written anew, with
        // every column, in UTF-8, as it always was.
        if (rows_ <= 1 && refused->kind != PairRowProblem::NoSuchRow) return write_to(path_);
        return boxes_.confirm(msg::kNoticeTitle, row_problem_text(*refused, name),
                              msg::pair_file::kSaveAsAction) &&
               save_as();
    }
    return write_to(path_, std::get<std::string>(spliced), row_line_, rows_);
}

bool PairDocument::write_to(const QString& path) {
    return write_to(path, write_pair_file(form_.read(), rating_), 2, 1);
}

bool PairDocument::write_to(const QString& path, const std::string& bytes, int line,
                            std::size_t rows) {
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
    opened_or_saved(path, QByteArray(bytes.data(), qsizetype(bytes.size())), line, rows);
    return true;
}

void PairDocument::opened_or_saved(const QString& path, QByteArray bytes, int line,
                                   std::size_t rows) {
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = current();
    file_bytes_ = std::move(bytes);
    row_line_ = line;
    rows_ = rows;
    preferences_.add_recent_file(path_);
    refresh_recent_files();
    refresh_title();
}

bool PairDocument::may_discard_changes() { return path_.isEmpty() || may_replace_texts(); }

bool PairDocument::may_replace_texts() {
    if (!modified()) return true;
    const std::string name = path_.isEmpty() ? msg::pair_file::kUntitled : shown_name();
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
    auto* edit = qobject_cast<QLineEdit*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            forget_own_typing(edit);
            break;
        case QEvent::FocusOut:
            // Leaving a field makes its typing a step (not while the form goes).
            if (edit && form_.isVisible()) settle_typing();
            break;
        case QEvent::ShortcutOverride: {
            // A field keeps Ctrl+Z while it has typing of its own to undo, and the
            // redo keys while it has some to redo; otherwise they reach the menu.
            if (!edit) break;
            const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
            const bool undo_key = undo_->shortcuts().contains(QKeySequence(key));
            const bool redo_key = redo_->shortcuts().contains(QKeySequence(key));
            if ((undo_key && !edit->isUndoAvailable()) || (redo_key && !edit->isRedoAvailable())) {
                event->ignore();
                return true;
            }
            break;
        }
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
