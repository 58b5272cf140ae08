#include "midi/SynthBackend.h"

#include <fluidsynth.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string_view>
#include <utility>

#include "midi/QuietProbe.h"
#include "settings/SettingsFile.h"

#if defined(TONALYX_HAVE_JACK)
#include <jack/jack.h>
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
  const std::uintmax_t riffSize = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
  return std::string_view(header.data(), 4) == "RIFF" &&
         std::string_view(header.data() + 8, 4) == "sfbk" && riffSize + 8 <= size;
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
  const std::string named =
      SettingsFile::Open(options_.settingsPath).ReadString("synth", "soundfont", "");
  if (named.empty()) return options_.defaultSoundfont;
  // A relative name is taken from the settings file's folder, not from
  // wherever the program happened to be started.
  const std::filesystem::path path(named);
  return path.is_relative() ? options_.settingsPath.parent_path() / path : path;
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

  {
    std::lock_guard lock(mutex_);
    loading_ = true;
    loaded_ = false;
    pending_.clear();
  }
  loader_ = std::thread(&SynthBackend::Load, this, soundfont.string());
  return true;
}

bool SynthBackend::StartAudio() {
  const std::vector<std::string> drivers =
      options_.audioDrivers.empty() ? PlatformAudioDrivers() : options_.audioDrivers;
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

void SynthBackend::Load(std::string soundfont) {
  // The synth holds its own lock for the whole load, so nothing else may call
  // into it meanwhile: the senders queue instead.
  const bool ok = fluid_synth_sfload(synth_, soundfont.c_str(), 1) != FLUID_FAILED;
  std::lock_guard lock(mutex_);
  for (const Pending& pending : pending_) {
    if (pending.sysex.empty()) {
      Dispatch(pending.message);
    } else {
      DispatchSysEx(pending.sysex);
    }
  }
  pending_.clear();
  pending_.shrink_to_fit();
  loaded_ = ok;
  loading_ = false;
}

bool SynthBackend::WaitUntilLoaded() {
  if (loader_.joinable()) loader_.join();
  std::lock_guard lock(mutex_);
  return synth_ != nullptr && loaded_;
}

void SynthBackend::Close() {
  if (loader_.joinable()) loader_.join();
  // The driver pulls from the synth on its own thread: stop it first.
  if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
  driver_ = nullptr;
  synth_ = nullptr;
  settings_ = nullptr;
  std::lock_guard lock(mutex_);
  loading_ = false;
  loaded_ = false;
  pending_.clear();
}

void SynthBackend::SendShort(std::uint32_t message) {
  if (synth_ == nullptr) return;
  {
    std::lock_guard lock(mutex_);
    if (loading_) {
      pending_.push_back({message, {}});
      return;
    }
  }
  Dispatch(message);
}

void SynthBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (synth_ == nullptr) return;
  {
    std::lock_guard lock(mutex_);
    if (loading_) {
      pending_.push_back({0, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
      return;
    }
  }
  DispatchSysEx(bytes);
}

void SynthBackend::Dispatch(std::uint32_t message) {
  const int status = static_cast<int>(message & 0xFF);
  const int channel = status & 0x0F;
  const int data1 = static_cast<int>((message >> 8) & 0x7F);
  const int data2 = static_cast<int>((message >> 16) & 0x7F);
  switch (status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, data1);
      break;
    case 0x90:  // velocity 0 is a note off to FluidSynth as well
      fluid_synth_noteon(synth_, channel, data1, data2);
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, data1, data2);
      break;
    case 0xB0:
      fluid_synth_cc(synth_, channel, data1, data2);
      break;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, data1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, data1);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, data1 | (data2 << 7));
      break;
    default:
      if (status == 0xFF) fluid_synth_system_reset(synth_);
      break;
  }
}

void SynthBackend::DispatchSysEx(std::span<const std::uint8_t> bytes) {
  // FluidSynth takes the message without its F0 and F7 framing.
  if (bytes.size() < 3 || bytes.front() != 0xF0 || bytes.back() != 0xF7) return;
  const auto body = bytes.subspan(1, bytes.size() - 2);
  fluid_synth_sysex(synth_, reinterpret_cast<const char*>(body.data()),
                    static_cast<int>(body.size()), nullptr, nullptr, nullptr, 0);
}

void SynthBackend::Render(std::span<float> left, std::span<float> right) {
  WaitUntilLoaded();
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
