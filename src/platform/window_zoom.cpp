#include "window_zoom.h"

#include <QApplication>
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
