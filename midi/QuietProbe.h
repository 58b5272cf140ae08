#pragma once

namespace tonalyx {

// Looking for a MIDI or audio service that is not there is no error: libjack
// reports a JACK server that does not run, and libasound an ALSA sequencer or
// sound card that does not exist, each on the terminal. While a QuietProbe
// lives, both libraries keep such reports to themselves; when the last one
// ends they print again as they do by default (libjack errors on stderr and
// its information on stdout, libasound errors on stderr), so a real error
// later on still reaches the terminal.
//
// Probes may nest. Used from the user-interface thread only.
class QuietProbe {
 public:
  QuietProbe();
  ~QuietProbe();
  QuietProbe(const QuietProbe&) = delete;
  QuietProbe& operator=(const QuietProbe&) = delete;
};

}  // namespace tonalyx
