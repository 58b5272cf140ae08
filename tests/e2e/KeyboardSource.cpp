#include "tests/e2e/KeyboardSource.h"

namespace tonalyx {
namespace {
constexpr std::size_t kQueueBytes = std::size_t{1} << 22;
}  // namespace

KeyboardSource::KeyboardSource(const char* client) {
  client_ = jack_client_open(client, JackNoStartServer, nullptr);
  if (client_ == nullptr) return;
  queue_ = jack_ringbuffer_create(kQueueBytes);
  jack_set_process_callback(client_, &Process, this);
  // Set before the client runs: the process callback writes into it.
  in_ = jack_port_register(client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  port_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  if (in_ == nullptr) port_ = nullptr;
  if (port_ != nullptr && jack_activate(client_) != 0) port_ = nullptr;
}

KeyboardSource::~KeyboardSource() {
  if (client_ != nullptr) jack_client_close(client_);
  if (queue_ != nullptr) jack_ringbuffer_free(queue_);
}

std::string KeyboardSource::PortName() const { return port_ ? jack_port_name(port_) : ""; }

bool KeyboardSource::Send(const std::vector<std::uint8_t>& bytes) {
  const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
  if (jack_ringbuffer_write_space(queue_) < sizeof size + size) return false;
  jack_ringbuffer_write(queue_, reinterpret_cast<const char*>(&size), sizeof size);
  jack_ringbuffer_write(queue_, reinterpret_cast<const char*>(bytes.data()), size);
  return true;
}

bool KeyboardSource::Drained() const { return jack_ringbuffer_read_space(queue_) == 0; }

int KeyboardSource::NotesSounding() const {
  int sounding = 0;
  for (const auto& count : sounding_) sounding += count.load();
  return sounding;
}

void KeyboardSource::Follow(const jack_midi_data_t* bytes, std::size_t size) {
  if (size < 3) return;
  const int kind = bytes[0] & 0xF0;
  const int channel = bytes[0] & 0x0F;
  std::atomic<int>& count = sounding_[static_cast<std::size_t>(channel * 128 + (bytes[1] & 0x7F))];
  if (kind == 0x90 && bytes[2] > 0) {
    ++count;
    ++notes_received_;
  } else if ((kind == 0x80 || kind == 0x90) && count > 0) {
    --count;
  } else if (kind == 0xB0 && (bytes[1] == 120 || bytes[1] == 123)) {
    for (int note = 0; note < 128; ++note)
      sounding_[static_cast<std::size_t>(channel * 128 + note)] = 0;
  }
}

int KeyboardSource::Process(jack_nframes_t frames, void* self) {
  auto& source = *static_cast<KeyboardSource*>(self);
  void* in_buffer = jack_port_get_buffer(source.in_, frames);
  jack_midi_event_t event;
  for (std::uint32_t i = 0; jack_midi_event_get(&event, in_buffer, i) == 0; ++i)
    source.Follow(event.buffer, event.size);
  void* buffer = jack_port_get_buffer(source.port_, frames);
  jack_midi_clear_buffer(buffer);
  std::uint32_t size = 0;
  // Events go out in order, as many as the cycle's buffer takes.
  while (jack_ringbuffer_peek(source.queue_, reinterpret_cast<char*>(&size), sizeof size) ==
             sizeof size &&
         jack_ringbuffer_read_space(source.queue_) >= sizeof size + size) {
    jack_midi_data_t* event = jack_midi_event_reserve(buffer, 0, size);
    if (event == nullptr) break;
    jack_ringbuffer_read_advance(source.queue_, sizeof size);
    jack_ringbuffer_read(source.queue_, reinterpret_cast<char*>(event), size);
  }
  return 0;
}

}  // namespace tonalyx
