// The simulated window system: message queue, timers and launches on a virtual clock.
#include "runtime/sim/sim_platform.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "runtime/integer_entry.h"
#include "runtime/windows_requests.h"

namespace kestrune::sim {
namespace {

constexpr int64_t kInputIdleLimitMs = 1000;

// The length in bytes of the first characters of a GBK text; a lead byte takes its trail byte.
std::size_t FirstCharacters(std::string_view text, int characters) {
  std::size_t bytes = 0;
  for (; characters > 0 && bytes < text.size(); --characters) {
    bytes += static_cast<unsigned char>(text[bytes]) >= 0x80 ? 2 : 1;
  }
  return std::min(bytes, text.size());
}

}  // namespace

bool SimPlatform::CreateMainWindow(const WindowTemplate& window, EventSink& sink) {
  if (refuseWindow_) return false;
  window_ = &window;
  sink_ = &sink;
  for (const ControlTemplate& control : window.controls) {
    texts_.emplace_back(control.text ? control.text : "");
  }
  return true;
}

void SimPlatform::HandlePendingMessages() {
  while (HandleOneMessage()) {
  }
}

int SimPlatform::RunMessageLoop() {
  while (!quit_) {
    if (HandleOneMessage()) continue;
    const std::optional<int64_t> wake = NextWake();
    if (!wake) throw std::logic_error("the simulated message loop would wait forever");
    AdvanceTo(*wake);
  }
  return 0;
}

std::string SimPlatform::ControlText(int control) { return texts_.at(control); }

void SimPlatform::SetControlText(int control, std::string_view text) {
  texts_.at(control) = text;
  if (window_->controls[control].type == UnitType::EditBox) sink_->OnEditChanged(control);
}

void SimPlatform::StartTimer(int control, int32_t periodMs) {
  timers_[control] = Timer{periodMs, now_ + periodMs, timersSet_++};
}

void SimPlatform::StopTimer(int control) { timers_.erase(control); }

void SimPlatform::RequestPowerOff() { StartShutdownTool(*this, systemDirectory_); }

void SimPlatform::OpenWebPage(std::string_view address) { StartInternetExplorer(*this, address); }

bool SimPlatform::StartProcess(std::string_view commandLine, bool waitForExit, ShowState show) {
  launches_.push_back({std::string(commandLine), waitForExit, show, now_});
  if (launchFails_) return false;
  Spend(waitForExit ? launchWait_ : std::min(launchWait_, kInputIdleLimitMs));
  return true;
}

// The box's own message loop goes on dispatching to the program's windows while it shows.
void SimPlatform::ShowErrorBox(std::string_view caption, std::string_view text) {
  errorBoxes_.push_back({std::string(caption), std::string(text)});
  HandlePendingMessages();
}

void SimPlatform::EndProcess(int exitCode) {
  exitCode_ = exitCode;
  DestroyWindow();
  throw ProcessEnded{exitCode};
}

void SimPlatform::ClickAt(int64_t time, std::string_view control) {
  scheduled_.push_back({time, Input::Kind::Click, std::string(control), {}});
}

void SimPlatform::TypeAt(int64_t time, std::string_view control, std::string_view keys) {
  scheduled_.push_back({time, Input::Kind::Type, std::string(control), std::string(keys)});
}

void SimPlatform::Paste(std::string_view control, std::string_view text) {
  scheduled_.push_back({now_, Input::Kind::Paste, std::string(control), std::string(text)});
}

void SimPlatform::CloseAt(int64_t time) {
  scheduled_.push_back({time, Input::Kind::Close, {}, {}});
}

void SimPlatform::RunFor(int64_t ms) {
  const int64_t end = now_ + ms;
  while (!quit_) {
    if (HandleOneMessage()) continue;
    const std::optional<int64_t> wake = NextWake();
    if (!wake || *wake > end) break;
    AdvanceTo(*wake);
  }
  now_ = std::max(now_, end);
}

void SimPlatform::Spend(int64_t ms) { AdvanceTo(now_ + ms); }

bool SimPlatform::TimerSet(std::string_view control) const {
  return timers_.contains(IndexOf(control));
}

std::string SimPlatform::FieldText(std::string_view control) const {
  return texts_.at(IndexOf(control));
}

int SimPlatform::IndexOf(std::string_view control) const {
  for (std::size_t i = 0; i < window_->controls.size(); ++i) {
    if (window_->controls[i].name == control) return static_cast<int>(i);
  }
  throw std::invalid_argument("no control named " + std::string(control));
}

// Moves the clock on: input that has arrived joins the queue, and each timer that fell due
// has one expiry pending however many periods went by. Timers keep their phase.
void SimPlatform::AdvanceTo(int64_t time) {
  now_ = std::max(now_, time);
  auto arrived = std::stable_partition(scheduled_.begin(), scheduled_.end(),
                                       [this](const Input& in) { return in.time <= now_; });
  std::vector<Input> due(std::make_move_iterator(scheduled_.begin()),
                         std::make_move_iterator(arrived));
  scheduled_.erase(scheduled_.begin(), arrived);
  std::stable_sort(due.begin(), due.end(),
                   [](const Input& a, const Input& b) { return a.time < b.time; });
  for (Input& in : due) input_.push_back(std::move(in));
  for (auto& [control, timer] : timers_) {
    if (timer.nextDue > now_) continue;
    if (!timer.pending) timer.dueSince = timer.nextDue;
    timer.pending = true;
    timer.nextDue += timer.period * ((now_ - timer.nextDue) / timer.period + 1);
  }
}

// Input first, in order; a timer's expiry only when no input waits, the longest-waiting first.
bool SimPlatform::HandleOneMessage() {
  if (quit_) return false;
  AdvanceTo(now_);  // input given for now has arrived
  if (!input_.empty()) {
    const Input input = std::move(input_.front());
    input_.pop_front();
    HandleInput(input);
    return true;
  }
  auto next = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (!it->second.pending) continue;
    if (next == timers_.end() || std::pair(it->second.dueSince, it->second.setOrder) <
                                     std::pair(next->second.dueSince, next->second.setOrder)) {
      next = it;
    }
  }
  if (next == timers_.end()) return false;
  next->second.pending = false;
  sink_->OnTimer(next->first);
  return true;
}

void SimPlatform::HandleInput(const Input& input) {
  switch (input.kind) {
    case Input::Kind::Click: {
      const int control = IndexOf(input.control);
      if (window_->controls[control].tabStop) Focus(control);  // a picture button takes none
      sink_->OnClicked(control);
      break;
    }
    case Input::Kind::Type:
    case Input::Kind::Paste:
      Enter(IndexOf(input.control), input.text, input.kind == Input::Kind::Type);
      break;
    case Input::Kind::Close:
      DestroyWindow();
      break;
  }
}

// An integer entry box that loses the focus shows its number in normal form.
void SimPlatform::Focus(int control) {
  const int previous = std::exchange(focus_, control);
  if (previous < 0 || previous == control || !window_->controls[previous].integerEntry) return;
  const std::string normalized = NormalizedEntry(texts_[previous]);
  if (normalized != texts_[previous]) SetControlText(previous, normalized);
}

void SimPlatform::Enter(int control, std::string text, bool typed) {
  Focus(control);
  const ControlTemplate& field = window_->controls[control];
  if (field.integerEntry && typed) {
    std::erase_if(text, [](char c) { return !TakesTypedCharacter(static_cast<unsigned char>(c)); });
  }
  if (field.maxLength > 0) text.resize(FirstCharacters(text, field.maxLength));
  SetControlText(control, text);
}

void SimPlatform::DestroyWindow() {
  timers_.clear();
  input_.clear();
  scheduled_.clear();
  quit_ = true;
}

std::optional<int64_t> SimPlatform::NextWake() const {
  std::optional<int64_t> wake;
  for (const Input& in : scheduled_) wake = std::min(wake.value_or(in.time), in.time);
  for (const auto& [control, timer] : timers_) {
    wake = std::min(wake.value_or(timer.nextDue), timer.nextDue);
  }
  return wake;
}

}  // namespace kestrune::sim
