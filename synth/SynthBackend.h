#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/TonePreload.h"
#include "synth/ModuleParameters.h"
#include "synth/SynthBackendQueue.h"

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
// The GS and XG part and drum instrument parameters and effect types that
// FluidSynth ignores are played as ModuleParameters tells.
//
// Opening checks the soundfont and the audio output at once and fails when
// either is missing. Everything else runs on the synth's own thread, so no
// sender ever waits for the synth: the soundfont loads there first, then every
// message is played there in the order it was sent, from whatever thread.
// A program change may read samples from the file for a while; the sends
// meanwhile only queue, and the audio keeps rendering the notes that sound.
// Close plays what was sent before it, then ends the thread.
//
// Preload selects the tone a press is about to play on a spare channel that no
// MIDI message can address, so its samples are read before the press. The spare channel never
// sounds, and only the newest preload waiting is carried out.
//
// With Output::kOffline no audio driver is created: Render pulls the samples
// into a buffer, through the same message handling as the audio output.
class SynthBackend : public MidiBackend, public TonePreloading {
 public:
  enum class Output { kAudioDriver, kOffline };
  // Frames per second of the offline output.
  static constexpr int kOfflineSampleRate = 44100;
  // The channels preloads select their tones and drum kits on; no MIDI
  // message can address them.
  static constexpr int kSpareToneChannel = 16;
  static constexpr int kSpareDrumChannel = 17;

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
  void Preload(std::span<const std::uint32_t> press) override;

  // Blocks until the soundfont load started by Open and every message sent
  // before the call have been played; true when the soundfont is in. False
  // when nothing is open.
  bool WaitUntilLoaded();

  // Offline output only: renders the next left.size() frames of stereo sound.
  // Both spans have the same length. Waits as WaitUntilLoaded first, so the
  // sound follows every message sent before.
  void Render(std::span<float> left, std::span<float> right);
  // Offline output only: renders at once with the messages that have reached
  // the synth so far, as an audio driver's thread does. Safe on any one thread
  // while messages are sent and played.
  void RenderNow(std::span<float> left, std::span<float> right);

  // What the synth holds for a channel (0..15) once loaded, or -1 when nothing
  // is open: a controller value, the 14-bit pitch bend, and the selected
  // bank and program.
  int Controller(int channel, int number);
  int PitchBend(int channel);
  int Bank(int channel);
  int Program(int channel);

 private:
  std::filesystem::path ChosenSoundfont() const;
  bool StartAudio();
  // The synth's thread: loads the soundfont, then plays what is sent.
  void Run(std::string soundfont);
  void Play(const SynthBackendQueue::Item& item);
  void Dispatch(std::uint32_t message);
  void DispatchSysEx(std::span<const std::uint8_t> bytes);
  void SelectOnSpareChannel(std::uint32_t tone);

  Options options_;
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_audio_driver_t* driver_ = nullptr;

  // Made with the synth; used on the synth's thread.
  std::optional<ModuleParameters> parameters_;

  SynthBackendQueue queue_;
  std::thread thread_;
  std::atomic<bool> loaded_ = false;
};

}  // namespace tonalyx
