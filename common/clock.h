// The system clock in local time, to the whole second, behind an interface so that tests
// can set the time of day.
#pragma once

namespace common {

struct DateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

// The real clock: the system's current time converted to the local time zone.
class SystemClock final : public Clock {
 public:
  DateTime now() const override;
};

}  // namespace common
