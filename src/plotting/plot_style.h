// The colours and the type of the program's charts: the mesh picture, its sliding plot,
// the blocking contour.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <algorithm>

#include "ui_font.h"

namespace gp {

inline const QColor kPinionColour(31, 90, 180);   // gear 1 (index 0), blue
inline const QColor kWheelColour(0, 140, 70);     // gear 2 (index 1), green
inline const QColor kFaultColour(215, 25, 25);    // undercut, pointed tip, interference
inline const QColor kActionColour(150, 60, 160);  // the line of action and its points

// The windows' typeface at a pixel size scaled to the output, within reason.
inline QFont plot_font(double pixels) {
    QFont f = ui_font();
    f.setPixelSize(std::clamp(static_cast<int>(pixels + 0.5), 9, 400));
    return f;
}

// The line under a chart that says what is wrong with the drawn pair: plain text,
// wrapped, in the faults' red.
inline QLabel* new_fault_label() {
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, kFaultColour);
    label->setPalette(red);
    return label;
}

}  // namespace gp
