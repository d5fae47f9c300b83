// The system clock, written the way the user's locale writes dates and times.
#pragma once

#include <QString>

#include "clock.h"

class QLocale;

namespace gp {

class QtClock : public Clock {
  public:
    ReportStamp now() override;
};

// The locale's short time format, with seconds added after the minutes when it
// has none (reports stamp the second they were made).
QString time_format_with_seconds(const QLocale& locale);

}  // namespace gp
