#include "ui/MoveThrottle.h"

#include <algorithm>

namespace tonalyx {
namespace {
constexpr qint64 kNeverSent = -MoveThrottle::kIntervalMs;
}  // namespace

MoveThrottle::MoveThrottle(int sliders, std::function<void(std::span<const int>)> send,
                           QObject* parent)
    : QObject(parent),
      send_(std::move(send)),
      last_sent_(static_cast<std::size_t>(sliders), kNeverSent),
      waiting_(static_cast<std::size_t>(sliders), false) {
  clock_.start();
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &MoveThrottle::SendDue);
}

void MoveThrottle::Moved(int slider) {
  const auto index = static_cast<std::size_t>(slider);
  const qint64 now = clock_.elapsed();
  const qint64 due = last_sent_[index] + kIntervalMs;
  if (now >= due && !waiting_[index]) {
    last_sent_[index] = now;
    send_(std::span(&slider, 1));
    return;
  }
  waiting_[index] = true;
  if (!timer_.isActive() || timer_.remainingTime() > due - now)
    timer_.start(static_cast<int>(std::max<qint64>(due - now, 0)));
}

void MoveThrottle::SendWaiting() {
  timer_.stop();
  std::vector<int> now_sent;
  for (std::size_t i = 0; i < waiting_.size(); ++i) {
    if (!waiting_[i]) continue;
    waiting_[i] = false;
    last_sent_[i] = clock_.elapsed();
    now_sent.push_back(static_cast<int>(i));
  }
  if (!now_sent.empty()) send_(now_sent);
}

void MoveThrottle::SendDue() {
  const qint64 now = clock_.elapsed();
  std::vector<int> now_sent;
  qint64 next_due = -1;
  for (std::size_t i = 0; i < waiting_.size(); ++i) {
    if (!waiting_[i]) continue;
    const qint64 due = last_sent_[i] + kIntervalMs;
    if (now >= due) {
      waiting_[i] = false;
      last_sent_[i] = now;
      now_sent.push_back(static_cast<int>(i));
    } else if (next_due < 0 || due < next_due) {
      next_due = due;
    }
  }
  if (next_due >= 0) timer_.start(static_cast<int>(next_due - now));
  if (!now_sent.empty()) send_(now_sent);
}

}  // namespace tonalyx
