// A calculation that cannot go on ends with one of the system's messages. Inside a
// calculation the stop travels as an exception; at its top it becomes a plain value.
//
// Beside its message every stop carries a detail: a short explanation in the
// engineer's words of what failed, with the numbers that matter.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace gp {

struct Stop {
    std::string message;
    std::string detail = {};  // what failed, with its values; never empty once computed
    std::string field = {};   // the input field to correct, when the stop knows it
};

// Thrown where a calculation has to end with a message.
struct StopSignal {
    std::string message;
    std::string detail = {};
    std::string field = {};
};

// What went wrong in an arithmetic step.
enum class FaultKind {
    DivisionByZero,
    NegativeRoot,  // square root of a negative number, or such a power
    OutOfRange,    // overflow or any other non-finite value
};

// Thrown by the checked arithmetic: division by zero, square root of a negative
// number, overflow or any other non-finite value. Calculations may catch it to
// replace the message (the pin iteration does); otherwise it means kCannotCompute.
// Its detail names the quantity being computed (see Computing) and the fault.
struct ArithmeticFault : StopSignal {
    explicit ArithmeticFault(FaultKind kind = FaultKind::OutOfRange);
    FaultKind kind;
};

// Names what a stretch of a calculation does ("计算端面重合度"), for the detail of
// an arithmetic fault raised inside it ("计算端面重合度时除数为 0"). Scopes nest; the
// innermost one counts. The name must outlive the scope (a literal).
class Computing {
  public:
    explicit Computing(const char* quantity);
    ~Computing();
    Computing(const Computing&) = delete;
    Computing& operator=(const Computing&) = delete;
    // The stretch goes on with the next quantity.
    void now(const char* quantity);

    // The innermost quantity being computed, or nullptr outside every scope.
    static const char* current();

  private:
    const char* previous_;
};

// A number in an explanation: up to 5 decimals for ordinary magnitudes, six
// significant digits for very small or very large ones. Never throws.
std::string detail_number(double value);

template <typename Result>
using Outcome = std::variant<Result, Stop>;

// Runs a calculation body and turns any stop raised inside it into a value.
template <typename Body>
auto run_to_outcome(Body&& body) -> Outcome<decltype(body())> {
    try {
        return body();
    } catch (const StopSignal& s) {
        return Stop{s.message, s.detail, s.field};
    }
}

}  // namespace gp
