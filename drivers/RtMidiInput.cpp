#include "drivers/RtMidiInput.h"

#include <utility>
#include <vector>

#include "drivers/PortName.h"
#include "drivers/RtMidiApiChoice.h"

namespace tonalyx {
namespace {

// "Tonalyx:Tonalyx Out", or under JACK "Tonalyx-01:Tonalyx Out" when another
// of our clients took the plain name first.
bool IsOwnOutput(const std::string& name) {
  const std::string client = kRtMidiClientName;
  const std::string port = std::string(":") + kRtMidiOutPortName;
  return name.starts_with(client) && name.ends_with(port);
}

}  // namespace

RtMidiInput::RtMidiInput() = default;

void RtMidiInput::Deliver(double /*delta_time*/, std::vector<unsigned char>* message, void* input) {
  if (message == nullptr || message->empty()) return;
  auto& self = *static_cast<RtMidiInput*>(input);
  self.gate_.Pass([&] { self.receiver_(*message); });
}

RtMidiInput::~RtMidiInput() { Close(); }

RtMidiIn* RtMidiInput::Client() {
  if (tried_) return in_.get();
  tried_ = true;
  in_ = FirstAnsweringApi<RtMidiIn>(api_, last_error_);
  if (!in_) return nullptr;
  in_->setErrorCallback(&KeepRtMidiError, &last_error_);
  // RtMidi drops system exclusive, timing and active sensing itself, so it
  // never gathers a long system exclusive message on JACK's process thread.
  in_->ignoreTypes(true, true, true);
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
  in_->setCallback(&Deliver, this);
  listening_ = true;
  gate_.Open();
  in_->openPort(static_cast<unsigned>(id), kRtMidiInPortName);
  if (in_->isPortOpen()) return true;
  Close();
  return false;
}

void RtMidiInput::Close() {
  if (!listening_) return;
  listening_ = false;
  // Under ALSA closing the port ends RtMidi's input thread; under JACK the
  // port leaves the graph, but a process cycle already running may still
  // deliver: the gate turns it away and waits for one already delivering.
  gate_.Close();
  if (in_->isPortOpen()) in_->closePort();
  in_->cancelCallback();
}

}  // namespace tonalyx
