#include "drivers/RtMidiInput.h"

#include <utility>
#include <vector>

#include "drivers/PortName.h"
#include "drivers/RtMidiApiChoice.h"

namespace tonalyx {
namespace {

void Deliver(double /*delta_time*/, std::vector<unsigned char>* message, void* receiver) {
  if (message == nullptr || message->empty()) return;
  (*static_cast<MidiInputBackend::Receiver*>(receiver))(*message);
}

// "Tonalyx:Tonalyx Out", or under JACK "Tonalyx-01:Tonalyx Out" when another
// of our clients took the plain name first.
bool IsOwnOutput(const std::string& name) {
  const std::string client = kRtMidiClientName;
  const std::string port = std::string(":") + kRtMidiOutPortName;
  return name.starts_with(client) && name.ends_with(port);
}

}  // namespace

RtMidiInput::RtMidiInput() = default;

RtMidiInput::~RtMidiInput() { Close(); }

RtMidiIn* RtMidiInput::Client() {
  if (tried_) return in_.get();
  tried_ = true;
  in_ = FirstAnsweringApi<RtMidiIn>(api_, last_error_);
  if (!in_) return nullptr;
  in_->setErrorCallback(&KeepRtMidiError, &last_error_);
  in_->ignoreTypes(false, false, false);
  return in_.get();
}

int RtMidiInput::DeviceCount() {
  RtMidiIn* in = Client();
  return in != nullptr ? static_cast<int>(in->getPortCount()) : 0;
}

std::optional<std::string> RtMidiInput::DeviceName(int id) {
  if (id < 0 || id >= DeviceCount()) return std::nullopt;
  std::string name = in_->getPortName(static_cast<unsigned>(id));
  if (api_ == RtMidiApi::kAlsa) name = StripAlsaAddress(name);
  if (name.empty() || IsOwnOutput(name)) return std::nullopt;
  return name;
}

bool RtMidiInput::Open(int id, Receiver receiver) {
  Close();
  if (!DeviceName(id)) return false;
  receiver_ = std::move(receiver);
  in_->setCallback(&Deliver, &receiver_);
  in_->openPort(static_cast<unsigned>(id), kRtMidiInPortName);
  if (in_->isPortOpen()) return true;
  in_->cancelCallback();
  return false;
}

void RtMidiInput::Close() {
  if (!in_ || !in_->isPortOpen()) return;
  // Under ALSA this ends RtMidi's input thread; under JACK the port leaves
  // the graph before its next process cycle.
  in_->closePort();
  in_->cancelCallback();
}

}  // namespace tonalyx
