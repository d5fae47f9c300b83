// The display texts of the geometry result sheet, one per value label.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "label_texts.h"

namespace gp {

// The two lead texts, then the 51 further labels in the order the sheet is filled.
inline constexpr std::array<const char*, 53> kGeometryLabels = {
    "pz1",   "pz2",   "d1",    "d2",  "xn0", "xn1",  "xn2",  "db1",  "db2",  "da1",  "da2",
    "df1",   "df2",   "ha1",   "ha2", "h1",  "h2",   "sn1",  "sn2",  "sta1", "sta2", "snb1",
    "snb2",  "zmin1", "zmin2", "dc1", "dc2", "dff1", "dff2", "btf1", "btf2", "btz",  "btcg1",
    "btcg2", "epsp",  "epsbt", "eps", "dp1", "dp2",  "m1",   "m2",   "ems1", "ems2", "emi1",
    "emi2",  "k1",    "k2",    "w1",  "w2",  "ews1", "ewi1", "ews2", "ewi2"};

// The position of a geometry label in that order, found while compiling: a
// misspelt name does not build.
consteval std::size_t geometry_label(std::string_view name) {
    return label_position(kGeometryLabels, name);
}

// Every geometry label with the empty text, built once: a copy of it knows each
// name's length and skips measuring the 53 names again.
const LabelTexts& blank_geometry_labels();

struct GeometryResult {
    LabelTexts labels = blank_geometry_labels();
};

}  // namespace gp
