#include "window_places.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "preferences.h"

namespace gp {

namespace {

// Writes the window's frame rectangle whenever the window is hidden.
class PlaceKeeper : public QObject {
  public:
    PlaceKeeper(QWidget* window, QString name) : QObject(window), name_(std::move(name)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Hide && window->isWindow() && !window->isMinimized()) {
            Preferences().set_window_place(name_, {window->frameGeometry(), window->size()});
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QString name_;
};

}  // namespace

QRect fitted_to(const QRect& frame, const QRect& room) {
    QRect r(frame.topLeft(), frame.size().boundedTo(room.size()));
    r.moveLeft(std::clamp(r.left(), room.left(), room.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), room.top(), room.bottom() + 1 - r.height()));
    return r;
}

bool keep_window_place(QWidget* window, const QString& name) {
    new PlaceKeeper(window, name);
    const std::optional<WindowPlace> kept = Preferences().window_place(name);
    if (!kept) return false;
    // The screen the kept place is on, else the one the window would open on.
    const QScreen* screen = QGuiApplication::screenAt(kept->frame.center());
    if (!screen) screen = window->screen();
    if (!screen) return false;
    // The frame (title bar and borders) stays within the room: the window itself is
    // the fitted frame less the frame's own thickness as it was kept.
    const QRect frame = fitted_to(kept->frame, screen->availableGeometry());
    const QSize decoration = (kept->frame.size() - kept->size).expandedTo(QSize(0, 0));
    window->resize((frame.size() - decoration).expandedTo(window->minimumSize()));
    window->move(frame.topLeft());  // a window's place is that of its frame
    return true;
}

}  // namespace gp
