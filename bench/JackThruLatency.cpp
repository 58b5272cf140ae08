// Input-to-output time of the MIDI thru on JACK, in frames: a probe client
// sends a note from its output port into the program's MIDI input and takes
// the thru back on its input port, from the program's output; the frame
// times of the two are compared. Prints the median and the 99th percentile in
// microseconds, and the JACK period for scale. Needs a running JACK server
// (bench/run-jack-thru-latency starts a private one).
//
//   build/bench/jack_thru_latency [notes]

#include <jack/jack.h>
#include <jack/midiport.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "drivers/RtMidiInput.h"
#include "drivers/RtMidiOutput.h"
#include "midi/MidiPort.h"
#include "thru/MidiThru.h"

namespace tonalyx {
namespace {

// Sends a note every `kEvery` cycles at a frame offset that moves through the
// period, and keeps the frame time of every note sent and received.
struct Probe {
  static constexpr int kEvery = 8;
  jack_client_t* client = nullptr;
  jack_port_t* out = nullptr;
  jack_port_t* in = nullptr;
  std::atomic<bool> sending{false};
  int cycle = 0;
  std::vector<jack_nframes_t> sent, received;

  static int Process(jack_nframes_t frames, void* self) {
    auto& probe = *static_cast<Probe*>(self);
    const jack_nframes_t start = jack_last_frame_time(probe.client);
    void* in_buffer = jack_port_get_buffer(probe.in, frames);
    jack_midi_event_t event;
    for (std::uint32_t i = 0; jack_midi_event_get(&event, in_buffer, i) == 0; ++i)
      if (event.size == 3 && (event.buffer[0] & 0xF0) == 0x90 &&
          probe.received.size() < probe.received.capacity())
        probe.received.push_back(start + event.time);
    void* out_buffer = jack_port_get_buffer(probe.out, frames);
    jack_midi_clear_buffer(out_buffer);
    if (probe.sending && ++probe.cycle % kEvery == 0 && probe.sent.size() < probe.sent.capacity()) {
      const jack_nframes_t offset = static_cast<jack_nframes_t>(probe.sent.size() * 37) % frames;
      const std::uint8_t note[3] = {0x90, static_cast<std::uint8_t>(36 + probe.sent.size() % 48),
                                    100};
      if (jack_midi_event_write(out_buffer, offset, note, 3) == 0)
        probe.sent.push_back(start + offset);
    }
    return 0;
  }
};

int FindByName(int count, const std::function<std::optional<std::string>(int)>& name,
               const std::string& wanted) {
  for (int id = 0; id < count; ++id)
    if (name(id) == wanted) return id;
  return -1;
}

int Run(int notes) {
  Probe probe;
  probe.sent.reserve(static_cast<std::size_t>(notes));
  probe.received.reserve(static_cast<std::size_t>(notes));
  probe.client = jack_client_open("probe", JackNoStartServer, nullptr);
  if (probe.client == nullptr) {
    std::fprintf(stderr, "no JACK server runs\n");
    return 1;
  }
  probe.out = jack_port_register(probe.client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  probe.in = jack_port_register(probe.client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  jack_set_process_callback(probe.client, &Probe::Process, &probe);
  jack_activate(probe.client);

  RtMidiOutput backend;
  RtMidiInput input;
  MidiPort port(backend);
  MidiThru thru(port);
  const int out_id = FindByName(
      backend.DeviceCount(), [&](int id) { return backend.DeviceName(id); }, "probe:in");
  const int in_id = FindByName(
      input.DeviceCount(), [&](int id) { return input.DeviceName(id); }, "probe:out");
  if (out_id < 0 || in_id < 0 || !port.OpenPort(out_id) || !thru.Open(input, in_id)) {
    std::fprintf(stderr, "the probe's ports were not found on JACK\n");
    return 1;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  probe.sending = true;
  while (probe.sent.size() < static_cast<std::size_t>(notes))
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  probe.sending = false;
  jack_deactivate(probe.client);

  const double rate = jack_get_sample_rate(probe.client);
  const jack_nframes_t period = jack_get_buffer_size(probe.client);
  std::vector<double> micros;
  for (std::size_t i = 0; i < std::min(probe.sent.size(), probe.received.size()); ++i)
    micros.push_back(1e6 * static_cast<double>(probe.received[i] - probe.sent[i]) / rate);
  jack_client_close(probe.client);
  if (micros.empty()) {
    std::fprintf(stderr, "nothing came back\n");
    return 1;
  }
  std::sort(micros.begin(), micros.end());
  std::printf(
      "thru on JACK, %zu of %zu notes back (period %u frames = %.0f us): median %.0f us, "
      "p99 %.0f us\n",
      probe.received.size(), probe.sent.size(), period, 1e6 * period / rate,
      micros[micros.size() / 2], micros[(micros.size() - 1) * 99 / 100]);
  return 0;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc > 1 ? std::atoi(argv[1]) : 1000); }
