#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <span>
#include <vector>

namespace tonalyx {

// Passes the moves of a row of sliders on as they come, but no more than one
// send per slider every kIntervalMs: a move within that time of the slider's
// last send waits for it to pass, and then only the slider's newest value
// goes out. `send` gets the sliders to send now, by number.
class MoveThrottle : public QObject {
 public:
  static constexpr int kIntervalMs = 10;

  MoveThrottle(int sliders, std::function<void(std::span<const int> sliders)> send,
               QObject* parent);
  void Moved(int slider);
  // Sends every slider still waiting at once (before the sliders start to
  // stand for something else).
  void SendWaiting();

 private:
  void SendDue();

  std::function<void(std::span<const int>)> send_;
  QElapsedTimer clock_;
  // Per slider: when it was last sent (ms on clock_, or none yet), and
  // whether a move waits.
  std::vector<qint64> last_sent_;
  std::vector<bool> waiting_;
  QTimer timer_;
};

}  // namespace tonalyx
