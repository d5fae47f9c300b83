#include "geometry_texts.h"

#include <string>

#include "number_text.h"

namespace gp {
namespace {

constexpr int kDisplayDecimals = 5;

}  // namespace

const LabelTexts& blank_geometry_labels() {
    static const LabelTexts blank{kGeometryLabels};
    return blank;
}

GeometryResult geometry_texts(const GeometryQuantities& q) {
    GeometryResult r;
    LabelTexts& t = r.labels;
    const auto show = [&t](std::size_t at, Real value) {
        t.set_at(at, rounded_text(value, kDisplayDecimals));
    };
    const auto show_pair = [&show](std::size_t at1, std::size_t at2,
                                   const GearPairOf<Real>& values) {
        show(at1, values[0]);
        show(at2, values[1]);
    };

    t.set_at(geometry_label("pz1"), q.transverse.lead_text[0]);
    t.set_at(geometry_label("pz2"), q.transverse.lead_text[1]);

    // In the order the sheet is filled.
    show_pair(geometry_label("d1"), geometry_label("d2"), q.transverse.d);
    show(geometry_label("xn0"), q.shift.x_sum);
    show_pair(geometry_label("xn1"), geometry_label("xn2"), q.shift.xn);
    show_pair(geometry_label("db1"), geometry_label("db2"), q.working.db);
    show_pair(geometry_label("da1"), geometry_label("da2"), q.sizes.da);
    show_pair(geometry_label("df1"), geometry_label("df2"), q.sizes.df);
    show_pair(geometry_label("ha1"), geometry_label("ha2"), q.sizes.ha);
    show_pair(geometry_label("h1"), geometry_label("h2"), q.sizes.h);
    show_pair(geometry_label("sn1"), geometry_label("sn2"), q.thickness.sn);
    show_pair(geometry_label("sta1"), geometry_label("sta2"), q.thickness.sta);
    show_pair(geometry_label("snb1"), geometry_label("snb2"), q.thickness.snb);
    show_pair(geometry_label("zmin1"), geometry_label("zmin2"), q.mesh.zmin);
    show_pair(geometry_label("dc1"), geometry_label("dc2"), q.mesh.dc);
    show_pair(geometry_label("dff1"), geometry_label("dff2"), q.mesh.dff);
    show_pair(geometry_label("btf1"), geometry_label("btf2"), q.mesh.btf);
    show(geometry_label("btz"), q.mesh.btz);
    show_pair(geometry_label("btcg1"), geometry_label("btcg2"), q.mesh.btcg);
    show(geometry_label("epsp"), q.mesh.eps_alpha);
    show(geometry_label("epsbt"), q.mesh.eps_beta);
    show(geometry_label("eps"), q.mesh.eps_gamma);
    show_pair(geometry_label("dp1"), geometry_label("dp2"), q.pins.dp);
    show_pair(geometry_label("m1"), geometry_label("m2"), q.pins.m);
    show_pair(geometry_label("ems1"), geometry_label("ems2"), q.pins.ems);
    show_pair(geometry_label("emi1"), geometry_label("emi2"), q.pins.emi);
    show_pair(geometry_label("k1"), geometry_label("k2"), q.span.k);
    show_pair(geometry_label("w1"), geometry_label("w2"), q.span.w);
    show(geometry_label("ews1"), q.span.ews[0]);
    show(geometry_label("ewi1"), q.span.ewi[0]);
    show(geometry_label("ews2"), q.span.ews[1]);
    show(geometry_label("ewi2"), q.span.ewi[1]);
    return r;
}

}  // namespace gp
