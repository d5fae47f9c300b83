// Zoom for the fixed 1990s-sized windows, and keeping every window within reach on
// a screen smaller than it.
#pragma once

#include <QSize>

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
