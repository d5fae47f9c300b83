#include "geometry_texts.h"

#include <string>

#include "number_text.h"

namespace gp {
namespace {

constexpr int kDisplayDecimals = 5;

}  // namespace

GeometryResult geometry_texts(const GeometryQuantities& q) {
    GeometryResult r;
    const auto show = [&r](const char* label, Real value) {
        r.labels.set(label, rounded_text(value, kDisplayDecimals));
    };
    const auto show_pair = [&show](const char* label1, const char* label2,
                                   const GearPairOf<Real>& values) {
        show(label1, values[0]);
        show(label2, values[1]);
    };

    r.labels.set("pz1", q.transverse.lead_text[0]);
    r.labels.set("pz2", q.transverse.lead_text[1]);

    // In the order the sheet is filled.
    show_pair("d1", "d2", q.transverse.d);
    show("xn0", q.shift.x_sum);
    show_pair("xn1", "xn2", q.shift.xn);
    show_pair("db1", "db2", q.working.db);
    show_pair("da1", "da2", q.sizes.da);
    show_pair("df1", "df2", q.sizes.df);
    show_pair("ha1", "ha2", q.sizes.ha);
    show_pair("h1", "h2", q.sizes.h);
    show_pair("sn1", "sn2", q.thickness.sn);
    show_pair("sta1", "sta2", q.thickness.sta);
    show_pair("snb1", "snb2", q.thickness.snb);
    show_pair("zmin1", "zmin2", q.mesh.zmin);
    show_pair("dc1", "dc2", q.mesh.dc);
    show_pair("dff1", "dff2", q.mesh.dff);
    show_pair("btf1", "btf2", q.mesh.btf);
    show("btz", q.mesh.btz);
    show_pair("btcg1", "btcg2", q.mesh.btcg);
    show("epsp", q.mesh.eps_alpha);
    show("epsbt", q.mesh.eps_beta);
    show("eps", q.mesh.eps_gamma);
    show_pair("dp1", "dp2", q.pins.dp);
    show_pair("m1", "m2", q.pins.m);
    show_pair("ems1", "ems2", q.pins.ems);
    show_pair("emi1", "emi2", q.pins.emi);
    show_pair("k1", "k2", q.span.k);
    show_pair("w1", "w2", q.span.w);
    show("ews1", q.span.ews[0]);
    show("ewi1", q.span.ewi[0]);
    show("ews2", q.span.ews[1]);
    show("ewi2", q.span.ewi[1]);
    return r;
}

}  // namespace gp
