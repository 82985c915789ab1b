// A periodic timer on the clock that counts time the computer spends suspended. Windows' window
// timers run on its tick count, which goes on while the computer sleeps, so a delay set there is
// real time; Qt's timers run on CLOCK_MONOTONIC, which stops during suspend and would move the
// shutdown later by every sleep. A timerfd on CLOCK_BOOTTIME, watched by the event loop, keeps
// the delay real. Expiries that pile up while the program is busy count as one.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <memory>

namespace kestrune::qt {

class BootTimer final : public QObject {
 public:
  BootTimer();
  ~BootTimer() override;
  BootTimer(const BootTimer&) = delete;
  BootTimer& operator=(const BootTimer&) = delete;

  // The first expiry periodMs from now, then every periodMs.
  void Start(int32_t periodMs);
  // Stops the timer and forgets an expiry not yet taken.
  void Stop();
  // True once when an expiry has happened since the last call.
  bool TakeExpiry();

 private:
  void ReadExpiries();

  int descriptor_;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool pending_ = false;
};

}  // namespace kestrune::qt
