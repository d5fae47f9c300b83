// The one typeface of every window and message box.
#pragma once

#include <QFont>

namespace gp {

// WenQuanYi Micro Hei (on Windows Microsoft YaHei) at 12 pixels (9 points at 96 dots per inch). Its
// size is in pixels because the layout is: a larger system font setting would otherwise outgrow the
// fixed label widths.
QFont ui_font();

}  // namespace gp
