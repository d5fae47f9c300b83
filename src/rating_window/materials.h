// The material table materials.csv: one row per material, with the values a
// rating takes from it and where they come from. Picking a material fills the
// rating inputs of one gear, which stay editable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gp::rating {

struct Material {
    std::string name;   // grade and heat treatment, e.g. "20CrMnTi 渗碳淬火"
    std::string klass;  // ISO 6336-5 class: St V GG GGG GTS Eh IF NT NV
    std::string sHlim, sFlim, E, nu, rho;  // as the rating columns take them
    std::string source;                     // where the values come from
};

// The rows of a material table. Its header names the columns (name, class,
// sHlim, sFlim, E, nu, rho, source) in any order; a row without a name is
// skipped, a missing column is empty. Throws csv::ParseError on malformed CSV.
std::vector<Material> read_materials(std::string_view csv_text);

}  // namespace gp::rating
