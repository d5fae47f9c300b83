// Painting the mesh picture: into the window's view, an SVG or PNG file, or a page.
#pragma once

#include <QRectF>
#include <QTransform>

#include "mesh_scene.h"

class QPainter;

namespace gp {

// How far the contacts have travelled (mm) at a slider position from 0 to 1.
double travel_at(const MeshScene& scene, double position);

// The pair at the slider position, with its circles, the line of action, the
// legend and the faults, drawn inside `area` (painter pixels) through `to_pixels`
// (millimetres to pixels). Texts are `text_px` pixels high; the legend goes in the
// bottom right corner when asked for.
void paint_mesh(QPainter& painter, const MeshScene& scene, const QTransform& to_pixels,
                const QRectF& area, double position, double text_px, bool legend);

// The legend alone, in the bottom right corner of `area`; and the height it takes.
void paint_mesh_legend(QPainter& painter, const MeshScene& scene, const QRectF& area,
                       double text_px);
double mesh_legend_height(const MeshScene& scene, double text_px);

// The refusal, or any other text, in the picture's place.
void paint_message(QPainter& painter, const QRectF& area, const QString& text, double text_px);

// A whole page: the caption, the picture of `view` (millimetres, as in the
// window), the faults in words, the sliding plot.
void paint_mesh_page(QPainter& painter, const QRectF& page, const MeshScene& scene,
                     const QRectF& view, double position);

}  // namespace gp
