#include "materials.h"

#include <array>

#include "csv.h"

namespace gp::rating {

std::vector<Material> read_materials(std::string_view csv_text) {
    const std::vector<csv::Record> records = csv::parse(csv_text);
    std::vector<Material> out;
    if (records.empty()) return out;
    const std::array<std::pair<const char*, std::string Material::*>, 8> columns = {{
        {"name", &Material::name},
        {"class", &Material::klass},
        {"sHlim", &Material::sHlim},
        {"sFlim", &Material::sFlim},
        {"E", &Material::E},
        {"nu", &Material::nu},
        {"rho", &Material::rho},
        {"source", &Material::source},
    }};
    std::vector<std::string Material::*> where;  // per cell of a row; nullptr: ignored
    for (const std::string& head : records.front().cells) {
        std::string Material::*field = nullptr;
        for (const auto& [name, f] : columns) {
            if (head == name) field = f;
        }
        where.push_back(field);
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        Material m;
        const auto& cells = records[r].cells;
        for (std::size_t i = 0; i < cells.size() && i < where.size(); ++i) {
            if (where[i]) m.*where[i] = cells[i];
        }
        if (!m.name.empty()) out.push_back(std::move(m));
    }
    return out;
}

}  // namespace gp::rating
