// The computer's clock, written in the system's short date and time formats: the
// one clock of the desktop program and the batch tool, so that the two stamp a
// report alike on the same machine.
#pragma once

#include <optional>

#include "clock.h"

namespace gp {

class SystemClock : public Clock {
  public:
    SystemClock() = default;
    // A clock that always shows `fixed` (for reports that must come out the same on
    // every run), still in the system's formats.
    explicit SystemClock(LocalTime fixed) : fixed_(fixed) {}

    // On Windows the user's short date and time formats as the system writes them;
    // elsewhere the formats of the locale LC_TIME names (stamp_formats_of_locale).
    ReportStamp now() override;

  private:
    std::optional<LocalTime> fixed_;
};

}  // namespace gp
