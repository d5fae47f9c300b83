// What the desktop program remembers between sessions: the last opened pair files
// and the zoom. Nothing else; the program works the same without it.
#pragma once

#include <QString>
#include <QStringList>

namespace gp {

class Preferences {
  public:
    static constexpr int kRecentFiles = 6;

    QStringList recent_files() const;
    // Puts the file first in the list of recent files.
    void add_recent_file(const QString& path);
    void remove_recent_file(const QString& path);
    int zoom_percent() const;  // 100 when never set or out of range
    void set_zoom_percent(int percent);
};

}  // namespace gp
