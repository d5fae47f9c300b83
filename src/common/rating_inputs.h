// The inputs of the load-capacity rating beside the form's: one text per rating
// column of a pair file, exactly as typed. An empty text takes the rating's
// default; the rating reads the texts afresh at every calculation.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gp {

struct RatingInputs {
    std::string n1;              // speed of the driving gear, 1/min (required)
    std::string KA;              // application factor
    std::string Q1, Q2;          // ISO 1328-1 accuracy grades
    std::string Ca;              // tip relief, µm
    std::string KHb, Kv, KHa;    // factors, when known
    std::string mat1, mat2;      // material classes: St V GG GGG GTS Eh IF NT NV
    std::string sHlim1, sHlim2;  // contact endurance limits, N/mm²
    std::string sFlim1, sFlim2;  // bending endurance limits, N/mm²
    std::string E1, E2;          // moduli of elasticity, N/mm²
    std::string nu1, nu2;        // Poisson's ratios
    std::string rho1, rho2;      // densities, kg/m³
    std::string nu40;            // lubricant viscosity at 40 °C, mm²/s
    std::string Ra1, Ra2;        // flank roughness Ra, µm
    std::string RzF1, RzF2;      // root roughness Rz, µm
    std::string Lh;              // required life, h
    std::string YN10;            // life factor at 10¹⁰ cycles
    std::string SHmin, SFmin;    // minimum safety factors
    std::string sR1, sR2;        // rim thicknesses, mm
    std::string HB1, HB2;        // flank Brinell hardness, HBW (for ZW)
    std::string shaft;           // arrangement of the pinion on its shaft: a … e
    std::string l, s, dsh;       // bearing span, offset, pinion shaft diameter, mm
    std::string hmod;            // helix modification: none crown corr corrcrown end
    std::string k;               // share of the power through this mesh, %
    // The material page's choice, kept so that reopening shows it; the rating reads
    // only the limits above. Empty grade: the limits were typed.
    std::string grade1, grade2;      // ISO 6336-5 material code (Eh, V, V-cast …)
    std::string type1, type2;        // the line's type where the code has several
    std::string quality1, quality2;  // ML MQ ME
    std::string hard1, hard2;        // surface hardness as typed
    std::string hunit1, hunit2;      // HBW HV HRC
    std::string spectrum;            // the load spectrum's CSV file, beside the pair file

    bool operator==(const RatingInputs&) const = default;
    // True when every text is empty: the pair carries no rating inputs.
    bool empty() const { return *this == RatingInputs{}; }
};

// One rating column: its name in a pair file and where its text lives. A column
// of the shaft, the flank modification, the power split, the hardness or the
// material page's choice or the load spectrum's file is written to a pair file only
// when one of them is filled, so that a pair rated without them keeps the columns
// (and bytes) it always had.
struct RatingField {
    const char* name;
    std::string RatingInputs::*text;
    bool written_when_used = false;
};

#define GP_RATING_FIELD(name) \
    ::gp::RatingField { #name, &::gp::RatingInputs::name }
#define GP_RATING_FIELD_WHEN_USED(name) \
    ::gp::RatingField { #name, &::gp::RatingInputs::name, true }

// The rating columns, in the order pair files list them: the one table from
// which the batch tool's reader, the pair files and the rating window are made.
// clang-format off
inline constexpr std::array<RatingField, 50> kRatingFields = {
    GP_RATING_FIELD(n1),     GP_RATING_FIELD(KA),     GP_RATING_FIELD(Q1),
    GP_RATING_FIELD(Q2),     GP_RATING_FIELD(Ca),     GP_RATING_FIELD(KHb),
    GP_RATING_FIELD(Kv),     GP_RATING_FIELD(KHa),    GP_RATING_FIELD(mat1),
    GP_RATING_FIELD(mat2),   GP_RATING_FIELD(sHlim1), GP_RATING_FIELD(sHlim2),
    GP_RATING_FIELD(sFlim1), GP_RATING_FIELD(sFlim2), GP_RATING_FIELD(E1),
    GP_RATING_FIELD(E2),     GP_RATING_FIELD(nu1),    GP_RATING_FIELD(nu2),
    GP_RATING_FIELD(rho1),   GP_RATING_FIELD(rho2),   GP_RATING_FIELD(nu40),
    GP_RATING_FIELD(Ra1),    GP_RATING_FIELD(Ra2),    GP_RATING_FIELD(RzF1),
    GP_RATING_FIELD(RzF2),   GP_RATING_FIELD(Lh),     GP_RATING_FIELD(YN10),
    GP_RATING_FIELD(SHmin),  GP_RATING_FIELD(SFmin),  GP_RATING_FIELD(sR1),
    GP_RATING_FIELD(sR2),
    GP_RATING_FIELD_WHEN_USED(HB1),      GP_RATING_FIELD_WHEN_USED(HB2),
    GP_RATING_FIELD_WHEN_USED(shaft),    GP_RATING_FIELD_WHEN_USED(l),
    GP_RATING_FIELD_WHEN_USED(s),        GP_RATING_FIELD_WHEN_USED(dsh),
    GP_RATING_FIELD_WHEN_USED(hmod),     GP_RATING_FIELD_WHEN_USED(k),
    GP_RATING_FIELD_WHEN_USED(grade1),   GP_RATING_FIELD_WHEN_USED(grade2),
    GP_RATING_FIELD_WHEN_USED(type1),    GP_RATING_FIELD_WHEN_USED(type2),
    GP_RATING_FIELD_WHEN_USED(quality1), GP_RATING_FIELD_WHEN_USED(quality2),
    GP_RATING_FIELD_WHEN_USED(hard1),    GP_RATING_FIELD_WHEN_USED(hard2),
    GP_RATING_FIELD_WHEN_USED(hunit1),   GP_RATING_FIELD_WHEN_USED(hunit2),
    GP_RATING_FIELD_WHEN_USED(spectrum),
};
// clang-format on

// Whether one of the columns written only when used holds a text.
inline bool uses_written_when_used(const RatingInputs& in) {
    for (const auto& f : kRatingFields) {
        if (f.written_when_used && !(in.*f.text).empty()) return true;
    }
    return false;
}

// Whether a column is one of the material page's choice (read by no calculation).
inline bool is_material_choice(std::string_view name) {
    for (const char* c : {"grade", "type", "quality", "hard", "hunit"}) {
        const std::string_view prefix = c;
        if (name.size() == prefix.size() + 1 && name.substr(0, prefix.size()) == prefix &&
            (name.back() == '1' || name.back() == '2')) {
            return true;
        }
    }
    return false;
}

// The rating column of that name, if there is one.
inline std::optional<RatingField> find_rating_field(std::string_view name) {
    for (const auto& f : kRatingFields) {
        if (name == f.name) return f;
    }
    return std::nullopt;
}

}  // namespace gp
