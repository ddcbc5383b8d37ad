// Local date and time and pauses, behind an interface so that tests can fix the date and record
// the pauses instead of sleeping.
#pragma once

#include <chrono>

namespace harbo::platform {

struct LocalDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
  virtual void Sleep(std::chrono::milliseconds pause) = 0;
};

class SystemClock final : public Clock {
 public:
  LocalDateTime Now() const override;
  void Sleep(std::chrono::milliseconds pause) override;
};

}  // namespace harbo::platform
