#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>

struct _fluid_synth_t;

namespace tonalyx {

// FluidSynth's reverb and chorus settings, as its effect calls take them.
struct SynthReverb {
  double roomsize, damping, width, level;
};
struct SynthChorus {
  int voices;
  double level, speed, depth_ms;
  int waveform;  // FLUID_CHORUS_MOD_SINE or _TRIANGLE
};

// What GS and XG modules take beyond General MIDI and FluidSynth ignores,
// played with what FluidSynth has:
// - the part parameters (NRPN 01 xx: vibrato, filter, envelope) as generator
//   offsets of the channel, so a sounding note follows them at once;
// - the drum instrument parameters (NRPN 14-1F, the note as LSB) by playing
//   an edited note of the rhythm channel on a FluidSynth channel of that
//   note's own, set up like the rhythm channel with the note's offsets;
// - the reverb and chorus types (GS macros, XG effect types) as FluidSynth's
//   reverb and chorus settings.
// A module reset (GS Reset, XG System On, GM System On) undoes them all.
// Used on the synth's thread only.
class ModuleParameters {
 public:
  // The rhythm channel's notes with edits play on channels from here, one
  // per note; the synth needs that many channels.
  static constexpr int kFirstDrumNoteChannel = 32;
  static constexpr int kChannelsNeeded = kFirstDrumNoteChannel + 128;

  // Takes FluidSynth's effect settings as they are now for the module's own.
  explicit ModuleParameters(_fluid_synth_t* synth);

  // A control change on channel 0..15; FluidSynth takes it as well.
  void Control(int channel, int controller, int value);
  // A program change on channel 0..15: the rhythm channel's kit select
  // undoes its drum instrument edits, as on the modules.
  void ProgramChange(int channel);
  // The channel FluidSynth starts a note on: the channel itself, or an
  // edited drum note's own channel, set up for it now.
  int NoteOnChannel(int channel, int note);
  // The channel a note of channel 0..15 sounds on, to end it.
  int NoteOffChannel(int channel, int note) const;
  // A complete system exclusive message; true when it was a reverb or chorus
  // type with a valid checksum, now in effect.
  bool SysEx(std::span<const std::uint8_t> message);
  // A module reset has reached FluidSynth.
  void Reset();

 private:
  // The NRPN or RPN that data entry sets, per channel.
  struct Selection {
    int msb = 0x7F;
    int lsb = 0x7F;
    bool nrpn = false;
  };
  void DataEntry(int channel, int value);
  void ApplyPartParameter(int channel, int lsb, int data);
  void SetUpDrumNoteChannel(int note);
  void ApplyReverb(const SynthReverb& settings);
  void ApplyChorus(const SynthChorus& settings);

  _fluid_synth_t* synth_;
  SynthReverb own_reverb_{};
  SynthChorus own_chorus_{};
  std::array<Selection, 16> selections_{};
  // Per note of the rhythm channel: its edits by NRPN MSB (14H..1FH) as the
  // data bytes received, and whether it last played on its own channel.
  std::array<std::array<std::optional<int>, 12>, 128> drum_edits_{};
  std::array<bool, 128> on_own_channel_{};
  // Places for strokes of random pan.
  std::minstd_rand random_;
};

}  // namespace tonalyx
