#include "synth/SynthBackend.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string_view>
#include <utility>

#include "midi/QuietProbe.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

#if defined(TONALYX_HAVE_JACK)
#include <jack/jack.h>
#endif

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace tonalyx {
namespace {

// FluidSynth logs every failed driver and file to stderr by default; a failed
// open is reported to the user by its caller, so the library stays quiet.
void SilenceFluidSynthLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) {
      fluid_set_log_function(level, nullptr, nullptr);
    }
  });
}

std::vector<std::string> PlatformAudioDrivers() {
#if defined(_WIN32)
  return {"wasapi", "dsound", "waveout"};
#elif defined(__APPLE__)
  return {"coreaudio"};
#else
  return {"jack", "pipewire", "pulseaudio", "alsa"};
#endif
}

// FluidSynth's JACK driver opens its client without JackNoStartServer, so
// libjack would try to launch a server (seconds, and a jackd nobody asked
// for). Its driver is only tried while a server already runs.
bool JackServerRunning() {
#if defined(TONALYX_HAVE_JACK)
  jack_status_t status{};
  jack_client_t* client = jack_client_open("tonalyx-probe", JackNoStartServer, &status);
  if (client == nullptr) return false;
  jack_client_close(client);
  return true;
#else
  return false;
#endif
}

// True when the file starts like a complete SoundFont 2 (RIFF form "sfbk")
// and is at least as long as its RIFF header says, so a missing, unreadable,
// foreign or cut-off file fails the open at once instead of in the loader.
bool LooksLikeCompleteSoundfont(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return false;
  std::ifstream file(path, std::ios::binary);
  std::array<char, 12> header{};
  if (!file.read(header.data(), header.size())) return false;
  const auto byte = [&](int i) {
    return static_cast<std::uintmax_t>(static_cast<unsigned char>(header[i]));
  };
  const std::uintmax_t riff_size = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
  return std::string_view(header.data(), 4) == "RIFF" &&
         std::string_view(header.data() + 8, 4) == "sfbk" && riff_size + 8 <= size;
}

// The channels a MIDI message can address, then the spare channels of the
// preloads, where nothing ever plays them, then the channels of the edited
// drum notes.
constexpr int kChannels = ModuleParameters::kChannelsNeeded;
static_assert(SynthBackend::kSpareDrumChannel < ModuleParameters::kFirstDrumNoteChannel);
// FluidSynth's bank of the drum kits.
constexpr int kDrumBank = 128;

// A preloaded tone packed into one queue item: the channel the press plays
// on, its bank (Bank Select MSB) or kCurrentBank, and its program.
constexpr int kCurrentBank = 0xFF;
std::uint32_t PackTone(int channel, int bank, int program) {
  return static_cast<std::uint32_t>(channel | bank << 8 | program << 16);
}

}  // namespace

SynthBackend::SynthBackend(Options options) : options_(std::move(options)) {
  SilenceFluidSynthLog();
}

SynthBackend::~SynthBackend() { Close(); }

std::optional<std::string> SynthBackend::DeviceName(int id) {
  if (id != 0) return std::nullopt;
  return std::string(kBuiltInSynthName);
}

std::filesystem::path SynthBackend::ChosenSoundfont() const {
  return options_.soundfont ? options_.soundfont() : std::filesystem::path(kSystemSoundfont);
}

bool SynthBackend::Open(int id) {
  Close();
  if (id != 0) return false;

  const std::filesystem::path soundfont = ChosenSoundfont();
  if (!LooksLikeCompleteSoundfont(soundfont)) return false;

  settings_ = new_fluid_settings();
  if (settings_ == nullptr) return false;
  // Samples are read from the file only for the presets a channel selects.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  // GS Reset and XG System On address device 0x10; with FluidSynth's default
  // device ID 0 it ignores both.
  fluid_settings_setint(settings_, "synth.device-id", 16);
  fluid_settings_setstr(settings_, "synth.midi-bank-select", "gs");
  fluid_settings_setint(settings_, "synth.midi-channels", kChannels);
  if (options_.output == Output::kOffline) {
    fluid_settings_setnum(settings_, "synth.sample-rate", kOfflineSampleRate);
  }
  fluid_settings_setstr(settings_, "audio.jack.id", "Tonalyx");
  fluid_settings_setint(settings_, "audio.jack.autoconnect", 1);

  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr || (options_.output == Output::kAudioDriver && !StartAudio())) {
    Close();
    return false;
  }
  parameters_.emplace(synth_);

  // The soundfont load is the thread's first piece of work.
  queue_.Restart(1);
  thread_ = std::thread(&SynthBackend::Run, this, soundfont.string());
  return true;
}

bool SynthBackend::StartAudio() {
  const std::vector<std::string> drivers =
      options_.audio_drivers.empty() ? PlatformAudioDrivers() : options_.audio_drivers;
  // A missing JACK server or sound card only means the next driver is tried.
  const QuietProbe quiet;
  for (const std::string& name : drivers) {
    if (name == "jack" && !JackServerRunning()) continue;
    if (fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK) continue;
    driver_ = new_fluid_audio_driver(settings_, synth_);
    if (driver_ != nullptr) return true;
  }
  return false;
}

void SynthBackend::Run(std::string soundfont) {
#if defined(__linux__)
  // Woken by a send, this thread must not take the sender's processor from
  // it: the window thread goes on at once and the messages wait their turn.
  const sched_param no_priority{};
  pthread_setschedparam(pthread_self(), SCHED_BATCH, &no_priority);
#endif
  loaded_ = fluid_synth_sfload(synth_, soundfont.c_str(), 1) != FLUID_FAILED;
  queue_.Finished(1);
  std::vector<SynthBackendQueue::Item> batch;
  while (queue_.Take(batch)) {
    // Without a soundfont there is nothing to play; the sends still count
    // as handled, so nobody waits for them.
    if (loaded_) {
      for (const SynthBackendQueue::Item& item : batch) Play(item);
    }
    queue_.Finished(batch.back().number);
  }
}

void SynthBackend::Play(const SynthBackendQueue::Item& item) {
  switch (item.kind) {
    case SynthBackendQueue::Item::Kind::kShort:
      Dispatch(item.message);
      break;
    case SynthBackendQueue::Item::Kind::kSysEx:
      DispatchSysEx(item.sysex);
      break;
    case SynthBackendQueue::Item::Kind::kPreload:
      if (!queue_.PreloadSuperseded(item.number, item.lane)) SelectOnSpareChannel(item.message);
      break;
  }
}

bool SynthBackend::WaitUntilLoaded() {
  if (synth_ == nullptr) return false;
  queue_.WaitUntilDone();
  return loaded_;
}

void SynthBackend::Close() {
  // What was sent before the close is played first; waiting preloads are
  // dropped.
  if (thread_.joinable()) {
    queue_.Stop();
    thread_.join();
  }
  // The driver pulls from the synth on its own thread: stop it first.
  if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
  parameters_.reset();
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
  driver_ = nullptr;
  synth_ = nullptr;
  settings_ = nullptr;
  loaded_ = false;
}

void SynthBackend::SendShort(std::uint32_t message) {
  if (synth_ != nullptr) queue_.PushShort(message);
}

void SynthBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (synth_ != nullptr) queue_.PushSysEx(bytes);
}

void SynthBackend::Preload(std::span<const std::uint32_t> press) {
  if (synth_ == nullptr) return;
  // The bank a press selects before its program change, per channel.
  std::array<int, 16> banks;
  banks.fill(kCurrentBank);
  for (const std::uint32_t message : press) {
    const int status = static_cast<int>(message & 0xFF);
    const int channel = status & 0x0F;
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    if ((status & 0xF0) == 0xB0 && data1 == 0) banks[channel] = data2;
    if ((status & 0xF0) == 0xC0) {
      queue_.PushPreload(PackTone(channel, banks[channel], data1), channel == kRhythmChannel);
    }
  }
}

void SynthBackend::SelectOnSpareChannel(std::uint32_t tone) {
  const int channel = static_cast<int>(tone & 0xFF);
  const int bank = static_cast<int>((tone >> 8) & 0xFF);
  const int program = static_cast<int>((tone >> 16) & 0xFF);
  if (channel == kRhythmChannel) {
    // A reset makes every channel but 10 a melodic one in bank 0 again, so
    // the spare drum channel is made a drum channel each time.
    fluid_synth_set_channel_type(synth_, kSpareDrumChannel, CHANNEL_TYPE_DRUM);
    fluid_synth_bank_select(synth_, kSpareDrumChannel, kDrumBank);
    fluid_synth_program_change(synth_, kSpareDrumChannel, program);
    return;
  }
  int font = 0, current_bank = 0, current_program = 0;
  if (bank == kCurrentBank) {
    fluid_synth_get_program(synth_, channel, &font, &current_bank, &current_program);
  }
  fluid_synth_bank_select(synth_, kSpareToneChannel, bank == kCurrentBank ? current_bank : bank);
  fluid_synth_program_change(synth_, kSpareToneChannel, program);
}

void SynthBackend::Dispatch(std::uint32_t message) {
  const int status = static_cast<int>(message & 0xFF);
  const int channel = status & 0x0F;
  const int data1 = static_cast<int>((message >> 8) & 0x7F);
  const int data2 = static_cast<int>((message >> 16) & 0x7F);
  switch (status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, parameters_->NoteOffChannel(channel, data1), data1);
      break;
    case 0x90:  // velocity 0 is a note off
      if (data2 == 0) {
        fluid_synth_noteoff(synth_, parameters_->NoteOffChannel(channel, data1), data1);
      } else {
        fluid_synth_noteon(synth_, parameters_->NoteOnChannel(channel, data1), data1, data2);
      }
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, data1, data2);
      break;
    case 0xB0:
      parameters_->Control(channel, data1, data2);
      fluid_synth_cc(synth_, channel, data1, data2);
      break;
    case 0xC0:
      parameters_->ProgramChange(channel);
      fluid_synth_program_change(synth_, channel, data1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, data1);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, data1 | (data2 << 7));
      break;
    default:
      if (status == 0xFF) {
        fluid_synth_system_reset(synth_);
        parameters_->Reset();
      }
      break;
  }
}

void SynthBackend::DispatchSysEx(std::span<const std::uint8_t> bytes) {
  // FluidSynth takes the message without its F0 and F7 framing.
  if (bytes.size() < 3 || bytes.front() != 0xF0 || bytes.back() != 0xF7) return;
  if (parameters_->SysEx(bytes)) return;
  const auto body = bytes.subspan(1, bytes.size() - 2);
  fluid_synth_sysex(synth_, reinterpret_cast<const char*>(body.data()),
                    static_cast<int>(body.size()), nullptr, nullptr, nullptr, 0);
  for (const ModuleKind type : {ModuleKind::kGs, ModuleKind::kXg, ModuleKind::kGm}) {
    const auto reset = ModuleResetMessage(type);
    if (std::equal(bytes.begin(), bytes.end(), reset.begin(), reset.end())) parameters_->Reset();
  }
}

void SynthBackend::Render(std::span<float> left, std::span<float> right) {
  WaitUntilLoaded();
  RenderNow(left, right);
}

void SynthBackend::RenderNow(std::span<float> left, std::span<float> right) {
  // FluidSynth renders without taking the lock its message calls hold, so a
  // program change reading samples does not hold up the sound.
  if (synth_ == nullptr || driver_ != nullptr || left.size() != right.size()) return;
  fluid_synth_write_float(synth_, static_cast<int>(left.size()), left.data(), 0, 1, right.data(), 0,
                          1);
}

int SynthBackend::Controller(int channel, int number) {
  WaitUntilLoaded();
  int value = -1;
  if (synth_ == nullptr || fluid_synth_get_cc(synth_, channel, number, &value) != FLUID_OK) {
    return -1;
  }
  return value;
}

int SynthBackend::PitchBend(int channel) {
  WaitUntilLoaded();
  int value = -1;
  if (synth_ == nullptr || fluid_synth_get_pitch_bend(synth_, channel, &value) != FLUID_OK) {
    return -1;
  }
  return value;
}

int SynthBackend::Bank(int channel) {
  WaitUntilLoaded();
  int font = 0, bank = -1, program = -1;
  if (synth_ == nullptr ||
      fluid_synth_get_program(synth_, channel, &font, &bank, &program) != FLUID_OK) {
    return -1;
  }
  return bank;
}

int SynthBackend::Program(int channel) {
  WaitUntilLoaded();
  int font = 0, bank = -1, program = -1;
  if (synth_ == nullptr ||
      fluid_synth_get_program(synth_, channel, &font, &bank, &program) != FLUID_OK) {
    return -1;
  }
  return program;
}

}  // namespace tonalyx
