// What the desktop program remembers between sessions: the last opened pair files,
// the zoom and where each window was. Nothing else; the program works the same
// without it.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace gp {

// Where a window was: its frame on the screen and its own size inside the frame.
struct WindowPlace {
    QRect frame;
    QSize size;
};

class Preferences {
  public:
    static constexpr int kRecentFiles = 6;

    QStringList recent_files() const;
    // Puts the file first in the list of recent files.
    void add_recent_file(const QString& path);
    void remove_recent_file(const QString& path);
    int zoom_percent() const;  // 100 when never set or out of range
    void set_zoom_percent(int percent);
    // A window's frame rectangle as it was last hidden, by the window's name;
    // nothing when never kept or not a sensible rectangle.
    std::optional<WindowPlace> window_place(const QString& name) const;
    void set_window_place(const QString& name, const WindowPlace& place);
};

}  // namespace gp
