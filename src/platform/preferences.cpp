#include "preferences.h"

#include <QSettings>
#include <algorithm>
#include <memory>

#include "window_zoom.h"

namespace gp {

namespace {

const QString kRecentKey = QStringLiteral("recentFiles");
const QString kZoomKey = QStringLiteral("zoomPercent");
const QString kWindowsGroup = QStringLiteral("windows/");
// A kept size beyond any screen is a damaged settings file, not a window.
constexpr int kMaxWindowSide = 100000;

std::unique_ptr<QSettings> store() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("gearpair"), QStringLiteral("gearpair"));
}

}  // namespace

QStringList Preferences::recent_files() const {
    QStringList files = store()->value(kRecentKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentFiles);
}

void Preferences::add_recent_file(const QString& path) {
    QStringList files = recent_files();
    files.removeAll(path);
    files.prepend(path);
    store()->setValue(kRecentKey, files.mid(0, kRecentFiles));
}

void Preferences::remove_recent_file(const QString& path) {
    QStringList files = recent_files();
    files.removeAll(path);
    store()->setValue(kRecentKey, files);
}

int Preferences::zoom_percent() const {
    const int percent = store()->value(kZoomKey, 100).toInt();
    return std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent) != std::end(kZoomSteps)
               ? percent
               : 100;
}

void Preferences::set_zoom_percent(int percent) { store()->setValue(kZoomKey, percent); }

std::optional<WindowPlace> Preferences::window_place(const QString& name) const {
    const auto settings = store();
    const QRect frame = settings->value(kWindowsGroup + name + QStringLiteral("/frame")).toRect();
    const QSize size = settings->value(kWindowsGroup + name + QStringLiteral("/size")).toSize();
    const auto sensible = [](QSize s) {
        return s.isValid() && !s.isEmpty() && s.width() <= kMaxWindowSide &&
               s.height() <= kMaxWindowSide;
    };
    if (!sensible(frame.size()) || !sensible(size)) return std::nullopt;
    return WindowPlace{frame, size};
}

void Preferences::set_window_place(const QString& name, const WindowPlace& place) {
    const auto settings = store();
    settings->setValue(kWindowsGroup + name + QStringLiteral("/frame"), place.frame);
    settings->setValue(kWindowsGroup + name + QStringLiteral("/size"), place.size);
}

}  // namespace gp
