#include "drivers/RtMidiOutput.h"

#include <array>
#include <thread>
#include <utility>

#include <RtMidi.h>

#include "drivers/PortName.h"
#include "drivers/RtMidiApiChoice.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

// A few process periods of a usual JACK server (1024 frames at 48 kHz is
// 21 ms). RtMidi hands each message to JACK's process thread through a ring
// buffer, and that thread writes it into our port within the next period or
// two. A message it takes before the new connection is part of the graph goes
// nowhere, and one still in the buffer when the port closes is lost; so the
// first send after an open waits until this long after the open, and a close
// until this long after the last send.
constexpr std::chrono::milliseconds kJackSettle{100};

}  // namespace

RtMidiOutput::RtMidiOutput() {
  out_ = FirstAnsweringApi<RtMidiOut>(api_, last_error_);
  if (out_) out_->setErrorCallback(&KeepRtMidiError, &last_error_);
}

RtMidiOutput::~RtMidiOutput() { Close(); }

int RtMidiOutput::DeviceCount() {
  if (!out_) return 0;
  return static_cast<int>(out_->getPortCount());
}

std::optional<std::string> RtMidiOutput::DeviceName(int id) {
  // RtMidi's JACK name query does not check the identifier against the list.
  if (id < 0 || id >= DeviceCount()) return std::nullopt;
  std::string name = out_->getPortName(static_cast<unsigned>(id));
  if (name.empty()) return std::nullopt;
  if (api_ == Api::kAlsa) return StripAlsaAddress(name);
  return name;
}

bool RtMidiOutput::Open(int id) {
  if (id < 0 || id >= DeviceCount()) return false;
  if (out_->isPortOpen()) Close();
  out_->openPort(static_cast<unsigned>(id), kRtMidiOutPortName);
  opened_at_ = std::chrono::steady_clock::now();
  sent_since_open_ = false;
  return out_->isPortOpen();
}

void RtMidiOutput::Close() {
  if (!out_ || !out_->isPortOpen()) return;
  DrainBeforeClose();
  out_->closePort();
}

void RtMidiOutput::DrainBeforeClose() {
  if (api_ == Api::kJack && sent_since_open_) WaitUntil(last_send_ + kJackSettle);
}

void RtMidiOutput::BeforeSend() {
  if (api_ == Api::kJack && !sent_since_open_) WaitUntil(opened_at_ + kJackSettle);
}

void RtMidiOutput::AfterSend() {
  sent_since_open_ = true;
  last_send_ = std::chrono::steady_clock::now();
}

void RtMidiOutput::WaitUntil(std::chrono::steady_clock::time_point until) {
  if (std::chrono::steady_clock::now() < until) std::this_thread::sleep_until(until);
}

void RtMidiOutput::SendShort(std::uint32_t message) {
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

void RtMidiOutput::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (!out_ || !out_->isPortOpen() || bytes.empty()) return;
  BeforeSend();
  out_->sendMessage(bytes.data(), bytes.size());
  AfterSend();
}

}  // namespace tonalyx
