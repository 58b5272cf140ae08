#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "support/RecordingBackend.h"

namespace tonalyx {

// Follows what a recording backend received and knows which notes sound: a
// note-on with a velocity above 0 sounds until its note-off (a note-on with
// velocity 0, or status 8n), or until All Notes Off (controller 123) or All
// Sound Off (controller 120) on its channel. Each note-on needs a note-off of
// its own. A port that closes while a note sounds leaves that note stuck on
// the device; the first time that happens is kept as the violation.
class NoteLedger {
 public:
  // Reads the events the backend received since the last call.
  void Follow(const RecordingBackend& backend);
  // Forgets the events read so far (the backend was cleared).
  void Rewind() { read_ = 0; }

  bool AnySounding() const { return !sounding_.empty(); }
  // Note-ons with a velocity above 0 so far.
  std::size_t NotesPlayed() const { return played_; }
  // The sounding notes, e.g. "channel 1 note 60".
  std::string Sounding() const;
  const std::optional<std::string>& Violation() const { return violation_; }

 private:
  void Take(std::uint32_t message);

  std::size_t read_ = 0;
  std::size_t played_ = 0;
  // (channel 1..16, note) -> note-ons not yet ended.
  std::map<std::pair<int, int>, int> sounding_;
  std::optional<std::string> violation_;
};

}  // namespace tonalyx
