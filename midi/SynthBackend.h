#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiBackend.h"

// FluidSynth's handles, kept out of this header so users of the backend do not
// see the library's API.
struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

namespace tonalyx {

// The name of the built-in synth in the device list.
inline constexpr char kBuiltInSynthName[] = "Tonalyx Built-in Synth";
// The General MIDI soundfont of the system (package fluid-soundfont-gm).
inline constexpr char kSystemSoundfont[] = "/usr/share/sounds/sf2/default-GM.sf2";

// A software General MIDI synthesizer (FluidSynth) offered as one MIDI output
// device. Short messages act as channel events with GS-style bank select, the
// reset messages reach it as system exclusive, channel 10 plays drum kits.
//
// Opening checks the soundfont and the audio output at once and fails when
// either is missing; the soundfont itself then loads on a worker thread so the
// caller's thread does not stall on a large file. Messages sent while it loads
// are queued and played in order as soon as it is in.
//
// With Output::kOffline no audio driver is created: Render pulls the samples
// into a buffer, through the same message handling as the audio output.
class SynthBackend : public MidiBackend {
 public:
  enum class Output { kAudioDriver, kOffline };
  // Frames per second of the offline output.
  static constexpr int kOfflineSampleRate = 44100;

  struct Options {
    // Asked for the soundfont on every open, so a new choice takes effect at
    // the next open; without it, the system's General MIDI soundfont.
    std::function<std::filesystem::path()> soundfont;
    Output output = Output::kAudioDriver;
    // FluidSynth audio drivers tried in order; empty means the platform's
    // usual list. A JACK driver is only tried while a JACK server runs.
    std::vector<std::string> audio_drivers;
  };

  explicit SynthBackend(Options options);
  ~SynthBackend() override;
  SynthBackend(const SynthBackend&) = delete;
  SynthBackend& operator=(const SynthBackend&) = delete;

  int DeviceCount() override { return 1; }
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id) override;
  void Close() override;
  void SendShort(std::uint32_t message) override;
  void SendSysEx(std::span<const std::uint8_t> bytes) override;

  // Blocks until the soundfont load started by Open has ended; true when the
  // soundfont is in. False when nothing is open.
  bool WaitUntilLoaded();

  // Offline output only: renders the next left.size() frames of stereo sound.
  // Both spans have the same length. Waits for the soundfont first.
  void Render(std::span<float> left, std::span<float> right);

  // What the synth holds for a channel (0..15) once loaded, or -1 when nothing
  // is open: a controller value, the 14-bit pitch bend, and the selected
  // bank and program.
  int Controller(int channel, int number);
  int PitchBend(int channel);
  int Bank(int channel);
  int Program(int channel);

 private:
  struct Pending {
    std::uint32_t message = 0;
    std::vector<std::uint8_t> sysex;  // empty for a short message
  };

  std::filesystem::path ChosenSoundfont() const;
  bool StartAudio();
  void Load(std::string soundfont);
  void Dispatch(std::uint32_t message);
  void DispatchSysEx(std::span<const std::uint8_t> bytes);

  Options options_;
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_audio_driver_t* driver_ = nullptr;

  std::thread loader_;
  std::mutex mutex_;
  // Guarded by mutex_: while loading, sends go to pending_ instead of the synth.
  bool loading_ = false;
  bool loaded_ = false;
  std::vector<Pending> pending_;
};

}  // namespace tonalyx
