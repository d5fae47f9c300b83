// Draws the helical pair (β = 15°, z 19/73) as solids in mesh into a PNG, for the
// documentation: the kernel meshes the faces, Qt shades them, farthest first.
// Usage: solid_picture OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <iostream>

#include "batch_input.h"
#include "solid_pair.h"
#include "solid_triangles.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: solid_picture OUT.png\n";
        return 2;
    }
    const auto rows = gp::read_batch(
        "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,cgyj1,cgyj2,"
        "ck1,ck2,th1,th2\n"
        "96,2,20,15,24,1,0.25,10,19,73,-0.1,-0.1,-0.2,-0.2,0.05,0.05,0.76,0.76,26,22,H-191,H-731\n");
    gp::SolidRequest request;
    request.bore = 12;
    request.chamfer = 0.5;
    auto solids = gp::solid_bodies(rows[0].input, request);
    if (auto* stop = std::get_if<gp::Stop>(&solids)) {
        std::cerr << stop->message << "\n";
        return 1;
    }
    struct Shaded {
        QPolygonF polygon;
        double depth;
        QColor colour;
    };
    // The view: turned about z, then tilted towards the viewer; light from the upper left.
    const double yaw = -0.6, pitch = 0.95;
    const auto view = [&](const std::array<double, 3>& p) {
        const double x = p[0] * std::cos(yaw) - p[1] * std::sin(yaw);
        const double y = p[0] * std::sin(yaw) + p[1] * std::cos(yaw);
        const double z = p[2];
        return std::array<double, 3>{x, y * std::cos(pitch) - z * std::sin(pitch),
                                     y * std::sin(pitch) + z * std::cos(pitch)};
    };
    const QColor colours[] = {QColor(70, 120, 190), QColor(200, 130, 60)};
    std::vector<Shaded> faces;
    const double light[3] = {-0.35, -0.45, 0.82};
    for (const auto& s : std::get<std::vector<gp::NamedSolid>>(solids)) {
        for (const auto& t : solid_checks::triangles(s.body, 0.02)) {
            std::array<std::array<double, 3>, 3> v;
            for (int j = 0; j < 3; ++j) v[j] = view(t.corners[j]);
            const double ux = v[1][0] - v[0][0], uy = v[1][1] - v[0][1], uz = v[1][2] - v[0][2];
            const double wx = v[2][0] - v[0][0], wy = v[2][1] - v[0][1], wz = v[2][2] - v[0][2];
            double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
            const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
            if (!(len > 0) || nz / len < 0) continue;  // facing away
            nx /= len, ny /= len, nz /= len;
            const double lit = 0.35 + 0.65 * std::max(0.0, nx * light[0] + ny * light[1] + nz * light[2]);
            QColor c = colours[s.gear];
            c.setRgbF(c.redF() * lit, c.greenF() * lit, c.blueF() * lit);
            QPolygonF poly;
            for (int j = 0; j < 3; ++j) poly << QPointF(v[j][0], -v[j][1]);
            faces.push_back({poly, (v[0][2] + v[1][2] + v[2][2]) / 3, c});
        }
    }
    std::sort(faces.begin(), faces.end(), [](const Shaded& a, const Shaded& b) { return a.depth < b.depth; });
    QRectF bounds;
    for (const Shaded& f : faces) bounds |= f.polygon.boundingRect();
    QImage image(1600, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = 0.92 * std::min(image.width() / bounds.width(), image.height() / bounds.height());
    painter.translate(image.width() / 2.0, image.height() / 2.0);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    for (const Shaded& f : faces) {
        painter.setPen(QPen(f.colour, 0));
        painter.setBrush(f.colour);
        painter.drawPolygon(f.polygon);
    }
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
