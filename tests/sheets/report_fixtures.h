// Forms and sheets whose reports the tests know by heart.
#pragma once

#include "gear_pair_input.h"
#include "geometry_result.h"
#include "label_texts.h"
#include "strength_result.h"

namespace gp::testing {

// Blanks around the module, as typed; an empty wheel upper deviation and pinion runout.
inline GearPairInput geometry_form() {
    GearPairInput f;
    f.zxja = "60";
    f.fmn = " 2 ";
    f.fjafn = "20";
    f.lxjbt = "0";
    f.ckbw = "30";
    f.h0 = "1";
    f.c0 = "0.25";
    f.nj = "10";
    f.cs1z1 = "20";
    f.cs2z2 = "40";
    f.ess1 = "-0.1";
    f.ess2 = "";
    f.esi1 = "-0.2";
    f.esi2 = "-0.2";
    f.fr1 = "";
    f.fr2 = "0.05";
    f.xng1 = "0.08";
    f.xng2 = "-0.08";
    f.th1 = "GB/T 10095.1-2008 7-7-7 HKX";
    f.th2 = "TH😀-2";
    f.jd1 = "齿轮齿轮齿轮齿轮齿轮齿轮AB";
    f.jd2 = "한-7";
    return f;
}

// A spur pair shows no lead, and no pins were typed: those four texts stay empty.
inline LabelTexts geometry_sheet() {
    LabelTexts t{kGeometryLabels};
    t.set("d1", "40");
    t.set("d2", "80");
    t.set("xn0", "0");
    t.set("xn1", "0.08");
    t.set("xn2", "-0.08");
    t.set("db1", "37.5877");
    t.set("db2", "75.17541");
    t.set("da1", "44.32");
    t.set("da2", "83.68");
    t.set("df1", "35.32");
    t.set("df2", "74.68");
    t.set("ha1", "2.16");
    t.set("ha2", "1.84");
    t.set("h1", "4.5");
    t.set("h2", "4.5");
    t.set("sn1", "3.25806");
    t.set("sn2", "3.02512");
    t.set("sta1", "1.33087");
    t.set("sta2", "1.5514");
    t.set("snb1", "3.12512");
    t.set("snb2", "3.35806");
    t.set("zmin1", "15.72948");
    t.set("zmin2", "18.46505");
    t.set("dc1", "37.83133");
    t.set("dc2", "77.19905");
    t.set("dff1", "37.70105");
    t.set("dff2", "76.60508");
    t.set("btf1", "0.99656");
    t.set("btf2", "0.99231");
    t.set("btz", "0.95844");
    t.set("btcg1", "1.01017");
    t.set("btcg2", "0.98193");
    t.set("epsp", "1.62561");
    t.set("epsbt", "0");
    t.set("eps", "1.62561");
    t.set("m1", "44.23028");
    t.set("m2", "84.59509");
    t.set("ems1", "-0.23493");
    t.set("ems2", "-0.24993");
    t.set("emi1", "-0.46986");
    t.set("emi2", "-0.49986");
    t.set("k1", "3");
    t.set("k2", "5");
    t.set("w1", "15.43033");
    t.set("w2", "27.58018");
    t.set("ews1", "-0.10628");
    t.set("ewi1", "-0.17563");
    t.set("ews2", "-0.10628");
    t.set("ewi2", "-0.17563");
    return t;
}

// The form behind the jg1 sheet below.
inline GearPairInput strength_form_jg1() {
    GearPairInput f;
    f.zxja = "60";
    f.fmn = "2";
    f.fjafn = "20";
    f.lxjbt = "0";
    f.ckbw = "30";
    f.nj = "10";
    f.cs1z1 = "20";
    f.cs2z2 = "40";
    f.ck1 = "30";
    f.ck2 = "30";
    f.xng1 = "0.08";
    f.xng2 = "-0.08";
    f.cgyj1 = "1.7232329478883912";
    f.cgyj2 = "0.76";
    f.th1 = "";
    f.th2 = "";
    return f;
}

inline StrengthResult strength_sheet_jg1() {
    StrengthResult r;
    r.sheet = StrengthSheet::jg1;
    r.labels = LabelTexts(strength_labels(StrengthSheet::jg1));
    r.labels.set("yzl1", "500");
    r.labels.set("cx1", "0.50959");
    r.labels.set("cx2", "0.66105");
    r.labels.set("hx1", "1.1");
    r.labels.set("hx2", "0.9");
    r.labels.set("yx1", "1.65057");
    r.labels.set("yx2", "1.65746");
    r.labels.set("dd", "1.62561");
    r.labels.set("zd", "0");
    r.labels.set("dh", "1.62561");
    r.labels.set("wq1", "15.42044");
    r.labels.set("wq2", "16.43495");
    r.labels.set("jc", "119.64885");
    r.diameters.da1 = 52.5f;
    r.diameters.da2 = 83.68f;
    r.diameters.df1 = -3.25f;
    r.diameters.df2 = 74.68f;
    return r;
}

// The form behind the jg2 sheet below.
inline GearPairInput strength_form_jg2() {
    GearPairInput f;
    f.zxja = "25.403411845346263";
    f.fmn = "2";
    f.fjafn = "25";
    f.lxjbt = "30";
    f.ckbw = "13.823007675963122";
    f.nj = "10";
    f.cs1z1 = "10";
    f.cs2z2 = "12";
    f.ck1 = "30";
    f.ck2 = "30";
    f.xng1 = "";
    f.xng2 = "0";
    f.cgyj1 = "0.76한";
    f.cgyj2 = "0.76";
    f.th1 = "齿轮齿轮齿轮齿轮齿轮齿轮AB";
    f.th2 = "B-2";
    return f;
}

inline StrengthResult strength_sheet_jg2() {
    StrengthResult r;
    r.sheet = StrengthSheet::jg2;
    r.labels = LabelTexts(strength_labels(StrengthSheet::jg2));
    r.labels.set("yzl1", "866.0254");
    r.labels.set("cx1", "0.84559");
    r.labels.set("cx2", "0.81085");
    r.labels.set("lx", "1");
    r.labels.set("jx1", "0.46649");
    r.labels.set("jx2", "0.46649");
    r.labels.set("yx1", "1.41475");
    r.labels.set("yx2", "1.42776");
    r.labels.set("dd", "0.8035");
    r.labels.set("zd", "1.1");
    r.labels.set("dh", "1.9035");
    r.labels.set("wq1", "16.10985");
    r.labels.set("wq2", "15.59012");
    r.labels.set("jc", "400.37831");
    r.diameters.da1 = 25.89401f;
    r.diameters.da2 = 30.51281f;
    r.diameters.df1 = 19.29401f;
    r.diameters.df2 = 23.91281f;
    return r;
}

// The form behind the jg3 sheet below.
inline GearPairInput strength_form_jg3() {
    GearPairInput f;
    f.zxja = "107.043";
    f.fmn = "1";
    f.fjafn = "20";
    f.lxjbt = "27.5";
    f.ckbw = "9";
    f.nj = "398.81";
    f.cs1z1 = "54";
    f.cs2z2 = "135";
    f.ck1 = "14";
    f.ck2 = "9";
    f.xng1 = "0.1702";
    f.xng2 = "0.3423";
    f.cgyj1 = "0.327";
    f.cgyj2 = "0.366";
    f.th1 = "TH-0123456789012345678901234567890123456";
    f.th2 = "";
    return f;
}

inline StrengthResult strength_sheet_jg3() {
    StrengthResult r;
    r.sheet = StrengthSheet::jg3;
    r.labels = LabelTexts(strength_labels(StrengthSheet::jg3));
    r.labels.set("yzl1", "13101.8071");
    r.labels.set("cx1", "1.52342");
    r.labels.set("cx2", "1.44349");
    r.labels.set("lx1", "0.65178");
    r.labels.set("lx2", "0.6764");
    r.labels.set("jx", "1");
    r.labels.set("yx1", "1.61725");
    r.labels.set("yx2", "1.6196");
    r.labels.set("dd", "1.18937");
    r.labels.set("zd", "1.32281");
    r.labels.set("dh", "2.51218");
    r.labels.set("wq1", "1502.78968");
    r.labels.set("wq2", "2302.02953");
    r.labels.set("jc", "895.6723");
    r.diameters.da1 = 62.80484f;
    r.diameters.da2 = 154.46698f;
    r.diameters.df1 = 59.01902f;
    r.diameters.df2 = 150.68117f;
    return r;
}

}  // namespace gp::testing
