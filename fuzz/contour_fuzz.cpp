// Fuzz target: any bytes as a filled-in form, through the blocking contour. The
// contour ends in curves or in one of the system's messages, within its bounded
// work, with every point finite, inside the window and no more than the spacing
// from the one before it. A broken promise aborts, which the fuzzer records as a
// crash.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "blocking_contour.h"
#include "form_from_bytes.h"

namespace {

std::string first_broken_contour_promise(const gp::GearPairInput& form) {
    const gp::ContourOptions options;
    const auto outcome = gp::blocking_contour(form, options);
    if (const auto* stop = std::get_if<gp::Stop>(&outcome)) {
        return stop->message.empty() ? "a stop without a message" : "";
    }
    const gp::Contour& c = std::get<gp::Contour>(outcome);
    const long most =
        gp::kLimitCount * options.max_evaluations_per_curve + options.max_seed_evaluations;
    if (c.evaluations > most) return "more evaluations than the bound";
    const gp::ShiftWindow& w = options.window;
    for (const gp::LimitCurve& curve : c.curves) {
        for (const auto& run : curve.runs) {
            if (run.size() < 2) return std::string(gp::limit_name(curve.limit)) + ": a lone point";
            for (std::size_t k = 0; k < run.size(); ++k) {
                const gp::PlanePoint& p = run[k];
                if (!std::isfinite(p.x1) || !std::isfinite(p.x2) || !std::isfinite(p.a) ||
                    p.a <= 0) {
                    return std::string(gp::limit_name(curve.limit)) + ": a point not finite";
                }
                if (p.x1 < w.x1_min || p.x1 > w.x1_max || p.x2 < w.x2_min || p.x2 > w.x2_max) {
                    return std::string(gp::limit_name(curve.limit)) + ": a point outside";
                }
                if (k > 0 &&
                    std::hypot(p.x1 - run[k - 1].x1, p.x2 - run[k - 1].x2) > options.spacing) {
                    return std::string(gp::limit_name(curve.limit)) + ": points too far apart";
                }
            }
        }
    }
    for (const auto* point : {&c.dx1, &c.dx2, &c.current}) {
        if (const auto* p = std::get_if<gp::PlanePoint>(point)) {
            if (!std::isfinite(p->x1) || !std::isfinite(p->x2) || !std::isfinite(p->a)) {
                return "a marked point not finite";
            }
        } else if (std::get<gp::Stop>(*point).message.empty()) {
            return "a marked point without a message";
        }
    }
    return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string broken = first_broken_contour_promise(gp::fuzz::form_from_bytes(bytes));
    if (!broken.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
