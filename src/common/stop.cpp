#include "stop.h"

#include <cmath>
#include <cstdio>

#include "number_text.h"

namespace gp {
namespace {

thread_local const char* current_quantity = nullptr;

const char* fault_text(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return "除数为 0";
        case FaultKind::NegativeRoot:
            return "对负数开平方";
        case FaultKind::OutOfRange:
            break;
    }
    return "数值超出计算范围";
}

std::string fault_detail(FaultKind kind) {
    const char* quantity = Computing::current();
    return std::string(quantity ? quantity : "计算") + "时" + fault_text(kind);
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
    if (!std::isfinite(value)) return "（超出范围）";
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0 || (magnitude >= 1e-4 && magnitude < 1e9)) {
        return text_of_double(std::floor(value * 100000.0 + 0.5) / 100000.0);
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", value);
    return buf;
}

}  // namespace gp
