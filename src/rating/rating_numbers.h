// The rating inputs as numbers: the typed texts read by their columns' rules, the
// empty ones replaced by their defaults.
#pragma once

#include <optional>
#include <string_view>

#include "gear_pair_of.h"
#include "rating_inputs.h"
#include "stop.h"

namespace gp::rating {

// Material classes by their ISO 6336-5 abbreviations.
enum class MaterialClass { St, V, GG, GGG, GTS, Eh, IF, NT, NV };

// The class of that abbreviation, if it is one.
std::optional<MaterialClass> material_class_of(std::string_view name);
const char* material_class_name(MaterialClass c);

struct RatingNumbers {
    std::optional<double> n1;  // pinion speed, 1/min; empty refused
    double KA = 1.0;
    GearPairOf<double> Q{6.0, 6.0};      // accuracy grades (checked to be whole numbers 0…12)
    std::optional<double> Ca;            // tip relief, µm; empty: the mean of the Cay values
    std::optional<double> KHb, Kv, KHa;  // given factors
    GearPairOf<MaterialClass> mat{MaterialClass::Eh, MaterialClass::Eh};
    GearPairOf<double> sHlim{1500.0, 1500.0};  // N/mm²
    GearPairOf<double> sFlim{500.0, 500.0};    // N/mm²
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
};

// Reads every rating text by its column's rule: a number (blanks around allowed),
// or for mat1/mat2 a class name. Empty texts take their defaults. A text that is
// not what its column holds stops, naming the column (the stop's field). Ranges
// are checked by the rating itself.
Outcome<RatingNumbers> parse_rating_inputs(const RatingInputs& texts);

}  // namespace gp::rating
