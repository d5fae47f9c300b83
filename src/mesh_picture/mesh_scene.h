// What the mesh picture draws: both gears' outlines placed in mesh, their circles,
// the line of action with its points, the faults to show in red and the sliding
// curves. Millimetres, y upwards; gears[0] (gear 1, the pinion) centred at the origin,
// gears[1] (gear 2, the wheel) right of it on the x axis.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "gear_pair_input.h"
#include "sliding_plot.h"

namespace gp {

struct GearScene {
    QPolygonF outline;  // the whole gear in its own frame: centre at 0, tooth 1 on +y
    // Pieces of the outline (own frame) drawn red: undercut flanks, pointed tips,
    // the part of a fillet that the other gear's tip runs into.
    std::vector<QPolygonF> faults;
    QPointF centre;      // in the picture
    double angle0 = 0;   // the frame's turn (rad, anticlockwise) at the slider's start
    double rate = 0;     // its further turn per mm the contacts travel along the line
    double ra = 0;       // tip radius
    double r = 0;        // reference radius
    double rw = 0;       // working pitch radius
    double rb = 0;       // base radius
    double rf = 0;       // root radius
    double r_fault = 0;  // a circle drawn red (start of mesh below the root form), 0 if none
};

struct MeshScene {
    // Non-empty when the pair cannot be drawn: the reason, shown in the picture's
    // place. Nothing else is then meaningful.
    QString refusal;

    std::array<GearScene, 2> gears;
    // The line of action, fixed in the picture: tangency points and the points of
    // the path of contact.
    QPointF t1, t2, a, b, c, d, e;
    double ae = 0;         // length of the path of contact, mm
    double eps_alpha = 0;  // transverse contact ratio
    double module = 0;     // transverse module, for the start view
    double pbt = 0;        // transverse base pitch, mm: the spacing of the contacts
    // How far (mm along the line of action) the contacts travel over the slider's
    // range; at its start one pair of teeth touches at A.
    double travel = 0;

    SlidingCurves sliding;
    QStringList faults;  // named in words under the picture
    QStringList notes;   // further legend lines (a root rounding taken as 0.38 × module)
    QString caption;     // the pair in one line: teeth, module, centre distance
    std::array<QString, 2> drawing_numbers;  // th1, th2 as typed
    GearPairInput form;  // the pair as typed, for its solids (导出三维模型)

    // Whole pair, and the contact zone the view starts on.
    QRectF whole() const;
    QRectF contact_zone() const;
};

}  // namespace gp
