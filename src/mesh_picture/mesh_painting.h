// Painting the mesh picture: into the window's view, an SVG or PNG file, or a page.
#pragma once

#include <QRectF>
#include <QString>
#include <QTransform>
#include <vector>

#include "mesh_scene.h"

class QPainter;

namespace gp {

// How far the contacts have travelled (mm) at a slider position from 0 to 1.
double travel_at(const MeshScene& scene, double position);
// Where the pairs of teeth touch at a slider position: mm along the path of
// contact from A, one base pitch apart.
std::vector<double> contacts_at(const MeshScene& scene, double position);

// The boxes (painter pixels) of the texts a picture drew, its legend's among them:
// no two of them overlap.
using LabelBoxes = std::vector<QRectF>;

// The pair at the slider position, with its circles, the line of action, the
// legend and the faults, drawn inside `area` (painter pixels) through `to_pixels`
// (millimetres to pixels). Texts are `text_px` pixels high; the legend goes in the
// bottom right corner when asked for. A text that finds no free place is left out;
// `labels`, when given, receives the boxes of those drawn.
void paint_mesh(QPainter& painter, const MeshScene& scene, const QTransform& to_pixels,
                const QRectF& area, double position, double text_px, bool legend,
                LabelBoxes* labels = nullptr);

// The legend alone, in the bottom right corner of `area`, and its box; the height
// and width it takes.
QRectF paint_mesh_legend(QPainter& painter, const MeshScene& scene, const QRectF& area,
                         double text_px);
double mesh_legend_height(const MeshScene& scene, double text_px);
double mesh_legend_width(const MeshScene& scene, double text_px);

// The foot of a printed or saved page, as the reports carry it: the drawing numbers
// and the moment it was made.
struct PageFoot {
    QString drawing_numbers;
    QString when;
};

// The refusal, or any other text, in the picture's place.
void paint_message(QPainter& painter, const QRectF& area, const QString& text, double text_px);

// A whole page: the caption, the picture of `view` (millimetres, as in the
// window), the faults in words, the sliding plot, the foot.
void paint_mesh_page(QPainter& painter, const QRectF& page, const MeshScene& scene,
                     const QRectF& view, double position, const PageFoot& foot = {});

}  // namespace gp
