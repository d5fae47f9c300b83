// A calculation that cannot go on ends with one of the system's messages. Inside a
// calculation the stop travels as an exception; at its top it becomes a plain value.
#pragma once

#include <string>
#include <utility>
#include <variant>

#include "messages.h"

namespace gp {

struct Stop {
    std::string message;
    std::string field = {};  // the input field to correct, when the stop knows it
};

// Thrown where a calculation has to end with a message.
struct StopSignal {
    std::string message;
    std::string field = {};
};

// Thrown by the checked arithmetic: division by zero, square root of a negative
// number, overflow or any other non-finite value. Calculations may catch it to
// replace the message (the pin iteration does); otherwise it means kCannotCompute.
struct ArithmeticFault : StopSignal {
    ArithmeticFault() : StopSignal{msg::kCannotCompute} {}
};

template <typename Result>
using Outcome = std::variant<Result, Stop>;

// Runs a calculation body and turns any stop raised inside it into a value.
template <typename Body>
auto run_to_outcome(Body&& body) -> Outcome<decltype(body())> {
    try {
        return body();
    } catch (const StopSignal& s) {
        return Stop{s.message, s.field};
    }
}

}  // namespace gp
