#include "mesh_scene.h"

#include <algorithm>
#include <cmath>

#include "pi.h"

namespace gp {

QRectF MeshScene::whole() const {
    QRectF r;
    for (const GearScene& g : gears) {
        const double radius = std::max(g.ra, 1e-6);
        r |= QRectF(g.centre.x() - radius, g.centre.y() - radius, 2 * radius, 2 * radius);
    }
    return r;
}

QRectF MeshScene::contact_zone() const {
    // A few teeth each side of the pitch point, and the whole path of contact.
    const double pitch = kExactPi * std::max(module, 1e-6);
    const double half_width = std::max(0.75 * ae, 2.2 * pitch);
    const double half_height = 0.72 * half_width;
    const QPointF middle = (a + e) / 2;
    return QRectF(middle.x() - half_width, middle.y() - half_height, 2 * half_width,
                  2 * half_height);
}

}  // namespace gp
