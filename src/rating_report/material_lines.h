// The endurance limits of gear materials as ISO 6336-5:2016 Table 1 gives them:
// per material class, contact or bending and quality (ML, MQ, ME) a straight line
// σlim = A·x + B in the surface hardness x (HBW or HV), valid over a hardness
// range. A bending line gives σFlim (σFE = 2·σFlim). Some classes have several
// lines by type (wrought or cast, carbon or alloy steel, the core hardness of a
// case-hardened tooth), some qualities two segments meeting at a hardness.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gp::rating {

enum class LimitKind { Contact, Bending };
enum class HardnessUnit { HBW, HV, HRC };

struct MaterialLine {
    int row = 0;            // the table's row, 1 to 73
    std::string code;       // St V V-cast GG GGG GTS Eh IF NT NV NV-nc
    std::string type;       // wrought cast carbon alloy core25-lower core25-upper core30, or empty
    LimitKind kind = LimitKind::Contact;
    std::string quality;    // "ML", "MQ", "ME", or two joined by "/"
    double A = 0, B = 0;
    HardnessUnit unit = HardnessUnit::HV;
    double hmin = 0, hmax = 0;

    double at(double x) const { return A * x + B; }
    bool has_quality(std::string_view q) const;
};

// The lines of a table in the file's layout (header row,class,code,type,stress,
// quality,A,B,unit,hmin,hmax,note). Throws csv::ParseError on malformed CSV and
// std::invalid_argument on a row that is not a line.
std::vector<MaterialLine> read_material_lines(std::string_view csv_text);
// The program's own table, ISO 6336-5:2016 Table 1 (iso6336-5-lines.csv).
const std::vector<MaterialLine>& material_lines();

// The material codes in the table's order, and the types one of them has.
std::vector<std::string> material_codes();
std::vector<std::string> material_types(std::string_view code);
inline constexpr const char* kQualities[] = {"ML", "MQ", "ME"};
// The rating's class of a code: V-cast is rated as V, NV-nc as NV.
std::string rating_class_of(std::string_view code);
// Whether the class rates its work hardening by the Brinell hardness (ZW): the
// through-hardened and the cast materials.
bool is_soft_class(std::string_view code);

const char* unit_name(HardnessUnit unit);
std::optional<HardnessUnit> hardness_unit_of(std::string_view name);

// A hardness in another unit by ISO 18265:2013 Table A.1 (unalloyed and low-alloy
// steels and cast steel), linear between its rows; empty outside the table.
std::optional<double> convert_hardness(double value, HardnessUnit from, HardnessUnit to);

struct MaterialChoice {
    std::string code, type, quality;
    double hardness = 0;
    HardnessUnit unit = HardnessUnit::HV;
};

struct MaterialLimits {
    double sHlim = 0, sFlim = 0;
    const MaterialLine* contact = nullptr;
    const MaterialLine* bending = nullptr;
    std::optional<double> HB;  // the Brinell hardness, for a soft class
};

// One limit of a chosen material: the value and the line it was read from, or why
// there is none.
struct LineLimit {
    double value = 0;
    const MaterialLine* line = nullptr;
};
std::variant<LineLimit, std::string> line_limit(const MaterialChoice& choice, LimitKind kind);

// The limits of a chosen material, or why there are none (in the user's words:
// a hardness outside the line's range names the range).
std::variant<MaterialLimits, std::string> material_limits(const MaterialChoice& choice);

}  // namespace gp::rating
