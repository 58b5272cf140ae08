#pragma once

namespace tonalyx {

// The positions of the controller window's eight bars at one moment.
struct ControllerValues {
  int velocity = 100;        // 0..127
  int modulation = 0;        // 0..127, controller 1
  int reverb = 40;           // 0..127, controller 91
  int chorus = 0;            // 0..127, controller 93
  int delay = 0;             // 0..127, controller 94
  int pan = 0;               // -64..63, controller 10 as pan + 64
  int pitch_bend = 0;        // -8192..8191
  int bend_sensitivity = 2;  // 0..24 semitones, registered parameter 0
};

}  // namespace tonalyx
