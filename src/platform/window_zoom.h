// Zoom for the fixed 1990s-sized windows, and keeping every window within reach on
// a screen smaller than it.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QMainWindow;
class QWidget;

namespace gp {

// The zoom steps the 视图 menu offers, in percent.
inline constexpr int kZoomSteps[] = {100, 125, 150, 200};

// Scales a fixed-size window's controls and fonts by `factor` of their size as
// built (not of the last zoom), so zooming in and back out is exact.
void zoom_window(QWidget* window, double factor);

// A fixed-size window at `percent`, made smaller still when the screen cannot
// hold it, so that every control stays on the screen.
void zoom_to_fit(QWidget* window, int percent);

// The room a window's inner area may take on its screen: the screen's available
// geometry less the window's frame.
QSize room_on_screen(const QWidget* window);

// --- The zoom of the windows Qt lays out (the pictures, the rating) -------------
// Such a window takes at most this share of the room on its screen, so that the form
// or the sheet it came from still shows beside it.
inline constexpr double kScreenShare = 0.9;
// A zoom too large for the screen is taken down by this factor at a time...
inline constexpr double kZoomStepDown = 0.125;
// ...but never below this, however small the screen: the text stays readable and
// the window scrolls or is cut by the screen instead.
inline constexpr double kLeastZoom = 0.5;

// The program's typeface at `factor` of its size.
QFont zoomed_font(double factor);

// The one rule for the 视图 menu's zoom in a window laid out by Qt: `apply(factor)`
// sets the window's type (and whatever grows with it) at `factor` of the program's;
// the factor is `percent` / 100, taken down by kZoomStepDown while the window's least
// size at that factor exceeds kScreenShare of the room on its screen, never below
// kLeastZoom. Returns the factor taken.
double zoom_laid_out_window(QWidget* window, int percent,
                            const std::function<void(double factor)>& apply);

// A size for a window laid out by Qt: `wanted`, within kScreenShare of `room`, never
// smaller than `least` while the room holds that.
QSize clamped_size(QSize wanted, QSize least, QSize room);
// The same on the window's screen, with the window's own least size.
QSize size_on_screen(const QWidget* window, QSize wanted);

// Where a window goes beside another one (`anchor`, its frame) on a screen whose
// available area is `avail`: on the side with room for its frame (`outer`), the right
// first, narrowed to the room there but never below `least_width`; when neither side
// has room, the anchor moved aside (if `may_move_anchor`) so that both stand side by
// side, else the side with more room, the window kept on the screen; centred when the
// two cannot stand side by side at all. `window` is the frame's place and size.
struct BesidePlace {
    QRect window;
    QPoint anchor;  // the anchor frame's top-left, moved or not
};
BesidePlace place_beside(const QRect& avail, const QRect& anchor, QSize outer, int least_width,
                         bool may_move_anchor);

// Sizes `window` by size_on_screen(`wanted`) and places it beside `anchor` on the
// anchor's screen (or centres it on its own when there is no anchor), moving the
// anchor if allowed.
void show_beside(QWidget* window, QWidget* anchor, QSize wanted, bool may_move_anchor);

// Every window without a type size of its own (menus, dialogs, message boxes and
// the windows laid out by Qt) at `percent` of the program's typeface, through the
// application's font; a main window's menu bar with them.
void zoom_application(int percent);
void zoom_menu_bar(QMainWindow* window, int percent);

// Makes `content` the main window's central widget, inside a frameless scroll
// area that takes no keyboard focus of its own.
void set_scrolling_content(QMainWindow* window, QWidget* content);

// A main window whose central widget scrolls: as large as its content at
// `percent`, but no larger than the screen; a content larger than the screen
// scrolls.
void zoom_main_window(QMainWindow* window, QWidget* content, int percent);

}  // namespace gp
