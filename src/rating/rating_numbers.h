// The rating inputs as numbers: the typed texts read by their columns' rules, the
// empty ones replaced by their defaults.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "gear_pair_of.h"
#include "rating_inputs.h"
#include "stop.h"

namespace gp::rating {

// The form's torque is typed in kgf·m; the rating computes in N·m.
inline constexpr double kNewtonMetresPerKgfMetre = 9.80665;

// Material classes by their ISO 6336-5 abbreviations.
enum class MaterialClass { St, V, GG, GGG, GTS, Eh, IF, NT, NV };

// The class names, in the order of MaterialClass: the one list the reader, the
// messages and the rating window take them from.
inline constexpr std::array<const char*, 9> kMaterialClassNames = {"St", "V",  "GG", "GGG", "GTS",
                                                                   "Eh", "IF", "NT", "NV"};

// The class of that abbreviation, if it is one.
std::optional<MaterialClass> material_class_of(std::string_view name);
const char* material_class_name(MaterialClass c);

// How the pinion sits on its shaft (the five arrangements of ISO 6336-1 that
// define the shaft constant K′), or no shaft term at all.
enum class ShaftArrangement { None, a, b, c, d, e, Unknown };
// The modification of the pinion's helix that lowers the face load factor.
enum class HelixModification { None, Crown, Correction, CorrectionAndCrown, EndRelief, Unknown };

// The words of the hmod column, in the order of HelixModification.
inline constexpr std::array<const char*, 5> kHelixModificationWords = {"none", "crown", "corr",
                                                                       "corrcrown", "end"};
// The letters of the shaft column, in the order of ShaftArrangement from a.
inline constexpr std::array<const char*, 5> kShaftLetters = {"a", "b", "c", "d", "e"};

// The words of a column listed for a message, `separator` between them.
template <std::size_t N>
std::string listed(const std::array<const char*, N>& words, const char* separator) {
    std::string all;
    for (const char* w : words) {
        if (!all.empty()) all += separator;
        all += w;
    }
    return all;
}

struct RatingNumbers {
    std::optional<double> n1;  // speed of the driving gear, 1/min; empty refused
    double KA = 1.0;
    GearPairOf<double> Q{6.0, 6.0};      // accuracy grades (checked to be whole numbers 0…12)
    std::optional<double> Ca;            // tip relief, µm; empty: the mean of the Cay values
    std::optional<double> KHb, Kv, KHa;  // given factors
    GearPairOf<MaterialClass> mat{MaterialClass::Eh, MaterialClass::Eh};
    GearPairOf<double> sHlim{1500.0, 1500.0};  // N/mm²
    GearPairOf<double> sFlim{500.0, 500.0};    // N/mm²
    // A limit left empty for a class other than Eh: the case-hardened default
    // above does not hold for it, and the rating refuses the pair.
    GearPairOf<bool> limits_missing{false, false};
    GearPairOf<double> E{206000.0, 206000.0};  // N/mm²
    GearPairOf<double> nu{0.3, 0.3};
    GearPairOf<double> rho{7830.0, 7830.0};  // kg/m³
    double nu40 = 220.0;                     // mm²/s
    GearPairOf<double> Ra{1.0, 1.0};         // µm
    GearPairOf<std::optional<double>> RzF;   // µm; empty: 6·Ra
    std::optional<double> Lh;                // h; empty: endurance
    double YN10 = 0.85;
    double SHmin = 1.0, SFmin = 1.0;
    GearPairOf<std::optional<double>> sR;  // mm; empty: solid
    GearPairOf<std::optional<double>> HB;  // flank Brinell hardness, HBW; empty: ZW = 1
    ShaftArrangement shaft = ShaftArrangement::None;
    std::optional<double> l, s, dsh;  // bearing span, offset, pinion shaft diameter, mm
    HelixModification hmod = HelixModification::None;
    std::string shaft_typed, hmod_typed;  // the words as typed, for a refusal's message
    double k = 100.0;                     // share of the power through this mesh, %
};

// Reads every rating text by its column's rule: a number (blanks around allowed),
// or for mat1/mat2 a class name, for shaft and hmod a word (one that is none of
// theirs is refused by the rating, after the numbers). Empty texts take their
// defaults. A text that is
// not what its column holds stops, naming the column (the stop's field). Ranges
// are checked by the rating itself.
Outcome<RatingNumbers> parse_rating_inputs(const RatingInputs& texts);

// The number a rating text holds, read by the program's one reader; nothing for
// a blank text. A text that is not a number stops, naming `column`.
std::optional<double> typed_number(const std::string& text, const char* column);

// A typed text as a message quotes it: in quotes, control characters shown by
// their code (\x00) instead of being echoed.
std::string quoted_as_typed(std::string_view text);

}  // namespace gp::rating
