// A clock stopped at one moment, the one the golden reports were made at.
#pragma once

#include "clock.h"

namespace gp {

class FakeClock : public Clock {
  public:
    ReportStamp now() override {
        ++readings;
        return stamp;
    }

    ReportStamp stamp{"2026/12/7", "14:03:05"};
    int readings = 0;
};

}  // namespace gp
