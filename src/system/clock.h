// The moment a report is printed or saved, as the report writes it.
#pragma once

#include "report_stamp.h"

namespace gp {

class Clock {
  public:
    virtual ~Clock() = default;
    // Date and time of one instant, in the system's short date and time formats.
    virtual ReportStamp now() = 0;
};

}  // namespace gp
