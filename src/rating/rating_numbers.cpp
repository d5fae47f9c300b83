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
        throw StopSignal{msg::rating::not_a_class(
                             column, listed(kMaterialClassNames, msg::rating::kWordSeparator)),
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
    throw StopSignal{
        msg::rating::not_a_number(column),
        msg::rating::value_is(column, quoted_as_typed(text)) + msg::rating::kNotANumber, column};
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

namespace {

// Where each rating column's text goes: the column names come from the one table
// kRatingFields, this says only which number each text becomes.
using Reader = void (*)(RatingNumbers& n, const std::string& text, const char* column);
struct ColumnReader {
    std::string RatingInputs::*text;
    Reader read;
};

#define GP_READ(column, target)                                                                 \
    ColumnReader {                                                                              \
        &RatingInputs::column,                                                                  \
            [](RatingNumbers& n, const std::string& t, const char* c) { read(n.target, t, c); } \
    }
#define GP_WORD(column, target, words, first)                                            \
    ColumnReader {                                                                       \
        &RatingInputs::column, [](RatingNumbers& n, const std::string& t, const char*) { \
            read_word(n.target, t, words, first);                                        \
            n.column##_typed = t;                                                        \
        }                                                                                \
    }

// clang-format off
const ColumnReader kReaders[] = {
    GP_READ(n1, n1), GP_READ(KA, KA), GP_READ(Q1, Q[0]), GP_READ(Q2, Q[1]), GP_READ(Ca, Ca),
    GP_READ(KHb, KHb), GP_READ(Kv, Kv), GP_READ(KHa, KHa), GP_READ(mat1, mat[0]),
    GP_READ(mat2, mat[1]), GP_READ(sHlim1, sHlim[0]), GP_READ(sHlim2, sHlim[1]),
    GP_READ(sFlim1, sFlim[0]), GP_READ(sFlim2, sFlim[1]), GP_READ(E1, E[0]), GP_READ(E2, E[1]),
    GP_READ(nu1, nu[0]), GP_READ(nu2, nu[1]), GP_READ(rho1, rho[0]), GP_READ(rho2, rho[1]),
    GP_READ(nu40, nu40), GP_READ(Ra1, Ra[0]), GP_READ(Ra2, Ra[1]), GP_READ(RzF1, RzF[0]),
    GP_READ(RzF2, RzF[1]), GP_READ(Lh, Lh), GP_READ(YN10, YN10), GP_READ(SHmin, SHmin),
    GP_READ(SFmin, SFmin), GP_READ(sR1, sR[0]), GP_READ(sR2, sR[1]), GP_READ(HB1, HB[0]),
    GP_READ(HB2, HB[1]),
    GP_WORD(shaft, shaft, kShaftLetters, static_cast<int>(ShaftArrangement::a)),
    GP_READ(l, l), GP_READ(s, s), GP_READ(dsh, dsh),
    GP_WORD(hmod, hmod, kHelixModificationWords, 0), GP_READ(k, k),
};
// clang-format on

#undef GP_READ
#undef GP_WORD

}  // namespace

Outcome<RatingNumbers> parse_rating_inputs(const RatingInputs& t) {
    return run_to_outcome([&t] {
        RatingNumbers n;
        // In the order of the columns, so that the first bad cell is named.
        for (const RatingField& f : kRatingFields) {
            for (const ColumnReader& r : kReaders) {
                if (r.text == f.text) r.read(n, t.*f.text, f.name);
            }
        }
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
