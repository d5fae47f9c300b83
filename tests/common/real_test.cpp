#include "real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

namespace gp {
namespace {

TEST(Real, FaultsAreRaisedWhereTheyHappen) {
    const std::pair<const char*, std::function<Real()>> faults[] = {
        {"divide by zero", [] { return Real(1) / Real(0); }},
        {"zero by zero", [] { return Real(0) / Real(0); }},
        {"divide by negative zero", [] { return Real(1) / Real(-0.0); }},
        {"hidden in atan", [] { return atan(Real(1) / Real(0)); }},
        {"sqrt of negative", [] { return sqrt(Real(-1e-300)); }},
        {"overflow", [] { return Real(DBL_MAX) * 2; }},
        {"negative base", [] { return pow(Real(-2), Real(0.5)); }},
        {"not finite", [] { return Real(std::nan("")); }},
    };
    for (const auto& [what, f] : faults) EXPECT_THROW(f(), ArithmeticFault) << what;
}

TEST(Real, EvaluatesLikePlainDoubles) {
    const Real a = 0.1, b = 0.2, c = 3;
    EXPECT_EQ((a + b * c).value(), 0.1 + 0.2 * 3.0);
    EXPECT_EQ(sqrt(Real(0)).value(), 0.0);
    EXPECT_EQ(floor(Real(-2.5)).value(), -3.0);
    EXPECT_EQ(pow(Real(0), Real(0.3)).value(), 0.0);
}

}  // namespace
}  // namespace gp
