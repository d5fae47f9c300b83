// The user manual (docs/manual/manual.md) in a window of its own: 帮助 → 使用说明
// (F1) opens it at the top, Shift+F1 on a field of the form at that field's entry.
// Esc closes it.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace gp {

class ManualWindow : public QWidget {
    Q_OBJECT

  public:
    // A window of its own; `parent` only ties its lifetime to the form's.
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows and raises the window, scrolled to `anchor` (a field name such as
    // "zxja", or a section's name); an empty or unknown anchor shows the top. The
    // first time, the window is placed beside `beside` within its screen.
    void open_at(const QString& anchor, const QWidget* beside = nullptr);

    QTextBrowser* browser() const { return browser_; }
    // Where the manual was read from: the copy installed with the program when
    // there is one, else the copy built into the program.
    const QUrl& source() const { return source_; }

    // The installed copy, relative to the program's folder.
    static QString installed_path();

  private:
    void load();
    void place_beside(const QWidget* beside);

    QTextBrowser* browser_ = nullptr;
    QUrl source_;
    bool placed_ = false;
};

}  // namespace gp
