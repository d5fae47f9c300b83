#include "rating_numbers.h"

#include <array>
#include <string>

#include "messages/rating.h"
#include "number_parse.h"

namespace gp::rating {
namespace {

constexpr std::array<const char*, 9> kClassNames = {"St", "V",  "GG", "GGG", "GTS",
                                                    "Eh", "IF", "NT", "NV"};

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

[[noreturn]] void not_a_number(const char* column, const std::string& text) {
    throw StopSignal{msg::rating::not_a_number(column),
                     msg::rating::value_is(column, "“" + text + "”") + msg::rating::kNotANumber,
                     column};
}

// The number a text holds, or nothing for the empty text; stops naming `column`.
std::optional<double> number(const std::string& text, const char* column) {
    if (trimmed(text).empty()) return std::nullopt;
    if (!is_numeric(text)) not_a_number(column, text);
    try {
        return lenient_parse(text);
    } catch (const StopSignal&) {  // beyond the doubles
        not_a_number(column, text);
    }
}

void read(double& value, const std::string& text, const char* column) {
    if (auto v = number(text, column)) value = *v;
}

void read(std::optional<double>& value, const std::string& text, const char* column) {
    value = number(text, column);
}

void read(MaterialClass& value, const std::string& text, const char* column) {
    const std::string_view name = trimmed(text);
    if (name.empty()) return;
    const auto c = material_class_of(name);
    if (!c) {
        throw StopSignal{msg::rating::not_a_class(column),
                         msg::rating::value_is(column, "“" + text + "”"), column};
    }
    value = *c;
}

}  // namespace

std::optional<MaterialClass> material_class_of(std::string_view name) {
    for (std::size_t i = 0; i < kClassNames.size(); ++i) {
        if (name == kClassNames[i]) return static_cast<MaterialClass>(i);
    }
    return std::nullopt;
}

const char* material_class_name(MaterialClass c) { return kClassNames[static_cast<int>(c)]; }

Outcome<RatingNumbers> parse_rating_inputs(const RatingInputs& t) {
    return run_to_outcome([&t] {
        RatingNumbers n;
        // In the order of the columns, so that the first bad cell is named.
        read(n.n1, t.n1, "n1");
        read(n.KA, t.KA, "KA");
        read(n.Q[0], t.Q1, "Q1");
        read(n.Q[1], t.Q2, "Q2");
        read(n.Ca, t.Ca, "Ca");
        read(n.KHb, t.KHb, "KHb");
        read(n.Kv, t.Kv, "Kv");
        read(n.KHa, t.KHa, "KHa");
        read(n.mat[0], t.mat1, "mat1");
        read(n.mat[1], t.mat2, "mat2");
        read(n.sHlim[0], t.sHlim1, "sHlim1");
        read(n.sHlim[1], t.sHlim2, "sHlim2");
        read(n.sFlim[0], t.sFlim1, "sFlim1");
        read(n.sFlim[1], t.sFlim2, "sFlim2");
        read(n.E[0], t.E1, "E1");
        read(n.E[1], t.E2, "E2");
        read(n.nu[0], t.nu1, "nu1");
        read(n.nu[1], t.nu2, "nu2");
        read(n.rho[0], t.rho1, "rho1");
        read(n.rho[1], t.rho2, "rho2");
        read(n.nu40, t.nu40, "nu40");
        read(n.Ra[0], t.Ra1, "Ra1");
        read(n.Ra[1], t.Ra2, "Ra2");
        read(n.RzF[0], t.RzF1, "RzF1");
        read(n.RzF[1], t.RzF2, "RzF2");
        read(n.Lh, t.Lh, "Lh");
        read(n.YN10, t.YN10, "YN10");
        read(n.SHmin, t.SHmin, "SHmin");
        read(n.SFmin, t.SFmin, "SFmin");
        read(n.sR[0], t.sR1, "sR1");
        read(n.sR[1], t.sR2, "sR2");
        return n;
    });
}

}  // namespace gp::rating
