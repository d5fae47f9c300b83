#include "meaningful_result.h"

#include <string>

#include "messages/base.h"
#include "messages/strength.h"
#include "stop.h"

namespace gp::strength {
namespace {

class Findings {
  public:
    void add(const std::string& finding) {
        if (!text_.empty()) text_ += msg::detail::kFindingSeparator;
        text_ += finding;
    }
    // One quantity of gear i that must be positive (msg::detail::kFormFactor, "YF", value).
    void positive(int i, const char* caption, const char* symbol, Real value) {
        if (value > 0.0) return;
        add(msg::detail::not_positive(i, caption, symbol, detail_number(value.value())));
    }
    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace

void require_meaningful(const StrengthCore& s, const BendingStresses& bending, Real sigma_H) {
    Findings f;
    for (int i = 0; i < 2; ++i) {
        const GearGeometry& g = s.geo.gear[i];
        // Compared as held: in single precision.
        if (!(g.da > g.df)) {
            f.add(msg::detail::tip_not_above_root(i, detail_number(g.da), detail_number(g.df)));
        }
        f.positive(i, msg::detail::kRootThickness, "sF", s.root[i].sF);
        f.positive(i, msg::detail::kFormFactor, "YF", bending.gear[i].YF);
        f.positive(i, msg::detail::kStressConcentration, "Kf", bending.gear[i].Kf);
        f.positive(i, msg::detail::kRootStress, "σF", bending.gear[i].sigma);
    }
    if (!(sigma_H > 0.0))
        f.add(msg::detail::contact_stress_not_positive(detail_number(sigma_H.value())));
    if (f.empty()) return;

    std::string detail = f.text();
    if (s.pair.torque == 0.0) detail += msg::detail::kZeroTorque;
    detail += msg::detail::strength_uses_typed_shifts(detail_number(s.pair.gear[0].xn.value()),
                                                      detail_number(s.pair.gear[1].xn.value()));
    throw StopSignal{msg::kMeaninglessStrength, detail};
}

}  // namespace gp::strength
