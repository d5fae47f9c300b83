#include "stop.h"

#include <cmath>
#include <cstdio>

#include "messages/base.h"
#include "number_text.h"

namespace gp {
namespace {

thread_local const char* current_quantity = nullptr;

const char* fault_text(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return msg::detail::kDivisionByZero;
        case FaultKind::NegativeRoot:
            return msg::detail::kNegativeRoot;
        case FaultKind::OutOfRange:
            break;
    }
    return msg::detail::kOutOfRange;
}

std::string fault_detail(FaultKind kind) {
    const char* quantity = Computing::current();
    return msg::detail::fault_while(quantity ? quantity : msg::detail::kSomeCalculation,
                                    fault_text(kind));
}

}  // namespace

ArithmeticFault::ArithmeticFault(FaultKind k)
    : StopSignal{msg::kCannotCompute, fault_detail(k)}, kind(k) {}

Computing::Computing(const char* quantity) : previous_(current_quantity) {
    current_quantity = quantity;
}

Computing::~Computing() { current_quantity = previous_; }

void Computing::now(const char* quantity) { current_quantity = quantity; }

const char* Computing::current() { return current_quantity; }

std::string detail_number(double value) {
    if (!std::isfinite(value)) return msg::detail::kNumberOutOfRange;
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0 || (magnitude >= 1e-4 && magnitude < 1e9)) {
        return text_of_double(std::floor(value * 100000.0 + 0.5) / 100000.0);
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", value);
    return buf;
}

}  // namespace gp
