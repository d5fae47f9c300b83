#include "window_zoom.h"

#include <QApplication>
#include <QLayout>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "notice_strip.h"
#include "ui_font.h"

namespace gp {

namespace {

const char* const kBuiltGeometry = "gp_built_geometry";
const char* const kBuiltFont = "gp_built_font";
const char* const kBuiltSize = "gp_built_size";

// Room the frame and title bar take around a window's inner area: measured once
// the window is on the screen, else a typical title bar's; none where windows
// have no frames (the offscreen platform).
QSize frame_room(const QWidget* window) {
    if (window->isVisible()) return window->frameGeometry().size() - window->size();
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return QSize(0, 0);
    }
    return QSize(8, 32);
}

int scaled(int v, double factor) { return static_cast<int>(std::lround(v * factor)); }

QRect scaled(const QRect& r, double factor) {
    return QRect(scaled(r.x(), factor), scaled(r.y(), factor), scaled(r.width(), factor),
                 scaled(r.height(), factor));
}

QFont scaled(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), factor)));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

// The value as built, remembered the first time a window is zoomed.
template <typename T>
T built(QWidget* w, const char* name, const T& now) {
    const QVariant kept = w->property(name);
    if (kept.isValid()) return kept.value<T>();
    w->setProperty(name, QVariant::fromValue(now));
    return now;
}

}  // namespace

QSize room_on_screen(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return QSize(1 << 20, 1 << 20);
    return screen->availableGeometry().size() - frame_room(window->window());
}

void zoom_application(int percent) {
    QApplication::setFont(scaled(ui_font(), percent / 100.0));
}

void zoom_menu_bar(QMainWindow* window, int percent) {
    if (QMenuBar* bar = window->menuBar()) bar->setFont(scaled(ui_font(), percent / 100.0));
}

void zoom_window(QWidget* window, double factor) {
    window->setFont(scaled(built(window, kBuiltFont, window->font()), factor));
    // The window's own layout, without the notices under it.
    NoticeStrip* notices = NoticeStrip::of(window, false);
    const QSize below(0, notices ? notices->added_height() : 0);
    const QSize size = built(window, kBuiltSize, window->size() - below);
    window->setFixedSize(scaled(size.width(), factor), scaled(size.height(), factor));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Windows of their own (menus, dialogs) keep their sizes; the notices find
        // their place under the zoomed layout.
        if (w->isWindow() || w->window() != window->window() || w == notices) continue;
        if (w->testAttribute(Qt::WA_SetFont) || w->property(kBuiltFont).isValid()) {
            w->setFont(scaled(built(w, kBuiltFont, w->font()), factor));
        }
        // Controls placed on the window or in a frame move and grow; the insides of
        // compound controls follow their owner.
        QWidget* parent = w->parentWidget();
        if (parent != window && !qobject_cast<QGroupBox*>(parent)) continue;
        w->setGeometry(scaled(built(w, kBuiltGeometry, w->geometry()), factor));
    }
    if (notices) notices->fit(window->height());
}

void zoom_to_fit(QWidget* window, int percent) {
    double factor = percent / 100.0;
    const QSize size = built(window, kBuiltSize, window->size());
    const QSize room = room_on_screen(window);
    factor = std::min(
        {factor, double(room.width()) / size.width(), double(room.height()) / size.height()});
    zoom_window(window, std::max(factor, 0.5));
}

QFont zoomed_font(double factor) { return scaled(ui_font(), factor); }

double zoom_laid_out_window(QWidget* window, int percent,
                            const std::function<void(double factor)>& apply) {
    const QSize room = room_on_screen(window) * kScreenShare;
    double factor = std::max(percent / 100.0, kLeastZoom);
    for (;;) {
        apply(factor);
        if (window->layout()) window->layout()->activate();
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        if ((least.width() <= room.width() && least.height() <= room.height()) ||
            factor <= kLeastZoom) {
            return factor;
        }
        factor = std::max(kLeastZoom, factor - kZoomStepDown);
    }
}

QSize clamped_size(QSize wanted, QSize least, QSize room) {
    const QSize share = room * kScreenShare;
    return wanted.boundedTo(share).expandedTo(least.boundedTo(share));
}

QSize size_on_screen(const QWidget* window, QSize wanted) {
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    return clamped_size(wanted, least, room_on_screen(window));
}

BesidePlace place_beside(const QRect& avail, const QRect& anchor, QSize outer, int least_width,
                         bool may_move_anchor) {
    const int top = std::clamp(anchor.top(), avail.top(),
                               std::max(avail.top(), avail.bottom() + 1 - outer.height()));
    BesidePlace place{QRect(QPoint(avail.left() + (avail.width() - outer.width()) / 2,
                                   avail.top() + (avail.height() - outer.height()) / 2),
                            outer),
                      anchor.topLeft()};
    if (avail.width() - anchor.width() < least_width) return place;  // never side by side
    QRect a = anchor;
    int width = std::min(outer.width(), avail.width() - a.width());
    int right = avail.right() - a.right(), left = a.left() - avail.left();
    if (right < width && left < width) {
        if (may_move_anchor) {
            // Both side by side, centred together: the window then has its room right.
            a.moveLeft(avail.left() + (avail.width() - a.width() - width) / 2);
            right = avail.right() - a.right();
            left = a.left() - avail.left();
        } else if (std::max(right, left) >= least_width) {
            width = std::max(right, left);  // narrowed to the larger side's room
        } else {
            // No room beside the anchor that stays: over its edge, on the side with
            // more room, within the screen.
            const int x = right >= left ? avail.right() + 1 - width : avail.left();
            place.window = QRect(QPoint(x, top), QSize(width, outer.height()));
            return place;
        }
    }
    const bool on_right = right >= width;
    place.window = QRect(QPoint(on_right ? a.right() + 1 : a.left() - width, top),
                         QSize(width, outer.height()));
    place.anchor = a.topLeft();
    return place;
}

void show_beside(QWidget* window, QWidget* anchor, QSize wanted, bool may_move_anchor) {
    const QScreen* screen = anchor && anchor->screen() ? anchor->screen() : window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect avail = screen->availableGeometry();
    const QSize frame = frame_room(window);
    const QSize outer = size_on_screen(window, wanted) + frame;
    QRect at(QPoint(avail.left() + (avail.width() - outer.width()) / 2,
                    avail.top() + (avail.height() - outer.height()) / 2),
             outer);
    if (anchor) {
        const int least = window->minimumSizeHint().expandedTo(window->minimumSize()).width();
        const BesidePlace place = place_beside(avail, anchor->frameGeometry(), outer,
                                               least + frame.width(), may_move_anchor);
        if (place.anchor != anchor->frameGeometry().topLeft()) anchor->move(place.anchor);
        at = place.window;
    }
    window->resize(at.size() - frame);
    window->move(at.topLeft());
}

void set_scrolling_content(QMainWindow* window, QWidget* content) {
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setAlignment(Qt::AlignCenter);
    scroller->setWidget(content);
    window->setCentralWidget(scroller);
    window->resize(content->size());
}

void zoom_main_window(QMainWindow* window, QWidget* content, int percent) {
    zoom_window(content, percent / 100.0);
    zoom_menu_bar(window, percent);
    const int menu = window->menuBar() ? window->menuBar()->sizeHint().height() : 0;
    // A status line shown under the content (a notice of the main window's) adds its height.
    const auto* status = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    const int below = status && !status->isHidden() ? status->sizeHint().height() : 0;
    const QSize room = room_on_screen(window);
    QSize wanted = content->size() + QSize(0, menu + below);
    // A scroll bar takes room from the content: a window cut short in one direction
    // is made wider (or taller) by the bar, so that the other needs none.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (wanted.height() > room.height()) wanted.rwidth() += bar;
    if (wanted.width() > room.width()) wanted.rheight() += bar;
    window->resize(wanted.boundedTo(room));
}

}  // namespace gp
