// Windows that open where the user left them: each window's size and place are
// kept between sessions under its name and, on the next opening, fitted to the
// screen it opens on (a smaller screen, a monitor since unplugged).
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace gp {

// Puts `window` where it was when last hidden under `name`, and keeps its frame's
// place and size from now on each time it is hidden (closing and leaving the
// program hide it too). False, with the window untouched, when nothing was kept:
// the caller places it as on a first run.
bool keep_window_place(QWidget* window, const QString& name);

// A kept frame rectangle fitted to a screen's available room: no larger than the
// room, and moved (not shrunk further) until it lies wholly within it.
QRect fitted_to(const QRect& frame, const QRect& room);

}  // namespace gp
