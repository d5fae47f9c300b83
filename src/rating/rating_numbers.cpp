#include "rating_numbers.h"

#include <cstdio>
#include <string>

#include "messages/rating.h"
#include "number_parse.h"

namespace gp::rating {
namespace {

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

void read(double& value, const std::string& text, const char* column) {
    if (auto v = typed_number(text, column)) value = *v;
}

void read(std::optional<double>& value, const std::string& text, const char* column) {
    value = typed_number(text, column);
}

void read(MaterialClass& value, const std::string& text, const char* column) {
    const std::string_view name = trimmed(text);
    if (name.empty()) return;
    const auto c = material_class_of(name);
    if (!c) {
        throw StopSignal{msg::rating::not_a_class(column),
                         msg::rating::value_is(column, quoted_as_typed(text)), column};
    }
    value = *c;
}

// A word of shaft or hmod: empty keeps the default, a word that is none of the
// column's is kept as Unknown for the rating to refuse in its order.
template <typename Enum, std::size_t N>
void read_word(Enum& value, const std::string& text, const std::array<const char*, N>& words,
               int first) {
    const std::string_view word = trimmed(text);
    if (word.empty()) return;
    value = Enum::Unknown;
    for (std::size_t i = 0; i < N; ++i) {
        if (word == words[i]) value = static_cast<Enum>(first + static_cast<int>(i));
    }
}

constexpr std::array<const char*, 5> kShaftLetters = {"a", "b", "c", "d", "e"};

}  // namespace

std::string quoted_as_typed(std::string_view text) {
    std::string shown = "“";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {  // a control character is named, never echoed
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            shown += code;
        } else {
            shown += c;
        }
    }
    return shown + "”";
}

std::optional<double> typed_number(const std::string& text, const char* column) {
    if (trimmed(text).empty()) return std::nullopt;
    try {
        return strict_convert(text, column);
    } catch (const StopSignal&) {  // letters or symbols, or beyond the doubles
    }
    throw StopSignal{msg::rating::not_a_number(column),
                     msg::rating::value_is(column, quoted_as_typed(text)) +
                         msg::rating::kNotANumber,
                     column};
}

std::optional<MaterialClass> material_class_of(std::string_view name) {
    for (std::size_t i = 0; i < kMaterialClassNames.size(); ++i) {
        if (name == kMaterialClassNames[i]) return static_cast<MaterialClass>(i);
    }
    return std::nullopt;
}

const char* material_class_name(MaterialClass c) {
    return kMaterialClassNames[static_cast<std::size_t>(c)];
}

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
        read(n.HB[0], t.HB1, "HB1");
        read(n.HB[1], t.HB2, "HB2");
        read_word(n.shaft, t.shaft, kShaftLetters, static_cast<int>(ShaftArrangement::a));
        n.shaft_typed = t.shaft;
        read(n.l, t.l, "l");
        read(n.s, t.s, "s");
        read(n.dsh, t.dsh, "dsh");
        read_word(n.hmod, t.hmod, kHelixModificationWords, 0);
        n.hmod_typed = t.hmod;
        read(n.k, t.k, "k");
        // The case-hardened defaults hold for case-hardened gears only.
        const GearPairOf<const std::string*> hlim = {&t.sHlim1, &t.sHlim2};
        const GearPairOf<const std::string*> flim = {&t.sFlim1, &t.sFlim2};
        for (int i = 0; i < kGears; ++i) {
            n.limits_missing[i] = n.mat[i] != MaterialClass::Eh &&
                                  (trimmed(*hlim[i]).empty() || trimmed(*flim[i]).empty());
        }
        return n;
    });
}

}  // namespace gp::rating
