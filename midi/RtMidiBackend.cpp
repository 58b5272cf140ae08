#include "midi/RtMidiBackend.h"

#include <array>
#include <iostream>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include <RtMidi.h>

#include "midi/PortName.h"
#include "midi/QuietProbe.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

// Our own client and port as other programs see them (JACK, ALSA, CoreMIDI).
constexpr const char* kClientName = "Tonalyx";
constexpr const char* kPortName = "Tonalyx Out";

// A few process periods of a usual JACK server (1024 frames at 48 kHz is
// 21 ms). RtMidi hands each message to JACK's process thread through a ring
// buffer, and that thread writes it into our port within the next period or
// two. A message it takes before the new connection is part of the graph goes
// nowhere, and one still in the buffer when the port closes is lost; so the
// first send after an open waits until this long after the open, and a close
// until this long after the last send.
constexpr std::chrono::milliseconds kJackSettle{100};

void KeepLastError(RtMidiError::Type /*type*/, const std::string& text, void* lastError) {
  *static_cast<std::string*>(lastError) = text;
}

// Sends std::cerr into a string while it lives.
class CerrCapture {
 public:
  CerrCapture() : shown_(std::cerr.rdbuf(captured_.rdbuf())) {}
  ~CerrCapture() { std::cerr.rdbuf(shown_); }
  CerrCapture(const CerrCapture&) = delete;
  CerrCapture& operator=(const CerrCapture&) = delete;
  std::string Text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* shown_;
};

// Constructs the output for one API, or nothing when the API is unavailable.
// Construction happens before an error callback can be set, so RtMidi throws
// its errors (ALSA does when the sequencer cannot be opened) and writes its
// warnings to std::cerr; JACK's only warning there is that no server runs.
// What RtMidi says is kept in `diagnostic` rather than shown.
std::unique_ptr<RtMidiOut> MakeOut(RtMidi::Api api, std::string& diagnostic) {
  CerrCapture warnings;
  std::unique_ptr<RtMidiOut> out;
  try {
    out = std::make_unique<RtMidiOut>(api, kClientName);
  } catch (const RtMidiError& e) {
    diagnostic = e.getMessage();
    return nullptr;
  }
  diagnostic = warnings.Text();
  if (api == RtMidi::UNIX_JACK && !diagnostic.empty()) return nullptr;
  return out;
}

bool Compiled(RtMidi::Api api) {
  std::vector<RtMidi::Api> apis;
  RtMidi::getCompiledApi(apis);
  for (RtMidi::Api a : apis)
    if (a == api) return true;
  return false;
}

}  // namespace

RtMidiBackend::RtMidiBackend() {
#if defined(__APPLE__)
  const std::array<std::pair<RtMidi::Api, Api>, 1> candidates = {
      {{RtMidi::MACOSX_CORE, Api::CoreMidi}}};
#else
  // JACK comes second: its output only exists while a JACK server runs.
  const std::array<std::pair<RtMidi::Api, Api>, 2> candidates = {
      {{RtMidi::LINUX_ALSA, Api::Alsa}, {RtMidi::UNIX_JACK, Api::Jack}}};
#endif
  // An API whose service is missing is simply passed over, without libjack's
  // or libasound's reports of it on the terminal.
  const QuietProbe quiet;
  for (const auto& [rtApi, api] : candidates) {
    if (!Compiled(rtApi)) continue;
    out_ = MakeOut(rtApi, lastError_);
    if (!out_) continue;
    out_->setErrorCallback(&KeepLastError, &lastError_);
    api_ = api;
    break;
  }
}

RtMidiBackend::~RtMidiBackend() { Close(); }

int RtMidiBackend::DeviceCount() {
  if (!out_) return 0;
  return static_cast<int>(out_->getPortCount());
}

std::optional<std::string> RtMidiBackend::DeviceName(int id) {
  // RtMidi's JACK name query does not check the identifier against the list.
  if (id < 0 || id >= DeviceCount()) return std::nullopt;
  std::string name = out_->getPortName(static_cast<unsigned>(id));
  if (name.empty()) return std::nullopt;
  if (api_ == Api::Alsa) return StripAlsaAddress(name);
  return name;
}

bool RtMidiBackend::Open(int id) {
  if (id < 0 || id >= DeviceCount()) return false;
  if (out_->isPortOpen()) Close();
  out_->openPort(static_cast<unsigned>(id), kPortName);
  openedAt_ = std::chrono::steady_clock::now();
  sentSinceOpen_ = false;
  return out_->isPortOpen();
}

void RtMidiBackend::Close() {
  if (!out_ || !out_->isPortOpen()) return;
  DrainBeforeClose();
  out_->closePort();
}

void RtMidiBackend::DrainBeforeClose() {
  if (api_ == Api::Jack && sentSinceOpen_) WaitUntil(lastSend_ + kJackSettle);
}

void RtMidiBackend::BeforeSend() {
  if (api_ == Api::Jack && !sentSinceOpen_) WaitUntil(openedAt_ + kJackSettle);
}

void RtMidiBackend::AfterSend() {
  sentSinceOpen_ = true;
  lastSend_ = std::chrono::steady_clock::now();
}

void RtMidiBackend::WaitUntil(std::chrono::steady_clock::time_point until) {
  if (std::chrono::steady_clock::now() < until) std::this_thread::sleep_until(until);
}

void RtMidiBackend::SendShort(std::uint32_t message) {
  if (!out_ || !out_->isPortOpen()) return;
  const int length = ShortMessageLength(message);
  if (length == 0) return;
  const std::array<unsigned char, 3> bytes = {static_cast<unsigned char>(StatusByte(message)),
                                              static_cast<unsigned char>(Data1(message)),
                                              static_cast<unsigned char>(Data2(message))};
  BeforeSend();
  out_->sendMessage(bytes.data(), static_cast<std::size_t>(length));
  AfterSend();
}

void RtMidiBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (!out_ || !out_->isPortOpen() || bytes.empty()) return;
  BeforeSend();
  out_->sendMessage(bytes.data(), bytes.size());
  AfterSend();
}

}  // namespace tonalyx
