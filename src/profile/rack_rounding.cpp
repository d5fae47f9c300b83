#include "rack_rounding.h"

#include "messages.h"
#include "number_parse.h"

namespace gp {
namespace {

Outcome<RackRounding> rounding_of(const std::string& text, double mn) {
    if (text.empty()) return RackRounding{kDefaultRoundingPerModule * mn, true};
    return run_to_outcome([&text] {
        // The whole text must be a number: a radius is never guessed from a prefix.
        const double radius = strict_convert(text);
        if (radius < 0.0) throw StopSignal{msg::kCannotCompute};
        return RackRounding{radius, false};
    });
}

}  // namespace

Outcome<GearPairOf<RackRounding>> rack_roundings(const GearPairInput& form, double mn) {
    GearPairOf<RackRounding> r;
    const std::string* texts[kGears] = {&form.cgyj1, &form.cgyj2};
    for (int i = 0; i < kGears; ++i) {
        auto one = rounding_of(*texts[i], mn);
        if (auto* stop = std::get_if<Stop>(&one)) return *stop;
        r[i] = std::get<RackRounding>(one);
    }
    return r;
}

}  // namespace gp
