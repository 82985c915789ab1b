// The timerfd behind a timer control.
#include "runtime/qt/boot_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

namespace kestrune::qt {
namespace {

timespec FromMs(int32_t ms) { return {ms / 1000, static_cast<long>(ms % 1000) * 1000000L}; }

}  // namespace

BootTimer::BootTimer()
    : descriptor_(timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC)),
      notifier_(std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read)) {
  connect(notifier_.get(), &QSocketNotifier::activated, this, &BootTimer::ReadExpiries);
}

BootTimer::~BootTimer() {
  notifier_.reset();
  close(descriptor_);
}

void BootTimer::Start(int32_t periodMs) {
  const itimerspec setting{FromMs(periodMs), FromMs(periodMs)};
  timerfd_settime(descriptor_, 0, &setting, nullptr);
  pending_ = false;
}

void BootTimer::Stop() {
  const itimerspec off{};
  timerfd_settime(descriptor_, 0, &off, nullptr);
  ReadExpiries();  // empties the descriptor
  pending_ = false;
}

bool BootTimer::TakeExpiry() {
  const bool taken = pending_;
  pending_ = false;
  return taken;
}

void BootTimer::ReadExpiries() {
  uint64_t expiries = 0;
  if (read(descriptor_, &expiries, sizeof expiries) == sizeof expiries && expiries > 0) {
    pending_ = true;
  }
}

}  // namespace kestrune::qt
